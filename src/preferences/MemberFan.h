#pragma once

#include "preferences/QuotaLines.h"

#include <vector>

class CMember;

/// The voting members of a body as plain points and votes, with what the direction sweep needs
/// to know about them: whether their votes add up exactly in any order, how far rounding can
/// move a sum otherwise, and the distance below which members count as close to each other.
class CVoterSet {
public:
    struct SVoter {
        double x = 0.0;
        double y = 0.0;
        double vote = 0.0;
        int member = 0;
    };

    /// The members that do not abstain, in list order.
    explicit CVoterSet(const std::vector<CMember*>& members);

    const std::vector<SVoter>& Voters() const { return m_voters; }
    /// How far a side weight summed in another order can lie from the list-order sum; 0 when
    /// every vote is a small binary fraction, so every order gives the same sum.
    double SumError() const { return m_sumError; }
    /// Members nearer than this to the apex, and lines shorter than this, are weighed one by
    /// one; beyond it a direction decides the side unless it lies within Window() of the line.
    double Near() const { return m_near; }
    /// Half the width, in the sweep's direction measure, of the band about a line whose
    /// members are weighed one by one.
    double Window() const { return m_window; }
    /// Whether the sweep's window is narrow enough to be of any use for this body.
    bool Sweepable() const { return m_window < 0.25; }
    /// The greater of the width and height of the box round the voters (0 for fewer than two
    /// distinct points).
    double Extent() const { return m_extent; }
    /// Whether every vote is at least 0.
    bool VotesNonNegative() const { return m_nonNegative; }
    /// The side weights of the line A-B voter by voter: the same sums, in the same order, as
    /// weighing the members themselves, without going back to each member.
    SSideWeights WeighSides(const CFPoint& a, const CFPoint& b) const;

private:
    std::vector<SVoter> m_voters;
    double m_sumError = 0.0;
    double m_near = 0.0;
    double m_window = 1.0;
    double m_extent = 0.0;
    bool m_nonNegative = true;
};

/// The width of the band about a line, in the direction measure below, inside which a voter
/// at least `near` from the apex, seen along a line at least as long, may fall on either side
/// of the side test's 1e-8 tolerance; beyond it the direction decides the side.
inline double SideWindow(double near) {
    return 1.6 * (1e-8 / (near * near) + 1e-14) + 1e-13;
}

/// A direction measure that grows with the angle: 0 along +x, 1 along +y, 2 along -x, 3 along
/// -y, and the opposite direction always 2 further on. Cheaper than an angle and never
/// growing faster than one.
///
/// Within each quarter turn the key is the share of the turn's second axis in the direction.
/// The quarters where x and y have the same sign share one quotient, the others another (the
/// signs of both terms flip together, which leaves each quotient exactly as it was), so the
/// key takes one division and no branch on the quarter, which a fan of voters all round the
/// apex could not predict.
inline double DirectionKey(double x, double y) {
    const bool upper = y >= 0.0, right = x >= 0.0;
    const bool sameSign = upper == right;
    const double num = sameSign ? y : -x;
    const double den = sameSign ? x + y : y - x;
    const double quarter = upper ? (right ? 0.0 : 1.0) : (right ? 3.0 : 2.0);
    return quarter + num / den;
}

/// The voters seen from one apex point, answering the side weights of lines through it.
/// Every line that may be a quota line (`MayBeQuotaLine`) gets the weights the member-by-member
/// count gives it; a fan may answer any other line with weights that only show it is none.
class CApexFan {
public:
    /// One line through the apex, given by its direction; the sweep fills the weights.
    struct SQuery {
        double ex = 0.0;
        double ey = 0.0;
        double key = 0.0;
        int tag = 0;
        SSideWeights weights;
    };

    virtual ~CApexFan() = default;
    /// Lines through the apex shorter than this are for the caller to weigh member by member.
    virtual double Near() const = 0;
    /// Sees the voters from the apex; the fan's storage is kept from one apex to the next.
    virtual void Aim(double apexX, double apexY) = 0;
    /// Weighs every query; the queries may be put in another order.
    virtual void Weigh(std::vector<SQuery>& queries) = 0;
    /// Weighs the line from the apex to every voter listed after `after`, filing the weights
    /// under the voter's member index and listing the member in `settled` (a fan may leave out
    /// lines that are no quota lines); voters too near the apex for the fan go to `unsettled`.
    virtual void WeighLinesToVoters(int after, std::vector<SSideWeights>& byMember,
                                    std::vector<int>& settled, std::vector<int>& unsettled) = 0;
    /// Lists (by member index) the voters whose line from the apex may have a quota line
    /// through the apex at right angles to it: for every voter left out, that perpendicular,
    /// weighed through this fan, is surely none. Voters near the apex are always listed.
    virtual void PerpendicularCandidates(std::vector<int>& members) const = 0;
};

/// Every voter seen from one apex point, sorted by direction, with running vote sums, so that
/// the side weights of any line through the apex take a few pointer steps instead of a pass
/// over the body. Voters whose side the direction cannot settle (near the apex, or within the
/// window of the line) are weighed with the same side test as the member-by-member count.
/// Every line gets its full weights.
class CMemberFan final : public CApexFan {
public:
    /// A fan of the voters, not yet seen from anywhere.
    explicit CMemberFan(const CVoterSet& voters) : m_set(voters) {}

    double Near() const override { return m_set.Near(); }
    void Aim(double apexX, double apexY) override;
    /// Weighs every query; the queries are sorted by key first.
    void Weigh(std::vector<SQuery>& queries) override;
    void WeighLinesToVoters(int after, std::vector<SSideWeights>& byMember,
                            std::vector<int>& settled, std::vector<int>& unsettled) override;
    /// Every voter: the sorted fan bounds no line before weighing it.
    void PerpendicularCandidates(std::vector<int>& members) const override;

private:
    struct SEntry {
        double key;
        double vx;
        double vy;
        double vote;
        int member;
    };

    /// Sweeps lines in ascending key order: `next` gives the next direction (false when done),
    /// `done` receives each line's weights.
    template <class Next, class Done> void Sweep(Next next, Done done) const;
    void AddUnsettled(double ex, double ey, std::size_t from, std::size_t to,
                      SSideWeights& w) const;

    const CVoterSet& m_set;
    double m_onApex = 0.0;
    std::vector<SEntry> m_near;
    std::vector<SEntry> m_entries;
    std::vector<SEntry> m_sorted;
    std::vector<std::size_t> m_buckets;
    std::vector<SQuery> m_sortedQueries;
    // Keys and running sums over three turns, so every window is one unbroken index range.
    std::vector<double> m_turnKeys;
    std::vector<double> m_sums;
};
