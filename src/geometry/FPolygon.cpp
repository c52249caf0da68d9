#include "geometry/FPolygon.h"

#include "geometry/GeoAlloc.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

namespace {

/// A strict weak order on doubles that puts NaN after every number.
bool Less(double a, double b) {
    return !std::isnan(a) && (std::isnan(b) || a < b);
}

bool Finite(const CFPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

/// The least y, then least x; the first such point wins.
std::size_t PivotIndex(const std::vector<CFPoint>& points) {
    std::size_t pivot = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const CFPoint& p = points[i];
        const CFPoint& best = points[pivot];
        if (p.y < best.y || (p.y == best.y && p.x < best.x))
            pivot = i;
    }
    return pivot;
}

/// The score of candidate p seen from a with b behind: the cosine of angle b-a-p.
double Cosine(const CFPoint& b, const CFPoint& a, const CFPoint& p) {
    const double dot = (b.x - a.x) * (p.x - a.x) + (b.y - a.y) * (p.y - a.y);
    if (dot == 0.0)
        return 0.0;
    return dot / (std::hypot(b.x - a.x, b.y - a.y) * std::hypot(p.x - a.x, p.y - a.y));
}

/// Wraps points sorted by angle about the pivot (which comes first): from the last hull point,
/// the widest-angled later candidate is taken next, until the last sorted point is reached.
std::vector<CFPoint> GiftWrap(const std::vector<CFPoint>& sorted) {
    std::vector<CFPoint> hull = {sorted[0], sorted[1]};
    std::size_t last = 1;
    while (last + 1 < sorted.size()) {
        const CFPoint& a = hull[hull.size() - 1];
        const CFPoint& b = hull[hull.size() - 2];
        std::size_t chosen = last + 1;
        double least = Cosine(b, a, sorted[chosen]);
        for (std::size_t j = chosen + 1; j < sorted.size(); ++j) {
            const double score = Cosine(b, a, sorted[j]);
            if (score < least) {
                least = score;
                chosen = j;
            }
        }
        hull.push_back(sorted[chosen]);
        last = chosen;
    }
    return hull;
}

/// The points in polar form (angle, distance, z) about the pivot, sorted, without duplicates.
std::vector<CFPoint> SortedPolar(const std::vector<CFPoint>& points, const CFPoint& pivot) {
    std::vector<CFPoint> polar;
    polar.reserve(points.size());
    for (const CFPoint& p : points)
        polar.emplace_back(std::atan2(p.y - pivot.y, p.x - pivot.x),
                           std::hypot(p.x - pivot.x, p.y - pivot.y), p.z);
    SortPoints(polar);
    // Points on one ray at different distances all stay; only repeats go.
    polar.erase(std::unique(polar.begin(), polar.end()), polar.end());
    return polar;
}

} // namespace

EGeoStatus SortPoints(std::span<CFPoint> points) {
    if (points.size() < 2)
        return EGeoStatus::InvalidParameter;
    std::sort(points.begin(), points.end(), [](const CFPoint& a, const CFPoint& b) {
        if (Less(a.x, b.x) || Less(b.x, a.x))
            return Less(a.x, b.x);
        if (Less(a.y, b.y) || Less(b.y, a.y))
            return Less(a.y, b.y);
        return Less(a.z, b.z);
    });
    return EGeoStatus::Ok;
}

CFPolygon::CFPolygon(const CFPoint* points, int count) {
    if (points && count > 0)
        m_points.assign(points, points + count);
}

CFPolygon CFPolygon::Regular(const CFPoint& center, double radius, int n) {
    CFPolygon polygon;
    for (int k = 0; k < n; ++k) {
        const double angle = 2 * std::numbers::pi * k / n;
        polygon.Add(
            CFPoint(center.x + radius * std::cos(angle), center.y + radius * std::sin(angle)));
    }
    return polygon;
}

bool CFPolygon::Contains(const CFPoint& point) const {
    bool inside = false;
    const std::size_t n = m_points.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const CFPoint& pi = m_points[i];
        const CFPoint& pj = m_points[j];
        if (std::fabs(pi.x - point.x) <= 1e-8 && std::fabs(pi.y - point.y) <= 1e-8)
            return true;
        double denominator = pj.y - pi.y;
        if (denominator == 0.0)
            denominator = 1e-9;
        if ((pi.y > point.y) != (pj.y > point.y) &&
            point.x < pi.x + (pj.x - pi.x) * (point.y - pi.y) / denominator)
            inside = !inside;
    }
    return inside;
}

std::optional<CFPolygon> CFPolygon::FindConvexHull() const {
    if (m_points.size() <= 2 || !std::all_of(m_points.begin(), m_points.end(), Finite))
        return std::nullopt;
    try {
        CheckGeoAllocation(m_points.size());
        const CFPoint pivot = m_points[PivotIndex(m_points)];
        std::vector<CFPoint> sorted = SortedPolar(m_points, pivot);
        if (sorted.size() <= 2)
            return std::nullopt;
        for (CFPoint& p : sorted)
            p = CFPoint(pivot.x + p.y * std::cos(p.x), pivot.y + p.y * std::sin(p.x), p.z);
        return CFPolygon(GiftWrap(sorted));
    } catch (const std::bad_alloc&) {
        MessageBoxOk("floatgeo.CFPolygon.FindConvexHull: memory exception allocating convex hull");
        return std::nullopt;
    }
}
