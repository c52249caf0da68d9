#pragma once

#include "geometry/GridMap.h"
#include "geometry/Region.h"

class CVotingGame;

/// How the vote grid adds up the members' votes.
enum class EVoteGridMethod {
    /// Each member's constant vote at the two ends of every row run of its region, then one
    /// running sum per row; members whose vote varies inside the region (or votes that do not
    /// add up exactly in any order) are added cell by cell instead.
    RunEnds,
    /// Each member's vote added to every cell of its row runs, in member order.
    RunCells,
};

/// Where the vote grid takes each member's cells from.
enum class ECellSource {
    /// A member whose region is not at hand and is one shape's cells (plain trade-off,
    /// expected-utility and independent members) gives its cells row by row from its
    /// preference, without a region; every other member from its region.
    MemberRows,
    /// Every member from its region (built first where it is not at hand): the reference.
    Regions,
};

/// The summed vote values of the members at every cell of the chart grid: one double per
/// cell over the map's device rectangle, the last row and column left at 0.
class CVoteGrid {
public:
    /// Adds up every member's vote value over its cells' row runs; each cell gets the same
    /// sum as the cell-by-cell count, bit for bit, whatever the source of the cells. Shows
    /// progress for large bodies and stops at the cancel poll after a member (keeping what was
    /// added); false when stopped.
    bool Build(const CVotingGame& game, EVoteGridMethod method = EVoteGridMethod::RunEnds,
               ECellSource source = ECellSource::MemberRows);
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
