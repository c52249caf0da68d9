#include "views/GuideLayers.h"

#include "document/QueltaDoc.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"
#include "views/ChartStyle.h"

#include <QPainter>

namespace {

const QColor kGridColor(225, 225, 225);

} // namespace

void CGridLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagGrid != 0);
}

void CGridLayer::Draw(SChartPaint& paint) {
    const CChartLayout& layout = paint.layout;
    const QRect plot = layout.PlotPixels();
    paint.painter.save();
    paint.painter.setRenderHint(QPainter::Antialiasing, false);
    paint.painter.setPen(QPen(kGridColor, 1));
    const CChartAxis& h = layout.HorizontalAxis();
    for (double value : h.TickValues(h.MajorStep())) {
        const int x = layout.ToChart(CFPoint(value, layout.VerticalAxis().Centre())).x();
        paint.painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    const CChartAxis& v = layout.VerticalAxis();
    for (double value : v.TickValues(v.MajorStep())) {
        const int y = layout.ToChart(CFPoint(h.Centre(), value)).y();
        paint.painter.drawLine(plot.left(), y, plot.right(), y);
    }
    paint.painter.restore();
}

void CProjectionLineLayer::SetLine(const CFPoint& from, const CFPoint& to, double voteRule,
                                   int absolute) {
    m_line = std::make_pair(from, to);
    m_voteRule = voteRule;
    m_absolute = absolute;
}

void CProjectionLineLayer::Draw(SChartPaint& paint) {
    if (!m_line)
        return;
    const SPenSpec pen{PenStyle::Solid, 1, paint.doc.Config().colorDefault};
    paint.painter.save();
    paint.painter.setRenderHint(QPainter::Antialiasing, true);
    DrawSegment(paint.painter, paint.layout, m_line->first, m_line->second, pen);
    paint.painter.restore();
}

void CScriptShapeLayer::Draw(SChartPaint& paint) {
    const ScenarioHeader& header = paint.doc.Header();
    if (header.markPoints.empty() && header.markRects.empty())
        return;
    const QColor color = ToQColor(paint.doc.Config().colorDefault);
    paint.painter.save();
    paint.painter.setRenderHint(QPainter::Antialiasing, false);
    paint.painter.setPen(QPen(color, 1));
    paint.painter.setBrush(Qt::NoBrush);
    for (const CFPoint& point : header.markPoints) {
        const QPoint centre = paint.layout.ToChart(point);
        paint.painter.drawLine(centre - QPoint(3, 3), centre + QPoint(3, 3));
        paint.painter.drawLine(centre + QPoint(-3, 3), centre + QPoint(3, -3));
    }
    for (const SMarkRect& mark : header.markRects) {
        const QPoint a = paint.layout.ToChart(CFPoint(mark.left, mark.top));
        const QPoint b = paint.layout.ToChart(CFPoint(mark.right, mark.bottom));
        paint.painter.drawRect(QRect(a, b).normalized());
    }
    paint.painter.restore();
}
