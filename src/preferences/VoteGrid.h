#pragma once

#include "geometry/GridMap.h"
#include "geometry/Region.h"

class CVotingGame;

/// The summed vote values of the members at every cell of the chart grid: one double per
/// cell over the map's device rectangle, the last row and column left at 0.
class CVoteGrid {
public:
    /// Adds up every member's vote value over its region's row runs, in member order, so each
    /// cell sums the same values in the same order as the cell-by-cell count. Shows progress
    /// for large bodies and stops at the cancel poll after a member; false when stopped.
    bool Build(const CVotingGame& game);
    /// The reference count: every cell's issue-space point against every member's vote value.
    static CRegion BuildNaive(const CVotingGame& game);

    const CRegion& Grid() const { return m_grid; }
    /// The device rectangle the grid covers, ordered so that left <= right and top <= bottom.
    const SIntRect& Device() const { return m_device; }

private:
    CRegion m_grid;
    SIntRect m_device;
};

/// The map's device rectangle with left <= right and top <= bottom.
SIntRect OrderedDeviceRect(const CGridMap& map);
