#pragma once

#include "views/ChartStyle.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

class QPainter;

/// One line of a legend block: a point symbol with its text, a colour swatch with its text, or
/// a value line.
struct SLegendEntry {
    enum class EKind { Symbol, Swatch, Value };
    EKind kind = EKind::Value;
    std::string text;
    SPointStyle symbol;
    int inflate = 0;
    QColor fill;
    QColor frame; ///< the swatch's frame; invalid for a plain swatch
};

/// A titled block of the legend ("SYMBOL", "LINES AND SHAPES", "STATISTICS").
class CLegendBlock {
public:
    explicit CLegendBlock(std::string title) : m_title(std::move(title)) {}

    void AddSymbol(const SPointStyle& symbol, int inflate, const std::string& text);
    void AddSwatch(const QColor& fill, const std::string& text, const QColor& frame = QColor());
    void AddValue(const std::string& text);

    const std::string& Title() const { return m_title; }
    const std::vector<SLegendEntry>& Entries() const { return m_entries; }
    /// Every text of the block, title first.
    std::vector<std::string> Texts() const;

private:
    std::string m_title;
    std::vector<SLegendEntry> m_entries;
};

/// Lays out and draws the legend's blocks one below the other from an origin, in the legend
/// font and colour, each framed with a black one-pixel border.
class CChartLegend {
public:
    CChartLegend(const SFontSpec& font, const SSizeSpec& symbolSize);

    /// Places the blocks below each other from the origin; returns the area they cover.
    QRect Layout(const std::vector<CLegendBlock>& blocks, const QPoint& origin);
    /// Draws the blocks where the last layout placed them.
    void Draw(QPainter& painter, const std::vector<CLegendBlock>& blocks) const;
    /// The blocks' rectangles of the last layout.
    const std::vector<QRect>& BlockRects() const { return m_rects; }

private:
    int LineHeight() const;
    int Margin() const { return m_symbolSize.cx + 8; }
    QSize BlockSize(const CLegendBlock& block) const;
    void DrawEntry(QPainter& painter, const SLegendEntry& entry, int left, int top) const;

    QFont m_font;
    QColor m_color;
    SSizeSpec m_symbolSize;
    std::vector<QRect> m_rects;
};
