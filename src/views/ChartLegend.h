#pragma once

#include "views/ChartStyle.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPoint>
#include <QRect>

#include <optional>
#include <string>
#include <vector>

class QPainter;
class QPaintDevice;

/// One line of a legend block: a point symbol with its text, a colour swatch with its text, a
/// value line, or a colour bar over two lines (the bar, then its low and high ends' values).
struct SLegendEntry {
    enum class EKind { Symbol, Swatch, Value, ColorBar };
    EKind kind = EKind::Value;
    std::string text; ///< for a colour bar, the value at its low end
    SPointStyle symbol;
    int inflate = 0;
    QColor fill;
    QColor frame;             ///< the swatch's frame; invalid for a plain swatch
    std::vector<QColor> ramp; ///< a colour bar's colours from its low end to its high end
    std::string high;         ///< the value at a colour bar's high end
};

/// A titled block of the legend ("SYMBOL", "LINES AND SHAPES", "STATISTICS").
class CLegendBlock {
public:
    explicit CLegendBlock(std::string title) : m_title(std::move(title)) {}

    void AddSymbol(const SPointStyle& symbol, int inflate, const std::string& text);
    void AddSwatch(const QColor& fill, const std::string& text, const QColor& frame = QColor());
    void AddValue(const std::string& text);
    /// A colour bar from `low` to `high` painted with the colours of the ramp, low end first.
    void AddColorBar(std::vector<QColor> ramp, const std::string& low, const std::string& high);

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
    /// A legend in a font; texts are measured with the default device's metrics, the font's
    /// unhinted outlines and, when one is given, the metrics of the device the legend is painted
    /// on at the scale it is painted with, so that no text leaves its frame on any of them.
    CChartLegend(const SFontSpec& font, const SSizeSpec& symbolSize,
                 const QPaintDevice* device = nullptr, double scale = 1.0);

    /// Places the blocks from the origin, below each other, or, given a row width, side by side
    /// in rows no wider than that (a block wider than a row has one of its own); returns the
    /// area they cover.
    QRect Layout(const std::vector<CLegendBlock>& blocks, const QPoint& origin,
                 const std::optional<int>& rowWidth = std::nullopt);
    /// The area the blocks would cover if laid out so; the last layout stays as it was.
    QRect Area(const std::vector<CLegendBlock>& blocks, const QPoint& origin,
               const std::optional<int>& rowWidth) const;
    /// Draws the blocks where the last layout placed them.
    void Draw(QPainter& painter, const std::vector<CLegendBlock>& blocks) const;
    /// The blocks' rectangles of the last layout.
    const std::vector<QRect>& BlockRects() const { return m_rects; }

private:
    std::vector<QRect> Place(const std::vector<CLegendBlock>& blocks, const QPoint& origin,
                             const std::optional<int>& rowWidth) const;
    int LineHeight() const;
    int TextWidth(const std::string& text) const;
    int EntryWidth(const SLegendEntry& entry) const;
    static int EntryLines(const SLegendEntry& entry);
    void DrawColorBar(QPainter& painter, const SLegendEntry& entry, int left, int top) const;
    int Margin() const { return m_symbolSize.cx + 8; }
    QSize BlockSize(const CLegendBlock& block) const;
    void DrawEntry(QPainter& painter, const SLegendEntry& entry, int left, int top) const;

    QFont m_font;
    /// The fonts the texts are measured in: the legend font on the default device, its
    /// unhinted outlines, and the font at the painting's scale on the painting's device.
    struct SMeasure {
        QFontMetricsF metrics;
        double scale;
    };
    std::vector<SMeasure> m_measures;
    QColor m_color;
    SSizeSpec m_symbolSize;
    std::vector<QRect> m_rects;
};
