#pragma once

#include "geometry/FPoint.h"

#include <vector>

class CMember;

/// The estimated Copeland winner: the ideal points weighted by the members' power values. With
/// fewer than three members, or when no member has power, the plain mean of the ideal points;
/// without members the fallback point.
CFPoint CopelandPoint(const std::vector<CMember*>& members, const std::vector<double>& power,
                      const CFPoint& fallback);

/// The Borda winner: the mean of the ideal points of the members that do not abstain; the
/// fallback point when every member abstains.
CFPoint BordaPoint(const std::vector<CMember*>& members, const CFPoint& fallback);
