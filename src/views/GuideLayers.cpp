#include "views/GuideLayers.h"

#include "document/QueltaDoc.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"
#include "views/ChartStyle.h"

#include <QPainter>

#include <algorithm>

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

namespace {

/// The marks of the scenario: a small cross per point, the outline of each rectangle.
void DrawMarks(QPainter& painter, const CChartLayout& layout, const ScenarioHeader& header) {
    for (const CFPoint& point : header.markPoints) {
        const QPoint centre = layout.ToChart(point);
        painter.drawLine(centre - QPoint(3, 3), centre + QPoint(3, 3));
        painter.drawLine(centre + QPoint(-3, 3), centre + QPoint(3, -3));
    }
    for (const SMarkRect& mark : header.markRects) {
        const QPoint a = layout.ToChart(CFPoint(mark.left, mark.top));
        const QPoint b = layout.ToChart(CFPoint(mark.right, mark.bottom));
        painter.drawRect(QRect(a, b).normalized());
    }
}

/// The shapes scripts drew, at the chart pixels they were given.
void DrawShapes(QPainter& painter, const CScriptShapeList& shapes) {
    for (const SScriptShape& shape : shapes) {
        // An ellipse drawn in a box one pixel narrower passes through both corners' pixels.
        const QRect corners(
            QPoint(std::min(shape.from.x(), shape.to.x()), std::min(shape.from.y(), shape.to.y())),
            QPoint(std::max(shape.from.x(), shape.to.x()), std::max(shape.from.y(), shape.to.y())));
        const QRect box(corners.topLeft(), corners.size() - QSize(1, 1));
        switch (shape.kind) {
        case EScriptShape::Point:
            painter.drawEllipse(shape.from, 2, 2);
            break;
        case EScriptShape::Line:
            painter.drawLine(shape.from, shape.to);
            break;
        case EScriptShape::Ellipse:
            painter.drawEllipse(box);
            break;
        case EScriptShape::Rectangle:
            painter.drawLine(corners.topLeft(), corners.topRight());
            painter.drawLine(corners.topRight(), corners.bottomRight());
            painter.drawLine(corners.bottomRight(), corners.bottomLeft());
            painter.drawLine(corners.bottomLeft(), corners.topLeft());
            break;
        }
    }
}

} // namespace

void CScriptShapeLayer::Draw(SChartPaint& paint) {
    const ScenarioHeader& header = paint.doc.Header();
    const CScriptShapeList& shapes = paint.doc.ScriptShapes();
    if (header.markPoints.empty() && header.markRects.empty() && shapes.empty())
        return;
    const QColor color = ToQColor(paint.doc.Config().colorDefault);
    paint.painter.save();
    paint.painter.setRenderHint(QPainter::Antialiasing, false);
    paint.painter.setPen(QPen(color, 1));
    paint.painter.setBrush(Qt::NoBrush);
    DrawMarks(paint.painter, paint.layout, header);
    DrawShapes(paint.painter, shapes);
    paint.painter.restore();
}
