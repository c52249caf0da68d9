#pragma once

#include "montecarlo/ThermographGrid.h"

#include <optional>

class CVotingGame;

/// The thermograph's value map with its out-of-date state: the map is computed only while it
/// is out of date (or when another mode or chart size is asked for) and reused otherwise.
class CThermograph {
public:
    /// Whether the next request computes the map again.
    bool IsOutOfDate() const { return m_outOfDate; }
    /// Marks the map for recomputation (after any change of the scenario or the chart).
    void MarkOutOfDate() { m_outOfDate = true; }
    /// The latest map (empty before the first).
    const SThermographGrid& Grid() const { return m_grid; }
    /// Stores a freshly computed map and marks the thermograph up to date.
    void Store(SThermographGrid grid);
    /// Whether the stored map answers a request for the mode on the game's current chart.
    bool IsFresh(const CVotingGame& game, int mode) const;

    /// The per-pixel values of a thermograph mode (every mode but the custom distribution),
    /// computed when the map is not fresh. False when the cancel poll stopped the computation:
    /// the previous map, the status quo and every concept are then as they were.
    bool MapThermographValues(CVotingGame& game, int mode, const SThermographSettings& settings);

private:
    SThermographGrid m_grid;
    bool m_outOfDate = true;
};

/// The values of the vote modes (the vote grid) and the distance modes (sums of distances to
/// the members' cells or to the quota lines); none when the vote grid was cancelled.
std::optional<SThermographGrid> MapThermographSums(CVotingGame& game, int mode);
