#pragma once

#include "geometry/FPoint.h"
#include "thermograph/ThermographGrid.h"

#include <limits>
#include <optional>
#include <vector>

class CVotingGame;

/// The benefit-of-the-doubt pair minimum before any pair is seen.
constexpr double kBodPairStart = 10000000.0;

/// Where each pixel of the chart takes its value: +1 inside the uncovered set (the value
/// counts positive), -1 elsewhere inside the Pareto set (negative), 0 outside both (value 0).
/// None when the search for the uncovered set was cancelled: the map is then cancelled too,
/// instead of searching again at every pixel.
std::optional<std::vector<signed char>>
ClassifyPixels(CVotingGame& game, const SThermographSettings& settings, const SIntRect& pixels);

/// The least |b - SQ| + |c - SQ| - |b - c| over every pair (b, c) of the points in list order,
/// kBodPairStart when there are at most two points.
double BodPairMinimum(const std::vector<CFPoint>& ideals, const CFPoint& statusQuo);

/// The benefit-of-the-doubt radius at the game's status quo: over the spokes, the greatest
/// pair minimum of the members favouring the spoke's far end (0 when no spoke qualifies).
double GetBODRadius(CVotingGame& game);

/// The largest (from 0) and smallest value V of a map, over the pixels that took a value.
class CValueRange {
public:
    void Add(double value) {
        largest = value > largest ? value : largest;
        smallest = value < smallest ? value : smallest;
    }
    /// Takes in another part of the same map (in any order: only the extremes count).
    void Add(const CValueRange& other) {
        largest = other.largest > largest ? other.largest : largest;
        smallest = other.smallest < smallest ? other.smallest : smallest;
    }
    /// Writes the range into the grid; a map without values has a smallest V of 0.
    void Store(SThermographGrid& grid) const {
        grid.largest = largest;
        grid.smallest = smallest == kNone ? 0.0 : smallest;
    }

private:
    static constexpr double kNone = std::numeric_limits<double>::infinity();
    double largest = 0.0;
    double smallest = kNone;
};

/// An empty value map of a mode over the game's chart pixels, every value 0.
SThermographGrid MakeThermographGrid(const CVotingGame& game, int mode);

/// The win-set area, spoke length and benefit-of-the-doubt maps computed the straightforward
/// way: the status quo is moved to every pixel in turn and the whole concept is taken there.
/// The status quo is set back afterwards; none when the cancel poll stopped the run.
std::optional<SThermographGrid> MapThermographReference(CVotingGame& game, int mode,
                                                        const SThermographSettings& settings);
