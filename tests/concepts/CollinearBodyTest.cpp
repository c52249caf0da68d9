// Bodies whose members stand at one point or on one line: the general estimators have no
// triangle, no hull with an inside and no pair of distinct quota lines to work on.
#include "preferences/CollinearBody.h"
#include "ConceptsFixture.h"
#include "preferences/SmallestCircle.h"
#include "preferences/Yolk.h"

#include <gtest/gtest.h>

namespace {

/// The one cell of the chart that holds the point.
CRgn CellOf(const CVotingGame& game, const CFPoint& p) {
    return SegmentCells(game.GridMap(), p, p);
}

bool SameCells(const CRgn& a, const CRgn& b) {
    CRgn difference;
    difference.CombineRgn(a, b, RGN_XOR);
    return RgnCellCount(difference) == 0;
}

TEST(CollinearBodyTest, CoincidentMembersHaveTheirPointForEveryConcept) {
    for (const double rule : {0.5, 0.6, 1.0}) {
        for (const int count : {2, 3, 5}) {
            SCOPED_TRACE("rule " + std::to_string(rule) + ", members " + std::to_string(count));
            CGameFixture f(100);
            for (int i = 0; i < count; ++i)
                f.Add(30, 40);
            f.game.SetVoteRule(rule);
            const CRgn cell = CellOf(f.game, CFPoint(30, 40));
            EXPECT_EQ(RgnCellCount(cell), 1);
            EXPECT_TRUE(SameCells(*f.game.GetParetoSetRgn(), cell));
            EXPECT_TRUE(SameCells(*f.game.GetHeartRgn(36), cell));
            if (rule > 0.5) {
                EXPECT_TRUE(SameCells(*f.game.GetCoreRgn(36), cell)) << "not the whole chart";
            }
            EXPECT_EQ(f.game.GetYolk().center, CFPoint(30, 40));
            EXPECT_EQ(f.game.GetYolk().radius, 0.0);
            EXPECT_TRUE(f.platform.MessageTexts().empty()) << f.platform.MessageTexts().front();
        }
    }
}

TEST(CollinearBodyTest, MembersOnALineHaveTheMedianForYolkCoreAndHeart) {
    CGameFixture f(100);
    // Given out of order, with the median (30, 30) neither first nor last.
    for (const double t : {50.0, 10.0, 30.0, 40.0, 20.0})
        f.Add(t, t);
    const CFPoint median(30, 30);
    EXPECT_EQ(f.game.GetYolk().center, median);
    EXPECT_EQ(f.game.GetYolk().radius, 0.0);
    EXPECT_EQ(f.game.GetExactYolk().centre, median);
    EXPECT_TRUE(SameCells(*f.game.GetHeartRgn(36), CellOf(f.game, median)));
    const CRgn pareto = *f.game.GetParetoSetRgn();
    EXPECT_TRUE(
        SameCells(pareto, SegmentCells(f.game.GridMap(), CFPoint(10, 10), CFPoint(50, 50))));
    EXPECT_GE(RgnCellCount(pareto), 40) << "the cells along the segment";

    // A super-majority widens the core to the stretch no four members can leave.
    f.game.SetVoteRule(0.7);
    EXPECT_TRUE(SameCells(*f.game.GetCoreRgn(36),
                          SegmentCells(f.game.GridMap(), CFPoint(20, 20), CFPoint(40, 40))));
    EXPECT_TRUE(f.platform.MessageTexts().empty());
}

TEST(CollinearBodyTest, WeightsMoveTheMedianAndBodiesOffTheLineAreNotCollinear) {
    CGameFixture f(100);
    f.game.SetWeightedVoting(1);
    f.Add(10, 50, PREF_TRADEOFF, 3.0);
    f.Add(40, 50);
    f.Add(90, 50);
    EXPECT_EQ(f.game.GetYolk().center, CFPoint(10, 50)) << "three of five votes stand there";
    const std::optional<SCollinearBody> body = CollinearBody(f.game);
    ASSERT_TRUE(body);
    ASSERT_EQ(body->positions.size(), 3u);
    const auto core = CollinearCore(*body, 4.0);
    ASSERT_TRUE(core);
    EXPECT_EQ(core->first, CFPoint(10, 50));
    EXPECT_EQ(core->second, CFPoint(40, 50));
    EXPECT_FALSE(CollinearCore(*body, 1.0)) << "a quota of one beats every point";

    f.Add(50, 50.001);
    EXPECT_FALSE(CollinearBody(f.game)) << "a member off the line";
}

} // namespace
