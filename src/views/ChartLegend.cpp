#include "views/ChartLegend.h"

#include "views/PointSymbol.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

/// The gap between two blocks and the swatch's size and indent of its text.
constexpr int kBlockGap = 6;
constexpr int kSwatchWidth = 8;
constexpr int kSwatchHeight = 4;
constexpr int kSwatchTextIndent = kSwatchWidth + 8;
/// A colour bar is at least this wide; its two values keep this gap between them.
constexpr int kColorBarWidth = 120;
constexpr int kBarValueGap = 12;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void CLegendBlock::AddSymbol(const SPointStyle& symbol, int inflate, const std::string& text) {
    SLegendEntry entry;
    entry.kind = SLegendEntry::EKind::Symbol;
    entry.symbol = symbol;
    entry.inflate = inflate;
    entry.text = text;
    m_entries.push_back(entry);
}

void CLegendBlock::AddSwatch(const QColor& fill, const std::string& text, const QColor& frame) {
    SLegendEntry entry;
    entry.kind = SLegendEntry::EKind::Swatch;
    entry.fill = fill;
    entry.frame = frame;
    entry.text = text;
    m_entries.push_back(entry);
}

void CLegendBlock::AddValue(const std::string& text) {
    SLegendEntry entry;
    entry.text = text;
    m_entries.push_back(entry);
}

std::vector<std::string> CLegendBlock::Texts() const {
    std::vector<std::string> texts{m_title};
    for (const SLegendEntry& entry : m_entries) {
        texts.push_back(entry.text);
        if (entry.kind == SLegendEntry::EKind::ColorBar)
            texts.push_back(entry.high);
    }
    return texts;
}

void CLegendBlock::AddColorBar(std::vector<QColor> ramp, const std::string& low,
                               const std::string& high) {
    SLegendEntry entry;
    entry.kind = SLegendEntry::EKind::ColorBar;
    entry.ramp = std::move(ramp);
    entry.text = low;
    entry.high = high;
    m_entries.push_back(entry);
}

CChartLegend::CChartLegend(const SFontSpec& font, const SSizeSpec& symbolSize,
                           const QPaintDevice* device, double scale)
    : m_font(ToQFont(font)), m_color(ToQColor(font.color)), m_symbolSize(symbolSize) {
    QFont unhinted = m_font;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    m_measures.push_back({QFontMetricsF(m_font), 1.0});
    m_measures.push_back({QFontMetricsF(unhinted), 1.0});
    if (device && scale > 0.0) {
        QFont scaled = m_font;
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.height * scale))));
        m_measures.push_back({QFontMetricsF(scaled, device), scale});
    }
}

int CChartLegend::TextWidth(const std::string& text) const {
    double width = 0.0;
    for (const SMeasure& measure : m_measures)
        width = std::max(width, measure.metrics.horizontalAdvance(Text(text)) / measure.scale);
    return static_cast<int>(std::ceil(width)) + 1;
}

int CChartLegend::LineHeight() const {
    double height = 0.0;
    for (const SMeasure& measure : m_measures)
        height = std::max(height, measure.metrics.height() / measure.scale);
    return std::max(static_cast<int>(std::ceil(height)), m_symbolSize.cy + 4);
}

int CChartLegend::EntryLines(const SLegendEntry& entry) {
    return entry.kind == SLegendEntry::EKind::ColorBar ? 2 : 1;
}

int CChartLegend::EntryWidth(const SLegendEntry& entry) const {
    switch (entry.kind) {
    case SLegendEntry::EKind::Symbol:
        return TextWidth(entry.text);
    case SLegendEntry::EKind::ColorBar:
        return std::max(kColorBarWidth,
                        TextWidth(entry.text) + kBarValueGap + TextWidth(entry.high));
    default:
        return kSwatchTextIndent + TextWidth(entry.text);
    }
}

QSize CChartLegend::BlockSize(const CLegendBlock& block) const {
    int width = TextWidth(block.Title());
    int lines = 1;
    for (const SLegendEntry& entry : block.Entries()) {
        width = std::max(width, EntryWidth(entry));
        lines += EntryLines(entry);
    }
    // Half a line above the title and below the last entry.
    return QSize(Margin() + width + 8, (lines + 1) * LineHeight());
}

