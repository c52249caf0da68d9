#pragma once

#include "geometry/FPoint.h"
#include "views/ChartLayer.h"

#include <optional>
#include <vector>

/// The least-squares fit of the members' vertical on their horizontal coordinates that the
/// statistics layer shows: v = intercept + slope h, with its errors.
struct SRegressionFit {
    CFPoint mean;
    double r = 0.0;
    double slope = 0.0;
    double slopeError = 0.0;
    double intercept = 0.0;
    double interceptError = 0.0;
    double chi = 0.0;
};

/// The statistics layer: the regression line (black), the two slope-error lines through the
/// mean (blue) and the error corridor (red), with the "STATISTICS" legend block. It draws the
/// fit it was given and nothing before.
class CStatisticsLayer : public CChartLayer {
public:
    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
    void AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) override;
    void SetFit(const std::optional<SRegressionFit>& fit) { m_fit = fit; }
    const std::optional<SRegressionFit>& Fit() const { return m_fit; }

private:
    std::optional<SRegressionFit> m_fit;
};

/// Which plot edge a histogram stands on.
enum class EHistogramAxis { Horizontal, Vertical };

/// A histogram layer: bars of the members' coordinates along one axis, standing on the bottom
/// edge (horizontal) or the left edge (vertical) in the histogram colour. It draws the bin
/// counts it was given and nothing before.
class CHistogramLayer : public CChartLayer {
public:
    explicit CHistogramLayer(EHistogramAxis axis) : m_axis(axis) {}

    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
    void SetCounts(std::vector<int> counts) { m_counts = std::move(counts); }

private:
    EHistogramAxis m_axis;
    std::vector<int> m_counts;
};
