#include "preferences/SmallestCircle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

/// A line as a unit normal and offset: the signed distance of c is n . c - offset.
struct SNormalLine {
    double nx = 0.0;
    double ny = 0.0;
    double offset = 0.0;

    double Signed(const CFPoint& c) const { return nx * c.x + ny * c.y - offset; }
    CFPoint Foot(const CFPoint& c) const {
        const double s = Signed(c);
        return CFPoint(c.x - s * nx, c.y - s * ny);
    }
};

SNormalLine NormalOf(const CFLineSeg& segment) {
    const CFPoint& a = segment.GetP1();
    const CFPoint& b = segment.GetP2();
    const double length = segment.GetLength();
    SNormalLine n{-(b.y - a.y) / length, (b.x - a.x) / length, 0.0};
    n.offset = n.nx * a.x + n.ny * a.y;
    return n;
}

class CCircleSolver {
public:
    explicit CCircleSolver(const std::vector<CQuotaLine>& lines);
    SLineCircle Solve();

private:
    int Worst() const;
    void MoveTo(int v);
    /// The greatest distance from c to a working line: the radius a centre at c needs.
    double Need(const CFPoint& c) const;
    void Offer(const CFPoint& c, CFPoint& best, double& bestNeed) const;
    void OfferTriples(int v, CFPoint& best, double& bestNeed) const;

    std::vector<SNormalLine> m_normals;
    std::vector<int> m_work;
    double m_slack = 0.0;
    CFPoint m_centre;
    double m_radius = 0.0;
};

CCircleSolver::CCircleSolver(const std::vector<CQuotaLine>& lines) {
    double scale = 1.0, sx = 0.0, sy = 0.0;
    for (const CQuotaLine& line : lines) {
        m_normals.push_back(NormalOf(line.segment));
        const CFPoint& a = line.segment.GetP1();
        const CFPoint& b = line.segment.GetP2();
        scale = std::max({scale, std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y)});
        sx += a.x;
        sy += a.y;
    }
    m_slack = 1e-12 * scale;
    const double count = static_cast<double>(std::max<std::size_t>(lines.size(), 1));
    m_centre = CFPoint(sx / count, sy / count);
}

int CCircleSolver::Worst() const {
    int worst = -1;
    double excess = m_slack;
    for (std::size_t i = 0; i < m_normals.size(); ++i) {
        const double e = std::fabs(m_normals[i].Signed(m_centre)) - m_radius;
        // A line that is not a number can never be met; it takes no part.
        if (e > excess) {
            excess = e;
            worst = static_cast<int>(i);
        }
    }
    return worst;
}

double CCircleSolver::Need(const CFPoint& c) const {
    double need = 0.0;
    for (int w : m_work)
        need = std::max(need, std::fabs(m_normals[static_cast<std::size_t>(w)].Signed(c)));
    return need;
}

void CCircleSolver::Offer(const CFPoint& c, CFPoint& best, double& bestNeed) const {
    if (!std::isfinite(c.x) || !std::isfinite(c.y))
        return;
    const double need = Need(c);
    if (need < bestNeed) {
        bestNeed = need;
        best = c;
    }
}

/// The corners of the programme where the new line and two working lines are all at the
/// radius, on any sides of the centre.
void CCircleSolver::OfferTriples(int v, CFPoint& best, double& bestNeed) const {
    static constexpr std::array<std::array<double, 3>, 4> kSigns = {
        {{1, 1, 1}, {1, 1, -1}, {1, -1, 1}, {-1, 1, 1}}};
    const SNormalLine& p = m_normals[static_cast<std::size_t>(v)];
    for (std::size_t a = 0; a < m_work.size(); ++a) {
        const SNormalLine& q = m_normals[static_cast<std::size_t>(m_work[a])];
        for (std::size_t b = a + 1; b < m_work.size(); ++b) {
            const SNormalLine& s = m_normals[static_cast<std::size_t>(m_work[b])];
            for (const auto& sign : kSigns) {
                // n . c - sign r = offset for the three lines, by Cramer's rule.
                const std::array<std::array<double, 4>, 3> m = {{
                    {p.nx, p.ny, -sign[0], p.offset},
                    {q.nx, q.ny, -sign[1], q.offset},
                    {s.nx, s.ny, -sign[2], s.offset},
                }};
                const auto det = [&m](int c0, int c1, int c2) {
                    const auto e = [&m](int r, int c) {
                        return m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                    };
                    return e(0, c0) * (e(1, c1) * e(2, c2) - e(1, c2) * e(2, c1)) -
                           e(0, c1) * (e(1, c0) * e(2, c2) - e(1, c2) * e(2, c0)) +
                           e(0, c2) * (e(1, c0) * e(2, c1) - e(1, c1) * e(2, c0));
                };
                const double d = det(0, 1, 2);
                if (std::fabs(d) < 1e-12)
                    continue;
                Offer(CFPoint(det(3, 1, 2) / d, det(0, 3, 2) / d), best, bestNeed);
            }
        }
    }
}

void CCircleSolver::MoveTo(int v) {
    // The new optimum has the new line at the radius: on it (with a crossing working line, or
    // alone), in the middle of a strip with a parallel one, or at a corner with two others.
    const SNormalLine& p = m_normals[static_cast<std::size_t>(v)];
    m_work.push_back(v);
    CFPoint best = p.Foot(m_centre);
    double bestNeed = Need(best);
    for (int w : m_work) {
        if (w == v)
            continue;
        const SNormalLine& q = m_normals[static_cast<std::size_t>(w)];
        const double cross = p.nx * q.ny - p.ny * q.nx;
        if (std::fabs(cross) > 1e-12) {
            Offer(CFPoint((p.offset * q.ny - q.offset * p.ny) / cross,
                          (p.nx * q.offset - q.nx * p.offset) / cross),
                  best, bestNeed);
        } else {
            const CFPoint a = p.Foot(m_centre), b = q.Foot(m_centre);
            Offer(CFPoint((a.x + b.x) / 2, (a.y + b.y) / 2), best, bestNeed);
        }
    }
    OfferTriples(v, best, bestNeed);
    m_centre = best;
    m_radius = bestNeed;
}

SLineCircle CCircleSolver::Solve() {
    if (m_normals.empty())
        return {};
    // Each step adds a line farther out than the radius, which no working line is, so the
    // working set grows every step and the loop ends.
    for (int v = Worst(); v >= 0; v = Worst())
        MoveTo(v);
    double radius = 0.0;
    for (const SNormalLine& n : m_normals)
        radius = std::max(radius, std::fabs(n.Signed(m_centre)));
    return {m_centre, radius};
}

} // namespace

double DistanceToLine(const CFPoint& point, const CFLineSeg& line) {
    const CFPoint& a = line.GetP1();
    const CFPoint& b = line.GetP2();
    const double cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
    return std::fabs(cross) / line.GetLength();
}

SLineCircle FindSmallestCircle(const std::vector<CQuotaLine>& lines) {
    return CCircleSolver(lines).Solve();
}
