#include "geometry/RgnHelpers.h"
#include "geometry/GeoTestUtil.h"
#include "platform/CRand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

/// The region grown by one cell in every direction, diagonals included.
CRgn Grown(const CRgn& rgn) {
    CRgn grown;
    grown.CopyRgn(rgn);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            CRgn moved;
            moved.CopyRgn(rgn);
            moved.OffsetRgn(dx, dy);
            grown.CombineRgn(grown, moved, RGN_OR);
        }
    return grown;
}

/// A 1:1 map from world (0..100) onto a 101 x 101 grid, rows growing upwards.
CGridMap UnitMap() {
    CGridMap map;
    map.Set(SEdges{0, 100, 100, 0}, SEdges{0, 101, 101, 0});
    return map;
}

} // namespace

TEST(RgnHelpersTest, EmptinessAndAreas) {
    CRgn two = Rect(0, 0, 2, 3);
    two.CombineRgn(two, Rect(5, 1, 6, 2), RGN_OR);
    EXPECT_TRUE(IsEmptyRgn(CRgn()));
    EXPECT_TRUE(IsEmptyRgn(Rect(3, 3, 3, 3)));
    EXPECT_FALSE(IsEmptyRgn(two));
    EXPECT_EQ(RgnBoxArea(two), 18);
    CGridMap map;
    map.Set(SEdges{0, 10, 10, 0}, SIntRect{0, 0, 20, 40}); // 0.5 x 0.25 per cell
    EXPECT_DOUBLE_EQ(RgnArea(two, map), 7 * 0.5 * 0.25);
}

TEST(RgnHelpersTest, Containment) {
    const CRgn big = Rect(0, 0, 10, 10);
    EXPECT_TRUE(RgnContains(big, Rect(2, 2, 5, 5)));
    EXPECT_TRUE(RgnContains(big, big));
    EXPECT_FALSE(RgnContains(big, Rect(8, 8, 12, 9)));
    EXPECT_TRUE(RgnContains(big, Rect(4, 4, 4, 4)));
    EXPECT_FALSE(RgnContains(big, CRgn()));
}

TEST(RgnHelpersTest, MarkerTriangleCircleAndPolygon) {
    CRgn marker;
    CreatePointMarker(marker, QPoint(5, 7));
    EXPECT_FALSE(IsEmptyRgn(marker));
    EXPECT_TRUE(RgnContains(Rect(4, 6, 6, 8), marker));

    CRgn triangle;
    CreateTriangleRgn(triangle, QPoint(0, 0), QPoint(10, 0), QPoint(0, 10));
    EXPECT_TRUE(triangle.PtInRegion(2, 2));
    EXPECT_FALSE(triangle.PtInRegion(8, 8));

    const CGridMap map = UnitMap();
    CRgn circle = Rect(0, 0, 1, 1);
    EXPECT_EQ(CreateCircleRgn(circle, CFCircle(CFPoint(50, 50), 20), map, 72), 1);
    const QPoint centre = map.WorldToCell(CFPoint(50, 50));
    EXPECT_TRUE(circle.PtInRegion(centre.x(), centre.y()));
    EXPECT_NEAR(static_cast<double>(circle.CellCount()), 3.14159 * 400, 60);

    for (double radius : {0.0, 1e-7, -3.0, std::nan("")}) {
        CRgn kept = Rect(0, 0, 2, 2);
        EXPECT_EQ(CreateCircleRgn(kept, CFCircle(CFPoint(50, 50), radius), map, 72), 0);
        EXPECT_TRUE(kept.EqualRgn(Rect(0, 0, 2, 2))) << radius;
    }

    CRgn square;
    const CFPolygon polygon(std::vector<CFPoint>{{10, 10}, {30, 10}, {30, 30}, {10, 30}});
    EXPECT_TRUE(CreatePolygonRgn(square, polygon, map));
    EXPECT_NEAR(static_cast<double>(square.CellCount()), 400, 41);
    CRgn flat;
    EXPECT_TRUE(CreatePolygonRgn(flat, CFPolygon(), map));
    EXPECT_TRUE(IsEmptyRgn(flat));
}

