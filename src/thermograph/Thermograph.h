#pragma once

#include "geometry/FPoint.h"
#include "thermograph/ThermographGrid.h"

#include <cstdint>
#include <optional>

class CVotingGame;

/// The thermograph's value map with its out-of-date state: the map is computed only while it
/// is out of date and reused otherwise. A map goes out of date when it is marked so, when the
/// scenario or the chart changed since it was computed (members, weights, preferences, rule,
/// veto, grid), when the uncovered-set settings differ, and, for the vote modes alone, when the
/// status quo moved; the other maps move the status quo themselves and do not depend on it.
class CThermograph {
public:
    /// Whether the map was marked out of date (or none was stored yet); IsFresh also asks
    /// whether the game changed since.
    bool IsOutOfDate() const { return m_outOfDate; }
    /// Marks the map for recomputation (after any change of the scenario or the chart).
    void MarkOutOfDate() { m_outOfDate = true; }
    /// The latest map (empty before the first).
    const SThermographGrid& Grid() const { return m_grid; }
    /// Counts the maps stored so far, so that a painter can tell a new map from one it painted.
    std::uint64_t Serial() const { return m_serial; }
    /// Stores a map freshly computed from the game with these settings and marks the
    /// thermograph up to date.
    void Store(SThermographGrid grid, const CVotingGame& game,
               const SThermographSettings& settings);
    /// Whether the stored map answers a request for the mode on the game as it is now.
    bool IsFresh(const CVotingGame& game, int mode, const SThermographSettings& settings) const;

    /// The per-pixel values of a thermograph mode (every mode but the custom distribution),
    /// computed when the map is not fresh. False when the cancel poll stopped the computation:
    /// the previous map, the status quo and every concept are then as they were.
    bool MapThermographValues(CVotingGame& game, int mode, const SThermographSettings& settings);

private:
    SThermographGrid m_grid;
    bool m_outOfDate = true;
    std::uint64_t m_serial = 0;
    // What the stored map was computed from.
    std::uint64_t m_revision = 0;
    CFPoint m_statusQuo;
    SThermographSettings m_settings;
};

/// The values of the vote modes (the vote grid) and the distance modes (sums of distances to
/// the members' cells or to the quota lines); none when the vote grid was cancelled.
std::optional<SThermographGrid> MapThermographSums(CVotingGame& game, int mode);
