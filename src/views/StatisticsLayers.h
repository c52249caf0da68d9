#pragma once

#include "montecarlo/Histogram.h"
#include "montecarlo/Regression.h"
#include "views/ChartLayer.h"

#include <vector>

/// The statistics layer: the regression of the members' ideal points as the regression line
/// (black), the two slope-error lines through the mean (blue) and the error corridor (red),
/// with the "STATISTICS" legend block. The fit is recomputed while the layer is on.
class CStatisticsLayer : public CChartLayer {
public:
    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
    void AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) override;
    const SRegression& Regression() const { return m_stats; }

private:
    SRegression m_stats;
};

/// A histogram layer: bars of the members' coordinates along one axis over the dimension's
/// rating limits, standing on the bottom edge (horizontal) or the left edge (vertical) in the
/// histogram colour, one bar per histogram cell of the configured size.
class CHistogramLayer : public CChartLayer {
public:
    explicit CHistogramLayer(EHistogramAxis axis) : m_axis(axis) {}

    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
    /// The histogram as the chart shows it, rebuilt from the current members.
    SHistogram Build(const CQueltaDoc& doc, const CChartLayout& layout) const;

private:
    EHistogramAxis m_axis;
};
