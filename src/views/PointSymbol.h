#pragma once

#include "views/ChartStyle.h"

#include <QPoint>
#include <QRect>

class QPainter;

/// The rectangle of a point symbol: the point size centred on the chart position (moved by
/// -w/2 and -h/2, integer division), grown by `inflate` pixels on every side. Its pixels are
/// left <= x < left + width, top <= y < top + height.
QRect SymbolRect(const QPoint& centre, const SSizeSpec& size, int inflate = 0);

/// Draws a point symbol of a shape code into its rectangle: 0 ellipse, 1 triangle apex up,
/// 2 rectangle, 3 diagonal cross, 4 plus, 5 ellipse with plus, 6 rectangle with plus,
/// 7 concentric ellipses 2 pixels apart; any other code an ellipse. Drawn without smoothing,
/// so the symbol covers only pixels of its rectangle.
void DrawPointSymbol(QPainter& painter, const QRect& rect, const SPointStyle& style);

/// Draws a point symbol's shape filled in its pen colour combined with the pixels below by
/// exclusive-or, so that drawing it twice restores them: the feedback of a drag.
void DrawInvertedSymbol(QPainter& painter, const QRect& rect, const SPointStyle& style);
