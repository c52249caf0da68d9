#pragma once

#include "views/ChartLayer.h"

/// The points of a Monte Carlo draw that wait to be kept or thrown away: the member symbol's
/// size and pen, drawn as a diagonal cross so they stand apart from the members.
class CDrawnPointsLayer : public CChartLayer {
public:
    void Draw(SChartPaint& paint) override;
};

/// The path of the last agenda run: the status quos it went through, joined in order, each
/// marked with a small plus.
class CAgendaPathLayer : public CChartLayer {
public:
    void Draw(SChartPaint& paint) override;
};

/// The shape code of a drawn point's symbol (the diagonal cross).
constexpr int kDrawnPointShape = 3;
