#pragma once

#include <vector>

/// Whether every vote is a whole number of 2^-20 and the votes together stay far below 2^53
/// such units: then every partial sum of them is exact, so any order of adding them up gives
/// the same sum to the last bit.
bool VotesAddUpExactly(const std::vector<double>& votes);
