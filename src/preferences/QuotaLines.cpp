#include "preferences/QuotaLines.h"

#include "model/BaseVote.h"
#include "model/Member.h"
#include "model/VotingGame.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

/// Classifies the line A-B; false when it is neither a quota line nor qualified.
bool Classify(CQuotaLine& line, const SSideWeights& w, int statusQuoSide, double q, double t) {
    switch (QuotaLineKind(w, q, t)) {
    case EQuotaLineKind::None:
        break;
    case EQuotaLineKind::BothSides:
        line.quotaLine = line.qualified = true;
        break;
    case EQuotaLineKind::PositiveExactly:
        line.quotaLine = true;
        line.qualified = statusQuoSide != 1;
        break;
    case EQuotaLineKind::NegativeExactly:
        line.quotaLine = true;
        line.qualified = statusQuoSide != -1;
        break;
    }
    return line.quotaLine || line.qualified;
}

int SideOf(const CFPoint& a, const CFPoint& b, const CFPoint& p) {
    return SideOfLine(b.x - a.x, b.y - a.y, p.x - a.x, p.y - a.y);
}

bool AlreadyListed(const std::vector<CQuotaLine>& lines, const CFLineSeg& segment) {
    for (const CQuotaLine& line : lines)
        if (line.segment.IsCoincident(segment))
            return true;
    return false;
}

} // namespace

SSideWeights WeighSides(const std::vector<CMember*>& members, const CFPoint& a, const CFPoint& b) {
    SSideWeights w;
    for (const CMember* m : members) {
        if (m->PrefType() == PREF_ABSTAIN)
            continue;
        const int side = SideOf(a, b, m->IdealPoint());
        (side > 0 ? w.positive : (side < 0 ? w.negative : w.on)) += m->EffectiveVote();
    }
    return w;
}

bool ClassifyWeighedLine(CQuotaLine& line, const SSideWeights& weights, const CFPoint& statusQuo) {
    line.quotaLine = line.qualified = false;
    const CFPoint& pa = line.segment.GetP1();
    const CFPoint& pb = line.segment.GetP2();
    return Classify(line, weights, SideOf(pa, pb, statusQuo), line.quota, line.voteTotal);
}

bool ClassifyQuotaLine(const CVotingGame& game, CQuotaLine& line) {
    line.voteTotal = game.VoteTotal();
    line.quota = game.VoteQuota();
    return ClassifyWeighedLine(
        line, WeighSides(game.Members(), line.segment.GetP1(), line.segment.GetP2()),
        game.StatusQuo());
}

std::vector<CQuotaLine> FindQuotaLinesNaive(const CVotingGame& game) {
    const double q = game.VoteQuota();
    const double t = game.VoteTotal();
    const std::vector<CMember*>& members = game.Members();
    std::vector<CQuotaLine> lines;
    for (size_t i = 0; i < members.size(); ++i) {
        const CMember* a = members[i];
        if (a->PrefType() == PREF_ABSTAIN)
            continue;
        for (size_t j = i + 1; j < members.size(); ++j) {
            const CMember* b = members[j];
            const CFPoint& pa = a->IdealPoint();
            const CFPoint& pb = b->IdealPoint();
            if (b->PrefType() == PREF_ABSTAIN ||
                (std::fabs(pa.x - pb.x) <= 1e-7 && std::fabs(pa.y - pb.y) <= 1e-7))
                continue;
            CQuotaLine line{CFLineSeg(pa, pb), a, b, t, q};
            if (ClassifyQuotaLine(game, line) && !AlreadyListed(lines, line.segment))
                lines.push_back(line);
        }
    }
    return lines;
}

namespace {

/// Refuses, cheaply and never wrongly, most ideal-point spokes: the status quo reflected
/// through the ideal point b beats the status quo only with the support of the members on the
/// far side of the line through b at right angles to the spoke (the reflected point and the
/// status quo are equally far from every point of it). A member clearly on the status quo's
/// side cannot support the reflected point, whatever the rounding of the distances; when the
/// votes of the others (negative ones taken as 0) fall short of the quota, the point loses.
/// Added in member order, as the member-by-member count adds its support, that sum is never
/// below the count's, so what this refuses the count refuses too.
class CReflectionBound {
public:
    explicit CReflectionBound(const CVotingGame& game)
        : m_sq(game.StatusQuo()), m_quota(game.VoteQuota()) {
        double reach = std::max(std::fabs(m_sq.x), std::fabs(m_sq.y));
        for (const CMember* member : game.Members()) {
            const CFPoint& p = member->IdealPoint();
            m_usable = m_usable && p.z == 0.0;
            m_points.push_back(p);
            m_votes.push_back(std::max(0.0, BaseVote(*member)));
            reach = std::max({reach, std::fabs(p.x), std::fabs(p.y)});
        }
        m_usable = m_usable && m_sq.z == 0.0 && std::isfinite(reach);
        // Distances rounded near the last bit of squares of coordinates up to three times the
        // reach stay far inside this margin.
        m_margin = 1e-9 * (3.0 * reach + 1.0) * (3.0 * reach + 1.0);
        if (m_usable)
            SortByDistance();
    }

