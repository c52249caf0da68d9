#include "geometry/FLine.h"

#include "geometry/PointBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kVerticalSlope = 1e7;
constexpr double kStoredVerticalSlope = 1e9;
constexpr double kTolerance = 1e-8;

} // namespace

CFLine CFLine::FromSlopePoint(double m, const CFPoint& point) {
    CFLine line;
    line.SetSlopePoint(m, point);
    return line;
}

CFLine CFLine::FromSlopeIntercept(double m, double c) {
    CFLine line;
    line.SetSlopeIntercept(m, c);
    return line;
}

CFLine CFLine::FromPointAngle(const CFPoint& point, double angle) {
    CFLine line;
    line.SetPointAngle(point, angle);
    return line;
}

void CFLine::SetVertical(double x) {
    m_vertical = true;
    m_slope = kStoredVerticalSlope;
    m_xIntercept = x;
    m_yIntercept = 0.0;
    Derive();
}

void CFLine::SetSlopePoint(double m, const CFPoint& point) {
    if (std::fabs(m) > kVerticalSlope) {
        SetVertical(point.x);
        return;
    }
    SetSlopeIntercept(m, point.y - m * point.x);
}

void CFLine::SetSlopeIntercept(double m, double c) {
    if (std::fabs(m) > kVerticalSlope) {
        SetVertical(-c / m);
        return;
    }
    m_vertical = false;
    m_slope = m;
    m_yIntercept = c;
    m_xIntercept = m == 0.0 ? 1e9 : -c / m;
    Derive();
}

void CFLine::SetTwoPoints(const CFPoint& a, const CFPoint& b) {
    const double dx = b.x - a.x;
    if (dx == 0.0)
        SetVertical(a.x);
    else
        SetSlopePoint((b.y - a.y) / dx, a);
}

void CFLine::SetPointAngle(const CFPoint& point, double angle) {
    const double size = std::fabs(angle);
    if (size == std::numbers::pi / 2 || size == 3 * std::numbers::pi / 2)
        SetVertical(point.x);
    else
        SetSlopePoint(std::tan(angle), point);
}

void CFLine::Derive() {
    if (m_vertical) {
        m_foot = CFPoint(m_xIntercept, 0.0);
        m_direction = CFPoint(0.0, 1.0);
        return;
    }
    const double m = m_slope;
    const double c = m_yIntercept;
    m_foot = CFPoint(-m * c / (m * m + 1), c / (m * m + 1));
    m_direction = CFPoint(1.0, m);
}

CFLine CFLine::Perpendicular(const CFPoint& point) const {
    if (m_vertical)
        return FromSlopePoint(0.0, point);
    if (std::fabs(m_slope) < 1e-7)
        return FromPointAngle(point, std::numbers::pi / 2);
    return FromSlopePoint(-1.0 / m_slope, point);
}

double CFLine::GetAngle() const {
    return m_vertical ? std::numbers::pi / 2 : std::atan(m_slope);
}

bool CFLine::IsParallel(const CFLine& other) const {
    if (m_vertical || other.IsVertical())
        return m_vertical && other.IsVertical();
    return std::fabs(GetSlope() - other.GetSlope()) < kTolerance;
}

bool CFLine::IsCoincident(const CFLine& other) const {
    if (!IsParallel(other))
        return false;
    if (m_vertical || other.IsVertical())
        return std::fabs(GetXIntercept() - other.GetXIntercept()) < kTolerance;
    return std::fabs(GetYIntercept() - other.GetYIntercept()) < kTolerance;
}

double CFLine::Side(const CFPoint& point) const {
    if (m_vertical)
        return point.x - m_xIntercept;
    return point.y - (m_slope * point.x + m_yIntercept);
}

CFLineSeg::CFLineSeg(const CFPoint& p1, const CFPoint& p2) : CFLine(p1, p2), m_p1(p1), m_p2(p2) {}

double CFLineSeg::GetLength() const {
    return std::hypot(m_p2.x - m_p1.x, m_p2.y - m_p1.y);
}

bool CFLineSeg::IsParallel(const CFLine& other) const {
    if (const auto* segment = dynamic_cast<const CFLineSeg*>(&other))
        return std::fabs(SegmentAngle(*this, *segment)) < kTolerance;
    return CFLine::IsParallel(other);
}

std::vector<CFPoint> CFLineSeg::GetPoints(int n) const {
    if (n < 1)
        return {};
    return MakePointBuffer(static_cast<std::size_t>(n),
                           "floatgeo.CFLineSeg.GetPoints: memory exception",
                           [&](std::vector<CFPoint>& points) { AppendPoints(points, n); });
}

void CFLineSeg::AppendPoints(std::vector<CFPoint>& points, int n) const {
    const double length = GetLength();
    // A segment without length has nowhere to step: every point is its end point.
    if (length == 0.0) {
        for (int k = 0; k < n; ++k)
            points.emplace_back(m_p2.x, m_p2.y, m_p1.z);
        return;
    }
    const double step = length / n / length;
    const double dx = m_p2.x - m_p1.x;
    const double dy = m_p2.y - m_p1.y;
    double fraction = 0.0;
    for (int k = 0; k < n; ++k) {
        fraction += step;
        points.emplace_back(m_p1.x + fraction * dx, m_p1.y + fraction * dy, m_p1.z);
    }
}

CFPoint CFLineSeg::NearestPoint(const CFPoint& point) const {
    const double dx = m_p2.x - m_p1.x;
    const double dy = m_p2.y - m_p1.y;
    const double squared = dx * dx + dy * dy;
    if (!(squared > 0.0))
        return m_p1;
    const double t = ((point.x - m_p1.x) * dx + (point.y - m_p1.y) * dy) / squared;
    if (t <= 0.0)
        return m_p1;
    if (t >= 1.0)
        return m_p2;
    return CFPoint(m_p1.x + t * dx, m_p1.y + t * dy, m_p1.z);
}

CFPoint CFLineSeg::FartherEnd(const CFPoint& point) const {
    return point.Distance(m_p2) > point.Distance(m_p1) ? m_p2 : m_p1;
}

CFPoint IntersectLines(const CFLine& a, const CFLine& b) {
    if (a.IsVertical() && b.IsVertical())
        return CFPoint();
    if (a.IsVertical()) {
        const double x = a.GetXIntercept();
        return CFPoint(x, b.GetSlope() * x + b.GetYIntercept());
    }
    if (b.IsVertical()) {
        const double x = b.GetXIntercept();
        return CFPoint(x, a.GetSlope() * x + a.GetYIntercept());
    }
    if (a.GetSlope() == b.GetSlope())
        return CFPoint();
    const double x = (b.GetYIntercept() - a.GetYIntercept()) / (a.GetSlope() - b.GetSlope());
    return CFPoint(x, a.GetSlope() * x + a.GetYIntercept());
}

double SegmentAngle(const CFLineSeg& a, const CFLineSeg& b) {
    const double la = a.GetLength();
    const double lb = b.GetLength();
    if (la == 0.0 || lb == 0.0)
        return 0.0;
    const double ax = a.GetP2().x - a.GetP1().x;
    const double ay = a.GetP2().y - a.GetP1().y;
    const double bx = b.GetP2().x - b.GetP1().x;
    const double by = b.GetP2().y - b.GetP1().y;
    const double sine = (ax * by - ay * bx) / (la * lb);
    // Rounding can push the quotient of two parallel segments just past 1.
    return std::asin(std::clamp(sine, -1.0, 1.0));
}
