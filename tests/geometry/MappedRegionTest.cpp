#include "geometry/MappedRegion.h"
#include "geometry/GeoTestUtil.h"
#include "geometry/RgnHelpers.h"
#include "platform/CRand.h"

#include <gtest/gtest.h>

namespace {

/// The chart's kind of map: world 0..10 on screen cells 100..110 x 50..60, rows growing down.
CGridMap ChartMap() {
    CGridMap map;
    map.Set(SEdges{0, 10, 10, 0}, SIntRect{100, 50, 110, 60});
    return map;
}

CRgn Marker() {
    CRgn marker;
    CreatePointMarker(marker, QPoint(0, 0));
    return marker;
}

} // namespace

TEST(MappedRegionTest, DefaultAndResetHoldTheMarkerOfCellZero) {
    CMappedRegion region;
    EXPECT_TRUE(region.GetRgn().EqualRgn(Marker()));
    EXPECT_EQ(region.GetArea(), 0.0);
    EXPECT_EQ(region.GetMap(), CGridMap());

    CMappedRegion other(ChartMap(), CFPoint(3, 4), Rect(100, 50, 104, 52));
    other.Reset();
    EXPECT_TRUE(other.GetRgn().EqualRgn(Marker()));
    EXPECT_EQ(other.GetReference(), CFPoint());
    EXPECT_EQ(other.GetMap(), CGridMap());
    EXPECT_EQ(other.GetArea(), 0.0);
}

TEST(MappedRegionTest, FromAGridLandsOnTheChartCellsWithItsArea) {
    const CGridMap map = ChartMap();
    // One row and one column more than filled, as the vote grid is made.
    CRegion grid(11, 11);
    for (int i = 2; i < 5; ++i)
        for (int j = 3; j < 11; ++j)
            grid.At(i, j) = 2.0;
    const CMappedRegion region(grid, 1.5, map, CFPoint(5, 5));
    EXPECT_TRUE(region.GetRgn().EqualRgn(Rect(103, 52, 110, 55)));
    EXPECT_DOUBLE_EQ(region.GetArea(), 21 * map.UnitX() * map.UnitY());
    EXPECT_EQ(region.GetReference(), CFPoint(5, 5));

    const CMappedRegion nothing(grid, 3.0, map, CFPoint(5, 5));
    EXPECT_TRUE(nothing.GetRgn().IsValid());
    EXPECT_TRUE(IsEmptyRgn(nothing.GetRgn()));
    EXPECT_EQ(nothing.GetArea(), 0.0);
    EXPECT_EQ(nothing.GetWorldBox(), CFRect());
}

TEST(MappedRegionTest, PointTestWorldBoxAndRandomPoint) {
    const CGridMap map = ChartMap();
    const CMappedRegion region(map, CFPoint(), Rect(100, 55, 105, 60));
    EXPECT_TRUE(region.PtInRegion(CFPoint(1, 2)));
    EXPECT_FALSE(region.PtInRegion(CFPoint(8, 2)));
    EXPECT_FALSE(region.PtInRegion(CFPoint(1, 8)));
    EXPECT_DOUBLE_EQ(region.GetArea(), 25.0);
    EXPECT_EQ(region.GetWorldBox(), CFRect(map.CellRectToWorld(SIntRect{100, 55, 105, 60})));
    CRand::Seed(1);
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(region.PtInRegion(region.GetRandomPoint()));
}

TEST(MappedRegionTest, AssignCloneCopyAndCombine) {
    const CMappedRegion source(ChartMap(), CFPoint(1, 2), Rect(100, 50, 104, 52));
    CMappedRegion target;
    target.Assign(source);
    EXPECT_TRUE(target.GetRgn().EqualRgn(source.GetRgn()));
    EXPECT_EQ(target.GetMap(), source.GetMap());
    EXPECT_EQ(target.GetReference(), source.GetReference());
    EXPECT_EQ(target.GetArea(), source.GetArea());

    EXPECT_TRUE(source.Clone()->GetRgn().EqualRgn(source.GetRgn()));

    CRgn copy = Rect(7, 7, 9, 9);
    EXPECT_EQ(source.CopyRgn(copy), SIMPLEREGION);
    EXPECT_TRUE(copy.EqualRgn(source.GetRgn()));
    CRgn fromDefault;
    EXPECT_EQ(CMappedRegion().CopyRgn(fromDefault), RegionType(Marker().ToQRegion()));

    CMappedRegion cut(ChartMap(), CFPoint(), Rect(100, 50, 110, 60));
    const double cellArea = cut.GetArea() / 100;
    EXPECT_EQ(cut.CombineRgn(Rect(100, 50, 105, 60), RGN_DIFF), SIMPLEREGION);
    EXPECT_DOUBLE_EQ(cut.GetArea(), 50 * cellArea);
    cut.CombineRgn(Rect(103, 50, 108, 60), RGN_XOR);
    EXPECT_DOUBLE_EQ(cut.GetArea(), 40 * cellArea);
}
