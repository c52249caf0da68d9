#pragma once

#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <vector>

/// The cells x0 .. x1 - 1 of grid row y.
struct SCellRun {
    int y = 0;
    int x0 = 0;
    int x1 = 0;
    bool operator==(const SCellRun&) const = default;
};

/// The region of row runs sorted by row, then column, that do not overlap. Runs that touch are
/// joined and rows with the same runs share one band, the form the platform keeps its regions
/// in, so the region is made in one call.
CRgn RgnFromRuns(const std::vector<SCellRun>& runs);

/// The cells a shape keeps when it becomes a region under a map: the chart's device rectangle
/// widened by twice its width and height on every side. Shapes reaching past it are cut there,
/// so a member far away or a high zoom costs no more than the chart; every cell of the chart,
/// and every point a spoke or a reflection from inside the chart can reach, keeps its answer.
SIntRect RegionWindow(const CGridMap& map);
