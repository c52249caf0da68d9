#pragma once

#include "views/ChartLayer.h"

#include <QPoint>

class CMember;

/// The main layer: the members, the Tovey points, the candidates, the Copeland winner, the
/// status quo and the proposal as point symbols, with the "SYMBOL" legend block.
class CMainLayer : public CChartLayer {
public:
    void Draw(SChartPaint& paint) override;
    void AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) override;
};

/// The status-quo, proposal and Copeland symbols are grown by this many pixels on every side.
constexpr int kMarkedPointInflate = 1;
/// The coalition mark rings the member's symbol by this many pixels.
constexpr int kCoalitionInflate = 2;

/// The member whose symbol holds the chart pixel, the one drawn last (on top) first; nullptr
/// when there is none.
CMember* MemberAt(const CQueltaDoc& doc, const CChartLayout& layout, const QPoint& pixel);
