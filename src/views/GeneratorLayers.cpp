#include "views/GeneratorLayers.h"

#include "document/QueltaDoc.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"
#include "views/ChartStyle.h"
#include "views/PointSymbol.h"

#include <QPainter>

namespace {

/// Half the width of the plus marking each status quo of the agenda path.
constexpr int kPathMark = 2;

} // namespace

void CDrawnPointsLayer::Draw(SChartPaint& paint) {
    const std::vector<CFPoint>& points = paint.doc.DrawnPoints();
    if (points.empty())
        return;
    SPointStyle style = PointStyle(paint.doc.Config(), EPointKind::Member);
    style.shape = kDrawnPointShape;
    for (const CFPoint& point : points)
        DrawPointSymbol(paint.painter,
                        SymbolRect(paint.layout.ToChart(point), paint.doc.Config().szPoint), style);
}

void CAgendaPathLayer::Draw(SChartPaint& paint) {
    const std::vector<CFPoint>& path = paint.doc.AgendaPath();
    if (path.empty())
        return;
    const SPenSpec pen{PenStyle::Solid, 1, paint.doc.Config().colorDefault};
    QPainter& painter = paint.painter;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (std::size_t i = 1; i < path.size(); ++i)
        DrawSegment(painter, paint.layout, path[i - 1], path[i], pen);
    painter.setPen(ToQColor(pen.color));
    for (const CFPoint& point : path) {
        const QPoint at = paint.layout.ToChart(point);
        painter.drawLine(at.x() - kPathMark, at.y(), at.x() + kPathMark, at.y());
        painter.drawLine(at.x(), at.y() - kPathMark, at.x(), at.y() + kPathMark);
    }
    painter.restore();
}
