#include "model/VotingGame.h"

#include "model/Member.h"

#include "preferences/WinSetState.h"

#include <algorithm>

CVotingGame::CVotingGame() = default;
CVotingGame::~CVotingGame() = default;

void CVotingGame::SetMembers(const std::vector<CMember*>* members) {
    m_members.clear();
    if (members)
        for (CMember* member : *members)
            Join(*member);
    InvalidateAll();
}

void CVotingGame::AddMember(CMember* member) {
    Join(*member);
    InvalidateAll();
}

void CVotingGame::Join(CMember& member) {
    // Members always follow the game's voting switches.
    member.SetWeighted(m_weighted);
    member.SetProbabilistic(m_probabilistic);
    member.SetPrefVertices(m_prefVertices);
    member.Adopt(m_statusQuo, m_gridMap);
    m_members.push_back(&member);
}

void CVotingGame::SetStatusQuo(const CFPoint& point) {
    m_statusQuo = point;
    for (CMember* member : m_members)
        member->Adopt(m_statusQuo, m_gridMap);
    m_stale.Invalidate(EGameChange::StatusQuo, m_voteRule);
}

void CVotingGame::SetVoteRule(double fraction) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    if (fraction != m_voteRule) {
        m_voteRule = fraction;
        InvalidateAll();
    }
}

void CVotingGame::SetAbsolutePlurality(int flag) {
    if (flag != m_absolute) {
        m_absolute = flag;
        InvalidateAll();
    }
}

void CVotingGame::SetWeightedVoting(int flag) {
    if (flag == m_weighted)
        return;
    m_weighted = flag;
    for (CMember* member : m_members)
        member->SetWeighted(flag);
    InvalidateAll();
}

void CVotingGame::SetProbabilisticVoting(int flag) {
    if (flag == m_probabilistic)
        return;
    m_probabilistic = flag;
    for (CMember* member : m_members)
        member->SetProbabilistic(flag);
    InvalidateAll();
}

void CVotingGame::SetPrefVertices(int vertices) {
    if (vertices == m_prefVertices)
        return;
    m_prefVertices = vertices;
    for (CMember* member : m_members)
        member->SetPrefVertices(vertices);
    InvalidateAll();
}

void CVotingGame::SetGridMap(const CGridMap& map) {
    if (map == m_gridMap)
        return;
    m_gridMap = map;
    for (CMember* member : m_members)
        member->Adopt(m_statusQuo, m_gridMap);
    InvalidateAll();
}

void CVotingGame::MemberChanged(CMember& member) {
    member.Adopt(m_statusQuo, m_gridMap);
    InvalidateAll();
}
