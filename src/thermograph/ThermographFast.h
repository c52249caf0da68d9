#pragma once

#include "thermograph/ThermographGrid.h"

#include <optional>
#include <vector>

class CVotingGame;

/// The win-set area, spoke length and benefit-of-the-doubt maps computed from only what each
/// value needs: the win set's cell count from the members' row runs (no vote grid, no region),
/// the spokes from the quota lines and ideal points, the members' preferences at the spokes'
/// ends. Rows are spread over worker threads; every value equals the straightforward loop's.
/// The game's status quo is never moved. None when the cancel poll stopped the run.
std::optional<SThermographGrid> MapThermographFast(CVotingGame& game, int mode,
                                                   const SThermographSettings& settings);

/// The fast path over chosen pixels: each pixel whose sign (row by row, as the grid) is not 0
/// takes sign x V, the others keep their value; the grid's range becomes that of the V's taken.
/// False when the cancel poll stopped the run.
bool MapSignedValues(CVotingGame& game, int mode, const std::vector<signed char>& signs,
                     const SThermographSettings& settings, SThermographGrid& grid);
