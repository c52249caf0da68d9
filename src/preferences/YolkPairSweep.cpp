#include "preferences/YolkPairSweep.h"

#include "model/Member.h"
#include "model/VotingGame.h"
#include "preferences/MemberFan.h"
#include "preferences/QuotaLineIndex.h"
#include "preferences/QuotaLineSweep.h"

#include <algorithm>
#include <cmath>

namespace {

/// The line through p at right angles to d, as the pair test draws it.
CFLineSeg Perpendicular(const CFPoint& p, const CFPoint& d) {
    return CFLineSeg(p, CFPoint(p.x - d.y, p.y + d.x));
}

class CPairSweep {
public:
    CPairSweep(const CVotingGame& game, const std::vector<SMemberPower>& ranked)
        : m_game(game), m_ranked(ranked), m_voters(game.Members()), m_n(ranked.size()),
          m_passes(m_n * m_n, 0), m_quota(game.VoteQuota()), m_total(game.VoteTotal()),
          m_fan(m_voters) {}

    /// Tests the perpendicular through every ranked member for each of its pairs (a later
    /// member only for the pairs whose earlier member's perpendicular passed).
    void Run(const CFPoint& centre);
    /// Whether both perpendiculars of the pair (i < j) are quota lines.
    bool BothPass(std::size_t i, std::size_t j) const {
        return m_passes[i * m_n + j] && m_passes[j * m_n + i];
    }
    /// The perpendicular through member x of its pair with y, with its flags.
    CQuotaLine Line(std::size_t x, std::size_t y) const;
    bool Valid(std::size_t i, std::size_t j, const CFPoint& centre) const;

private:
    CFPoint Point(std::size_t x) const { return m_ranked[x].member->IdealPoint(); }
    /// The direction the pair (min, max) stands across: from the earlier to the later member.
    CFPoint Across(std::size_t x, std::size_t y) const {
        const CFPoint& a = Point(std::min(x, y));
        const CFPoint& v = Point(std::max(x, y));
        return CFPoint(v.x - a.x, v.y - a.y);
    }
    void TestFrom(std::size_t x, const CFPoint& centre);
    void Record(std::size_t x, std::size_t y, const SSideWeights& w);

    const CVotingGame& m_game;
    const std::vector<SMemberPower>& m_ranked;
    CVoterSet m_voters;
    std::size_t m_n;
    std::vector<char> m_passes;
    // The weights of the passing lines, by pair position, sorted once the sweep is done.
    std::vector<std::pair<std::size_t, SSideWeights>> m_weights;
    std::vector<CMemberFan::SQuery> m_queries;
    double m_quota;
    double m_total;
    CMemberFan m_fan;
};

bool CPairSweep::Valid(std::size_t i, std::size_t j, const CFPoint& centre) const {
    const CFPoint& a = Point(i);
    const CFPoint& v = Point(j);
    // Coincident points give no direction to stand across.
    return !(a == centre || v == centre ||
             (std::fabs(a.x - v.x) <= 1e-7 && std::fabs(a.y - v.y) <= 1e-7));
}

CQuotaLine CPairSweep::Line(std::size_t x, std::size_t y) const {
    CQuotaLine line{Perpendicular(Point(x), Across(x, y)), m_ranked[x].member};
    line.voteTotal = m_total;
    line.quota = m_quota;
    const auto found = std::lower_bound(
        m_weights.begin(), m_weights.end(), x * m_n + y,
        [](const std::pair<std::size_t, SSideWeights>& e, std::size_t at) { return e.first < at; });
    ClassifyWeighedLine(line, found->second, m_game.StatusQuo());
    return line;
}

void CPairSweep::Record(std::size_t x, std::size_t y, const SSideWeights& w) {
    const double q = m_quota, t = m_total;
    SSideWeights weights = w;
    const CFPoint& p = Point(x);
    const CFLineSeg segment = Perpendicular(p, Across(x, y));
    if (NeedsRecount(w, q, t, m_voters.SumError()))
        weights = WeighSides(m_game.Members(), p, segment.GetP2());
    if (!MayBeQuotaLine(weights, q, t))
        return;
    CQuotaLine line{segment, m_ranked[x].member, nullptr, t, q};
    if (ClassifyWeighedLine(line, weights, m_game.StatusQuo())) {
        m_passes[x * m_n + y] = 1;
        m_weights.emplace_back(x * m_n + y, weights);
    }
}

void CPairSweep::TestFrom(std::size_t x, const CFPoint& centre) {
    const CFPoint p = Point(x);
    const double near2 = m_voters.Near() * m_voters.Near();
    std::vector<CMemberFan::SQuery>& queries = m_queries;
    queries.clear();
    for (std::size_t y = 0; y < m_n; ++y) {
        // A pair counts only when both its perpendiculars pass; the earlier member's was
        // tested first, so the later member tests only the pairs that one left standing.
        if (y == x || (y < x && !m_passes[y * m_n + x]) ||
            !Valid(std::min(x, y), std::max(x, y), centre))
            continue;
        const CFPoint d = Across(x, y);
        // The same differences as the side test of the drawn line takes.
        const double ex = (p.x - d.y) - p.x, ey = (p.y + d.x) - p.y;
        if (ex * ex + ey * ey < near2)
            Record(x, y, WeighSides(m_game.Members(), p, Perpendicular(p, d).GetP2()));
        else
            queries.push_back({ex, ey, DirectionKey(ex, ey), static_cast<int>(y), {}});
    }
    m_fan.Aim(p.x, p.y);
    m_fan.Weigh(queries);
    for (const CMemberFan::SQuery& query : queries)
        Record(x, static_cast<std::size_t>(query.tag), query.weights);
}

void CPairSweep::Run(const CFPoint& centre) {
    for (std::size_t x = 0; x < m_n; ++x)
        TestFrom(x, centre);
    std::sort(m_weights.begin(), m_weights.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

} // namespace

bool AddPairPerpendicularsSwept(const CVotingGame& game, const std::vector<SMemberPower>& ranked,
                                std::vector<CQuotaLine>& lines, SYolk& yolk) {
    CPairSweep sweep(game, ranked);
    const CFPoint centre = yolk.center;
    sweep.Run(centre);
    CQuotaLineIndex listed;
    for (const CQuotaLine& line : lines)
        listed.File(line.segment);
    bool added = false;
    for (std::size_t i = 0; i < ranked.size(); ++i)
        for (std::size_t j = i + 1; j < ranked.size(); ++j) {
            if (!sweep.Valid(i, j, centre) || !sweep.BothPass(i, j))
                continue;
            yolk.extraPoints.push_back(ranked[i].member->IdealPoint());
            yolk.extraPoints.push_back(ranked[j].member->IdealPoint());
            for (const CQuotaLine& line : {sweep.Line(i, j), sweep.Line(j, i)})
                if (listed.Insert(line.segment))
                    lines.push_back(line);
            added = true;
        }
    return added;
}
