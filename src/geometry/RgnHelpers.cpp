#include "geometry/RgnHelpers.h"

#include "geometry/GeoAlloc.h"
#include "platform/CRand.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <optional>

namespace {

// The platform cannot scan-convert polygons much taller than 100000 rows (it gives up, or worse);
// polygons are therefore cut to this many cells beyond the chart on every side, far past
// anything a chart shows or an area counts.
constexpr int kCellMargin = 32768;

// Enough draws to find any cell that is not vanishingly rare in its bounding box; the bound
// only keeps a region whose cells the draws cannot reach from spinning forever.
constexpr int kMaxDraws = 1000000;

bool Finite(const CFPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

/// One pass of polygon clipping: keeps the part of the outline where `inside` holds and runs the
/// rest along the cutting line, which leaves the winding number of every kept point as it was.
template <class Inside, class Cross>
std::vector<CFPoint> ClipPass(const std::vector<CFPoint>& points, Inside inside, Cross cross) {
    std::vector<CFPoint> kept;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CFPoint& from = points[i == 0 ? points.size() - 1 : i - 1];
        const CFPoint& to = points[i];
        if (inside(to)) {
            if (!inside(from))
                kept.push_back(cross(from, to));
            kept.push_back(to);
        } else if (inside(from)) {
            kept.push_back(cross(from, to));
        }
    }
    return kept;
}

/// The polygon cut to an axis-aligned window (x from left to right, y from bottom to top).
std::vector<CFPoint> ClipToWindow(std::vector<CFPoint> points, const CFRect& window) {
    const auto atX = [](double x) {
        return [x](const CFPoint& a, const CFPoint& b) {
            return CFPoint(x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x));
        };
    };
    const auto atY = [](double y) {
        return [y](const CFPoint& a, const CFPoint& b) {
            return CFPoint(a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y);
        };
    };
    points = ClipPass(
        points, [&](const CFPoint& p) { return p.x >= window.left; }, atX(window.left));
    points = ClipPass(
        points, [&](const CFPoint& p) { return p.x <= window.right; }, atX(window.right));
    points = ClipPass(
        points, [&](const CFPoint& p) { return p.y >= window.bottom; }, atY(window.bottom));
    return ClipPass(
        points, [&](const CFPoint& p) { return p.y <= window.top; }, atY(window.top));
}

/// The issue-space window of the cells a polygon may cover under a map; none when the map sends
/// every point to one cell.
std::optional<CFRect> SafeWorldWindow(const CGridMap& map) {
    const SIntRect device = map.DeviceRect();
    const CFPoint a = map.CellToWorld(device.left - kCellMargin, device.top - kCellMargin);
    const CFPoint b = map.CellToWorld(device.right + kCellMargin, device.bottom + kCellMargin);
    const CFRect window(std::min(a.x, b.x), std::max(a.x, b.x), std::max(a.y, b.y),
                        std::min(a.y, b.y));
    if (!(window.right > window.left && window.top > window.bottom))
        return std::nullopt;
    return window;
}

/// The grid polygon of an issue-space outline: no cells when a point is not a number, and cut to
/// the cells the platform can handle.
std::vector<QPoint> PolygonCells(const std::vector<CFPoint>& points, const CGridMap& map) {
    if (!std::all_of(points.begin(), points.end(), Finite))
        return {};
    const std::optional<CFRect> window = SafeWorldWindow(map);
    return MapToCells(window ? ClipToWindow(points, *window) : points, map);
}

} // namespace

bool IsEmptyRgn(const CRgn& rgn) {
    const int type = rgn.GetRgnBox(nullptr);
    return type != SIMPLEREGION && type != COMPLEXREGION;
}

long long RgnCellCount(const CRgn& rgn) {
    return rgn.CellCount();
}

double RgnArea(const CRgn& rgn, const CGridMap& map) {
    return static_cast<double>(RgnCellCount(rgn)) * map.UnitX() * map.UnitY();
}

long long RgnBoxArea(const CRgn& rgn) {
    SIntRect box;
    if (rgn.GetRgnBox(&box) == RGN_ERROR)
        return 0;
    return static_cast<long long>(box.right - box.left) * (box.bottom - box.top);
}

QPoint RandomCellInRgn(const CRgn& rgn) {
    SIntRect box;
    if (IsEmptyRgn(rgn) || rgn.GetRgnBox(&box) == RGN_ERROR)
        return QPoint(0, 0);
    const double width = box.right - box.left;
    const double height = box.bottom - box.top;
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        const int x = box.left + static_cast<int>(CRand::Next() * width / CRand::Max);
        const int y = box.top + static_cast<int>(CRand::Next() * height / CRand::Max);
        if (rgn.PtInRegion(x, y))
            return QPoint(x, y);
    }
    const std::vector<SIntRect> rects = rgn.GetRegionData();
    return QPoint(rects.front().left, rects.front().top);
}

bool RgnContains(const CRgn& outer, const CRgn& inner) {
    if (!outer.IsValid() || !inner.IsValid())
        return false;
    // Nothing of the inner region may remain outside the outer one. Asking for emptiness rather
    // than comparing (outer AND inner) with inner keeps the answer independent of how the
    // platform happens to cut equal cell sets into rectangles.
    CRgn outside;
    outside.CombineRgn(inner, outer, RGN_DIFF);
    return outside.IsEmpty();
}

void CreatePointMarker(CRgn& target, const QPoint& cell) {
    target.CreateEllipticRgn(cell.x() - 1, cell.y() - 1, cell.x() + 1, cell.y() + 1);
}

void CreateTriangleRgn(CRgn& target, const QPoint& a, const QPoint& b, const QPoint& c) {
    const std::vector<CFPoint> corners = {CFPoint(a.x(), a.y()), CFPoint(b.x(), b.y()),
                                          CFPoint(c.x(), c.y())};
    const CFRect window(-kCellMargin, 2 * kCellMargin, 2 * kCellMargin, -kCellMargin);
    std::vector<QPoint> cells;
    for (const CFPoint& p : ClipToWindow(corners, window))
        cells.emplace_back(Nearest(p.x), Nearest(p.y));
    target.CreatePolygonRgn(cells, WINDING);
}

std::vector<QPoint> MapToCells(const std::vector<CFPoint>& points, const CGridMap& map) {
    CheckGeoAllocation(points.size());
    std::vector<QPoint> cells;
    cells.reserve(points.size());
    for (const CFPoint& point : points)
        cells.push_back(map.WorldToCell(point));
    return cells;
}

int CreateCircleRgn(CRgn& target, const CFCircle& circle, const CGridMap& map, int n) {
    if (!(circle.radius > 1e-7))
        return 0;
    const std::vector<CFPoint> points = circle.GetPoints(n);
    if (points.empty())
        return 0;
    try {
        target.CreatePolygonRgn(PolygonCells(points, map), WINDING);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CreateCircleRgn: memory exception");
        return 0;
    }
    return 1;
}

bool CreatePolygonRgn(CRgn& target, const CFPolygon& polygon, const CGridMap& map) {
    try {
        target.CreatePolygonRgn(PolygonCells(polygon.Points(), map), WINDING);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CreatePolygonRgn: memory exception");
        return false;
    }
    return true;
}

int TransformRgn(CRgn& rgn, const SXForm& xform) {
    if (!rgn.IsValid())
        return 0;
    try {
        const std::vector<SIntRect> rects = rgn.GetRegionData();
        CheckGeoAllocation(rects.size());
        CRgn rebuilt;
        rebuilt.ExtCreateRegion(xform, rects);
        rgn = rebuilt;
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception");
        return 0;
    }
    return 1;
}
