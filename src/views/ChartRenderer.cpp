#include "views/ChartRenderer.h"

#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "views/ChartModel.h"
#include "views/FrameText.h"
#include "views/MainLayer.h"
#include "views/PointSymbol.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

/// The coalition list starts this far to the right of the plot; the legend keeps this gap to
/// whatever stands on its left.
constexpr int kCoalitionOffset = 40;
constexpr int kLegendGap = 20;

QRect TextBlockRect(const std::vector<std::string>& lines, const QFont& font,
                    const QPoint& topLeft) {
    const QFontMetrics metrics(font);
    int width = 0;
    for (const std::string& line : lines)
        width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(line)));
    return QRect(topLeft, QSize(width + 1, metrics.height() * static_cast<int>(lines.size())));
}

} // namespace

CChartRenderer::CChartRenderer(CChartModel& model, CQueltaDoc& doc) : m_model(model), m_doc(doc) {}

CChartRenderer::~CChartRenderer() = default;

std::vector<QRect> CChartRenderer::LegendBlockRects() const {
    return m_legend ? m_legend->BlockRects() : std::vector<QRect>();
}

QRect CChartRenderer::FrameRect() const {
    return m_frame ? m_frame->FrameRect() : QRect();
}

QPoint CChartRenderer::DefaultLegendOrigin(bool below) const {
    // Below the frame's texts in line with the plot, or beside the plot, right of the coalition
    // list when there is one.
    const QRect plot = m_model.Layout().PlotPixels();
    if (below)
        return QPoint(plot.left(), FrameRect().bottom() + 1 + kLegendGap / 2);
    const int left = m_coalition ? m_coalitionRect.right() : plot.right();
    return QPoint(left + 1 + kLegendGap, plot.top());
}

QRect CChartRenderer::LegendAreaAt(const std::optional<int>& rowWidth) const {
    if (!m_legend)
        return QRect();
    return m_legend->Area(m_blocks, DefaultLegendOrigin(rowWidth.has_value()), rowWidth);
}

QRect CChartRenderer::Prepare(const QPaintDevice* device, double scale) {
    const DisplayConfig& config = m_doc.Config();
    const CChartLayout& layout = m_model.Layout();
    m_frame = std::make_unique<CFrameText>(config, layout);
    m_extent = m_frame->FrameRect();
    const QRect plot = layout.PlotPixels();
    m_coalition.reset();
    m_coalitionRect = QRect();
    if (config.flagCoalition) {
        m_coalition = BuildCoalition(m_doc);
        m_coalitionRect = TextBlockRect(m_coalition->lines, ToQFont(config.lfLegend),
                                        QPoint(plot.right() + 1 + kCoalitionOffset, plot.top()));
        m_extent = m_extent.united(m_coalitionRect);
    }
    m_blocks.clear();
    m_legend.reset();
    m_legendRect = QRect();
    if (layout.LegendShown()) {
        for (CChartLayer* layer : m_model.Layers())
            if (layer->IsVisible())
                layer->AddLegend(m_doc, m_blocks);
        m_legend = std::make_unique<CChartLegend>(config.lfLegend, config.szPoint, device, scale);
        // A legend the user moved keeps the shape it had where it was grabbed.
        const QPoint origin =
            layout.LegendOrigin().value_or(DefaultLegendOrigin(layout.LegendBelow().has_value()));
        m_legendRect = m_legend->Layout(m_blocks, origin, layout.LegendBelow());
        m_extent = m_extent.united(m_legendRect);
    }
    return m_extent;
}

void CChartRenderer::PaintLayers(QPainter& painter) {
    const CChartLayout& layout = m_model.Layout();
    painter.save();
    painter.setClipRect(layout.PlotPixels());
    SChartPaint paint{painter, m_doc, layout};
    for (CChartLayer* layer : m_model.Layers()) {
        if (!layer->IsVisible())
            continue;
        painter.save();
        layer->Draw(paint);
        painter.restore();
    }
    painter.restore();
}

void CChartRenderer::PaintCoalition(QPainter& painter) const {
    if (!m_coalition)
        return;
    const DisplayConfig& config = m_doc.Config();
    const SPointStyle style = PointStyle(config, EPointKind::Coalition);
    painter.save();
    painter.setClipRect(m_model.Layout().PlotPixels());
    for (const CMember* member : m_coalition->marked) {
        const QPoint centre = m_model.Layout().ToChart(member->IdealPoint());
        DrawPointSymbol(painter, SymbolRect(centre, config.szPoint, kCoalitionInflate), style);
    }
    painter.setClipping(false);
    const QFont font = ToQFont(config.lfLegend);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(ToQColor(config.lfLegend.color));
    int baseline = m_coalitionRect.top() + metrics.ascent();
    for (const std::string& line : m_coalition->lines) {
        painter.drawText(m_coalitionRect.left(), baseline, QString::fromStdString(line));
        baseline += metrics.height();
    }
    painter.restore();
}

void CChartRenderer::Paint(QPainter& painter) {
    if (!m_frame)
        Prepare();
    const DisplayConfig& config = m_doc.Config();
    const QRect plot = m_model.Layout().PlotPixels();
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(m_extent, Qt::white);
    painter.fillRect(plot, ToQColor(config.colorBackground));
    m_frame->Draw(painter);
    PaintLayers(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
    if (m_legend)
        m_legend->Draw(painter, m_blocks);
    PaintCoalition(painter);
    painter.restore();
}

void CChartRenderer::PaintInto(QPainter& painter, const QRectF& target) {
    const auto scaleOf = [&target](const QRect& extent) {
        return std::min(target.width() / extent.width(), target.height() / extent.height());
    };
    QRect extent = Prepare();
    if (extent.isEmpty() || target.isEmpty())
        return;
    // The legend is measured again in the target's own font metrics at the scale it is drawn.
    extent = Prepare(painter.device(), scaleOf(extent));
    const double scale = scaleOf(extent);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.translate(-extent.topLeft());
    Paint(painter);
    painter.restore();
}
