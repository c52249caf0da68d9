#pragma once

#include "concepts/PowerIndex.h"
#include "preferences/Yolk.h"

#include <vector>

/// The even-total second pass of the yolk by direction sweeps: for every pair of ranked
/// members (in rank order) whose perpendiculars to the line joining them, one through each,
/// are both quota lines, both points join the extra points and both lines the list (unless
/// listed). The same pairs, points and lines in the same order as testing every pair against
/// every member; true when any pair was found. For bodies whose voter set can be swept.
bool AddPairPerpendicularsSwept(const CVotingGame& game, const std::vector<SMemberPower>& ranked,
                                std::vector<CQuotaLine>& lines, SYolk& yolk);
