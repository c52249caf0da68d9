#include "preferences/PreferredRgn.h"

#include "geometry/CellRuns.h"
#include "geometry/RgnHelpers.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

/// Where a line meets the window: the line parameter and the side (0 left, 1 bottom, 2 right,
/// 3 top).
struct SCrossing {
    double t = 0.0;
    int side = 0;
};

/// The two ends of the line S + t d inside the window, ordered by t; none when the line misses
/// the window.
std::optional<std::pair<SCrossing, SCrossing>> ClipToWindow(const CFPoint& s, const CFPoint& d,
                                                            const SEdges& w) {
    std::vector<SCrossing> crossings;
    const auto add = [&](double t, int side, double along, double low, double high) {
        if (along >= std::min(low, high) - 1e-8 && along <= std::max(low, high) + 1e-8)
            crossings.push_back({t, side});
    };
    if (d.x != 0.0) {
        for (auto [x, side] : {std::pair{w.left, 0}, std::pair{w.right, 2}}) {
            const double t = (x - s.x) / d.x;
            add(t, side, s.y + t * d.y, w.bottom, w.top);
        }
    }
    if (d.y != 0.0) {
        for (auto [y, side] : {std::pair{w.bottom, 1}, std::pair{w.top, 3}}) {
            const double t = (y - s.y) / d.y;
            add(t, side, s.x + t * d.x, w.left, w.right);
        }
    }
    if (crossings.size() < 2)
        return std::nullopt;
    const auto [low, high] =
        std::minmax_element(crossings.begin(), crossings.end(),
                            [](const SCrossing& a, const SCrossing& b) { return a.t < b.t; });
    return std::make_pair(*low, *high);
}

} // namespace

CRgn DirectionalRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    const CFPoint d(-(statusQuo.y - ideal.y), statusQuo.x - ideal.x);
    CRgn rgn;
    if (d.x == 0.0 && d.y == 0.0) {
        rgn.CreateRectRgn(0, 0, 0, 0); // no direction: empty, replaced by the point marker
        return rgn;
    }
    const SEdges& w = map.WorldWindow();
    const double xm = (w.left + w.right) / 2.0, ym = (w.bottom + w.top) / 2.0;
    std::array<CFPoint, 8> window = {CFPoint(w.left, w.top),     CFPoint(w.left, ym),
                                     CFPoint(w.left, w.bottom),  CFPoint(xm, w.bottom),
                                     CFPoint(w.right, w.bottom), CFPoint(w.right, ym),
                                     CFPoint(w.right, w.top),    CFPoint(xm, w.top)};
    std::array<bool, 8> replaced{};
    if (const auto ends = ClipToWindow(statusQuo, d, w)) {
        for (const SCrossing& end : {ends->first, ends->second}) {
            const size_t index = static_cast<size_t>(2 * end.side + 1);
            window[index] = CFPoint(statusQuo.x + end.t * d.x, statusQuo.y + end.t * d.y);
            replaced[index] = true;
        }
    }
    // A window point stays when it lies on the ideal point's side of the perpendicular.
    const auto side = [&](const CFPoint& p) {
        return (p.x - statusQuo.x) * d.y - (p.y - statusQuo.y) * d.x;
    };
    const double idealSide = side(ideal);
    std::vector<CFPoint> kept;
    for (size_t i = 0; i < window.size(); ++i)
        if (replaced[i] || side(window[i]) * idealSide >= 0.0)
            kept.push_back(window[i]);
    rgn.CreatePolygonRgn(MapToCells(kept, map), WINDING, RegionWindow(map));
    return rgn;
}
