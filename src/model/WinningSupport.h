#pragma once

#include <limits>

/// The support a point of the win set has at least: the quota, and some vote all the same when
/// the quota is 0 (a body with no votes to cast), so that such a body has no win set instead
/// of a win set that covers everything.
inline double WinningSupport(double quota) {
    return quota > 0.0 ? quota : std::numeric_limits<double>::min();
}
