#include "concepts/TriMedianSet.h"

#include "concepts/MedianPoint.h"
#include "platform/Platform.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <numbers>

namespace {

/// Whether the three lines' directions are spread: neighbouring angles under a right angle
/// apart and the outer two more than a right angle apart.
bool WellSpread(const CFLine& a, const CFLine& b, const CFLine& c) {
    std::array<double, 3> angles = {a.GetAngle(), b.GetAngle(), c.GetAngle()};
    std::sort(angles.begin(), angles.end());
    constexpr double right = std::numbers::pi / 2;
    return angles[1] - angles[0] < right && angles[2] - angles[1] < right &&
           angles[2] - angles[0] > right;
}

void ShowProgress(int step, int directions) {
    char text[80];
    std::snprintf(text, sizeof text, "Type <ESC> to quit... Tri-Median Set progress - %2.1f",
                  (step + 1) * 100.0 / directions);
    Platform().SetStatusText(1, text);
}

/// Appends the meeting points of the triples that start with line i, up to a cancel request
/// (which the caller's next poll then sees).
void TriplesFrom(const std::vector<CFLine>& lines, size_t i, double tolerance,
                 std::vector<CFPoint>& candidates) {
    const CFLine& a = lines[i];
    for (size_t k = i + 1; k < lines.size(); ++k) {
        const CFLine& b = lines[k];
        const CFPoint p = IntersectLines(a, b);
        if (Platform().CancelRequested())
            return;
        for (size_t l = k + 1; l < lines.size(); ++l) {
            const CFLine& c = lines[l];
            const CFPoint x = IntersectLines(c, a);
            if (p.Distance(x) > tolerance)
                continue;
            const CFPoint y = IntersectLines(c, b);
            if (p.Distance(y) <= tolerance && x.Distance(y) <= tolerance && WellSpread(a, b, c))
                candidates.push_back(p);
        }
    }
}

} // namespace

std::optional<CFPolygon> FindTriMedianPolygon(const SMedianBody& body, double tolerance,
                                              int directions) {
    if (directions <= 0)
        return std::nullopt;
    const double step = 2 * std::numbers::pi / directions;
    // Each direction's median line is the same however often it is asked for, so it is built
    // once.
    std::vector<CFLine> lines;
    for (int i = 0; i < directions; ++i)
        lines.push_back(MedianLine(body.members, body.quota, body.fallback,
                                   CFLine::FromPointAngle(body.through, i * step)));
    std::vector<CFPoint> candidates;
    for (int i = 0; i < directions; ++i) {
        ShowProgress(i, directions);
        if (Platform().CancelRequested())
            break;
        TriplesFrom(lines, static_cast<size_t>(i), tolerance, candidates);
    }
    Platform().SetStatusText(1, "Finding Tri-Median set boundary...");
    std::optional<CFPolygon> hull = CFPolygon(std::move(candidates)).FindConvexHull();
    Platform().SetStatusText(1, "");
    return hull;
}

CFPolygon FindSchattschneiderPolygon(const SMedianBody& body, int directions) {
    const int n = directions <= 0 ? 32 : directions;
    const double step = (std::numbers::pi / 2) / n;
    std::vector<CFPoint> vertices;
    vertices.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const CFLine s = CFLine::FromPointAngle(body.through, i * step);
        const CFLine r = s.Perpendicular(body.through);
        vertices.push_back(IntersectLines(MedianLine(body.members, body.quota, body.fallback, s),
                                          MedianLine(body.members, body.quota, body.fallback, r)));
    }
    return CFPolygon(std::move(vertices));
}
