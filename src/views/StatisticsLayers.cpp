#include "views/StatisticsLayers.h"

#include "document/QueltaDoc.h"
#include "model/FormatNumber.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"
#include "views/ChartLegend.h"
#include "views/ChartStyle.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor kRegression(Qt::black), kSlopeError(Qt::blue), kCorridor(Qt::red);

SPenSpec PenOf(const QColor& color) {
    return {PenStyle::Solid, 1, MakeRgb(color.red(), color.green(), color.blue())};
}

/// Draws v = intercept + slope h across the visible window widened by 0.001, when both of its
/// end points stay strictly inside the widened window.
void DrawFitLine(SChartPaint& paint, double intercept, double slope, const QColor& color) {
    const SEdges& world = paint.layout.Map().WorldWindow();
    const double left = world.left - 0.001, right = world.right + 0.001;
    const double bottom = std::min(world.bottom, world.top) - 0.001;
    const double top = std::max(world.bottom, world.top) + 0.001;
    const CFPoint a(left, intercept + slope * left), b(right, intercept + slope * right);
    const auto inside = [&](const CFPoint& p) { return p.y > bottom && p.y < top; };
    if (inside(a) && inside(b))
        DrawSegment(paint.painter, paint.layout, a, b, PenOf(color));
}

} // namespace

void CStatisticsLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagStats != 0);
}

void CStatisticsLayer::Draw(SChartPaint& paint) {
    if (!m_fit)
        return;
    const SRegressionFit& f = *m_fit;
    paint.painter.save();
    paint.painter.setRenderHint(QPainter::Antialiasing, true);
    DrawFitLine(paint, f.intercept, f.slope, kRegression);
    for (const double slope : {f.slope + f.slopeError, f.slope - f.slopeError})
        DrawFitLine(paint, f.mean.y - slope * f.mean.x, slope, kSlopeError);
    DrawFitLine(paint, f.intercept + f.interceptError, f.slope + f.slopeError, kCorridor);
    DrawFitLine(paint, f.intercept - f.interceptError, f.slope - f.slopeError, kCorridor);
    paint.painter.restore();
}

void CStatisticsLayer::AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) {
    (void)doc;
    if (!m_fit)
        return;
    CLegendBlock block("STATISTICS");
    block.AddSwatch(kRegression, "regression line");
    block.AddSwatch(kSlopeError, "slope error");
    block.AddSwatch(kCorridor, "error corridor");
    block.AddValue("Slope = " + FormatNumber(m_fit->slope));
    block.AddValue("Pearson's r = " + FormatNumber(m_fit->r));
    block.AddValue("Reduced-ChiSqr = " + FormatNumber(m_fit->chi));
    blocks.push_back(block);
}

void CHistogramLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagHist != 0);
}

void CHistogramLayer::Draw(SChartPaint& paint) {
    const int greatest = m_counts.empty() ? 0 : *std::max_element(m_counts.begin(), m_counts.end());
    if (greatest <= 0)
        return;
    const QRect plot = paint.layout.PlotPixels();
    QColor color = ToQColor(paint.doc.Config().colorHist);
    color.setAlpha(170);
    const bool horizontal = m_axis == EHistogramAxis::Horizontal;
    const int length = horizontal ? plot.width() : plot.height();
    // The tallest bar reaches a quarter into the plot.
    const double unit = (horizontal ? plot.height() : plot.width()) / 4.0 / greatest;
    const double bin = static_cast<double>(length) / static_cast<double>(m_counts.size());
    for (std::size_t i = 0; i < m_counts.size(); ++i) {
        const int from = static_cast<int>(i * bin), to = static_cast<int>((i + 1) * bin);
        const int extent = static_cast<int>(m_counts[i] * unit + 0.5);
        const QRect bar =
            horizontal ? QRect(plot.left() + from, plot.bottom() + 1 - extent, to - from, extent)
                       : QRect(plot.left(), plot.bottom() + 1 - to, extent, to - from);
        paint.painter.fillRect(bar, color);
    }
}
