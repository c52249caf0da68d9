#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <QPoint>

#include <vector>

/// A closed ring of points: the last point repeats the first, no other point comes twice and no
/// point lies on the straight run between its neighbours.
template <typename Point> using TRing = std::vector<Point>;

/// One piece of an outline: its outer ring and the rings of its holes.
template <typename Point> struct TOutlinePolygon {
    TRing<Point> outer;
    std::vector<TRing<Point>> holes;
};

/// A polygon on the grid's corners: corner (x, y) is the top-left corner of cell (x, y).
using SCellPolygon = TOutlinePolygon<QPoint>;
/// A polygon in issue coordinates.
using SIssuePolygon = TOutlinePolygon<CFPoint>;

/// The outline of a region's cells on the grid's corners, one polygon per piece of cells joined
/// by their sides (cells that touch only at a corner are separate pieces); rings may touch
/// each other at corners but never themselves. Seen on the chart,
/// outer rings run clockwise and holes anticlockwise (rows grow downwards). Pieces come in the
/// order of their top-left cell, row by row; empty without cells.
std::vector<SCellPolygon> TraceCellOutline(const CRgn& rgn);

/// The outline of a region's cells in issue coordinates under the map, outer rings anticlockwise
/// and holes clockwise, as GeoJSON has them.
std::vector<SIssuePolygon> TraceRegionOutline(const CRgn& rgn, const CGridMap& map);

/// The signed area of a closed ring: positive when it runs anticlockwise with y upwards.
double RingArea(const TRing<CFPoint>& ring);

/// The area the polygons enclose: their outer rings less their holes.
double OutlineArea(const std::vector<SIssuePolygon>& polygons);
