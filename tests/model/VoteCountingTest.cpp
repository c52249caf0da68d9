#include "../preferences/GameFixture.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(VoteCountingTest, TotalDivisionAndQuotaUnderEachRule) {
    struct SCase {
        const char* name;
        std::vector<double> weights;
        int abstaining; // members at the end of the list that abstain
        int absolute;
        int weighted;
        double rule;
        double total, division, quota;
    };
    const SCase cases[] = {
        {"ten, one abstains, absolute", std::vector<double>(10, 1.0), 1, 1, 0, 0.5, 10, 5, 6},
        {"ten, one abstains, relative", std::vector<double>(10, 1.0), 1, 0, 0, 0.5, 9, 4, 5},
        {"weights 1 2 3 weighted", {1, 2, 3}, 0, 1, 1, 0.5, 6, 3, 4},
        {"weights 1 2 3 unweighted", {1, 2, 3}, 0, 1, 0, 0.5, 3, 1, 2},
        {"rule 0: one vote suffices", {1, 1, 1, 1}, 0, 1, 0, 0.0, 4, 0, 1},
        {"rule 1: every vote", {1, 1, 1, 1}, 0, 1, 0, 1.0, 4, 4, 4},
        {"seven, majority", std::vector<double>(7, 1.0), 0, 1, 0, 0.5, 7, 3, 4},
        {"hundred, two thirds", std::vector<double>(100, 1.0), 0, 1, 0, 2.0 / 3.0, 100, 66, 67},
        {"fractional, unanimity", {0.5, 1.0, 1.0}, 0, 1, 1, 1.0, 2.5, 2, 2.5},
        {"nobody", {}, 0, 1, 0, 0.5, 0, 0, 0},
    };
    for (const SCase& c : cases) {
        CGameFixture f(60);
        for (size_t i = 0; i < c.weights.size(); ++i) {
            const bool abstains = i + c.abstaining >= c.weights.size();
            f.Add(10.0 + i, 20.0, abstains ? PREF_ABSTAIN : PREF_TRADEOFF, c.weights[i]);
        }
        f.game.SetWeightedVoting(c.weighted);
        f.game.SetAbsolutePlurality(c.absolute);
        f.game.SetVoteRule(c.rule);
        EXPECT_EQ(f.game.VoteTotal(), c.total) << c.name;
        EXPECT_EQ(f.game.VoteDivision(), c.division) << c.name;
        EXPECT_EQ(f.game.VoteQuota(), c.quota) << c.name;
    }
}

TEST(VoteCountingTest, FractionForQuotaGivesTheQuotaBack) {
    CGameFixture f(60);
    for (int i = 0; i < 100; ++i)
        f.Add(i, 50);
    EXPECT_DOUBLE_EQ(f.game.FractionForQuota(60), 0.595);
    EXPECT_DOUBLE_EQ(f.game.FractionForQuota(67), 0.665);
    for (int q = 1; q <= 100; ++q) {
        f.game.SetVoteRule(f.game.FractionForQuota(q));
        EXPECT_EQ(f.game.VoteQuota(), q) << "quota " << q;
    }
    // A quota beyond the votes there are asks for every vote: the rule it gives is unanimity.
    for (const double beyond : {101.0, 150.0}) {
        f.game.SetVoteRule(f.game.FractionForQuota(beyond));
        EXPECT_EQ(f.game.VoteRule(), 1.0) << "quota " << beyond;
        EXPECT_EQ(f.game.VoteQuota(), 100) << "quota " << beyond;
    }
    // Without votes any quota is beyond them; the fraction stays a number all the same.
    CGameFixture empty(60);
    for (const double quota : {1.0, 3.0}) {
        const double fraction = empty.game.FractionForQuota(quota);
        EXPECT_TRUE(std::isfinite(fraction)) << "quota " << quota;
        EXPECT_GT(fraction, 1.0) << "quota " << quota;
        empty.game.SetVoteRule(fraction);
        EXPECT_EQ(empty.game.VoteRule(), 1.0) << "quota " << quota;
        EXPECT_EQ(empty.game.VoteQuota(), 0) << "quota " << quota;
    }
}

TEST(VoteCountingTest, FavoringRangesCountsAndCandidates) {
    CGameFixture f;
    CMember& near = f.Add(40, 50);
    CMember& absolute = f.Add(70, 70, PREF_ABSOLUTE, 2.0);
    CMember& abstaining = f.Add(45, 50, PREF_ABSTAIN, 5.0);
    f.game.SetWeightedVoting(1);
    f.game.SetStatusQuo(CFPoint(30, 50));
    EXPECT_EQ(f.game.MembersFavoring(CFPoint(40, 50)), std::vector<CMember*>{&near});
    EXPECT_EQ(f.game.MembersFavoring(CFPoint(70, 70)), std::vector<CMember*>{&absolute})
        << "an absolute member favours only its own ideal point";
    EXPECT_TRUE(f.game.MembersFavoring(CFPoint(70.1, 70)).empty());
    EXPECT_EQ(abstaining.VoteValue(CFPoint(45, 50)), 0.0) << "abstainers add nothing";
    EXPECT_EQ(f.game.WeightRange(), std::make_pair(0.0, 2.0));
    EXPECT_EQ(f.game.VotingMemberCount(), 2);
    absolute.SetCandidate(1);
    abstaining.SetCandidate(1);
    EXPECT_EQ(f.game.Candidate(1), &abstaining);
    EXPECT_EQ(f.game.Candidate(2), nullptr);
}

TEST(VoteCountingTest, PointBeatsStatusQuoCountsTiesForThePoint) {
    CGameFixture f;
    f.Add(50, 50);
    f.Add(60, 50);
    f.Add(0, 0);
    f.game.SetStatusQuo(CFPoint(40, 50));
    EXPECT_TRUE(f.game.PointBeatsStatusQuo(CFPoint(55, 50)));
    EXPECT_TRUE(f.game.PointBeatsStatusQuo(CFPoint(60, 50))) << "the member at 50 is tied";
    EXPECT_FALSE(f.game.PointBeatsStatusQuo(CFPoint(90, 90)));
}

TEST(VoteCountingTest, ProbabilisticVoteFadesNearTheStatusQuo) {
    CGameFixture f;
    CMember& member = f.Add(50, 50);
    member.SetCertainty(0.5);
    f.game.SetProbabilisticVoting(1);
    f.game.SetStatusQuo(CFPoint(90, 50));
    EXPECT_DOUBLE_EQ(member.VoteValue(CFPoint(80, 50)), 0.5) << "0.75 of the way: half a vote";
    EXPECT_DOUBLE_EQ(member.VoteValue(CFPoint(60, 50)), 1.0);
    EXPECT_EQ(member.VoteValue(CFPoint(95, 50)), 0.0);
}
