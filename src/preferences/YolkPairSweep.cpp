#include "preferences/YolkPairSweep.h"

#include "model/Member.h"
#include "model/VotingGame.h"
#include "preferences/MemberFan.h"
#include "preferences/QuotaLineSweep.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>
#include <utility>

namespace {

class CPairSweep {
public:
    CPairSweep(const CVotingGame& game, const std::vector<SMemberPower>& ranked,
               const CVoterSet& voters);

    /// Tests the perpendiculars through the member (by its index in the member list) across
    /// its pairs, through a fan aimed at its ideal point. Every member comes once, in any
    /// order; a pair whose other member came earlier is tested only if that one's passed.
    void TestFrom(std::size_t member, CApexFan& fan);
    /// The record of the pairs whose perpendiculars both passed.
    SPairPerpendiculars Finish();

private:
    /// The direction the pair stands across: from its earlier to its later ranked member.
    CFPoint Across(std::size_t x, std::size_t y) const {
        const CFPoint& a = m_points[std::min(x, y)];
        const CFPoint& v = m_points[std::max(x, y)];
        return CFPoint(v.x - a.x, v.y - a.y);
    }
    /// Coincident points give no direction to stand across.
    bool Coincident(std::size_t x, std::size_t y) const {
        const CFPoint& a = m_points[x];
        const CFPoint& v = m_points[y];
        return std::fabs(a.x - v.x) <= 1e-7 && std::fabs(a.y - v.y) <= 1e-7;
    }
    void Record(std::size_t x, std::size_t y, const SSideWeights& w);

    const CVotingGame& m_game;
    const std::vector<SMemberPower>& m_ranked;
    const CVoterSet& m_voters;
    std::size_t m_n;
    /// Ideal points in rank order, and each member's rank position by list index.
    std::vector<CFPoint> m_points;
    std::vector<std::size_t> m_rankOf;
    /// Whether the perpendicular through x across its pair with y passed.
    bool Passed(std::size_t x, std::size_t y) const { return m_passed.contains(x * m_n + y); }

