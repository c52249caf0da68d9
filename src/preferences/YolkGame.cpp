#include "concepts/CentralState.h"
#include "geometry/FCircle.h"
#include "model/VotingGame.h"
#include "preferences/Cardioid.h"
#include "preferences/WinSetState.h"

const SYolk& CVotingGame::GetYolk() {
    SYolk& yolk = CentralState().yolk;
    if (m_stale.IsStale(EConcept::Yolk)) {
        GetQuotaLines();
        // The yolk's second pass lists its added lines with the game's quota lines.
        FindYolk(*this, WinSetState().quotaLines, yolk);
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
