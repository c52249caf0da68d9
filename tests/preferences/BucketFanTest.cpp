#include "preferences/BucketFan.h"
#include "RandomBody.h"
#include "concepts/PowerIndex.h"
#include "preferences/QuotaLineSweep.h"
#include "preferences/Yolk.h"
#include "preferences/YolkPairSweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

/// A body of n members drawn about (50, 50) with a normal spread, as survey respondents crowd
/// about the middle: most lines through an apex there are nearly halving.
void MakeCrowd(CGameFixture& f, int n, double spread, double centre = 50) {
    for (int i = 0; i < n; ++i) {
        const double u = (1 + CRand::Next()) / 32769.0, v = CRand::Next() / 32767.0;
        const double r = spread * std::sqrt(-2.0 * std::log(u));
        f.AddQuietly(centre + r * std::cos(6.283185307179586 * v),
                     centre + r * std::sin(6.283185307179586 * v));
    }
    f.Refresh();
}

void ExpectSameLines(const std::vector<CQuotaLine>& fast, const std::vector<CQuotaLine>& sorted,
                     const std::string& name) {
    ASSERT_EQ(fast.size(), sorted.size()) << name;
    for (std::size_t i = 0; i < fast.size(); ++i) {
        ASSERT_EQ(fast[i].memberA, sorted[i].memberA) << name << " line " << i;
        ASSERT_EQ(fast[i].memberB, sorted[i].memberB) << name << " line " << i;
        ASSERT_EQ(fast[i].quotaLine, sorted[i].quotaLine) << name << " line " << i;
        ASSERT_EQ(fast[i].qualified, sorted[i].qualified) << name << " line " << i;
    }
}

void ExpectSameWeights(const SSideWeights& a, const SSideWeights& b, const std::string& name) {
    EXPECT_EQ(a.positive, b.positive) << name;
    EXPECT_EQ(a.negative, b.negative) << name;
    EXPECT_EQ(a.on, b.on) << name;
}

/// Both fans give the same quota lines, and for even bodies up to a thousand members the same
/// pair tests; returns whether the body was one the bucket fan takes.
bool ExpectFansAgree(CGameFixture& f, const std::string& name) {
    const CVoterSet voters(f.game.Members());
    if (!voters.Sweepable())
        return false;
    ExpectSameLines(FindQuotaLinesSwept(f.game, voters, {}, EApexFan::Best),
                    FindQuotaLinesSwept(f.game, voters, {}, EApexFan::Sorted), name);
    if (std::fmod(f.game.VoteTotal(), 2.0) == 0.0 && f.owned.size() <= 3000) {
        const std::vector<SMemberPower> ranked =
            f.game.GetMembersByPower(0, kYolkPowerDirections, kYolkPowerOffset);
        const SPairPerpendiculars fast =
            FindPairPerpendiculars(f.game, ranked, voters, EApexFan::Best);
        const SPairPerpendiculars sorted =
            FindPairPerpendiculars(f.game, ranked, voters, EApexFan::Sorted);
        EXPECT_EQ(fast.pairs.size(), sorted.pairs.size()) << name;
        for (std::size_t k = 0; k < std::min(fast.pairs.size(), sorted.pairs.size()); ++k) {
            EXPECT_EQ(fast.pairs[k].i, sorted.pairs[k].i) << name << " pair " << k;
            EXPECT_EQ(fast.pairs[k].j, sorted.pairs[k].j) << name << " pair " << k;
            ExpectSameWeights(fast.pairs[k].throughI, sorted.pairs[k].throughI, name);
            ExpectSameWeights(fast.pairs[k].throughJ, sorted.pairs[k].throughJ, name);
        }
    }
    return CBucketFan::Fits(voters);
}

TEST(BucketFanTest, RandomBodiesOfFiftyToFourHundredGiveTheSortedFansLines) {
    // Every layout (coincident, collinear, on a coarse grid, on one line), whole, half and
    // decimal weights (the last left to the sorted fan), abstainers, and simple, two-thirds
    // and other rules. (A body all on one line makes every fan weigh every member for every
    // line, so the larger bodies are the crowds below.)
    CRand::Seed(2828);
    int bucketed = 0;
    const int sizes[] = {50, 51, 120, 250, 400};
    for (int scenario = 0; scenario < 12; ++scenario) {
        CGameFixture f(10);
        const int n = sizes[scenario % 5] + scenario / 5;
        const SRandomBody body = SRandomBody::Make(f, n);
        bucketed += ExpectFansAgree(f, "scenario " + std::to_string(scenario) + " " + body.name);
        if (HasFailure())
            return;
    }
    EXPECT_GT(bucketed, 4);
}

TEST(BucketFanTest, CrowdedBodiesGiveTheSortedFansLinesAndPairs) {
    // Normal crowds, tight and loose, odd and even, under simple majority and two thirds, up
    // to three thousand members (their pair tests too); and a crowd whose every member is doubled
    // (coincident pairs all through the middle).
    CRand::Seed(4242);
    for (int scenario = 0; scenario < 9; ++scenario) {
        CGameFixture f(10);
        const int n = scenario < 4 ? 300 + scenario : (scenario < 8 ? 700 + scenario : 3000);
        MakeCrowd(f, n, scenario % 2 ? 3.0 : 15.0);
        if (scenario == 7) {
            const std::size_t count = f.owned.size();
            for (std::size_t i = 0; i < count; ++i)
                f.AddQuietly(f.owned[i]->IdealPoint().x, f.owned[i]->IdealPoint().y);
            f.Refresh();
        }
        f.game.SetVoteRule(scenario % 4 < 2 ? 0.5 : 2.0 / 3.0);
        const std::string name = "crowd " + std::to_string(scenario);
        EXPECT_TRUE(ExpectFansAgree(f, name)) << name;
        if (HasFailure())
            return;
    }
}

TEST(BucketFanTest, CrowdsFarFromTheOriginGiveTheSortedFansPairs) {
    // Far from the origin the perpendiculars through members are drawn from coordinates with
    // few bits left below the body's extent; beyond some distance the bucket fan weighs every
    // member's perpendicular, and short of it only those beside open buckets. Some members
    // abstain: they stand across pairs like the others, though no fan holds them.
    CRand::Seed(5151);
    for (const double centre : {1e5, 1e9, 1e12}) {
        CGameFixture f(10);
        MakeCrowd(f, 400, 15.0, centre);
        for (std::size_t i = 0; i < f.owned.size(); i += 37)
            f.owned[i]->SetPrefType(PREF_ABSTAIN);
        f.Refresh();
        if (std::fmod(f.game.VoteTotal(), 2.0) != 0.0)
            f.owned[1]->SetPrefType(PREF_ABSTAIN);
        f.Refresh();
        EXPECT_TRUE(ExpectFansAgree(f, "centre " + std::to_string(centre)));
        if (HasFailure())
            return;
    }
}

TEST(BucketFanTest, LinesFromTheBucketFanAreThoseOfEveryPairAgainstEveryMember) {
    // The reference itself on mid-sized bodies, ties to the 1e-8 tolerance included: members
    // on a coarse grid lie exactly on many bucket edges (axes and diagonals) seen from others.
    CRand::Seed(99);
    for (int scenario = 0; scenario < 10; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body = SRandomBody::Make(f, 60 + 17 * scenario);
        const CVoterSet voters(f.game.Members());
        if (!CBucketFan::Fits(voters))
            continue;
        ExpectSameLines(FindQuotaLinesSwept(f.game, voters, {}, EApexFan::Best),
                        FindQuotaLinesNaive(f.game), body.name);
    }
}

} // namespace
