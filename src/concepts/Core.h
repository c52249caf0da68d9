#pragma once

#include "geometry/FPoint.h"
#include "geometry/Rgn.h"

#include <vector>

class CVotingGame;
struct CQuotaLine;

/// The core: the points no quota of members can defeat, estimated on the chart grid as the
/// intersection of the half-planes that quota lines cut off as seen from sample points on a
/// circle about the members.
class CCore {
public:
    /// Rebuilds the region; no region is left unless the rule is a super-majority, there are
    /// members and samples is positive.
    void Find(CVotingGame& game, int samples);

    /// The region; it holds none when no core was computed.
    const CRgn& Rgn() const { return m_rgn; }

private:
    CRgn m_rgn;
};

/// The weighted centre of the members (abstaining members weigh nothing, but the vote total
/// still counts them under absolute plurality) and the distance to the farthest ideal point.
struct SCoreCircle {
    CFPoint centre;
    double radius = 0.0;
};

/// The circle the core's sample points lie on.
SCoreCircle FindCoreCircle(const CVotingGame& game);

/// Whether each quota line would be qualified were the status quo at the point: the side sums
/// of a line do not depend on the point, so they are weighed once and the point's side decides.
class CQuotaLineTest {
public:
    CQuotaLineTest(const CVotingGame& game, const std::vector<CQuotaLine>& lines);
    /// Whether line `index` (in the order given) is qualified for a status quo at the point.
    bool QualifiedAt(std::size_t index, const CFPoint& point) const;

private:
    enum class EKind { Never, Always, UnlessPositive, UnlessNegative };
    std::vector<EKind> m_kinds;
    const std::vector<CQuotaLine>& m_lines;
};
