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

void DrawStretch(SChartPaint& paint, const std::optional<SStatSegment>& segment,
                 const QColor& color) {
    if (segment)
        DrawSegment(paint.painter, paint.layout, segment->from, segment->to,
                    {PenStyle::Solid, 1, MakeRgb(color.red(), color.green(), color.blue())});
}

} // namespace

void CStatisticsLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagStats != 0);
    if (IsVisible())
        FitIdealPoints(doc.Game().Members(), m_stats);
}

void CStatisticsLayer::Draw(SChartPaint& paint) {
    const SRegressionDisplay display = RegressionDisplay(m_stats, paint.layout.Map().WorldWindow());
    paint.painter.setRenderHint(QPainter::Antialiasing, true);
    DrawStretch(paint, display.regression, kRegression);
    DrawStretch(paint, display.slopeErrorUpper, kSlopeError);
    DrawStretch(paint, display.slopeErrorLower, kSlopeError);
    DrawStretch(paint, display.corridorUpper, kCorridor);
    DrawStretch(paint, display.corridorLower, kCorridor);
}

void CStatisticsLayer::AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) {
    (void)doc;
    CLegendBlock block("STATISTICS");
    block.AddSwatch(kRegression, "regression line");
    block.AddSwatch(kSlopeError, "slope error");
    block.AddSwatch(kCorridor, "error corridor");
    block.AddValue("Slope = " + FormatNumber(m_stats.b));
    block.AddValue("Pearson's r = " + FormatNumber(m_stats.r));
    block.AddValue("Reduced-ChiSqr = " + FormatNumber(m_stats.chi));
    blocks.push_back(block);
}

void CHistogramLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagHist != 0);
}

SHistogram CHistogramLayer::Build(const CQueltaDoc& doc, const CChartLayout& layout) const {
    const bool horizontal = m_axis == EHistogramAxis::Horizontal;
    const CChartAxis& axis = horizontal ? layout.HorizontalAxis() : layout.VerticalAxis();
    const QRect plot = layout.PlotPixels();
    const SSizeSpec& cell = horizontal ? doc.Config().szHistH : doc.Config().szHistV;
    return MemberHistogram(doc.Game().Members(), m_axis, axis.Minimum(), axis.Maximum(),
                           horizontal ? plot.width() - 1 : plot.height() - 1, cell.cx);
}

void CHistogramLayer::Draw(SChartPaint& paint) {
    const SHistogram histogram = Build(paint.doc, paint.layout);
    const int greatest = histogram.counts.empty()
                             ? 0
                             : *std::max_element(histogram.counts.begin(), histogram.counts.end());
    if (greatest <= 0)
        return;
    const bool horizontal = m_axis == EHistogramAxis::Horizontal;
    const SSizeSpec& cell = horizontal ? paint.doc.Config().szHistH : paint.doc.Config().szHistV;
    const CChartAxis& axis =
        horizontal ? paint.layout.HorizontalAxis() : paint.layout.VerticalAxis();
    // Each count is one cell high (the cell size's second extent), shrunk when the tallest bar
    // would reach past a third of the plot.
    const QRect plot = paint.layout.PlotPixels();
    const double room = (horizontal ? plot.height() : plot.width()) / 3.0;
    const double unit = std::min<double>(std::max(1, cell.cy), room / greatest);
    QColor color = ToQColor(paint.doc.Config().colorHist);
    color.setAlpha(170);
    const double width = (histogram.max - histogram.min) / histogram.counts.size();
    for (std::size_t i = 0; i < histogram.counts.size(); ++i) {
        const double low = histogram.min + i * width, high = low + width;
        const int extent = static_cast<int>(histogram.counts[i] * unit + 0.5);
        const QPoint a = paint.layout.ToChart(horizontal ? CFPoint(low, axis.Minimum())
                                                         : CFPoint(axis.Minimum(), low));
        const QPoint b = paint.layout.ToChart(horizontal ? CFPoint(high, axis.Minimum())
                                                         : CFPoint(axis.Minimum(), high));
        const QRect bar = horizontal
                              ? QRect(a.x(), plot.bottom() + 1 - extent, b.x() - a.x(), extent)
                              : QRect(plot.left(), b.y(), extent, a.y() - b.y());
        paint.painter.fillRect(bar, color);
    }
}
