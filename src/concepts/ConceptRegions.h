#pragma once

#include "geometry/FRect.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

/// The issue-space rectangle of a region's bounding box; all zero when it has no cells.
CFRect RegionBounds(const CRgn& rgn, const CGridMap& map);
