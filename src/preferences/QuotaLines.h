#pragma once

#include "geometry/FCircle.h"
#include "geometry/FLine.h"
#include "geometry/GridMap.h"

#include <vector>

class CMember;
class CVotingGame;

/// A line through two members' ideal points that splits the body so that a quota lies on each
/// closed side; qualified when the status quo's side lets the line bound the win set.
struct CQuotaLine {
    CFLineSeg segment;
    const CMember* memberA = nullptr;
    const CMember* memberB = nullptr;
    double voteTotal = 0.0;
    double quota = 0.0;
    bool quotaLine = false;
    bool qualified = false;

    /// The distance between the two ideal points.
    double Distance() const { return segment.GetLength(); }
    /// The ellipse with foci at the two ideal points and the given eccentricity.
    CFEllipse Ellipse(double eccentricity) const {
        return CFEllipse::FromFoci(segment.GetP1(), segment.GetP2(), eccentricity);
    }
};

/// The summed effective votes of the voting members on each side of a line and on it.
struct SSideWeights {
    double positive = 0.0;
    double negative = 0.0;
    double on = 0.0;
};

/// Which side of the line from a through b the point lies on: +1 left (the cross product
/// exceeds 1e-8), -1 right, 0 on the line. The one side test every quota-line count uses.
inline int SideOfLine(double ex, double ey, double vx, double vy) {
    const double c = ex * vy - ey * vx;
    return c > 1e-8 ? 1 : (c < -1e-8 ? -1 : 0);
}

/// Whether a line with these side weights can be a quota line at all: neither open side holds
/// a quota while the other holds more than the rest.
inline bool MayBeQuotaLine(const SSideWeights& w, double quota, double total) {
    return (w.positive < quota && w.negative <= total - quota) ||
           (w.positive <= total - quota && w.negative < quota);
}

/// How a line with these side weights counts, whatever the status quo's side: not at all, as a
/// line with a quota on each closed side, or as one whose positive (or negative) closed side
/// holds exactly the quota while the other open side holds no more than the rest. Only the
/// last two leave the line's qualification to the status quo.
enum class EQuotaLineKind { None, BothSides, PositiveExactly, NegativeExactly };

inline EQuotaLineKind QuotaLineKind(const SSideWeights& w, double quota, double total) {
    if (!MayBeQuotaLine(w, quota, total))
        return EQuotaLineKind::None;
    const double wp = w.positive, wn = w.negative, wo = w.on;
    if (wo + wp >= quota && wo + wn >= quota)
        return EQuotaLineKind::BothSides;
    if (wo + wp == quota && wn <= total - quota)
        return EQuotaLineKind::PositiveExactly;
    if (wo + wn == quota && wp <= total - quota)
        return EQuotaLineKind::NegativeExactly;
    return EQuotaLineKind::None;
}

/// The side weights of the line A-B, summed member by member in list order (the reference).
SSideWeights WeighSides(const std::vector<CMember*>& members, const CFPoint& a, const CFPoint& b);

/// Sets the line's flags from its side weights and the status quo, against the quota and
/// vote total it carries; true when it is a quota line or qualified.
bool ClassifyWeighedLine(CQuotaLine& line, const SSideWeights& weights, const CFPoint& statusQuo);

/// Classifies the line through the segment's two points against the game's members, quota and
/// status quo, setting its flags; true when it is a quota line or qualified.
bool ClassifyQuotaLine(const CVotingGame& game, CQuotaLine& line);

/// The quota lines of the game's members under its decision rule, without repeats, in the
/// order of their first pair: each member's view of the others swept by direction.
std::vector<CQuotaLine> FindQuotaLines(const CVotingGame& game);

/// The reference: every pair of members weighed against every member, and each new line
/// compared with every listed one. Gives the same lines in the same order.
std::vector<CQuotaLine> FindQuotaLinesNaive(const CVotingGame& game);

/// The spokes of the status quo: perpendiculars to the quota lines and the qualifying
/// ideal-point spokes, with the greatest spoke length.
struct SSpokes {
    std::vector<CFLineSeg> spokes;
    double length = 0.0;
};

/// Builds the spokes from the quota lines and the members' ideal points. `bounded` lets a
/// cheap sure bound refuse ideal-point spokes before the member-by-member count; without it
/// (the reference) every candidate asks the count. The same spokes either way.
SSpokes FindSpokes(const CVotingGame& game, const std::vector<CQuotaLine>& quotaLines,
                   bool bounded = true);

/// Whether every spoke, lengthened by its own length beyond its start, lies in the window.
bool AreSpokesInside(const std::vector<CFLineSeg>& spokes, const SEdges& window);
