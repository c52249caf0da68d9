#include "ConceptsFixture.h"
#include "geometry/FRect.h"
#include "geometry/GeoAlloc.h"

#include <gtest/gtest.h>

TEST(ParetoSetTest, HullOfTheIdealPointsWithItsRegionAndArea) {
    CGameFixture f(100);
    f.Add(20, 25);
    f.Add(80, 25);
    f.Add(50, 77);
    f.Add(50, 40);
    const CFPolygon hull = f.game.GetParetoSet();
    EXPECT_EQ(hull.Count(), 3) << "the inner member is not a vertex";
    EXPECT_NEAR(f.game.GetParetoSetArea(), 60 * 52 / 2.0, 60.0);
    EXPECT_EQ(f.game.IsInsideParetoSet(CFPoint(50, 50)), 1);
    EXPECT_EQ(f.game.IsInsideParetoSet(CFPoint(10, 10)), 0);
    EXPECT_EQ(f.game.IsInsideParetoSet(CFPoint(80, 25)), 1);
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::ParetoSet));
    EXPECT_TRUE(f.platform.Messages().empty());
}

TEST(ParetoSetTest, CountedMembersFollowThePluralityRule) {
    CGameFixture f(100);
    f.Add(20, 20);
    f.Add(80, 20);
    f.Add(50, 60);
    f.Add(50, 95, PREF_ABSTAIN);
    const double withAbstainer = f.game.GetParetoSetArea();
    f.game.SetAbsolutePlurality(0);
    const double without = f.game.GetParetoSetArea();
    EXPECT_GT(withAbstainer, without + 500) << "only absolute plurality counts the abstainer";
    EXPECT_EQ(f.game.IsInsideParetoSet(CFPoint(50, 95)), 1) << "any member's point is inside";
}

TEST(ParetoSetTest, FailuresKeepTheOldPolygonAndSayWhy) {
    struct SCase {
        const char* name;
        std::vector<CFPoint> points;
        std::size_t limit;
        std::vector<std::string> messages;
    };
    const std::vector<SCase> cases = {
        {"no room for the points",
         {{10, 10}, {90, 20}, {30, 80}},
         2,
         {"FindParetoSet: ideal point array not allocated",
          "FindParetoSet: convex hull point array not allocated"}},
    };
    for (const SCase& c : cases) {
        CGameFixture f(100);
        f.Add(40, 40);
        f.Add(60, 40);
        f.Add(50, 60);
        const CFPolygon before = f.game.GetParetoSet();
        const double area = f.game.GetParetoSetArea();
        for (std::size_t i = 0; i < c.points.size(); ++i)
            f.owned[i]->SetIdealPoint(c.points[i]);
        f.Refresh();
        f.platform.Clear();
        {
            const CScopedGeoAllocationLimit limit(c.limit);
            f.game.FindParetoSet();
        }
        EXPECT_EQ(f.platform.MessageTexts(), c.messages) << c.name;
        EXPECT_EQ(f.game.GetParetoSet().Points(), before.Points()) << c.name;
        EXPECT_EQ(f.game.GetParetoSetArea(), area) << c.name;
        EXPECT_FALSE(f.game.Stale().IsStale(EConcept::ParetoSet)) << c.name;
    }
}

TEST(ParetoSetTest, OneMemberLeavesTheSetAsItWas) {
    CGameFixture f(100);
    f.Add(30, 30);
    EXPECT_EQ(f.game.GetParetoSetArea(), 0.0);
    EXPECT_EQ(f.game.GetParetoSet().Count(), 0);
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::ParetoSet));
}

TEST(CoreTest, NoCoreUnlessASuperMajorityAndSamples) {
    struct SCase {
        const char* name;
        double rule;
        int samples;
    };
    for (const SCase& c : {SCase{"simple majority", 0.5, 60}, SCase{"no samples", 0.67, 0},
                           SCase{"negative samples", 0.67, -3}}) {
        CGameFixture f(100);
        AddPolygonMembers(f, 7, 30);
        f.game.SetVoteRule(c.rule);
        EXPECT_EQ(f.game.GetCoreArea(c.samples), 0.0) << c.name;
        EXPECT_EQ(f.game.IsInsideCore(CFPoint(50, 50), c.samples), 0) << c.name;
        EXPECT_EQ(f.game.GetCoreBounds(c.samples), CFRect()) << c.name;
        EXPECT_TRUE(f.game.GetCoreRgn(c.samples)->IsEmpty()) << c.name;
    }
}

TEST(CoreTest, HeptagonUnderTwoThirdsHasACoreInsideIt) {
    CGameFixture f(100);
    AddPolygonMembers(f, 7, 30);
    f.game.SetVoteRule(0.666667);
    ASSERT_EQ(f.game.VoteQuota(), 5.0);
    EXPECT_GT(f.game.GetCoreArea(60), 20.0);
    EXPECT_EQ(f.game.IsInsideCore(CFPoint(50, 50), 60), 1);
    const CFRect box = f.game.GetCoreBounds(60);
    EXPECT_GT(box.left, 20);
    EXPECT_LT(box.right, 80);
    const std::unique_ptr<CRgn> core = f.game.GetCoreRgn(60);
    const std::unique_ptr<CRgn> pareto = f.game.GetParetoSetRgn();
    EXPECT_EQ(CellsOutside(*core, *pareto), 0);
}

TEST(CoreTest, CoreLiesInTheParetoSetOnRandomScenarios) {
    CRand::Seed(777);
    for (int scenario = 0; scenario < 8; ++scenario) {
        CGameFixture f(100);
        AddRandomMembers(f, 4 + scenario);
        f.game.SetVoteRule(Uniform(0.6, 0.9));
        const std::unique_ptr<CRgn> core = f.game.GetCoreRgn(40);
        const std::unique_ptr<CRgn> pareto = f.game.GetParetoSetRgn();
        EXPECT_EQ(CellsOutside(*core, *pareto), 0) << "scenario " << scenario;
    }
}

TEST(CoreTest, SampleOnAnIdealPointCutsNothingAway) {
    CGameFixture f(100);
    // The centre is (50, 42.33) and the top member is the farthest, so the sample at a quarter
    // turn lands on it, on both lines through it.
    f.Add(20, 25);
    f.Add(80, 25);
    f.Add(50, 77);
    f.game.SetVoteRule(0.9);
    const std::unique_ptr<CRgn> core = f.game.GetCoreRgn(60);
    const std::unique_ptr<CRgn> pareto = f.game.GetParetoSetRgn();
    EXPECT_EQ(CellsOutside(*pareto, *core), 0) << "unanimity keeps the whole hull";
    EXPECT_EQ(CellsOutside(*core, *pareto), 0);
}

TEST(CoreTest, NoVotesNoCore) {
    CGameFixture f(100);
    f.Add(20, 20, PREF_ABSTAIN);
    f.Add(80, 30, PREF_ABSTAIN);
    f.Add(50, 70, PREF_ABSTAIN);
    f.game.SetAbsolutePlurality(0);
    f.game.SetVoteRule(0.7);
    EXPECT_EQ(f.game.GetCoreArea(60), 0.0);
    EXPECT_EQ(f.game.GetCoreBounds(60), CFRect());
}
