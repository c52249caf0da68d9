#include "views/PointSymbol.h"

#include <QPainter>
#include <QPolygon>

namespace {

/// The rectangle whose outline Qt draws on the pixels of `rect` (Qt outlines reach one pixel
/// past the right and bottom edges of the rectangle they are given).
QRect OutlineRect(const QRect& rect) {
    return rect.adjusted(0, 0, -1, -1);
}

void DrawEllipse(QPainter& painter, const QRect& rect) {
    painter.drawEllipse(OutlineRect(rect));
}

void DrawPlus(QPainter& painter, const QRect& rect) {
    const int cx = rect.left() + rect.width() / 2;
    const int cy = rect.top() + rect.height() / 2;
    painter.drawLine(rect.left(), cy, rect.right(), cy);
    painter.drawLine(cx, rect.top(), cx, rect.bottom());
}

void DrawCross(QPainter& painter, const QRect& rect) {
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomLeft());
}

void DrawTriangle(QPainter& painter, const QRect& rect) {
    const QPoint apex(rect.left() + rect.width() / 2, rect.top());
    const QPolygon corners({rect.bottomLeft(), apex, rect.bottomRight()});
    // The outline is drawn line by line so that every corner pixel is painted.
    const QPen pen = painter.pen();
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(corners);
    painter.setPen(pen);
    painter.drawLine(rect.bottomLeft(), apex);
    painter.drawLine(apex, rect.bottomRight());
    painter.drawLine(rect.bottomRight(), rect.bottomLeft());
}

void DrawRings(QPainter& painter, QRect rect) {
    while (rect.width() > 0 && rect.height() > 0) {
        DrawEllipse(painter, rect);
        rect.adjust(2, 2, -2, -2);
    }
}

/// One pass of the shape with the painter's pen and brush.
void DrawShape(QPainter& painter, const QRect& rect, int shape) {
    switch (shape) {
    case 1:
        DrawTriangle(painter, rect);
        break;
    case 2:
        painter.drawRect(OutlineRect(rect));
        break;
    case 3:
        DrawCross(painter, rect);
        break;
    case 4:
        DrawPlus(painter, rect);
        break;
    case 5:
        DrawEllipse(painter, rect);
        DrawPlus(painter, rect);
        break;
    case 6:
        painter.drawRect(OutlineRect(rect));
        DrawPlus(painter, rect);
        break;
    case 7:
        DrawRings(painter, rect);
        break;
    default:
        DrawEllipse(painter, rect);
        break;
    }
}
} // namespace

QRect SymbolRect(const QPoint& centre, const SSizeSpec& size, int inflate) {
    const QRect rect(centre.x() - size.cx / 2, centre.y() - size.cy / 2, size.cx, size.cy);
    return rect.adjusted(-inflate, -inflate, inflate, inflate);
}

void DrawPointSymbol(QPainter& painter, const QRect& rect, const SPointStyle& style) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen = ToQPen(style.pen);
    pen.setWidth(1);
    pen.setStyle(PenDraws(style.pen) ? Qt::SolidLine : Qt::NoPen);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.setBrush(ToQBrush(style.brush));
    DrawShape(painter, rect, style.shape);
    // A wider pen is drawn as outlines stepping inwards, so the symbol keeps to its rectangle.
    painter.setBrush(Qt::NoBrush);
    for (int inset = 1; inset < style.pen.width && 2 * inset < rect.width(); ++inset)
        DrawShape(painter, rect.adjusted(inset, inset, -inset, -inset), style.shape);
    painter.restore();
}

void DrawInvertedSymbol(QPainter& painter, const QRect& rect, const SPointStyle& style) {
    painter.save();
    // Every pixel is painted once only (no separate outline), or the second pass would undo it.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    SPointStyle solid = style;
    solid.pen.style = PenStyle::Null;
    solid.brush = {BrushStyle::Solid, 0, style.pen.color};
    if (solid.shape == 3 || solid.shape == 4)
        solid.shape = 2; // line shapes would cross themselves; their box is inverted instead
    DrawPointSymbol(painter, rect, solid);
    painter.restore();
}
