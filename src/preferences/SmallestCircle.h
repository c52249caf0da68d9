#pragma once

#include "preferences/QuotaLines.h"

#include <vector>

/// A circle found for a list of quota lines.
struct SLineCircle {
    CFPoint centre;
    double radius = 0.0;
};

/// The smallest circle meeting every line of the list: the linear programme in (x, y, r) of
/// least r with every line within r of the centre, solved by adding the line farthest outside
/// the circle to a working set and moving to the working set's optimum, which has that line
/// at distance r. Always ends, after at most one step per line; the radius returned is the
/// greatest distance from the centre to any line. No lines give the origin and radius 0.
SLineCircle FindSmallestCircle(const std::vector<CQuotaLine>& lines);

/// The distance from a point to the line through a segment.
double DistanceToLine(const CFPoint& point, const CFLineSeg& line);
