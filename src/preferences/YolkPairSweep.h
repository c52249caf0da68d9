#pragma once

#include "concepts/PowerIndex.h"
#include "preferences/BucketFan.h"
#include "preferences/PairPerpendiculars.h"

#include <vector>

class CVoterSet;
class CVotingGame;

/// The even-total second pass's pair tests by direction sweeps, for bodies whose voter set can
/// be swept: the perpendicular through each ranked member across each of its pairs is weighed
/// through a fan aimed at that member's ideal point, which first rules out (without weighing)
/// the perpendiculars that surely are none. A pair counts only when both its perpendiculars
/// pass, so the member whose turn comes later tests only the pairs the other left standing.
/// The same pairs and weights as testing every pair against every member.
SPairPerpendiculars FindPairPerpendiculars(const CVotingGame& game,
                                           const std::vector<SMemberPower>& ranked,
                                           const CVoterSet& voters, EApexFan kind = EApexFan::Best);

/// The quota lines (the same as FindQuotaLines) and the pair record of the ranked members
/// from one fan per member: the quota-line sweep aims a fan at every member's ideal point,
/// and the pair tests from that member are weighed through the same fan.
std::vector<CQuotaLine> FindQuotaLinesAndPairs(const CVotingGame& game,
                                               const std::vector<SMemberPower>& ranked,
                                               const CVoterSet& voters, SPairPerpendiculars& record,
                                               EApexFan kind = EApexFan::Best);
