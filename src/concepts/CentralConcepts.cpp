#include "concepts/CentralState.h"
#include "concepts/CopelandPoint.h"
#include "concepts/MedianPoint.h"
#include "concepts/TriMedianSet.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"

#include <new>

void SCentralStateDeleter::operator()(SCentralState* state) const {
    delete state;
}

SCentralState& CVotingGame::CentralState() {
    if (!m_centralState)
        m_centralState.reset(new SCentralState);
    return *m_centralState;
}

CFPoint CVotingGame::GetMedianPoint(const CFLine& line) const {
    return MedianPoint(m_members, VoteQuota(), m_statusQuo, line);
}

void CVotingGame::FindPowerIndex(int directions, double offset) {
    CentralState().power.Find(m_members, VoteQuota(), directions, offset);
    m_stale.MarkFresh(EConcept::PowerIndex);
}

double CVotingGame::GetMemberPower(const CMember* member, int directions, double offset) {
    if (!member)
        return 0.0;
    if (m_stale.IsStale(EConcept::PowerIndex))
        FindPowerIndex(directions, offset);
    return CentralState().power.PowerOf(member, m_members);
}

std::vector<SMemberPower> CVotingGame::GetMembersByPower(int order, int directions, double offset) {
    if (m_stale.IsStale(EConcept::PowerIndex))
        FindPowerIndex(directions, offset);
    return CentralState().power.Ranked(m_members, order == 1);
}

void CVotingGame::FindCopeland(int directions, double offset) {
    if (!m_stale.IsStale(EConcept::CopelandPoint))
        return;
    if (m_members.size() >= 3)
        FindPowerIndex(directions, offset);
    m_copeland = ::CopelandPoint(m_members, CentralState().power.Values(), m_statusQuo);
    m_stale.MarkFresh(EConcept::CopelandPoint);
}

CFPoint CVotingGame::GetCopeland(int directions, double offset) {
    // Small bodies are computed too: their mean is the answer, not the point left by a reset.
    FindCopeland(directions, offset);
    return m_copeland;
}

CFPoint CVotingGame::FindBorda() const {
    return BordaPoint(m_members, m_statusQuo);
}

void CVotingGame::FindTriMedianSet(double tolerance, int directions) {
    if (!m_stale.IsStale(EConcept::TriMedianSet))
        return;
    const SMedianBody body{m_members, VoteQuota(), m_statusQuo, m_statusQuo};
    CentralState().triMedian =
        FindTriMedianPolygon(body, tolerance, directions).value_or(CFPolygon());
    m_stale.MarkFresh(EConcept::TriMedianSet);
}

std::optional<CFPolygon> CVotingGame::GetTriMedianSet(double tolerance, int directions) {
    FindTriMedianSet(tolerance, directions);
    try {
        return CentralState().triMedian;
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating trimedian set polygon");
        return std::nullopt;
    }
}

std::optional<CFPolygon> CVotingGame::GetSchattschneiderSet(int directions) const {
    try {
        return FindSchattschneiderPolygon({m_members, VoteQuota(), m_proposal, m_statusQuo},
                                          directions);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating schattschneider set");
        return std::nullopt;
    }
}
