#pragma once

#include "preferences/QuotaLines.h"

#include <cstddef>
#include <vector>

class CMember;
struct SMemberPower;
struct SYolk;

/// The line through p at right angles to the direction d, as the second pass draws it.
inline CFLineSeg PerpendicularThrough(const CFPoint& p, const CFPoint& d) {
    return CFLineSeg(p, CFPoint(p.x - d.y, p.y + d.x));
}

/// What the even-total second pass of the yolk needs to know of a body: the pairs of ranked
/// members whose perpendiculars to the line joining them, one through each member, are both
/// quota lines, with the side weights of both lines. Whether a line is a quota line does not
/// depend on the status quo or on the yolk centre, so the record holds as long as the body,
/// its rule and its ranking do; the game keeps it beside its quota lines.
struct SPairPerpendiculars {
    struct SPair {
        /// Rank positions, i < j.
        std::size_t i = 0;
        std::size_t j = 0;
        /// The side weights of the perpendicular through i and of the one through j.
        SSideWeights throughI;
        SSideWeights throughJ;
    };

    /// Whether the record was filled at all.
    bool known = false;
    /// The members in the rank order the pairs were found for; the direction a pair stands
    /// across runs from its earlier to its later member.
    std::vector<const CMember*> ranking;
    double quota = 0.0;
    double total = 0.0;
    /// In rank order of (i, j).
    std::vector<SPair> pairs;

    /// Whether the record was found for this ranking under this quota and vote total.
    bool Fits(const std::vector<SMemberPower>& ranked, double quota, double total) const;
};

/// Adds the record's pairs (those whose members both differ from the yolk centre) as the
/// second pass does: both ideal points join the extra points and both perpendiculars, their
/// flags set against the status quo, join `lines` unless an equal line is listed; true when
/// any pair was added.
bool AddRecordedPairs(const SPairPerpendiculars& record, const CFPoint& statusQuo,
                      std::vector<CQuotaLine>& lines, SYolk& yolk);
