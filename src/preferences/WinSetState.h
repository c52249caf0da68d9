#pragma once

#include "geometry/MappedRegion.h"
#include "preferences/PairPerpendiculars.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"

#include <QPoint>

#include <vector>

/// The game's cached win-set concepts: the vote grid, the win set and the captured win set,
/// the quota lines, the spokes and the petals.
struct SWinSetState {
    CVoteGrid voteGrid;
    CMappedRegion winSet;
    CMappedRegion captured;
    /// The quota lines through two members, followed by any the yolk's second pass added.
    std::vector<CQuotaLine> quotaLines;
    /// How many of `quotaLines` pass through two members.
    size_t twoMemberLines = 0;
    /// The pair tests of the yolk's even second pass, which hold as long as the quota lines.
    SPairPerpendiculars yolkPairs;
    SSpokes spokes;
    std::vector<QPoint> petals;
};

/// The cells inside the win set where the number of supporting votes changes, and every
/// qualifying cell on the edge of the device rectangle; false when cancelled part way.
bool FindPetals(const CRegion& grid, const SIntRect& device, double quota,
                std::vector<QPoint>& petals);

/// The point of the region's boundary nearest to (or farthest from) P, P itself when the
/// region has no cells.
CFPoint RegionBoundaryPoint(const CMappedRegion& region, const CFPoint& point, bool farthest);
