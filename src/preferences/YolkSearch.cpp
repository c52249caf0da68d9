#include "preferences/Yolk.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

/// The distance from a point to the line through a segment.
double DistanceToLine(const CFPoint& point, const CFLineSeg& line) {
    const CFPoint& a = line.GetP1();
    const CFPoint& b = line.GetP2();
    const double cross = (b.x - a.x) * (point.y - a.y) - (b.y - a.y) * (point.x - a.x);
    return std::fabs(cross) / line.GetLength();
}

/// Half the width of the strip between two parallel lines; the same whichever comes first.
double HalfWidth(const CFLineSeg& a, const CFLineSeg& b) {
    return (DistanceToLine(a.GetP1(), b) + DistanceToLine(b.GetP1(), a)) / 4;
}

/// Evaluates the triple (i < j < k) and makes it the winner when its radius beats the best.
void Consider(const std::vector<CQuotaLine>& lines, int i, int j, int k, SYolkTriangle& best) {
    const CFLineSeg& a = lines[static_cast<size_t>(i)].segment;
    const CFLineSeg& b = lines[static_cast<size_t>(j)].segment;
    const CFLineSeg& c = lines[static_cast<size_t>(k)].segment;
    const CFTriangle triangle(a, b, c);
    const double radius = YolkTriangleRadius(triangle, a, b, c);
    if (radius > best.radius) {
        best.found = true;
        best.triangle = triangle;
        best.radius = radius;
        best.lines = {i, j, k};
    }
}

SYolkTriangle PlainSearch(const std::vector<CQuotaLine>& lines) {
    SYolkTriangle best;
    const int n = static_cast<int>(lines.size());
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k)
                Consider(lines, i, j, k, best);
    return best;
}

/// A quota line as a unit normal and offset: the signed distance of c is n . c - offset.
struct SNormalLine {
    double nx = 0.0;
    double ny = 0.0;
    double offset = 0.0;

    double Signed(const CFPoint& c) const { return nx * c.x + ny * c.y - offset; }
};

/// The smallest circle meeting every quota line, found as a linear programme in (x, y, r) by
/// adding the most distant line to a working set until no line lies outside the circle. Over
/// the working set the optimum is the greatest radius of its triples and parallel pairs, so the
/// same radius function as the reference decides it.
class CSmallestCircle {
public:
    explicit CSmallestCircle(const std::vector<CQuotaLine>& lines);
    /// False when the working set grew too large (degenerate input): use the reference.
    bool Solve();
    const CFPoint& Centre() const { return m_centre; }
    double Radius() const { return m_radius; }
    double Scale() const { return m_scale; }
    const std::vector<SNormalLine>& Normals() const { return m_normals; }

private:
    void Add(int v);
    void PlaceCentre(int v);
    CFPoint StripCentre(int a, int b) const;

    static constexpr size_t kMaxWork = 400;
    const std::vector<CQuotaLine>& m_lines;
    std::vector<SNormalLine> m_normals;
    std::vector<int> m_work;
    std::vector<bool> m_inWork;
    double m_scale = 1.0;
    CFPoint m_centre;
    double m_radius = 0.0;
    // The best triple (k < 0 for a parallel pair alone) over the working set.
    bool m_found = false;
    SYolkTriangle m_best;
    std::array<int, 2> m_strip{-1, -1};
};

CSmallestCircle::CSmallestCircle(const std::vector<CQuotaLine>& lines)
    : m_lines(lines), m_inWork(lines.size(), false) {
    double sx = 0.0, sy = 0.0;
    for (const CQuotaLine& line : lines) {
        const CFPoint& a = line.segment.GetP1();
        const CFPoint& b = line.segment.GetP2();
        const double length = line.segment.GetLength();
        SNormalLine n{-(b.y - a.y) / length, (b.x - a.x) / length, 0.0};
        n.offset = n.nx * a.x + n.ny * a.y;
        m_normals.push_back(n);
        m_scale =
            std::max({m_scale, std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y)});
        sx += a.x;
        sy += a.y;
    }
    const double count = static_cast<double>(std::max<size_t>(lines.size(), 1));
    m_centre = CFPoint(sx / count, sy / count);
}

bool CSmallestCircle::Solve() {
    const double slack = 1e-10 * m_scale;
    for (;;) {
        int worst = -1;
        double excess = slack;
        for (size_t i = 0; i < m_normals.size(); ++i) {
            const double e = std::fabs(m_normals[i].Signed(m_centre)) - m_radius;
            if (e > excess) {
                excess = e;
                worst = static_cast<int>(i);
            }
        }
        if (worst < 0)
            return true;
        if (m_inWork[static_cast<size_t>(worst)] || m_work.size() >= kMaxWork)
            return false;
        Add(worst);
    }
}

void CSmallestCircle::Add(int v) {
    for (size_t a = 0; a < m_work.size(); ++a) {
        const int wa = m_work[a];
        const CFLineSeg& sa = m_lines[static_cast<size_t>(wa)].segment;
        const CFLineSeg& sv = m_lines[static_cast<size_t>(v)].segment;
        if (sa.IsParallel(sv) && !sa.IsCoincident(sv)) {
            const double width = HalfWidth(sa, sv);
            if (width > m_radius) {
                m_radius = width;
                m_strip = {wa, v};
                m_found = false;
            }
        }
        for (size_t b = a + 1; b < m_work.size(); ++b) {
            std::array<int, 3> t = {v, wa, m_work[b]};
            std::sort(t.begin(), t.end());
            SYolkTriangle probe;
            probe.radius = m_radius;
            Consider(m_lines, t[0], t[1], t[2], probe);
            if (probe.found) {
                m_radius = probe.radius;
                m_best = probe;
                m_found = true;
            }
        }
    }
    m_work.push_back(v);
    m_inWork[static_cast<size_t>(v)] = true;
    PlaceCentre(v);
}

