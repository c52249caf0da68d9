#pragma once

#include "geometry/FPoint.h"
#include "views/ChartLayer.h"

#include <optional>
#include <utility>

/// The grid layer: light lines across the plot at every major tick ("Show Grid").
class CGridLayer : public CChartLayer {
public:
    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
};

/// The projection-line layer: the line the user dragged across the chart, with the vote rule
/// and plurality flag it was drawn under.
class CProjectionLineLayer : public CChartLayer {
public:
    CProjectionLineLayer() { SetVisible(false); }

    /// Keeps a new line between two issue-space points.
    void SetLine(const CFPoint& from, const CFPoint& to, double voteRule, int absolute);
    const std::optional<std::pair<CFPoint, CFPoint>>& Line() const { return m_line; }
    double VoteRule() const { return m_voteRule; }
    int AbsolutePlurality() const { return m_absolute; }
    void Draw(SChartPaint& paint) override;

private:
    std::optional<std::pair<CFPoint, CFPoint>> m_line;
    double m_voteRule = 0.5;
    int m_absolute = 1;
};

/// The script-shape layer: the scenario's marks (points and rectangles) at their issue-space
/// positions, and the points, lines, ellipses and rectangles scripts drew, at the chart pixels
/// they were drawn at.
class CScriptShapeLayer : public CChartLayer {
public:
    void Draw(SChartPaint& paint) override;
};