    /// The passing perpendiculars, as x * n + y: few beside the n^2 pairs.
    std::unordered_set<std::size_t> m_passed;
    std::vector<char> m_tested;
    /// The members (by list index) without a vote, whom no fan holds.
    std::vector<int> m_nonVoters;
    std::vector<int> m_candidates;
    /// The weights of the passing lines, by x * n + y, and the pairs where both passed.
    std::vector<std::pair<std::size_t, SSideWeights>> m_weights;
    std::vector<std::pair<std::size_t, std::size_t>> m_pairs;
    std::vector<CApexFan::SQuery> m_queries;
    double m_quota;
    double m_total;
};

CPairSweep::CPairSweep(const CVotingGame& game, const std::vector<SMemberPower>& ranked,
                       const CVoterSet& voters)
    : m_game(game), m_ranked(ranked), m_voters(voters), m_n(ranked.size()),
      m_rankOf(game.Members().size(), 0), m_tested(m_n, 0), m_quota(game.VoteQuota()),
      m_total(game.VoteTotal()) {
    m_points.reserve(m_n);
    for (std::size_t x = 0; x < m_n; ++x) {
        m_points.push_back(ranked[x].member->IdealPoint());
        m_rankOf[static_cast<std::size_t>(ranked[x].index)] = x;
    }
    std::vector<char> votes(game.Members().size(), 0);
    for (const CVoterSet::SVoter& v : voters.Voters())
        votes[static_cast<std::size_t>(v.member)] = 1;
    for (std::size_t i = 0; i < votes.size(); ++i)
        if (!votes[i])
            m_nonVoters.push_back(static_cast<int>(i));
}

void CPairSweep::Record(std::size_t x, std::size_t y, const SSideWeights& w) {
    SSideWeights weights = w;
    if (NeedsRecount(w, m_quota, m_total, m_voters.SumError()))
        weights = m_voters.WeighSides(m_points[x],
                                      PerpendicularThrough(m_points[x], Across(x, y)).GetP2());
    if (QuotaLineKind(weights, m_quota, m_total) == EQuotaLineKind::None)
        return;
    m_passed.insert(x * m_n + y);
    m_weights.emplace_back(x * m_n + y, weights);
    if (m_tested[y])
        m_pairs.emplace_back(std::min(x, y), std::max(x, y));
}

void CPairSweep::TestFrom(std::size_t member, CApexFan& fan) {
    const std::size_t x = m_rankOf[member];
    const CFPoint p = m_points[x];
    const double near2 = fan.Near() * fan.Near();
    m_queries.clear();
    // Only the perpendiculars the fan cannot rule out are weighed; the others are none.
    m_candidates.assign(m_nonVoters.begin(), m_nonVoters.end());
    fan.PerpendicularCandidates(m_candidates);
    for (int candidate : m_candidates) {
        const std::size_t y = m_rankOf[static_cast<std::size_t>(candidate)];
        if (y == x || (m_tested[y] && !Passed(y, x)) || Coincident(x, y))
            continue;
        const CFPoint d = Across(x, y);
        // The same differences as the side test of the drawn line takes.
        const double ex = (p.x - d.y) - p.x, ey = (p.y + d.x) - p.y;
        if (ex * ex + ey * ey < near2)
            Record(x, y, m_voters.WeighSides(p, PerpendicularThrough(p, d).GetP2()));
        else
            m_queries.push_back({ex, ey, DirectionKey(ex, ey), static_cast<int>(y), {}});
    }
    fan.Weigh(m_queries);
    for (const CApexFan::SQuery& query : m_queries)
        Record(x, static_cast<std::size_t>(query.tag), query.weights);
    m_tested[x] = 1;
}

SPairPerpendiculars CPairSweep::Finish() {
    const auto byKey = [](const std::pair<std::size_t, SSideWeights>& a,
                          const std::pair<std::size_t, SSideWeights>& b) {
        return a.first < b.first;
    };
    std::sort(m_weights.begin(), m_weights.end(), byKey);
    std::sort(m_pairs.begin(), m_pairs.end());
    const auto weightsAt = [this](std::size_t at) {
        return std::lower_bound(m_weights.begin(), m_weights.end(), at,
                                [](const std::pair<std::size_t, SSideWeights>& e, std::size_t key) {
                                    return e.first < key;
                                })
            ->second;
    };
    SPairPerpendiculars record;
    record.known = true;
    record.quota = m_quota;
    record.total = m_total;
    for (const SMemberPower& entry : m_ranked)
        record.ranking.push_back(entry.member);
    for (const auto& [i, j] : m_pairs)
        record.pairs.push_back({i, j, weightsAt(i * m_n + j), weightsAt(j * m_n + i)});
    return record;
}

} // namespace

SPairPerpendiculars FindPairPerpendiculars(const CVotingGame& game,
                                           const std::vector<SMemberPower>& ranked,
                                           const CVoterSet& voters, EApexFan kind) {
    CPairSweep sweep(game, ranked, voters);
    const std::unique_ptr<CApexFan> fan =
        MakeApexFan(voters, game.VoteQuota(), game.VoteTotal(), kind);
    for (const SMemberPower& entry : ranked) {
        const CFPoint& p = entry.member->IdealPoint();
        fan->Aim(p.x, p.y);
        sweep.TestFrom(static_cast<std::size_t>(entry.index), *fan);
    }
    return sweep.Finish();
}

std::vector<CQuotaLine> FindQuotaLinesAndPairs(const CVotingGame& game,
                                               const std::vector<SMemberPower>& ranked,
                                               const CVoterSet& voters, SPairPerpendiculars& record,
                                               EApexFan kind) {
    CPairSweep sweep(game, ranked, voters);
    std::vector<CQuotaLine> lines = FindQuotaLinesSwept(
        game, voters, [&sweep](std::size_t member, CApexFan& fan) { sweep.TestFrom(member, fan); },
        kind);
    record = sweep.Finish();
    return lines;
}
