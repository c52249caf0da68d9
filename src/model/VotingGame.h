#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "model/StaleFlags.h"

#include <QPoint>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CFPolygon;
class CFRect;
class CMember;
class CMappedRegion;
class CRgn;
class CVoteGrid;
struct CQuotaLine;
struct SSpokes;
struct SWinSetState;
struct SConceptsState;

/// Frees the solution concepts' cached state where its type is known.
struct SConceptsStateDeleter {
    void operator()(SConceptsState* state) const;
};

// Yolk, power index and median-line concepts.
class CFCircle;
class CFLine;
class CFPolygon;
class CRgn;
struct SYolk;
struct SLineCircle;
struct SMemberPower;
struct SCentralState;

/// Frees the cached yolk, power index and Tri-Median set where their types are known.
struct SCentralStateDeleter {
    void operator()(SCentralState* state) const;
};

/// The voting game of a scenario: the members taking part, the status quo, the proposal, the
/// decision rule and the grid map, with the cached solution concepts and their out-of-date flags.
class CVotingGame {
public:
    CVotingGame();
    ~CVotingGame();
    CVotingGame(const CVotingGame&) = delete;
    CVotingGame& operator=(const CVotingGame&) = delete;

    /// Takes the members (in order), giving each the game's status quo and map; every cached
    /// concept becomes stale. nullptr only discards the cached concepts.
    void SetMembers(const std::vector<CMember*>* members);
    /// Adds one member at the end of the list, giving only it the game's status quo and map
    /// (what SetMembers does for a list that grew by one, without rebuilding the others'
    /// regions); every cached concept becomes stale.
    void AddMember(CMember* member);
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
    /// How the members' ellipses become cells (0 exact, N >= 3 the inscribed N-gon).
    int PrefVertices() const { return m_prefVertices; }
    /// Sets how ellipses become cells in every member; a change rebuilds their regions and
    /// marks every concept stale.
    void SetPrefVertices(int vertices);

    const CGridMap& GridMap() const { return m_gridMap; }
    /// Adopts a new grid map: members rebuild their regions and every concept becomes stale.
    /// An equal map is ignored.
    void SetGridMap(const CGridMap& map);

    /// A member's settings changed: it takes the game's status quo and map again, and every
    /// concept becomes stale.
    void MemberChanged(CMember& member);
    /// A member's veto flag changed.
    void VetoChanged() { m_stale.Invalidate(EGameChange::Veto, m_voteRule); }

    // Vote counting over the current members.
    /// The sum of the members' base votes (abstaining members only under absolute plurality).
    double VoteTotal() const;
    /// The votes the rule divides off: trunc(T/2) for simple majority, else trunc(T f + 1) - 1.
    double VoteDivision() const;
    /// The votes a point needs to beat the status quo: the division plus one, capped at T.
    double VoteQuota() const;
    /// The vote rule fraction that yields a typed quota.
    double FractionForQuota(double quota) const;
    /// The least and greatest base vote over the members (abstaining members count 0).
    std::pair<double, double> WeightRange() const;
    /// The number of members that do not abstain.
    int VotingMemberCount() const;
    /// The members, in list order, who prefer the point to the status quo.
    std::vector<CMember*> MembersFavoring(const CFPoint& point) const;
    /// The k-th member (from 0) whose candidate flag is set, or nullptr.
    CMember* Candidate(int k) const;
    /// Whether the members at least as close to the point as to the status quo (weighted by
    /// their base votes, abstaining members included) reach the quota.
    bool PointBeatsStatusQuo(const CFPoint& point) const;
    /// The same test against another status quo than the game's.
    bool PointBeatsPoint(const CFPoint& point, const CFPoint& statusQuo) const;

    // The win set and its companions, each rebuilt first when stale.
    /// Brings the vote grid up to date; false when the cancel poll stopped it.
    bool UpdateVoteGrid();
    const CVoteGrid& VoteGrid();
    /// The cells whose summed vote values reach the quota, cut by the veto members' regions.
    const CMappedRegion& GetWinSet();
    double GetWinSetArea();
    bool IsInsideWinSet(const CFPoint& point);
    /// The win set's boundary point nearest to the point (the point itself for an empty set).
    CFPoint GetWinSetNearPt(const CFPoint& point);
    /// The win set's boundary point farthest from the point (the point itself when empty).
    CFPoint GetWinSetFarPt(const CFPoint& point);
    const std::vector<CQuotaLine>& GetQuotaLines();
    const SSpokes& GetSpokes();
    double GetSpokeLength();
    /// Twice the spoke length: the win set lies within this distance of the status quo.
    double GetWinSetRadius();
    /// Whether every spoke, doubled, stays inside the chart's world window.
    bool IsWinSetComplete();
    /// The cells of the win set where the number of supporting votes changes.
    const std::vector<QPoint>& GetPetals();
    /// The win set of another point; the status quo is set back (with the win set's
    /// staleness) only when asked. nullptr when memory fails or the count was cancelled.
    std::unique_ptr<CMappedRegion> WinSetOfPoint(const CFPoint& point, bool restore);
    /// Copies a saved entry, or the current win set as it stands, into the captured win set.
    void CaptureWinSet(const CMappedRegion* entry = nullptr);
    /// Captured := captured op win set (RGN_OR, RGN_AND, RGN_DIFF, RGN_XOR), using the win set
    /// as it stands; nothing when it has no region.
    void CombineCapturedWinSet(int mode);
    const CMappedRegion& CapturedWinSet();
    int VetoSwitch() const { return m_veto; }
    /// Switches the cutting of the win set by the veto members' regions.
    void SetVetoSwitch(int flag);

