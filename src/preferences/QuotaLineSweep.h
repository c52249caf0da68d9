#pragma once

#include "preferences/MemberFan.h"

#include <vector>

/// Side weights that the sweep could not settle because a sum lies too close to the quota or
/// to what the others leave (votes that do not add up exactly); the caller weighs that line
/// member by member instead.
bool NeedsRecount(const SSideWeights& w, double quota, double total, double sumError);