TEST(RgnHelpersTest, OutlinesReachingFarBeyondTheChartKeepTheirCellsOnIt) {
    CGridMap chart;
    chart.Set(SEdges{0, 100, 100, 0}, SIntRect{0, 0, 400, 400});
    const CRgn screen = Rect(0, 0, 400, 400);
    // A triangle closed ten million units away, as a strip of the heart is: on the chart it is
    // a band 10 units (40 cells) wide over the full height.
    const CFPolygon strip(std::vector<CFPoint>{{0, 0}, {10, 0}, {5, 1e7}});
    CRgn rgn;
    ASSERT_TRUE(CreatePolygonRgn(rgn, strip, chart));
    CRgn onChart;
    onChart.CombineRgn(rgn, screen, RGN_AND);
    EXPECT_NEAR(static_cast<double>(onChart.CellCount()), 40 * 400, 450);
    EXPECT_TRUE(rgn.PtInRegion(20, 5));

    CRgn tall;
    CreateTriangleRgn(tall, QPoint(0, 0), QPoint(400, 0), QPoint(200, -2147483647 - 1));
    EXPECT_TRUE(tall.PtInRegion(200, -100));
    EXPECT_FALSE(tall.PtInRegion(200, 100));

    CRgn broken = Rect(0, 0, 2, 2);
    const CFPolygon notANumber(std::vector<CFPoint>{{0, 0}, {10, 0}, {5, std::nan("")}});
    EXPECT_TRUE(CreatePolygonRgn(broken, notANumber, chart));
    EXPECT_TRUE(IsEmptyRgn(broken));
}

TEST(RgnHelpersTest, ScalingUpAndBackKeepsARegionWithinOneCell) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int> coordinate(-60, 60);
    std::uniform_int_distribution<int> extent(1, 25);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        CRgn original = Rect(0, 0, 0, 0);
        for (int k = 0; k < 1 + round % 6; ++k) {
            const int x = coordinate(random);
            const int y = coordinate(random);
            CRgn part;
            if (k % 2)
                part.CreateEllipticRgn(x, y, x + extent(random), y + extent(random));
            else
                part.CreateRectRgn(x, y, x + extent(random), y + extent(random));
            original.CombineRgn(original, part, RGN_OR);
        }
        CRgn result;
        result.CopyRgn(original);
        ASSERT_EQ(TransformRgn(result, SXForm{1.05, 0, 0, 1.05, 0, 0}), 1);
        ASSERT_EQ(TransformRgn(result, SXForm{1 / 1.05, 0, 0, 1 / 1.05, 0, 0}), 1);
        EXPECT_TRUE(RgnContains(Grown(original), result));
        EXPECT_TRUE(RgnContains(Grown(result), original));
    }
    CRgn none;
    EXPECT_EQ(TransformRgn(none, SXForm{}), 0);
}

TEST(RgnHelpersTest, RandomCellsLieInTheRegionAndFollowTheSeed) {
    CRgn ring = Rect(0, 0, 30, 30);
    ring.CombineRgn(ring, Rect(2, 2, 28, 28), RGN_DIFF);
    CRand::Seed(123456789);
    std::vector<QPoint> first;
    for (int i = 0; i < 200; ++i) {
        first.push_back(RandomCellInRgn(ring));
        EXPECT_TRUE(ring.PtInRegion(first.back().x(), first.back().y()));
    }
    CRand::Seed(123456789);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(RandomCellInRgn(ring), first[static_cast<std::size_t>(i)]);
    EXPECT_EQ(RandomCellInRgn(CRgn()), QPoint(0, 0));
    EXPECT_EQ(RandomCellInRgn(Rect(5, 5, 5, 5)), QPoint(0, 0));
    EXPECT_EQ(RandomCellInRgn(Rect(7, 9, 8, 10)), QPoint(7, 9));
}
