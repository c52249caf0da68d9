#include "geometry/GridMap.h"
#include "document/ChartFrame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

const SEdges kWorld{0.0, 100.0, 100.0, 0.0};

} // namespace

TEST(GridMapTest, FreshMapSendsEveryPointToCellZero) {
    const CGridMap map;
    std::vector<CFPoint> points = {{37.5, -12.0},   {0.0, 0.0},       {-0.0, 1e-320},
                                   {1e300, -1e300}, {-1e-300, 1e300}, {536870912.0, -2.5}};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int k = 0; k < 1000; ++k)
        points.emplace_back(mantissa(random) * std::pow(10.0, exponent(random)),
                            mantissa(random) * std::pow(10.0, exponent(random)));
    for (const CFPoint& p : points) {
        ASSERT_EQ(map.WorldToCell(p), QPoint(0, 0)) << p.x << ", " << p.y;
        ASSERT_EQ(map.WorldToRow(p.y), 0) << p.y;
    }
    EXPECT_EQ(map.CellToWorld(250, -40), CFPoint(0, 0)) << "and every cell to the origin";
}

TEST(GridMapTest, ScreenRectangleMapsWorldCornersOntoItsCorners) {
    CGridMap map;
    map.Set(kWorld, SIntRect{50, 50, 450, 450});
    EXPECT_EQ(map.WorldToCell(CFPoint(0, 0)), QPoint(50, 450)) << "world (left, bottom)";
    EXPECT_EQ(map.WorldToCell(CFPoint(100, 100)), QPoint(450, 50)) << "world (right, top)";
    EXPECT_EQ(map.WorldToCell(CFPoint(50, 50)), QPoint(250, 250));
    EXPECT_EQ(map.SignY(), -1.0);
    EXPECT_DOUBLE_EQ(map.UnitX(), 0.25);
    EXPECT_DOUBLE_EQ(map.CellArea(), 0.0625);
    EXPECT_EQ(map.DeviceRect(), (SIntRect{50, 50, 450, 450})) << "device rectangle comes back";
    const CFPoint back = map.CellToWorld(150, 350);
    EXPECT_DOUBLE_EQ(back.x, 25.0);
    EXPECT_DOUBLE_EQ(back.y, 25.0);
}

TEST(GridMapTest, UpwardDeviceRectangleKeepsRowsGrowingUp) {
    CGridMap map;
    map.Set(kWorld, SIntRect{0, 400, 400, 0});
    EXPECT_EQ(map.SignY(), 1.0);
    EXPECT_EQ(map.WorldToCell(CFPoint(0, 0)), QPoint(0, 0));
    EXPECT_EQ(map.WorldToCell(CFPoint(100, 100)), QPoint(400, 400));
}

TEST(GridMapTest, DoubleRectangleUsesExtentsLessOne) {
    CGridMap map;
    map.Set(kWorld, SEdges{0.0, 401.0, 0.0, 400.0}); // top < bottom: rows grow downwards
    // x extent 401 - 0 - 1 = 400; y extent |0 - 400 - 1| = 401.
    EXPECT_DOUBLE_EQ(map.ScaleX(), 4.0);
    EXPECT_DOUBLE_EQ(map.ScaleY(), 4.01);
    EXPECT_EQ(map.WorldToCell(CFPoint(100, 0)), QPoint(400, 400));
}

TEST(GridMapTest, ZeroWidthWorldGivesHugeScaleNotFailure) {
    CGridMap map;
    map.Set(SEdges{5.0, 5.0, 100.0, 0.0}, SIntRect{0, 0, 400, 400});
    EXPECT_DOUBLE_EQ(map.ScaleX(), 400.0 / 1e-7);
    EXPECT_EQ(map.WorldToCell(CFPoint(5.0, 0.0)).x(), 0);
}

TEST(GridMapTest, NearestRoundsHalvesAwayFromZeroAndHoldsExtremes) {
    EXPECT_EQ(Nearest(2.5), 3);
    EXPECT_EQ(Nearest(-2.5), -3);
    EXPECT_EQ(Nearest(-2.4), -2);
    EXPECT_EQ(Nearest(1e300), 536870912);
    EXPECT_EQ(Nearest(std::nan("")), -536870912);
    // Halves and the numbers beside them, small and large, either sign: as std::lround.
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> spread(-6e8, 6e8);
    for (int k = 0; k < 200000; ++k) {
        double value = k < 2000 ? (k - 1000) * 0.5 : spread(random) / std::pow(10.0, k % 9);
        if (k % 3 == 1)
            value = std::nextafter(value, 1e9);
        if (k % 3 == 2)
            value = std::nextafter(value, -1e9);
        if (std::fabs(value) < 536870912.0) {
            ASSERT_EQ(Nearest(value), std::lround(value)) << value;
        }
    }
    EXPECT_EQ(Nearest(0.49999999999999994), 0);
    EXPECT_EQ(Nearest(-0.49999999999999994), 0);
}

TEST(GridMapTest, ChartMapShowsTheScaleBoxOnThePlotAndZoomsAboutItsCentre) {
    const CGridMap map = ChartGridMap(kWorld, 400, 400, 1.0);
    EXPECT_EQ(map.WorldToCell(CFPoint(0, 0)), QPoint(50, 450)) << "plot's lower-left pixel";
    EXPECT_EQ(map.WorldToCell(CFPoint(100, 100)), QPoint(450, 50)) << "plot's upper-right pixel";
    const CGridMap zoomed = ChartGridMap(kWorld, 400, 400, 2.0);
    EXPECT_EQ(zoomed.WorldToCell(CFPoint(25, 25)), QPoint(50, 450));
    EXPECT_EQ(zoomed.WorldToCell(CFPoint(75, 75)), QPoint(450, 50));
}

TEST(GridMapTest, CellRectangleToWorld) {
    CGridMap map;
    map.Set(kWorld, SIntRect{0, 0, 400, 400});
    const SEdges world = map.CellRectToWorld(SIntRect{100, 100, 200, 300});
    EXPECT_DOUBLE_EQ(world.left, 25.0);
    EXPECT_DOUBLE_EQ(world.right, 50.0);
    EXPECT_DOUBLE_EQ(world.bottom, 25.0);
    EXPECT_DOUBLE_EQ(world.top, 75.0);
}
