#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "montecarlo/MonteCarloSettings.h"

#include <cstdint>
#include <vector>

/// What one Monte Carlo draw gave: the point list (sized to the member count; points never
/// reached stay at (0, 0)), how many were accepted and how it ended.
struct SMonteCarloDraw {
    std::vector<CFPoint> points;
    int accepted = 0;
    std::int64_t candidates = 0;
    /// The cancel poll (Escape) stopped the draw.
    bool cancelled = false;
    /// The limit on candidate points was reached before enough fell inside the box.
    bool exhausted = false;

    bool Complete() const { return accepted == static_cast<int>(points.size()); }
};

/// The coordinate a dimension's distribution gives: uniform over [low, high], normal with the
/// mean and spread, or the middle of the range for any other code.
double DrawCoordinate(int distribution, double low, double high, double mean, double spread,
                      int& seed);

/// Draws candidate points until the member count lie strictly inside the box, polling the
/// platform's cancel request after every candidate. `maxCandidates` bounds the candidates drawn
/// (0: no bound). The settings' seed is left at the generator's new state. The settings must be
/// valid (MonteCarloSettingsProblem empty).
SMonteCarloDraw RunMonteCarloDraw(SMonteCarloSettings& settings, const SEdges& box,
                                  std::int64_t maxCandidates = 0);
