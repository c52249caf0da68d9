#pragma once

#include "document/DisplayConfig.h"
#include "geometry/FLine.h"
#include "geometry/FPoint.h"

#include <QBrush>
#include <QColor>
#include <QRegion>

#include <vector>

class CChartLayout;
class CFPolygon;
class QPainter;

/// Paints every cell of a region with a brush. Raster targets get the region's rectangles,
/// vector targets (SVG, PDF) one path, so each cell is painted exactly once either way.
void FillRegion(QPainter& painter, const QRegion& region, const QBrush& brush);
/// The cells of a region within `width` columns or `height` rows of a cell outside it: the
/// frame a region gets when it is framed with a pen of that width.
QRegion RegionFrame(const QRegion& region, int width, int height);
/// Fills a region with its brush (when it has one), then frames it in the pen's colour with the
/// pen's width (when the pen draws).
void PaintRegion(QPainter& painter, const QRegion& region, const SPenSpec& pen,
                 const SBrushSpec& brush);

/// Draws the straight line through a segment's two points across the whole plot.
void DrawLineThrough(QPainter& painter, const CChartLayout& layout, const CFLineSeg& segment,
                     const SPenSpec& pen);
/// Draws the segment between two issue-space points.
void DrawSegment(QPainter& painter, const CChartLayout& layout, const CFPoint& from,
                 const CFPoint& to, const SPenSpec& pen);
/// Draws an issue-space polygon with a pen and a brush.
void DrawWorldPolygon(QPainter& painter, const CChartLayout& layout,
                      const std::vector<CFPoint>& points, const SPenSpec& pen,
                      const SBrushSpec& brush);
/// Draws the ellipse of an issue-space circle (the axes may scale differently).
void DrawWorldCircle(QPainter& painter, const CChartLayout& layout, const CFPoint& centre,
                     double radius, const SPenSpec& pen, const SBrushSpec& brush);
