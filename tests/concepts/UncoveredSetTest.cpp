#include "concepts/UncoveredSet.h"
#include "ConceptsFixture.h"
#include "geometry/FCircle.h"
#include "geometry/MappedRegion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

struct SMethod {
    const char* name;
    int bjs;
};
const SMethod kMethods[] = {{"grid", 0}, {"BJS", 1}};

/// (Pareto set within 3.7 yolk radii of the yolk centre) with the yolk disc.
CRgn UncoveredBound(CVotingGame& game) {
    const CFCircle yolk = game.GetYolkCircle();
    CRgn bound;
    CreateCircleRgn(bound, CFCircle(yolk.center, 3.7 * yolk.radius), game.GridMap(), 64);
    bound.CombineRgn(bound, *game.GetParetoSetRgn(), RGN_AND);
    bound.CombineRgn(bound, *game.GetYolkDiscRgn(), RGN_OR);
    return bound;
}

} // namespace

TEST(UncoveredSetTest, LiesInTheParetoSetNearTheYolkOnRandomScenarios) {
    for (const SMethod& method : kMethods) {
        CRand::Seed(2024);
        for (int scenario = 0; scenario < 4; ++scenario) {
            CGameFixture f(100);
            AddRandomMembers(f, 5 + 2 * scenario);
            const std::unique_ptr<CRgn> uncovered = f.game.GetUncoveredSetRgn(10, 0, method.bjs);
            EXPECT_GT(RgnCellCount(*uncovered), 0) << method.name << " " << scenario;
            EXPECT_EQ(CellsOutside(*uncovered, UncoveredBound(f.game)), 0)
                << method.name << " scenario " << scenario;
        }
    }
}

TEST(UncoveredSetTest, ScenarioIsTheSameAfterwards) {
    for (const SMethod& method : kMethods) {
        CGameFixture f(100);
        AddPolygonMembers(f, 5, 30);
        f.game.SetStatusQuo(CFPoint(40, 45));
        const double winSetArea = f.game.GetWinSetArea();
        f.game.GetSpokes();
        f.game.FindUncoveredSet(10, 0, method.bjs);
        EXPECT_EQ(f.game.StatusQuo(), CFPoint(40, 45)) << method.name;
        EXPECT_FALSE(f.game.Stale().IsStale(EConcept::WinSet)) << method.name;
        EXPECT_FALSE(f.game.Stale().IsStale(EConcept::Spokes)) << method.name;
        EXPECT_FALSE(f.game.Stale().IsStale(EConcept::UncoveredSet)) << method.name;
        EXPECT_EQ(f.game.GetWinSetArea(), winSetArea) << method.name;
        for (const CMember* member : f.members)
            EXPECT_EQ(member->StatusQuo(), CFPoint(40, 45)) << method.name;
    }
}

TEST(UncoveredSetTest, SmallAndInvalidGridSizes) {
    CGameFixture f(100);
    AddPolygonMembers(f, 5, 30);
    const CFCircle yolk = f.game.GetYolkCircle();
    const CRgn ten = CUncoveredSetEstimator(f.game, yolk, 10, 0).BJSMethod();
    EXPECT_TRUE(CUncoveredSetEstimator(f.game, yolk, 0, 0).BJSMethod().EqualRgn(ten));
    EXPECT_TRUE(CUncoveredSetEstimator(f.game, yolk, -4, 0).BJSMethod().EqualRgn(ten));
    for (int size = 1; size <= 3; ++size) {
        // A first pass of one lattice cell per side, not a division by zero.
        const CRgn small = CUncoveredSetEstimator(f.game, yolk, size, 0).BJSMethod();
        EXPECT_TRUE(small.IsValid()) << size;
        EXPECT_GT(RgnCellCount(small), 0) << size;
    }
    CGameFixture coarse(30);
    AddPolygonMembers(coarse, 5, 30);
    EXPECT_GT(
        RgnCellCount(
            CUncoveredSetEstimator(coarse.game, coarse.game.GetYolkCircle(), 40, 0).GridMethod()),
        0)
        << "a grid finer than the chart steps one cell at a time";
}

TEST(UncoveredSetTest, BJSRunsAreRepeatableAndReportTheirPasses) {
    CRand::Seed(5);
    CGameFixture f(100);
    AddRandomMembers(f, 9);
    const std::unique_ptr<CRgn> first = f.game.GetUncoveredSetRgn(12, 0, 1);
    f.game.Stale().MarkStale(EConcept::UncoveredSet);
    const std::unique_ptr<CRgn> second = f.game.GetUncoveredSetRgn(12, 0, 1);
    EXPECT_TRUE(first->EqualRgn(*second));
    const auto& texts = f.platform.StatusTexts();
    for (const char* expected : {" Pass - 1 of 4;  Progress - 0", " Pass - 4 of 4;  Progress - 0"})
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const SStatusRecord& r) {
            return r.pane == 1 && r.text == expected;
        })) << expected;
}