    /// False only where the reflected point surely does not beat the status quo.
    bool MayBeat(const CFPoint& b) const {
        if (!m_usable)
            return true;
        const double ux = b.x - m_sq.x, uy = b.y - m_sq.y;
        if (FarVotesFallShort(std::hypot(ux, uy)))
            return false;
        double upper = 0.0;
        for (std::size_t i = 0; i < m_points.size(); ++i) {
            const double side = 4.0 * ((m_points[i].x - b.x) * ux + (m_points[i].y - b.y) * uy);
            upper += side >= -m_margin ? m_votes[i] : 0.0;
        }
        return upper >= m_quota;
    }

private:
    /// Orders the members' distances from the status quo and sums their votes from the far end.
    void SortByDistance() {
        std::vector<std::pair<double, double>> byDistance;
        for (std::size_t i = 0; i < m_points.size(); ++i)
            byDistance.emplace_back(std::hypot(m_points[i].x - m_sq.x, m_points[i].y - m_sq.y),
                                    m_votes[i]);
        std::sort(byDistance.begin(), byDistance.end());
        m_farVotes.assign(byDistance.size() + 1, 0.0);
        for (std::size_t i = byDistance.size(); i-- > 0;)
            m_farVotes[i] = m_farVotes[i + 1] + byDistance[i].second;
        for (const auto& [distance, vote] : byDistance)
            m_distances.push_back(distance);
        m_slack = 1e-9 * (m_farVotes.front() + 1.0);
    }

    /// Whether the members at least about as far from the status quo as b, `spoke` away,
    /// hold too few votes to carry the reflected point: a member on the far side of the line
    /// through b lies at least the spoke's length away (its distance along the spoke alone is
    /// that much), less what the margin allows. Taken generously, so that it refuses only
    /// what the member-by-member sum refuses.
    bool FarVotesFallShort(double spoke) const {
        if (!(spoke > 0.0))
            return false;
        const double nearest = spoke * (1.0 - 1e-9) - m_margin / spoke;
        const auto first = std::lower_bound(m_distances.begin(), m_distances.end(), nearest);
        return m_farVotes[first - m_distances.begin()] + m_slack < m_quota;
    }

    CFPoint m_sq;
    double m_quota;
    double m_margin = 0.0;
    bool m_usable = true;
    std::vector<CFPoint> m_points;
    std::vector<double> m_votes;
    /// The members' distances from the status quo, nearest first, and the votes of the members
    /// from each of them outwards (one more entry: none).
    std::vector<double> m_distances;
    std::vector<double> m_farVotes;
    /// What the sums' order of addition may move them by.
    double m_slack = 0.0;
};

} // namespace

SSpokes FindSpokes(const CVotingGame& game, const std::vector<CQuotaLine>& quotaLines,
                   bool bounded) {
    SSpokes result;
    const CFPoint& sq = game.StatusQuo();
    for (const CQuotaLine& line : quotaLines) {
        const CFPoint& a = line.segment.GetP1();
        const CFPoint& b = line.segment.GetP2();
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double u = ((sq.x - a.x) * dx + (sq.y - a.y) * dy) / (dx * dx + dy * dy);
        const CFLineSeg spoke(sq, CFPoint(a.x + u * dx, a.y + u * dy));
        if (spoke.GetLength() > 1e-7) {
            result.spokes.push_back(spoke);
            result.length = std::max(result.length, spoke.GetLength());
        }
    }
    std::optional<CReflectionBound> bound;
    if (bounded)
        bound.emplace(game);
    for (const CMember* member : game.Members()) {
        const CFPoint& b = member->IdealPoint();
        const CFLineSeg spoke(b, sq);
        const double c = spoke.GetLength();
        if (c > result.length && (!bound || bound->MayBeat(b)) &&
            game.PointBeatsStatusQuo(CFPoint(2 * b.x - sq.x, 2 * b.y - sq.y))) {
            result.length = c;
            result.spokes.push_back(spoke);
        }
    }
    return result;
}

bool AreSpokesInside(const std::vector<CFLineSeg>& spokes, const SEdges& window) {
    const auto inside = [&window](const CFPoint& p) {
        return p.x >= window.left && p.x <= window.right && p.y >= window.bottom &&
               p.y <= window.top;
    };
    for (const CFLineSeg& spoke : spokes) {
        const CFPoint& start = spoke.GetP1();
        const CFPoint& end = spoke.GetP2();
        const CFPoint beyond(2 * start.x - end.x, 2 * start.y - end.y);
        if (!inside(beyond) || !inside(end))
            return false;
    }
    return true;
}