    // Pareto set, core, heart, uncovered set and Banks set, each computed first when stale.
    // Region getters return a copy the caller owns (nullptr when memory fails).
    /// The convex hull of the counted ideal points and its region.
    void FindParetoSet();
    CFPolygon GetParetoSet();
    std::unique_ptr<CRgn> GetParetoSetRgn();
    /// 1 when the hull holds the point or the point is exactly some member's ideal point.
    int IsInsideParetoSet(const CFPoint& point);
    double GetParetoSetArea();
    /// The core estimated from `samples` points on a circle about the members.
    void FindCore(int samples);
    std::unique_ptr<CRgn> GetCoreRgn(int samples);
    /// The core's bounding box in issue space; all zero without a core.
    CFRect GetCoreBounds(int samples);
    double GetCoreArea(int samples);
    int IsInsideCore(const CFPoint& point, int samples);
    /// The heart (the core under a super-majority, else the quota-line triangles), clipped to
    /// the Pareto set.
    void FindHeart(int samples);
    std::unique_ptr<CRgn> GetHeartRgn(int samples);
    CFRect GetHeartBounds(int samples);
    double GetHeartArea(int samples);
    int IsInsideHeart(const CFPoint& point, int samples);
    /// The uncovered set by the grid method or (bjs = 1) the BJS method; the status quo and
    /// the staleness of what depends on it are the same afterwards.
    void FindUncoveredSet(int gridSize, int excludeYolk, int bjs);
    std::unique_ptr<CRgn> GetUncoveredSetRgn(int gridSize, int excludeYolk, int bjs);
    int IsInsideUncoveredSet(const CFPoint& point, int gridSize, int excludeYolk, int bjs);
    double GetUncoveredSetArea(int gridSize, int excludeYolk, int bjs);
    /// The Banks set: dots at the end points of random Banks chains (seeded, so repeatable).
    void FindBanksSet(int chains, int resolution);
    std::unique_ptr<CRgn> GetBanksSetRgn(int chains, int resolution);

    // Yolk and cardioid, median lines, the power index with the Copeland and Borda winners,
    // and the Tri-Median and Schattschneider sets. Each is computed first when stale; region
    // getters return a copy the caller owns (nullptr when memory fails).
    /// The yolk of the triangle procedure: the largest triangle of quota lines, after a second
    /// pass that adds lines through single ideal points; with its triangle.
    const SYolk& GetYolk();
    /// The smallest circle that meets every quota line through two members. It equals the
    /// yolk's circle for odd bodies under simple majority and may differ for even bodies and
    /// other rules, where the yolk's circle can miss some of these lines.
    const SLineCircle& GetExactYolk();
    CFPoint GetYolkCenter();
    double GetYolkRadius();
    CFCircle GetYolkCircle();
    /// Whether the point lies within the yolk's radius of its centre.
    bool IsInsideYolk(const CFPoint& point);
    /// The yolk under another vote fraction; the cached yolk is left stale afterwards.
    SYolk GetYolkForVoteFraction(double fraction);
    /// The yolk's disc on the grid.
    std::unique_ptr<CRgn> GetYolkDiscRgn();
    /// The limacon about the status quo, towards the yolk, that holds the win set.
    std::unique_ptr<CRgn> GetOuterCardioidRgn();
    /// Moves the status quo to the yolk's centre.
    void SetStatusQuoToYolk();
    /// The median point on a line: the middle of where walks from both ends reach the quota.
    CFPoint GetMedianPoint(const CFLine& line) const;
    /// Recomputes every member's power value (always).
    void FindPowerIndex(int directions, double offset);
    /// The member's power value; 0 for no member.
    double GetMemberPower(const CMember* member, int directions, double offset);
    /// Every member with its power, highest first (lowest first when order is 1).
    std::vector<SMemberPower> GetMembersByPower(int order, int directions, double offset);
    /// Recomputes the estimated Copeland winner when stale.
    void FindCopeland(int directions, double offset);
    CFPoint GetCopeland(int directions, double offset);
    /// The mean ideal point of the members who do not abstain (the status quo when all do).
    CFPoint FindBorda() const;
    /// Recomputes the Tri-Median polygon when stale.
    void FindTriMedianSet(double tolerance, int directions);
    /// A copy of the Tri-Median polygon (empty when there is none); none when memory fails.
    std::optional<CFPolygon> GetTriMedianSet(double tolerance, int directions);
    /// The Schattschneider polygon, rebuilt on every call; none when memory fails.
    std::optional<CFPolygon> GetSchattschneiderSet(int directions) const;

    /// The out-of-date flags of the cached concepts.
    const CStaleFlags& Stale() const { return m_stale; }
    CStaleFlags& Stale() { return m_stale; }
    /// Marks every cached concept for recomputation.
    void InvalidateAll() { m_stale.Invalidate(EGameChange::Everything, m_voteRule); }

private:
    /// Puts a member at the end of the list under the game's switches, status quo and map.
    void Join(CMember& member);

    std::vector<CMember*> m_members;
    CFPoint m_statusQuo;
    CFPoint m_copeland{50.0, 50.0};
    CFPoint m_proposal;
    CGridMap m_gridMap;
    double m_voteRule = 0.5;
    int m_absolute = 1;
    int m_weighted = 0;
    int m_probabilistic = 0;
    int m_prefVertices = 0;
    int m_veto = 0;
    CStaleFlags m_stale;
    std::unique_ptr<SWinSetState> m_winSetState;
    std::unique_ptr<SConceptsState, SConceptsStateDeleter> m_conceptsState;

    SWinSetState& WinSetState();
    SConceptsState& ConceptsState();
    // Yolk, power index and median-line concepts.
    std::unique_ptr<SCentralState, SCentralStateDeleter> m_centralState;
    SCentralState& CentralState();
};
