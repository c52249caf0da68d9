#pragma once

#include "geometry/GridMap.h"

#include <limits>
#include <vector>

/// The thermograph modes: the display type with the shade bit (2) and bit 4 cleared.
enum EThermographMode {
    THERMO_TOTAL = 8,
    THERMO_DECISION = 16,
    THERMO_MARGINAL = 32,
    THERMO_MEMBERS = 64,
    THERMO_QUOTALINES = 128,
    THERMO_AREA = 512,
    THERMO_RADIUS = 1024,
    THERMO_BOD = 2048,
    THERMO_CUSTOM = 4096,
};

/// The thermograph mode of a display type: its bits of value 2 and 4 cleared.
inline int ThermographMode(int typeThermo) {
    return typeThermo & ~6;
}

/// Whether a mode's values change with the status quo: the vote modes read the vote grid about
/// it; every other map is the same wherever the status quo stands.
inline bool ThermographModeFollowsStatusQuo(int mode) {
    return mode == THERMO_TOTAL || mode == THERMO_DECISION || mode == THERMO_MARGINAL;
}

/// One level of the custom distribution: the cells whose value is not above t, counted, and
/// the members whose ideal points lie in them.
struct SThermographLevel {
    double t = 0.0;
    long long cells = 0;
    int members = 0;
};

/// The value of every pixel of the chart under one thermograph mode, as plain data for the
/// painter: one double per pixel, row by row from the top, and the range the colour scale spans.
struct SThermographGrid {
    int mode = 0;
    /// The chart's pixel rectangle: columns left .. right - 1, rows top .. bottom - 1.
    SIntRect pixels;
    std::vector<double> values;
    double largest = 0.0;
    double smallest = 0.0;
    /// Pixels whose value does not exceed this stay unpainted (the vote modes' lower bounds).
    double paintAbove = -std::numeric_limits<double>::infinity();
    /// The levels of the custom distribution, smallest t first (other modes have none).
    std::vector<SThermographLevel> levels;
    /// Where each pixel lies under the win-set value maps, row by row like the values: +1 in
    /// the uncovered set, -1 elsewhere in the Pareto set, 0 in neither (no value computed).
    /// Empty for the modes that give every pixel a value.
    std::vector<signed char> location;

    int Columns() const { return pixels.right - pixels.left; }
    int Rows() const { return pixels.bottom - pixels.top; }
    /// The value of a pixel, counted from the rectangle's top left corner.
    double At(int column, int row) const {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns()) +
                      static_cast<std::size_t>(column)];
    }
    double& At(int column, int row) {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(Columns()) +
                      static_cast<std::size_t>(column)];
    }
};

/// What a value map needs besides the game: the uncovered-set parameters of the document and
/// the number of worker threads (0: one per core of the machine).
struct SThermographSettings {
    int uncoveredGrid = 20;
    int excludeYolk = 0;
    int uncoveredBJS = 1;
    int threads = 0;
    /// Whether plain trade-off regions are scanned from their outlines (otherwise every
    /// region comes from the member's own builder; the values are the same).
    bool scanOutlines = true;
};
