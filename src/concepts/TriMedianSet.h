#pragma once

#include "geometry/FPolygon.h"

#include <optional>
#include <vector>

class CMember;

/// What the median lines are built from: the members, the quota, the point the lines of the
/// directions pass through and where an end that never reaches the quota stays.
struct SMedianBody {
    const std::vector<CMember*>& members;
    double quota = 0.0;
    CFPoint through;
    CFPoint fallback;
};

/// The Tri-Median set: the hull of the points where three median lines of well-spread
/// directions (consecutive angles under a right angle apart, the outer two more) meet within
/// the tolerance. Reports progress in status pane 1 and stops at the cancel poll, keeping what
/// it found; no polygon for fewer than three distinct points or no directions.
std::optional<CFPolygon> FindTriMedianPolygon(const SMedianBody& body, double tolerance,
                                              int directions);

/// The Schattschneider set: where the median lines of two perpendicular directions cross, as
/// the pair turns through a right angle in `directions` steps (32 for 0 or less).
CFPolygon FindSchattschneiderPolygon(const SMedianBody& body, int directions);
