#include "geometry/RgnHelpers.h"

#include "geometry/CellRuns.h"
#include "geometry/GeoAlloc.h"
#include "platform/CRand.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

// Enough draws to find any cell that is not vanishingly rare in its bounding box; the bound
// only keeps a region whose cells the draws cannot reach from spinning forever.
constexpr int kMaxDraws = 1000000;

bool Finite(const CFPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

/// The grid polygon of an issue-space outline: no cells when a point is not a number. Outlines
/// are cut to the map's region window before they become regions.
std::vector<QPoint> PolygonCells(const std::vector<CFPoint>& points, const CGridMap& map) {
    if (!std::all_of(points.begin(), points.end(), Finite))
        return {};
    return MapToCells(points, map);
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
    target.CreatePolygonRgn({a, b, c}, WINDING);
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
        target.CreatePolygonRgn(PolygonCells(points, map), WINDING, RegionWindow(map));
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CreateCircleRgn: memory exception");
        return 0;
    }
    return 1;
}

bool CreatePolygonRgn(CRgn& target, const CFPolygon& polygon, const CGridMap& map) {
    try {
        target.CreatePolygonRgn(PolygonCells(polygon.Points(), map), WINDING, RegionWindow(map));
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