void CSmallestCircle::PlaceCentre(int v) {
    if (m_found) {
        for (auto pair : {CFTriangle::E0E1, CFTriangle::E0E2, CFTriangle::E1E2}) {
            if (m_best.triangle.IsParallel(pair)) {
                const int first = pair == CFTriangle::E1E2 ? 1 : 0;
                const int second = pair == CFTriangle::E0E1 ? 1 : 2;
                m_centre = StripCentre(m_best.lines[static_cast<size_t>(first)],
                                       m_best.lines[static_cast<size_t>(second)]);
                return;
            }
        }
        m_centre = m_best.triangle.GetIncentre();
    } else if (m_strip[0] >= 0) {
        m_centre = StripCentre(m_strip[0], m_strip[1]);
    } else {
        // No triangle or strip yet: the circle shrinks to a point on the newest line.
        const SNormalLine& n = m_normals[static_cast<size_t>(v)];
        const double s = n.Signed(m_centre);
        m_centre = CFPoint(m_centre.x - s * n.nx, m_centre.y - s * n.ny);
    }
}

/// The point of the strip's middle line that keeps every working line within the radius.
CFPoint CSmallestCircle::StripCentre(int a, int b) const {
    const SNormalLine& na = m_normals[static_cast<size_t>(a)];
    const SNormalLine& nb = m_normals[static_cast<size_t>(b)];
    const CFPoint& pa = m_lines[static_cast<size_t>(a)].segment.GetP1();
    const double half = nb.Signed(pa) / 2;
    const CFPoint mid(pa.x - half * nb.nx, pa.y - half * nb.ny);
    const CFPoint dir(-na.ny, na.nx);
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    for (int w : m_work) {
        const SNormalLine& n = m_normals[static_cast<size_t>(w)];
        const double k = n.nx * dir.x + n.ny * dir.y;
        if (std::fabs(k) < 1e-12)
            continue;
        const double s = n.Signed(mid);
        const double t0 = (-m_radius - s) / k;
        const double t1 = (m_radius - s) / k;
        low = std::max(low, std::min(t0, t1));
        high = std::min(high, std::max(t0, t1));
    }
    const double t = std::isfinite(low) && std::isfinite(high) ? (low + high) / 2
                     : std::isfinite(low)                      ? low
                     : std::isfinite(high)                     ? high
                                                               : 0.0;
    return CFPoint(mid.x + t * dir.x, mid.y + t * dir.y);
}

/// The triples that can win: those of lines touching the smallest circle, and those holding a
/// touching parallel pair (a strip decides the radius whatever its third line).
std::vector<std::array<int, 3>> CandidateTriples(const CSmallestCircle& circle,
                                                 const std::vector<CQuotaLine>& lines) {
    const double tolerance = 1e-6 * circle.Scale();
    std::vector<int> touching;
    for (size_t i = 0; i < lines.size(); ++i)
        if (std::fabs(circle.Normals()[i].Signed(circle.Centre())) >= circle.Radius() - tolerance)
            touching.push_back(static_cast<int>(i));
    std::vector<std::array<int, 3>> triples;
    const size_t t = touching.size();
    const int n = static_cast<int>(lines.size());
    for (size_t a = 0; a < t; ++a) {
        for (size_t b = a + 1; b < t; ++b) {
            const int i = touching[a], j = touching[b];
            for (size_t c = b + 1; c < t; ++c)
                triples.push_back({i, j, touching[c]});
            if (!lines[static_cast<size_t>(i)].segment.IsParallel(
                    lines[static_cast<size_t>(j)].segment))
                continue;
            for (int k = 0; k < n; ++k) {
                std::array<int, 3> triple = {i, j, k};
                std::sort(triple.begin(), triple.end());
                if (k != i && k != j)
                    triples.push_back(triple);
            }
        }
    }
    std::sort(triples.begin(), triples.end());
    triples.erase(std::unique(triples.begin(), triples.end()), triples.end());
    return triples;
}

SYolkTriangle PrunedSearch(const std::vector<CQuotaLine>& lines) {
    CSmallestCircle circle(lines);
    if (!circle.Solve())
        return PlainSearch(lines);
    SYolkTriangle best;
    for (const auto& [i, j, k] : CandidateTriples(circle, lines))
        Consider(lines, i, j, k, best);
    return best;
}

} // namespace

double YolkTriangleRadius(const CFTriangle& triangle, const CFLineSeg& l0, const CFLineSeg& l1,
                          const CFLineSeg& l2) {
    if (triangle.IsDegenerate())
        return -1.0;
    if (triangle.IsParallel(CFTriangle::E0E1))
        return HalfWidth(l0, l1);
    if (triangle.IsParallel(CFTriangle::E0E2))
        return HalfWidth(l0, l2);
    if (triangle.IsParallel(CFTriangle::E1E2))
        return HalfWidth(l1, l2);
    return triangle.GetInradius();
}

SYolkTriangle FindYolkTriangle(const std::vector<CQuotaLine>& lines, EYolkSearch search) {
    if (lines.size() < 3)
        return {};
    return search == EYolkSearch::Plain ? PlainSearch(lines) : PrunedSearch(lines);
}
