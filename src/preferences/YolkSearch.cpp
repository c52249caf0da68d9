#include "preferences/Yolk.h"

#include "preferences/SmallestCircle.h"

#include <algorithm>
#include <cmath>

namespace {

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

/// The triples that can win: those of lines touching the smallest circle, and those holding a
/// touching parallel pair (a strip decides the radius whatever its third line).
std::vector<std::array<int, 3>> CandidateTriples(const SLineCircle& circle,
                                                 const std::vector<CQuotaLine>& lines) {
    double scale = 1.0;
    for (const CQuotaLine& line : lines)
        for (const CFPoint& p : {line.segment.GetP1(), line.segment.GetP2()})
            scale = std::max({scale, std::fabs(p.x), std::fabs(p.y)});
    const double tolerance = 1e-6 * scale;
    std::vector<int> touching;
    for (size_t i = 0; i < lines.size(); ++i)
        if (DistanceToLine(circle.centre, lines[i].segment) >= circle.radius - tolerance)
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
    SYolkTriangle best;
    for (const auto& [i, j, k] : CandidateTriples(FindSmallestCircle(lines), lines))
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
