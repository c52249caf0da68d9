#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "model/StaleFlags.h"

#include <vector>

class CMember;

/// The voting game of a scenario: the members taking part, the status quo, the proposal, the
/// decision rule and the grid map, with the cached solution concepts and their out-of-date flags.
class CVotingGame {
public:
    /// Takes the members (in order), giving each the game's status quo and map; every cached
    /// concept becomes stale. nullptr only discards the cached concepts.
    void SetMembers(const std::vector<CMember*>* members);
    const std::vector<CMember*>& Members() const { return m_members; }

    const CFPoint& StatusQuo() const { return m_statusQuo; }
    /// Moves the status quo; members rebuild their regions and dependent concepts become stale.
    void SetStatusQuo(const CFPoint& point);
    const CFPoint& Proposal() const { return m_proposal; }
    void SetProposal(const CFPoint& point) { m_proposal = point; }
    const CFPoint& CopelandPoint() const { return m_copeland; }

    double VoteRule() const { return m_voteRule; }
    /// Sets the vote rule fraction (clamped to 0..1).
    void SetVoteRule(double fraction);
    int AbsolutePlurality() const { return m_absolute; }
    void SetAbsolutePlurality(int flag);
    int WeightedVoting() const { return m_weighted; }
    /// Switches weighted voting, copying the switch into every member.
    void SetWeightedVoting(int flag);
    int ProbabilisticVoting() const { return m_probabilistic; }
    /// Switches probabilistic voting, copying the switch into every member.
    void SetProbabilisticVoting(int flag);

    const CGridMap& GridMap() const { return m_gridMap; }
    /// Adopts a new grid map: members rebuild their regions and every concept becomes stale.
    /// An equal map is ignored.
    void SetGridMap(const CGridMap& map);

    /// A member's settings changed: it takes the game's status quo and map again, and every
    /// concept becomes stale.
    void MemberChanged(CMember& member);
    /// A member's veto flag changed.
    void VetoChanged() { m_stale.Invalidate(EGameChange::Veto, m_voteRule); }

    /// The out-of-date flags of the cached concepts.
    const CStaleFlags& Stale() const { return m_stale; }
    CStaleFlags& Stale() { return m_stale; }
    /// Marks every cached concept for recomputation.
    void InvalidateAll() { m_stale.Invalidate(EGameChange::Everything, m_voteRule); }

private:
    std::vector<CMember*> m_members;
    CFPoint m_statusQuo;
    CFPoint m_copeland;
    CFPoint m_proposal;
    CGridMap m_gridMap;
    double m_voteRule = 0.5;
    int m_absolute = 1;
    int m_weighted = 0;
    int m_probabilistic = 0;
    CStaleFlags m_stale;
};