std::vector<QRect> CChartLegend::Place(const std::vector<CLegendBlock>& blocks,
                                       const QPoint& origin,
                                       const std::optional<int>& rowWidth) const {
    std::vector<QRect> rects;
    QPoint at = origin;
    int rowBottom = origin.y();
    for (const CLegendBlock& block : blocks) {
        const QSize size = BlockSize(block);
        if (!rowWidth) {
            rects.emplace_back(at, size);
            at.setY(rects.back().bottom() + 1 + kBlockGap);
            continue;
        }
        // A block that would pass the row's end starts the next row.
        if (at.x() > origin.x() && at.x() + size.width() > origin.x() + *rowWidth)
            at = QPoint(origin.x(), rowBottom + 1 + kBlockGap);
        rects.emplace_back(at, size);
        rowBottom = std::max(rowBottom, rects.back().bottom());
        at.setX(rects.back().right() + 1 + kBlockGap);
    }
    return rects;
}

namespace {

QRect United(const std::vector<QRect>& rects) {
    QRect area;
    for (const QRect& rect : rects)
        area = area.united(rect);
    return area;
}

} // namespace

QRect CChartLegend::Layout(const std::vector<CLegendBlock>& blocks, const QPoint& origin,
                           const std::optional<int>& rowWidth) {
    m_rects = Place(blocks, origin, rowWidth);
    return United(m_rects);
}

QRect CChartLegend::Area(const std::vector<CLegendBlock>& blocks, const QPoint& origin,
                         const std::optional<int>& rowWidth) const {
    return United(Place(blocks, origin, rowWidth));
}

void CChartLegend::DrawEntry(QPainter& painter, const SLegendEntry& entry, int left,
                             int top) const {
    const int line = LineHeight();
    const QFontMetrics metrics(m_font);
    const int baseline = top + (line + metrics.ascent() - metrics.descent()) / 2;
    const int middle = top + line / 2;
    switch (entry.kind) {
    case SLegendEntry::EKind::Symbol: {
        const QPoint centre(left - Margin() + 4 + m_symbolSize.cx / 2, middle);
        DrawPointSymbol(painter, SymbolRect(centre, m_symbolSize, entry.inflate), entry.symbol);
        painter.drawText(left, baseline, Text(entry.text));
        return;
    }
    case SLegendEntry::EKind::Swatch: {
        const QRect swatch(left, middle - kSwatchHeight / 2, kSwatchWidth, kSwatchHeight);
        painter.fillRect(swatch, entry.fill);
        if (entry.frame.isValid()) {
            painter.setPen(entry.frame);
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
            painter.setPen(m_color);
        }
        painter.drawText(left + kSwatchTextIndent, baseline, Text(entry.text));
        return;
    }
    case SLegendEntry::EKind::Value:
        painter.drawText(left + kSwatchTextIndent, baseline, Text(entry.text));
        return;
    case SLegendEntry::EKind::ColorBar:
        DrawColorBar(painter, entry, left, top);
        return;
    }
}

void CChartLegend::DrawColorBar(QPainter& painter, const SLegendEntry& entry, int left,
                                int top) const {
    const int line = LineHeight();
    const int width = std::max(kColorBarWidth, EntryWidth(entry));
    const QRect bar(left, top + 2, width, line - 4);
    const int steps = static_cast<int>(entry.ramp.size());
    for (int i = 0; i < steps; ++i) {
        const int from = bar.left() + bar.width() * i / steps;
        const int to = bar.left() + bar.width() * (i + 1) / steps;
        painter.fillRect(QRect(from, bar.top(), to - from, bar.height()), entry.ramp[i]);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.setPen(m_color);
    const QFontMetrics metrics(m_font);
    const int baseline = top + line + (line + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(left, baseline, Text(entry.text));
    painter.drawText(bar.right() + 1 - TextWidth(entry.high), baseline, Text(entry.high));
}

void CChartLegend::Draw(QPainter& painter, const std::vector<CLegendBlock>& blocks) const {
    painter.save();
    painter.setFont(m_font);
    const int line = LineHeight();
    for (std::size_t i = 0; i < blocks.size() && i < m_rects.size(); ++i) {
        const QRect& rect = m_rects[i];
        painter.fillRect(rect, Qt::white);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        painter.setPen(m_color);
        const int left = rect.left() + Margin();
        int top = rect.top() + line / 2;
        const QFontMetrics metrics(m_font);
        painter.drawText(left, top + (line + metrics.ascent() - metrics.descent()) / 2,
                         Text(blocks[i].Title()));
        int lines = 1;
        for (const SLegendEntry& entry : blocks[i].Entries()) {
            DrawEntry(painter, entry, left, top + lines * line);
            lines += EntryLines(entry);
        }
    }
    painter.restore();
}
