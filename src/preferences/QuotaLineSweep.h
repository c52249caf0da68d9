#pragma once

#include "preferences/BucketFan.h"

#include <cstddef>
#include <functional>
#include <vector>

class CVotingGame;

/// Side weights that the sweep could not settle because a sum lies too close to the quota or
/// to what the others leave (votes that do not add up exactly); the caller weighs that line
/// member by member instead.
bool NeedsRecount(const SSideWeights& w, double quota, double total, double sumError);

/// Shown the fan aimed at one member's ideal point (by its index in the member list).
using FApexVisit = std::function<void(std::size_t member, CApexFan& fan)>;

/// The quota lines as FindQuotaLines finds them, for a body whose voter set can be swept.
/// When `visit` is set, the fan aimed at every member's ideal point (abstainers too), in list
/// order, is also shown to it once that member's own lines are weighed, so that another sweep
/// from the same apexes does without aiming a fan of its own. `kind` picks the fan.
std::vector<CQuotaLine> FindQuotaLinesSwept(const CVotingGame& game, const CVoterSet& voters,
                                            const FApexVisit& visit = {},
                                            EApexFan kind = EApexFan::Best);
