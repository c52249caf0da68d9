#include "concepts/Heart.h"
#include "ConceptsFixture.h"
#include "concepts/TriangleCover.h"
#include "geometry/FRect.h"
#include "geometry/FTriangle.h"
#include "preferences/QuotaLines.h"

#include <gtest/gtest.h>

TEST(HeartTest, TriangleUnderMajorityIsItsOwnHeart) {
    CGameFixture f(100);
    f.Add(20, 25);
    f.Add(80, 25);
    f.Add(50, 77);
    const std::unique_ptr<CRgn> heart = f.game.GetHeartRgn(60);
    const std::unique_ptr<CRgn> pareto = f.game.GetParetoSetRgn();
    EXPECT_TRUE(heart->EqualRgn(*pareto)) << "the one triangle of the sides is the hull";
    EXPECT_EQ(f.game.IsInsideHeart(CFPoint(50, 40), 60), 1);
    EXPECT_EQ(f.game.IsInsideHeart(CFPoint(90, 90), 60), 0);
    EXPECT_NEAR(f.game.GetHeartBounds(60).left, 20, 1);
}

TEST(HeartTest, TooFewQuotaLinesOrMembersGiveNoHeart) {
    CGameFixture f(100);
    EXPECT_EQ(f.game.GetHeartArea(60), 0.0) << "no members";
    EXPECT_FALSE(f.game.GetHeartRgn(60)->IsValid()) << "left as it was: never built";
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::Heart));
    f.Add(20, 20);
    f.Add(50, 50);
    f.Add(80, 80);
    // Collinear members give one quota line, no triangle: the heart is their median's cell.
    EXPECT_EQ(f.game.GetHeartArea(60), 1.0);
    EXPECT_EQ(f.game.IsInsideHeart(CFPoint(50, 50), 60), 1);
}

TEST(HeartTest, SuperMajorityWithACoreIsTheCoreInTheParetoSet) {
    CGameFixture f(100);
    AddPolygonMembers(f, 7, 30);
    f.game.SetVoteRule(0.666667);
    const std::unique_ptr<CRgn> heart = f.game.GetHeartRgn(60);
    CRgn expected;
    expected.CombineRgn(*f.game.GetCoreRgn(60), *f.game.GetParetoSetRgn(), RGN_AND);
    ASSERT_FALSE(expected.IsEmpty());
    EXPECT_TRUE(heart->EqualRgn(expected));
}

TEST(HeartTest, HeartLiesInTheParetoSetOnRandomScenarios) {
    CRand::Seed(31337);
    for (int scenario = 0; scenario < 6; ++scenario) {
        CGameFixture f(100);
        AddRandomMembers(f, 3 + 2 * scenario);
        f.game.SetVoteRule(scenario % 2 ? 0.5 : 0.7);
        const std::unique_ptr<CRgn> heart = f.game.GetHeartRgn(40);
        EXPECT_GT(RgnCellCount(*heart), 0) << "scenario " << scenario;
        EXPECT_EQ(CellsOutside(*heart, *f.game.GetParetoSetRgn()), 0) << "scenario " << scenario;
    }
}

TEST(HeartTest, TrianglesFromPairCornersEqualTheTrianglesOfThreeLines) {
    CRand::Seed(4711);
    CGameFixture f(100);
    AddRandomMembers(f, 9);
    f.Add(20, 20);
    f.Add(40, 40); // on one line with the previous member and the next
    f.Add(60, 60);
    const std::vector<CQuotaLine> lines = f.game.GetQuotaLines();
    const SIntRect window{-20, -20, 140, 140};
    CTriangleCover naive(window);
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t j = i + 1; j < lines.size(); ++j)
            for (std::size_t k = j + 1; k < lines.size(); ++k) {
                const CFTriangle t(lines[i].segment, lines[j].segment, lines[k].segment);
                if (!t.IsDegenerate())
                    naive.Add(f.game.GridMap().WorldToCell(t.GetVertex(0)),
                              f.game.GridMap().WorldToCell(t.GetVertex(1)),
                              f.game.GridMap().WorldToCell(t.GetVertex(2)));
            }
    EXPECT_TRUE(QuotaLineTriangles(f.game, window).EqualRgn(naive.Rgn()));
}

TEST(TriangleCoverTest, EqualsTheUnionOfPolygonRegions) {
    CRand::Seed(99);
    const SIntRect window{-5, -3, 70, 64};
    CTriangleCover cover(window);
    CRgn naive;
    naive.CreateRectRgn(0, 0, 0, 0);
    for (int t = 0; t < 600; ++t) {
        std::vector<QPoint> corners;
        for (int k = 0; k < 3; ++k) {
            // Some corners far outside the window, some on one line.
            const int spread = t % 5 == 0 ? 4000 : 80;
            corners.emplace_back(CRand::Next() % spread - spread / 4,
                                 CRand::Next() % spread - spread / 4);
        }
        if (t % 7 == 0)
            corners[2] = corners[0] + (corners[1] - corners[0]) * 2;
        if (t % 11 == 0)
            corners[1].setY(corners[t % 2 == 0 ? 0 : 2].y());
        cover.Add(corners[0], corners[1], corners[2]);
        CRgn triangle;
        triangle.CreatePolygonRgn(corners, WINDING);
        naive.CombineRgn(naive, triangle, RGN_OR);
        if (t % 50 == 0 || t == 599) {
            CRgn clip;
            clip.CreateRectRgnIndirect(window);
            CRgn expected;
            expected.CombineRgn(naive, clip, RGN_AND);
            ASSERT_TRUE(cover.Rgn().EqualRgn(expected)) << "after triangle " << t;
        }
    }
}
