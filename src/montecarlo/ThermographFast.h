#pragma once

#include "montecarlo/ThermographGrid.h"

#include <optional>

class CVotingGame;

/// The win-set area, spoke length and benefit-of-the-doubt maps computed from only what each
/// value needs: the win set's cell count from the members' row runs (no vote grid, no region),
/// the spokes from the quota lines and ideal points, the members' preferences at the spokes'
/// ends. Rows are spread over worker threads; every value equals the straightforward loop's.
/// The game's status quo is never moved. None when the cancel poll stopped the run.
std::optional<SThermographGrid> MapThermographFast(CVotingGame& game, int mode,
                                                   const SThermographSettings& settings);
