#include "preferences/QuotaLineSweep.h"

#include "model/Member.h"
#include "model/VotingGame.h"
#include "preferences/QuotaLineIndex.h"

#include <algorithm>
#include <cmath>

bool NeedsRecount(const SSideWeights& w, double quota, double total, double sumError) {
    if (sumError == 0.0)
        return false;
    const double margin = 3.0 * sumError;
    for (double sum : {w.positive, w.negative, w.on + w.positive, w.on + w.negative})
        for (double bound : {quota, total - quota})
            if (std::fabs(sum - bound) <= margin)
                return true;
    return false;
}

namespace {

bool Coincident(const CFPoint& a, const CFPoint& b) {
    return std::fabs(a.x - b.x) <= 1e-7 && std::fabs(a.y - b.y) <= 1e-7;
}

/// Puts member indices above `after` in ascending order: a long list by marking its members
/// and reading the marks in order, a short one by sorting.
void InListOrder(std::vector<int>& list, std::vector<char>& marks, std::size_t after) {
    if (list.size() * 16 < marks.size()) {
        std::sort(list.begin(), list.end());
        return;
    }
    for (int j : list)
        marks[static_cast<std::size_t>(j)] = 1;
    list.clear();
    for (std::size_t j = after + 1; j < marks.size(); ++j)
        if (marks[j]) {
            marks[j] = 0;
            list.push_back(static_cast<int>(j));
        }
}

/// The lines from member i to later members that may be quota lines, as the later members'
/// indices in list order, with their side weights filed by member index; lines the fan leaves
/// to the member-by-member count (or whose sums lie too close to a bound) are weighed that way.
class CLinesFrom {
public:
    CLinesFrom(const CVotingGame& game, const CVoterSet& voters)
        : m_members(game.Members()), m_voters(voters), m_quota(game.VoteQuota()),
          m_total(game.VoteTotal()), m_weights(m_members.size()), m_marks(m_members.size(), 0) {}

    const std::vector<int>& Find(CApexFan& fan, std::size_t i) {
        const CFPoint& pa = m_members[i]->IdealPoint();
        m_found.clear();
        m_unsettled.clear();
        fan.Aim(pa.x, pa.y);
        fan.WeighLinesToVoters(static_cast<int>(i), m_weights, m_found, m_unsettled);
        for (int j : m_found) {
            SSideWeights& w = m_weights[static_cast<std::size_t>(j)];
            if (NeedsRecount(w, m_quota, m_total, m_voters.SumError()))
                w = m_voters.WeighSides(pa, Point(j));
        }
        for (int j : m_unsettled) {
            m_weights[static_cast<std::size_t>(j)] = m_voters.WeighSides(pa, Point(j));
            m_found.push_back(j);
        }
        std::erase_if(m_found, [&](int j) {
            return Coincident(pa, Point(j)) ||
                   !MayBeQuotaLine(m_weights[static_cast<std::size_t>(j)], m_quota, m_total);
        });
        InListOrder(m_found, m_marks, i);
        return m_found;
    }
    const SSideWeights& Weights(int j) const { return m_weights[static_cast<std::size_t>(j)]; }

private:
    const CFPoint& Point(int j) const {
        return m_members[static_cast<std::size_t>(j)]->IdealPoint();
    }

    const std::vector<CMember*>& m_members;
    const CVoterSet& m_voters;
    double m_quota;
    double m_total;
    std::vector<SSideWeights> m_weights;
    std::vector<char> m_marks;
    std::vector<int> m_found;
    std::vector<int> m_unsettled;
};

} // namespace

std::vector<CQuotaLine> FindQuotaLinesSwept(const CVotingGame& game, const CVoterSet& voters,
                                            const FApexVisit& visit, EApexFan kind) {
    const double q = game.VoteQuota();
    const double t = game.VoteTotal();
    const std::vector<CMember*>& members = game.Members();
    CLinesFrom from(game, voters);
    CQuotaLineIndex listed;
    std::vector<CQuotaLine> lines;
    const std::unique_ptr<CApexFan> fanOwner = MakeApexFan(voters, q, t, kind);
    CApexFan& fan = *fanOwner;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i]->PrefType() == PREF_ABSTAIN) {
            if (visit) {
                const CFPoint& p = members[i]->IdealPoint();
                fan.Aim(p.x, p.y);
                visit(i, fan);
            }
            continue;
        }
        for (int j : from.Find(fan, i)) {
            const CMember* b = members[static_cast<std::size_t>(j)];
            CQuotaLine line{CFLineSeg(members[i]->IdealPoint(), b->IdealPoint()), members[i], b, t,
                            q};
            if (ClassifyWeighedLine(line, from.Weights(j), game.StatusQuo()) &&
                listed.Insert(line.segment))
                lines.push_back(line);
        }
        if (visit)
            visit(i, fan);
    }
    return lines;
}

std::vector<CQuotaLine> FindQuotaLines(const CVotingGame& game) {
    const CVoterSet voters(game.Members());
    if (!voters.Sweepable())
        return FindQuotaLinesNaive(game);
    return FindQuotaLinesSwept(game, voters);
}
