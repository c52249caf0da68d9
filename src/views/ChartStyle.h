#pragma once

#include "document/DisplayConfig.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>

/// The Qt colour of a configuration colour (red in the low byte).
QColor ToQColor(std::uint32_t color);
/// The Qt pen of a configuration pen; a width below 1 draws one pixel wide.
QPen ToQPen(const SPenSpec& pen);
/// The Qt brush of a configuration brush (solid, hollow or hatched).
QBrush ToQBrush(const SBrushSpec& brush);
/// The Qt font of a configuration font; its height is the character height in pixels.
QFont ToQFont(const SFontSpec& font);
/// Whether a pen draws anything.
inline bool PenDraws(const SPenSpec& pen) {
    return pen.style != PenStyle::Null;
}
/// Whether a brush fills anything.
inline bool BrushFills(const SBrushSpec& brush) {
    return brush.style != BrushStyle::Null;
}

/// The point kinds the chart draws with a symbol of their own.
enum class EPointKind { Member, Abstainer, StatusQuo, Proposal, Copeland, Coalition, Tovey };

/// How one point kind is drawn: a shape code, a pen and a brush.
struct SPointStyle {
    int shape = 0;
    SPenSpec pen;
    SBrushSpec brush;
};

/// The shape code each point kind is drawn with.
int DefaultShape(EPointKind kind);
/// The symbol of a point kind under the configuration's pens and brushes.
SPointStyle PointStyle(const DisplayConfig& config, EPointKind kind);
