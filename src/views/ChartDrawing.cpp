#include "views/ChartDrawing.h"

#include "views/ChartLayout.h"
#include "views/ChartStyle.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace {

/// The cells of the region whose neighbours `steps` cells away along one axis are all in it.
QRegion Erode(QRegion region, int steps, int dx, int dy) {
    for (int i = 0; i < steps && !region.isEmpty(); ++i)
        region =
            region.intersected(region.translated(dx, dy)).intersected(region.translated(-dx, -dy));
    return region;
}

/// The chart position of an issue-space point without rounding to a cell, at the pixel centres
/// the map's cells stand for.
QPointF ExactPosition(const CChartLayout& layout, const CFPoint& point) {
    const CGridMap& map = layout.Map();
    const SEdges& world = map.WorldWindow();
    const SIntRect& plot = layout.Plot();
    return QPointF(plot.left + 0.5 + (point.x - world.left) * map.ScaleX(),
                   plot.bottom + 0.5 - (point.y - world.bottom) * map.ScaleY());
}

} // namespace

void FillRegion(QPainter& painter, const QRegion& region, const QBrush& brush) {
    if (region.isEmpty() || brush.style() == Qt::NoBrush)
        return;
    const bool raster =
        painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (raster) {
        for (const QRect& rect : region)
            painter.fillRect(rect, brush);
        return;
    }
    QPainterPath path;
    path.addRegion(region);
    painter.fillPath(path, brush);
}

QRegion RegionFrame(const QRegion& region, int width, int height) {
    const QRegion inner = Erode(Erode(region, width, 1, 0), height, 0, 1);
    return region.subtracted(inner);
}

void PaintRegion(QPainter& painter, const QRegion& region, const SPenSpec& pen,
                 const SBrushSpec& brush) {
    if (BrushFills(brush))
        FillRegion(painter, region, ToQBrush(brush));
    if (PenDraws(pen)) {
        const int width = std::max(1, pen.width);
        FillRegion(painter, RegionFrame(region, width, width), QBrush(ToQColor(pen.color)));
    }
}

void DrawLineThrough(QPainter& painter, const CChartLayout& layout, const CFLineSeg& segment,
                     const SPenSpec& pen) {
    const QPointF a = ExactPosition(layout, segment.GetP1());
    const QPointF b = ExactPosition(layout, segment.GetP2());
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (!(length > 1e-9) || !std::isfinite(length) || !PenDraws(pen))
        return;
    const QRect plot = layout.PlotPixels();
    // Reaching a plot diagonal beyond either point leaves the plot in both directions.
    const double reach = 2.0 * std::hypot(plot.width(), plot.height()) / length;
    painter.setPen(ToQPen(pen));
    painter.drawLine(QLineF(a - d * reach, b + d * reach));
}

void DrawSegment(QPainter& painter, const CChartLayout& layout, const CFPoint& from,
                 const CFPoint& to, const SPenSpec& pen) {
    if (!PenDraws(pen))
        return;
    painter.setPen(ToQPen(pen));
    painter.drawLine(QLineF(ExactPosition(layout, from), ExactPosition(layout, to)));
}

void DrawWorldPolygon(QPainter& painter, const CChartLayout& layout,
                      const std::vector<CFPoint>& points, const SPenSpec& pen,
                      const SBrushSpec& brush) {
    if (points.size() < 2)
        return;
    QPolygonF polygon;
    for (const CFPoint& point : points)
        polygon << ExactPosition(layout, point);
    painter.setPen(ToQPen(pen));
    painter.setBrush(ToQBrush(brush));
    painter.drawPolygon(polygon);
}

void DrawWorldCircle(QPainter& painter, const CChartLayout& layout, const CFPoint& centre,
                     double radius, const SPenSpec& pen, const SBrushSpec& brush) {
    if (!(radius > 0.0) || !std::isfinite(radius))
        return;
    const QPointF middle = ExactPosition(layout, centre);
    const QPointF corner = ExactPosition(layout, CFPoint(centre.x + radius, centre.y + radius));
    painter.setPen(ToQPen(pen));
    painter.setBrush(ToQBrush(brush));
    painter.drawEllipse(middle, std::fabs(corner.x() - middle.x()),
                        std::fabs(corner.y() - middle.y()));
}
