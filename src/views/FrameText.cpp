#include "views/FrameText.h"

#include "views/ChartLayout.h"
#include "views/ChartStyle.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMajorTick = 6, kMinorTick = 3, kGap = 3;
constexpr int kFrameMargin = 50;

/// Whether a number's place overlaps the last number placed on its axis, with a gap around it;
/// such numbers are left out, so that a small plot labels every second or third tick instead
/// of running its numbers into each other.
bool Crowds(const QRect& number, const QRect& last) {
    return !last.isNull() && number.intersects(last.adjusted(-kGap, -kGap, kGap, kGap));
}

} // namespace

CFrameText::CFrameText(const DisplayConfig& config, const CChartLayout& layout)
    : m_layout(layout), m_plot(layout.PlotPixels()) {
    m_frame = m_plot.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin);
    PlaceTitle(config);
    PlaceHorizontalAxis(config);
    PlaceVerticalAxis(config);
    if (!m_title.text.isEmpty())
        m_frame = m_frame.united(m_title.rect);
    for (const SText& text : m_texts)
        m_frame = m_frame.united(text.rect);
}

CFrameText::SText CFrameText::MakeText(const std::string& text, const SFontSpec& font) {
    SText result;
    result.text = QString::fromStdString(text);
    result.font = ToQFont(font);
    result.color = ToQColor(font.color);
    const QFontMetrics metrics(result.font);
    result.rect = metrics.boundingRect(QRect(), Qt::AlignLeft, result.text);
    result.rect.moveTopLeft(QPoint(0, 0));
    return result;
}

void CFrameText::PlaceTitle(const DisplayConfig& config) {
    m_title = MakeText(m_layout.Title(), config.lfTitle);
    QRect& r = m_title.rect;
    const QRect& p = m_plot;
    const int code = m_layout.TitleAlignment();
    // Top anchors hold the title above the plot; the others inside it, clear of the frame.
    const int above = p.top() - kGap * 2 - r.height();
    const int column = (code - 1) / 3; // 0 left, 1 middle, 2 right
    const int row = (code - 1) % 3;    // 0 top, 1 middle, 2 bottom
    if (code < 1 || code > 9 || code == 5) {
        r.moveCenter(p.center());
        return;
    }
    const int x = column == 0   ? p.left() + kGap * 2
                  : column == 1 ? p.center().x() - r.width() / 2
                                : p.right() - kGap * 2 - r.width();
    const int y = row == 0   ? above
                  : row == 1 ? p.center().y() - r.height() / 2
                             : p.bottom() - kGap * 2 - r.height();
    r.moveTopLeft(QPoint(x, y));
}

void CFrameText::PlaceHorizontalAxis(const DisplayConfig& config) {
    const CChartAxis& axis = m_layout.HorizontalAxis();
    const double middle = m_layout.VerticalAxis().Centre();
    const int base = m_plot.bottom() + 1;
    for (double value : axis.TickValues(axis.MinorStep())) {
        const int x = m_layout.ToChart(CFPoint(value, middle)).x();
        m_ticks.push_back({QPoint(x, base), QPoint(x, base + kMinorTick - 1)});
    }
    int numbersBottom = base + kMajorTick;
    QRect last;
    for (double value : axis.TickValues(axis.MajorStep())) {
        const int x = m_layout.ToChart(CFPoint(value, middle)).x();
        m_ticks.push_back({QPoint(x, base), QPoint(x, base + kMajorTick - 1)});
        SText number = MakeText(axis.NumberText(value), config.lfScaleH);
        number.rect.moveTopLeft(QPoint(x - number.rect.width() / 2, base + kMajorTick + kGap));
        if (Crowds(number.rect, last))
            continue;
        last = number.rect;
        numbersBottom = std::max(numbersBottom, number.rect.bottom());
        m_texts.push_back(number);
    }
    SText title = MakeText(m_layout.HorizontalTitle(), config.lfAxisH);
    title.rect.moveTopLeft(
        QPoint(m_plot.center().x() - title.rect.width() / 2, numbersBottom + 1 + kGap));
    m_texts.push_back(title);
}

void CFrameText::PlaceVerticalAxis(const DisplayConfig& config) {
    const CChartAxis& axis = m_layout.VerticalAxis();
    const double middle = m_layout.HorizontalAxis().Centre();
    const int base = m_plot.left() - 1;
    for (double value : axis.TickValues(axis.MinorStep())) {
        const int y = m_layout.ToChart(CFPoint(middle, value)).y();
        m_ticks.push_back({QPoint(base, y), QPoint(base - kMinorTick + 1, y)});
    }
    int numbersLeft = base - kMajorTick;
    QRect last;
    for (double value : axis.TickValues(axis.MajorStep())) {
        const int y = m_layout.ToChart(CFPoint(middle, value)).y();
        m_ticks.push_back({QPoint(base, y), QPoint(base - kMajorTick + 1, y)});
        SText number = MakeText(axis.NumberText(value), config.lfScaleV);
        number.rect.moveTopRight(QPoint(base - kMajorTick - 2, y - number.rect.height() / 2));
        if (Crowds(number.rect, last))
            continue;
        last = number.rect;
        numbersLeft = std::min(numbersLeft, number.rect.left());
        m_texts.push_back(number);
    }
    SText title = MakeText(m_layout.VerticalTitle(), config.lfAxisV);
    title.vertical = true;
    title.rect = QRect(0, 0, title.rect.height(), title.rect.width());
    title.rect.moveTopRight(QPoint(numbersLeft - 2, m_plot.center().y() - title.rect.height() / 2));
    m_texts.push_back(title);
}

std::vector<QRect> CFrameText::TextRects() const {
    std::vector<QRect> rects;
    for (const SText& text : m_texts)
        rects.push_back(text.rect);
    return rects;
}

void CFrameText::DrawText(QPainter& painter, const SText& text) {
    painter.setFont(text.font);
    painter.setPen(text.color);
    if (!text.vertical) {
        painter.drawText(text.rect, Qt::AlignLeft | Qt::AlignTop, text.text);
        return;
    }
    painter.save();
    painter.translate(text.rect.left(), text.rect.bottom() + 1);
    painter.rotate(-90.0);
    painter.drawText(QRect(0, 0, text.rect.height(), text.rect.width()),
                     Qt::AlignLeft | Qt::AlignTop, text.text);
    painter.restore();
}

void CFrameText::Draw(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    for (const STick& tick : m_ticks)
        painter.drawLine(tick.from, tick.to);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (!m_title.text.isEmpty())
        DrawText(painter, m_title);
    for (const SText& text : m_texts)
        DrawText(painter, text);
    painter.restore();
}
