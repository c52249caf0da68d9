#pragma once

#include "preferences/MemberFan.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

/// The voters seen from one apex point, filed by direction into buckets of equal width instead
/// of sorted, for bodies whose votes are never negative and add up exactly in any order.
///
/// A line through the apex has a sure left side (the buckets two or more away from its own
/// bucket and from its opposite's) and a sure right side; the voters there settle their side
/// by direction alone. When those sure sums already rule out a quota line, the line is
/// answered with them (and is none); otherwise the voters of the six buckets about the line's
/// two ends and those near the apex are weighed with the member-by-member side test, which
/// gives the same weights as the member-by-member count. Since quota lines nearly halve the
/// body, only a few directions from any apex come that far: filing costs one pass over the
/// voters per apex and no sort.
class CBucketFan final : public CApexFan {
public:
    /// Whether the body can be filed so: votes never negative that add up exactly, and voters
    /// spread widely enough that the side window is far narrower than a bucket.
    static bool Fits(const CVoterSet& voters);

    /// A fan of the voters for lines weighed against this quota and vote total.
    CBucketFan(const CVoterSet& voters, double quota, double total);

    double Near() const override { return std::sqrt(m_near2); }
    void Aim(double apexX, double apexY) override;
    void Weigh(std::vector<SQuery>& queries) override;
    void WeighLinesToVoters(int after, std::vector<SSideWeights>& byMember,
                            std::vector<int>& settled, std::vector<int>& unsettled) override;
    /// The voters near the apex and those whose perpendicular falls into an open bucket or
    /// beside one (rounding of the perpendicular moves it by far less than a bucket), or every
    /// voter where coordinates far beyond the body's extent could round it further.
    void PerpendicularCandidates(std::vector<int>& members) const override;

private:
    struct SFiled {
        double vx;
        double vy;
        double vote;
        int member;
    };

    std::size_t BucketOf(double key) const;
    /// The sure sums of a line in the bucket; true when they leave room for a quota line.
    bool Sure(std::size_t bucket, SSideWeights& w) const;
    /// Adds the side of every voter in the bucket's six neighbours and near the apex.
    void AddUnsure(double ex, double ey, std::size_t bucket, SSideWeights& w) const;
    /// Every voter weighed with the side test (lines too short for the buckets' proof).
    SSideWeights WeighAll(double ex, double ey) const;
    SSideWeights Answer(double ex, double ey, std::size_t bucket) const;
    void AddNear(std::size_t voter);
    /// Running weights, the open buckets and the buckets their lines need filed.
    void OpenBuckets();
    void File();

    const CVoterSet& m_set;
    double m_quota;
    double m_total;
    std::size_t m_count;
    double m_scale;
    double m_near2;
    /// Voters closer than this to the apex are weighed one by one: a little beyond the near
    /// distance, so that a voter's perpendicular, however rounded, is at least that long.
    double m_nearVoter2;
    /// The largest coordinate of any voter, and whether rounding of the perpendiculars from
    /// the current apex stays within a bucket.
    double m_reach = 0.0;
    bool m_perpendicularsBounded = false;
    double m_apexX = 0.0;
    double m_apexY = 0.0;
    double m_onApex = 0.0;
    /// The voters' points and votes side by side, in the voter set's order.
    std::vector<double> m_xs;
    std::vector<double> m_ys;
    std::vector<double> m_votes;
    /// Each voter's bucket, or -1 at the apex or near it.
    std::vector<int> m_bucketOf;
    /// The voters of each bucket chained from its last voter back to its first (-1 ends).
    std::vector<int> m_previousVoter;
    std::vector<double> m_weight;
    std::vector<std::size_t> m_voterCount;
    std::vector<int> m_lastVoter;
    /// Running weights over two turns of buckets.
    std::vector<double> m_running;
    /// Whether a line in the bucket may be a quota line, and whether the bucket's voters are
    /// filed for the side test.
    std::vector<char> m_open;
    std::vector<char> m_needed;
    /// Whether the perpendiculars of the bucket's voters may fall into an open bucket.
    std::vector<char> m_across;
    std::vector<std::size_t> m_first;
    std::vector<SFiled> m_filed;
    std::vector<SFiled> m_nearVoters;
};

/// Which fan a direction sweep aims at each apex.
enum class EApexFan {
    /// The bucket fan where the body fits it, else the sorted fan.
    Best,
    /// The sorted fan, whatever the body (the reference for the bucket fan).
    Sorted,
};

/// A fan of the voters for lines weighed against this quota and vote total.
std::unique_ptr<CApexFan> MakeApexFan(const CVoterSet& voters, double quota, double total,
                                      EApexFan kind = EApexFan::Best);
