#include "model/Member.h"
#include "model/VotingGame.h"
#include "model/WinningSupport.h"
#include "platform/Platform.h"
#include "preferences/WinSetState.h"

#include <new>

SWinSetState& CVotingGame::WinSetState() {
    if (!m_winSetState)
        m_winSetState = std::make_unique<SWinSetState>();
    return *m_winSetState;
}

bool CVotingGame::UpdateVoteGrid() {
    if (!m_stale.IsStale(EConcept::VoteGrid))
        return true;
    try {
        if (!WinSetState().voteGrid.Build(*this))
            return false;
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CVotingGame::UpdateVoteGrid - memory exception allocating vote grid");
        return false;
    }
    m_stale.MarkFresh(EConcept::VoteGrid);
    m_stale.MarkStale(EConcept::WinSet);
    return true;
}

const CVoteGrid& CVotingGame::VoteGrid() {
    UpdateVoteGrid();
    return WinSetState().voteGrid;
}

const CMappedRegion& CVotingGame::GetWinSet() {
    SWinSetState& state = WinSetState();
    if (!m_stale.IsStale(EConcept::WinSet) || !UpdateVoteGrid())
        return state.winSet;
    state.winSet =
        CMappedRegion(state.voteGrid.Grid(), WinningSupport(VoteQuota()), m_gridMap, m_statusQuo);
    if (m_veto) {
        for (const CMember* member : m_members)
            if (member->Veto() && member->PreferredRgn().IsValid())
                state.winSet.CombineRgn(member->PreferredRgn(), RGN_AND);
    }
    m_stale.MarkFresh(EConcept::WinSet);
    return state.winSet;
}

double CVotingGame::GetWinSetArea() {
    return GetWinSet().GetArea();
}

bool CVotingGame::IsInsideWinSet(const CFPoint& point) {
    return GetWinSet().PtInRegion(point);
}

CFPoint CVotingGame::GetWinSetNearPt(const CFPoint& point) {
    return RegionBoundaryPoint(GetWinSet(), point, false);
}

CFPoint CVotingGame::GetWinSetFarPt(const CFPoint& point) {
    return RegionBoundaryPoint(GetWinSet(), point, true);
}

const std::vector<CQuotaLine>& CVotingGame::GetQuotaLines() {
    SWinSetState& state = WinSetState();
    if (m_stale.IsStale(EConcept::QuotaLines)) {
        state.quotaLines = FindQuotaLines(*this);
        state.twoMemberLines = state.quotaLines.size();
        state.yolkPairs = SPairPerpendiculars{};
        m_stale.MarkFresh(EConcept::QuotaLines);
    }
    return state.quotaLines;
}

const SSpokes& CVotingGame::GetSpokes() {
    const std::vector<CQuotaLine>& lines = GetQuotaLines();
    SWinSetState& state = WinSetState();
    if (m_stale.IsStale(EConcept::Spokes)) {
        state.spokes = FindSpokes(*this, lines);
        m_stale.MarkFresh(EConcept::Spokes);
    }
    return state.spokes;
}

double CVotingGame::GetSpokeLength() {
    return GetSpokes().length;
}

double CVotingGame::GetWinSetRadius() {
    return 2.0 * GetSpokeLength();
}

bool CVotingGame::IsWinSetComplete() {
    return AreSpokesInside(GetSpokes().spokes, m_gridMap.WorldWindow());
}

const std::vector<QPoint>& CVotingGame::GetPetals() {
    SWinSetState& state = WinSetState();
    if (!m_stale.IsStale(EConcept::Petals))
        return state.petals;
    m_stale.MarkStale(EConcept::VoteGrid);
    if (!UpdateVoteGrid())
        return state.petals;
    if (FindPetals(state.voteGrid.Grid(), state.voteGrid.Device(), WinningSupport(VoteQuota()),
                   state.petals))
        m_stale.MarkFresh(EConcept::Petals);
    return state.petals;
}

std::unique_ptr<CMappedRegion> CVotingGame::WinSetOfPoint(const CFPoint& point, bool restore) {
    const CFPoint saved = m_statusQuo;
    const bool winSetWasStale = m_stale.IsStale(EConcept::WinSet);
    SetStatusQuo(point);
    std::unique_ptr<CMappedRegion> result;
    try {
        m_stale.MarkStale(EConcept::VoteGrid);
        if (UpdateVoteGrid())
            result = std::make_unique<CMappedRegion>(WinSetState().voteGrid.Grid(),
                                                     WinningSupport(VoteQuota()), m_gridMap, point);
    } catch (const std::bad_alloc&) {
        result.reset();
    }
    if (restore) {
        SetStatusQuo(saved);
        if (!winSetWasStale)
            m_stale.MarkFresh(EConcept::WinSet);
    }
    return result;
}

void CVotingGame::CaptureWinSet(const CMappedRegion* entry) {
    SWinSetState& state = WinSetState();
    state.captured.Assign(entry ? *entry : state.winSet);
}

void CVotingGame::CombineCapturedWinSet(int mode) {
    SWinSetState& state = WinSetState();
    if (state.winSet.GetRgn().IsValid())
        state.captured.CombineRgn(state.winSet.GetRgn(), mode);
}

const CMappedRegion& CVotingGame::CapturedWinSet() {
    return WinSetState().captured;
}

void CVotingGame::SetVetoSwitch(int flag) {
    if (flag == m_veto)
        return;
    m_veto = flag;
    VetoChanged();
}
