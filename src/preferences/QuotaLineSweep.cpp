#include "preferences/QuotaLineSweep.h"

#include "model/Member.h"
#include "model/VotingGame.h"
#include "preferences/QuotaLineIndex.h"

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

/// The side weights of every line from member i to a later member, by member index; lines
/// the sweep leaves to the member-by-member count are weighed that way.
void WeighLinesFrom(const CVotingGame& game, const CVoterSet& voters, CMemberFan& fan,
                    std::size_t i, double q, double t, std::vector<SSideWeights>& weights,
                    std::vector<char>& valid, std::vector<char>& swept) {
    const std::vector<CMember*>& members = game.Members();
    const CFPoint& pa = members[i]->IdealPoint();
    std::fill(swept.begin(), swept.end(), 0);
    fan.Aim(pa.x, pa.y);
    fan.WeighLinesToVoters(static_cast<int>(i), weights, swept);
    for (std::size_t j = i + 1; j < members.size(); ++j) {
        const CFPoint& pb = members[j]->IdealPoint();
        valid[j] = members[j]->PrefType() != PREF_ABSTAIN &&
                   !(std::fabs(pa.x - pb.x) <= 1e-7 && std::fabs(pa.y - pb.y) <= 1e-7);
        if (valid[j] && (!swept[j] || NeedsRecount(weights[j], q, t, voters.SumError())))
            weights[j] = voters.WeighSides(pa, pb);
    }
}

} // namespace

std::vector<CQuotaLine> FindQuotaLinesSwept(const CVotingGame& game, const CVoterSet& voters,
                                            const FApexVisit& visit) {
    const double q = game.VoteQuota();
    const double t = game.VoteTotal();
    const std::vector<CMember*>& members = game.Members();
    std::vector<SSideWeights> weights(members.size());
    std::vector<char> valid(members.size(), 0), swept(members.size(), 0);
    CQuotaLineIndex listed;
    std::vector<CQuotaLine> lines;
    CMemberFan fan(voters);
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i]->PrefType() == PREF_ABSTAIN) {
            if (visit) {
                const CFPoint& p = members[i]->IdealPoint();
                fan.Aim(p.x, p.y);
                visit(i, fan);
            }
            continue;
        }
        WeighLinesFrom(game, voters, fan, i, q, t, weights, valid, swept);
        for (std::size_t j = i + 1; j < members.size(); ++j) {
            if (!valid[j] || !MayBeQuotaLine(weights[j], q, t))
                continue;
            CQuotaLine line{CFLineSeg(members[i]->IdealPoint(), members[j]->IdealPoint()),
                            members[i], members[j], t, q};
            if (ClassifyWeighedLine(line, weights[j], game.StatusQuo()) &&
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