TEST(UncoveredSetTest, GridMethodReportsProgressAndExcludesTheYolkOnlyWhenAsked) {
    CGameFixture f(100);
    AddPolygonMembers(f, 5, 30);
    const CFCircle yolk = f.game.GetYolkCircle();
    CUncoveredSetEstimator plain(f.game, yolk, 10, 0);
    const CRgn kept = plain.GridMethod();
    EXPECT_EQ(f.platform.StatusTexts().front().text, " Progress - 0");
    // With trade-off members of salience 1 the yolk goes back into the search either way.
    EXPECT_TRUE(CUncoveredSetEstimator(f.game, yolk, 10, 1).GridMethod().EqualRgn(kept));
    f.owned[0]->SetSalience(2.0);
    f.Refresh();
    const CFCircle skewed = f.game.GetYolkCircle();
    const CRgn excluded = CUncoveredSetEstimator(f.game, skewed, 10, 1).GridMethod();
    CRgn centre;
    CreateCircleRgn(centre, CFCircle(skewed.center, skewed.radius * 0.5), f.game.GridMap(), 32);
    CRgn overlap;
    overlap.CombineRgn(excluded, centre, RGN_AND);
    EXPECT_TRUE(overlap.IsEmpty()) << "the yolk's middle stays out";
}

TEST(UncoveredPointsTest, CoveringNeedsEveryPointThatBeatsTheCovererToBeatTheCovered) {
    struct SCase {
        const char* name;
        std::vector<std::vector<bool>> beats;
        std::vector<bool> accepted;
        std::vector<bool> uncovered;
    };
    const std::vector<SCase> cases = {
        {"a cycle covers nothing",
         {{false, true, false}, {false, false, true}, {true, false, false}},
         {false, false, false},
         {true, true, true}},
        {"a winner covers the rest",
         {{false, true, true}, {false, false, true}, {false, false, false}},
         {false, false, false},
         {true, false, false}},
        {"accepted points are not tested",
         {{false, true, true}, {false, false, true}, {false, false, false}},
         {false, true, false},
         {true, false, false}},
        {"c covers a; a does not cover b, since c beats a and not b",
         {{false, true, false, false},
          {false, false, false, false},
          {true, false, false, false},
          {false, false, false, false}},
         {false, false, false, false},
         {false, true, true, true}},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(UncoveredPoints(c.beats, c.accepted), c.uncovered) << c.name;
}

TEST(UncoveredSetTest, BodiesWithoutAYolkRadiusStillHaveOneInTheParetoSet) {
    const struct {
        const char* name;
        std::vector<std::array<double, 3>> members; ///< x, y, weight
        double rule;
    } cases[] = {
        {"four weighted members under a two-thirds rule",
         {{20, 20, 3}, {80, 20, 1}, {50, 80, 1}, {50, 40, 1}},
         0.667},
        {"a centre member with one on each side",
         {{50, 50, 1}, {30, 50, 1}, {70, 50, 1}, {50, 30, 1}, {50, 70, 1}},
         0.5},
        {"a heavy member inside a triangle",
         {{20, 25, 1}, {80, 25, 1}, {50, 77, 1}, {50, 45, 3}},
         0.5},
    };
    for (const auto& c : cases) {
        CGameFixture f(100);
        for (const auto& [x, y, weight] : c.members)
            f.Add(x, y, PREF_TRADEOFF, weight);
        f.game.SetWeightedVoting(1);
        f.game.SetVoteRule(c.rule);
        ASSERT_LE(f.game.GetYolkCircle().radius, 1e-7) << c.name << ": the yolk gives no scale";
        const std::unique_ptr<CRgn> uncovered = f.game.GetUncoveredSetRgn(10, 0, 1);
        ASSERT_TRUE(uncovered) << c.name;
        EXPECT_GT(RgnCellCount(*uncovered), 0) << c.name;
        EXPECT_EQ(CellsOutside(*uncovered, *f.game.GetParetoSetRgn()), 0) << c.name;
        f.game.Stale().MarkStale(EConcept::UncoveredSet);
        EXPECT_TRUE(f.game.GetUncoveredSetRgn(10, 0, 1)->EqualRgn(*uncovered)) << c.name;
    }
}

TEST(UncoveredPointsTest, StoredDistancesGiveThePairByPairRelation) {
    CRand::Seed(77);
    for (int body = 0; body < 12; ++body) {
        CGameFixture f(100);
        const int n = 3 + 7 * body;
        for (int i = 0; i < n; ++i) {
            // Every third member shares the previous one's point; weights are whole or halves.
            const bool twin = i % 3 == 2;
            const double x = twin ? f.owned.back()->IdealPoint().x : std::round(Uniform(20, 80));
            const double y = twin ? f.owned.back()->IdealPoint().y : std::round(Uniform(20, 80));
            const int type = i % 11 == 5 ? PREF_ABSTAIN : PREF_TRADEOFF;
            CMember& member = f.AddQuietly(x, y, type, 0.5 * (1 + CRand::Next() % 6));
            member.SetWeighted(body % 2);
        }
        f.Refresh();
        // Whole-number lattice points are often as far from two members as from each other, so
        // ties are common; a repeated point beats nothing of its twin.
        std::vector<CFPoint> lattice;
        for (int k = 0; k < 40; ++k)
            lattice.emplace_back(std::round(Uniform(10, 90)), std::round(Uniform(10, 90)));
        lattice.push_back(lattice.front());
        const double total = n;
        for (double quota : {0.0, 0.5 * total, 0.5 * total + 0.5, 2.0 * total / 3.0, total + 1})
            EXPECT_EQ(BeatsMatrix(f.game, lattice, quota),
                      BeatsMatrixByPairs(f.game, lattice, quota))
                << n << " members, quota " << quota;
    }
}
