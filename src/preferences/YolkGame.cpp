#include "concepts/CentralState.h"
#include "geometry/FCircle.h"
#include "model/VotingGame.h"
#include "preferences/Cardioid.h"
#include "preferences/CollinearBody.h"
#include "preferences/MemberFan.h"
#include "preferences/WinSetState.h"
#include "preferences/YolkPairSweep.h"

#include <cmath>
#include <optional>
#include <utility>

const SYolk& CVotingGame::GetYolk() {
    SYolk& yolk = CentralState().yolk;
    if (m_stale.IsStale(EConcept::Yolk)) {
        SWinSetState& state = WinSetState();
        if (m_stale.IsStale(EConcept::QuotaLines) && m_members.size() >= 2 &&
            std::fmod(VoteTotal(), 2.0) == 0.0) {
            const CVoterSet voters(m_members);
            if (voters.Sweepable()) {
                // The even second pass tests pairs from every member's ideal point, as the
                // quota-line sweep weighs its lines from there: one fan per member serves
                // both. The ranking comes first; it becomes the game's power index only where
                // the second pass would have computed it.
                std::optional<CPowerIndex> power;
                if (m_stale.IsStale(EConcept::PowerIndex)) {
                    power.emplace();
                    power->Find(m_members, VoteQuota(), kYolkPowerDirections, kYolkPowerOffset);
                }
                const std::vector<SMemberPower> ranked =
                    (power ? *power : CentralState().power).Ranked(m_members, false);
                state.quotaLines = FindQuotaLinesAndPairs(*this, ranked, voters, state.yolkPairs);
                state.twoMemberLines = state.quotaLines.size();
                m_stale.MarkFresh(EConcept::QuotaLines);
                if (power && state.quotaLines.size() >= 2) {
                    CentralState().power = std::move(*power);
                    m_stale.MarkFresh(EConcept::PowerIndex);
                }
            }
        }
        // Renews the lines unless the shared sweep just did.
        GetQuotaLines();
        // The yolk's second pass lists its added lines with the game's quota lines.
        FindYolk(*this, state.quotaLines, yolk, EYolkSearch::Pruned, &state.yolkPairs);
        m_stale.MarkFresh(EConcept::Yolk);
    }
    return yolk;
}

const SLineCircle& CVotingGame::GetExactYolk() {
    SLineCircle& exact = CentralState().exactYolk;
    if (m_stale.IsStale(EConcept::ExactYolk) || m_stale.IsStale(EConcept::QuotaLines)) {
        GetQuotaLines();
        const SWinSetState& state = WinSetState();
        const std::vector<CQuotaLine> twoMember(
            state.quotaLines.begin(),
            state.quotaLines.begin() + static_cast<std::ptrdiff_t>(state.twoMemberLines));
        exact = FindSmallestCircle(twoMember);
        if (const std::optional<SCollinearBody> body = CollinearBody(*this)) {
            exact.centre = CollinearMedian(*body);
            exact.radius = 0.0;
        }
        m_stale.MarkFresh(EConcept::ExactYolk);
    }
    return exact;
}

CFPoint CVotingGame::GetYolkCenter() {
    return GetYolk().center;
}

double CVotingGame::GetYolkRadius() {
    return GetYolk().radius;
}

CFCircle CVotingGame::GetYolkCircle() {
    const SYolk& yolk = GetYolk();
    return CFCircle(yolk.center, yolk.radius);
}

bool CVotingGame::IsInsideYolk(const CFPoint& point) {
    const SYolk& yolk = GetYolk();
    return yolk.center.Distance(point) <= yolk.radius;
}

SYolk CVotingGame::GetYolkForVoteFraction(double fraction) {
    const double saved = m_voteRule;
    SetVoteRule(fraction);
    m_stale.MarkStale(EConcept::Yolk);
    SYolk yolk = GetYolk();
    SetVoteRule(saved);
    m_stale.MarkStale(EConcept::Yolk);
    return yolk;
}

std::unique_ptr<CRgn> CVotingGame::GetYolkDiscRgn() {
    const SYolk& yolk = GetYolk();
    return CircleDiscRgn(m_gridMap, yolk.center, yolk.radius);
}

std::unique_ptr<CRgn> CVotingGame::GetOuterCardioidRgn() {
    const SYolk& yolk = GetYolk();
    return OuterCardioidRgn(m_gridMap, m_statusQuo, yolk.center, yolk.radius);
}

void CVotingGame::SetStatusQuoToYolk() {
    SetStatusQuo(GetYolkCenter());
}
