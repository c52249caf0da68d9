#include "views/ChartStyle.h"

#include <algorithm>

QColor ToQColor(std::uint32_t color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QPen ToQPen(const SPenSpec& pen) {
    Qt::PenStyle style = Qt::SolidLine;
    switch (pen.style) {
    case PenStyle::Dash:
        style = Qt::DashLine;
        break;
    case PenStyle::Dot:
        style = Qt::DotLine;
        break;
    case PenStyle::DashDot:
        style = Qt::DashDotLine;
        break;
    case PenStyle::DashDotDot:
        style = Qt::DashDotDotLine;
        break;
    case PenStyle::Null:
        style = Qt::NoPen;
        break;
    default:
        break;
    }
    QPen result(ToQColor(pen.color));
    result.setStyle(style);
    result.setWidth(std::max(1, pen.width));
    return result;
}

QBrush ToQBrush(const SBrushSpec& brush) {
    if (brush.style == BrushStyle::Null)
        return Qt::NoBrush;
    if (brush.style != BrushStyle::Hatched)
        return QBrush(ToQColor(brush.color));
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                  Qt::FDiagPattern, Qt::BDiagPattern,
                                                  Qt::CrossPattern, Qt::DiagCrossPattern};
    const int hatch = std::clamp(brush.hatch, 0, 5);
    return QBrush(ToQColor(brush.color), kHatches[hatch]);
}

QFont ToQFont(const SFontSpec& font) {
    QFont result(QString::fromStdString(font.face));
    result.setPixelSize(std::max(1, font.height));
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    result.setItalic(font.italic != 0);
    return result;
}

int DefaultShape(EPointKind kind) {
    switch (kind) {
    case EPointKind::StatusQuo:
        return 2;
    case EPointKind::Proposal:
        return 1;
    case EPointKind::Copeland:
        return 5;
    case EPointKind::Tovey:
        return 3;
    default:
        return 0;
    }
}

SPointStyle PointStyle(const DisplayConfig& config, EPointKind kind) {
    const int shape = DefaultShape(kind);
    switch (kind) {
    case EPointKind::Member:
        return {shape, config.lpPlayer, config.lbPlayer};
    case EPointKind::Abstainer:
        return {shape, config.lpPlayerAbstain, config.lbPlayerAbstain};
    case EPointKind::StatusQuo:
        return {shape, config.lpStatusQuo, config.lbStatusQuo};
    case EPointKind::Proposal:
        return {shape, config.lpProposal, config.lbProposal};
    case EPointKind::Copeland:
        return {shape, config.lpCopeland, config.lbCopeland};
    case EPointKind::Coalition:
        return {shape, config.lpCoalition, config.lbCoalition};
    case EPointKind::Tovey:
        return {shape, config.lpTovey, config.lbTovey};
    }
    return {shape, config.lpPlayer, config.lbPlayer};
}
