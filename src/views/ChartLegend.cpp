#include "views/ChartLegend.h"

#include "views/PointSymbol.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

/// The gap between two blocks and the swatch's size and indent of its text.
constexpr int kBlockGap = 6;
constexpr int kSwatchWidth = 8;
constexpr int kSwatchHeight = 4;
constexpr int kSwatchTextIndent = kSwatchWidth + 8;

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
    for (const SLegendEntry& entry : m_entries)
        texts.push_back(entry.text);
    return texts;
}

CChartLegend::CChartLegend(const SFontSpec& font, const SSizeSpec& symbolSize)
    : m_font(ToQFont(font)), m_color(ToQColor(font.color)), m_symbolSize(symbolSize) {}

int CChartLegend::LineHeight() const {
    return std::max(QFontMetrics(m_font).height(), m_symbolSize.cy + 4);
}

QSize CChartLegend::BlockSize(const CLegendBlock& block) const {
    const QFontMetrics metrics(m_font);
    int width = metrics.horizontalAdvance(Text(block.Title()));
    for (const SLegendEntry& entry : block.Entries()) {
        const int indent = entry.kind == SLegendEntry::EKind::Symbol ? 0 : kSwatchTextIndent;
        width = std::max(width, indent + metrics.horizontalAdvance(Text(entry.text)));
    }
    const int lines = 1 + static_cast<int>(block.Entries().size());
    // Half a line above the title and below the last entry.
    return QSize(Margin() + width + 8, (lines + 1) * LineHeight());
}

QRect CChartLegend::Layout(const std::vector<CLegendBlock>& blocks, const QPoint& origin) {
    m_rects.clear();
    QRect area;
    int top = origin.y();
    for (const CLegendBlock& block : blocks) {
        const QRect rect(QPoint(origin.x(), top), BlockSize(block));
        m_rects.push_back(rect);
        area = area.united(rect);
        top = rect.bottom() + 1 + kBlockGap;
    }
    return area;
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
    }
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
        for (const SLegendEntry& entry : blocks[i].Entries()) {
            top += line;
            DrawEntry(painter, entry, left, top);
        }
    }
    painter.restore();
}
