#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "montecarlo/MonteCarloSettings.h"

#include <atomic>
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

/// What a draw shares with a thread that watches it: the count of points accepted so far (for a
/// progress indication) and a request to stop, polled with the platform's cancel request after
/// every candidate.
struct SMonteCarloProgress {
    std::atomic<int> accepted{0};
    std::atomic<bool> stop{false};
};

/// The coordinate a dimension's distribution gives: uniform over [low, high], normal with the
/// mean and spread, or the middle of the range for any other code.
double DrawCoordinate(int distribution, double low, double high, double mean, double spread,
                      int& seed);

/// Draws candidate points until the member count lie strictly inside the box, polling the
/// platform's cancel request after every candidate. `maxCandidates` bounds the candidates drawn
/// (0: no bound). The settings' seed is left at the generator's new state. The settings must be
/// valid (MonteCarloSettingsProblem empty). With `progress`, the accepted count is published
/// there as it grows and its stop request ends the draw as a cancel does. The draw touches no
/// state but the settings, the progress and the shared random generators, so it may run on
/// another thread while nothing else draws random deviates.
SMonteCarloDraw RunMonteCarloDraw(SMonteCarloSettings& settings, const SEdges& box,
                                  std::int64_t maxCandidates = 0,
                                  SMonteCarloProgress* progress = nullptr);

/// One draw as a session hands it out: the settings with the seed to start from, the scale box
/// and the bound on candidates. Drawing it changes only its own settings' seed.
struct SMonteCarloRequest {
    SMonteCarloSettings settings;
    SEdges box;
    std::int64_t maxCandidates = 0;

    SMonteCarloDraw Draw(SMonteCarloProgress* progress = nullptr) {
        return RunMonteCarloDraw(settings, box, maxCandidates, progress);
    }
};
