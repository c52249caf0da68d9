#pragma once

#include "geometry/FCircle.h"
#include "geometry/FPolygon.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <QPoint>

#include <vector>

/// Whether a region holds no cell (also when there is no region at all).
bool IsEmptyRgn(const CRgn& rgn);
/// The number of cells of a region; 0 without a region.
long long RgnCellCount(const CRgn& rgn);
/// The issue-space area of a region under a map: cells times the area of one cell.
double RgnArea(const CRgn& rgn, const CGridMap& map);
/// The number of cells of the region's bounding box.
long long RgnBoxArea(const CRgn& rgn);
/// A cell of the region drawn with the system's random generator; (0, 0) for an empty one.
QPoint RandomCellInRgn(const CRgn& rgn);
/// Whether region `inner` lies wholly inside region `outer`.
bool RgnContains(const CRgn& outer, const CRgn& inner);

/// Makes the target the small marker region drawn around one cell.
void CreatePointMarker(CRgn& target, const QPoint& cell);
/// Makes the target the triangle through three cells (winding fill), cut tens of thousands of
/// cells beyond any chart. The circle and polygon helpers below keep the cells of the map's
/// region window (see RegionWindow), and outlines with a point that is not a number cover no
/// cells.
void CreateTriangleRgn(CRgn& target, const QPoint& a, const QPoint& b, const QPoint& c);
/// The cells of issue-space points under a map.
std::vector<QPoint> MapToCells(const std::vector<CFPoint>& points, const CGridMap& map);
/// Makes the target the circle's n-point polygon on the grid; 0 (target untouched) when the
/// radius is 1e-7 or less or memory fails, 1 otherwise.
int CreateCircleRgn(CRgn& target, const CFCircle& circle, const CGridMap& map, int n);
/// Makes the target the polygon on the grid (winding fill); false (target untouched) when
/// memory fails.
bool CreatePolygonRgn(CRgn& target, const CFPolygon& polygon, const CGridMap& map);
/// Rebuilds the region through an affine transform of its rectangles; 0 (region untouched)
/// without a region or when memory fails, 1 otherwise.
int TransformRgn(CRgn& rgn, const SXForm& xform);
