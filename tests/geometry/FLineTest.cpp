#include "geometry/FLine.h"
#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

struct SLineCase {
    std::string name;
    CFLine line;
    bool vertical;
    double slope;
    double yIntercept;
    double xIntercept;
};

} // namespace

TEST(FLineTest, ConstructionsGiveSlopeInterceptsAndVerticality) {
    const std::vector<SLineCase> cases = {
        {"slope and point", CFLine::FromSlopePoint(2, CFPoint(1, 5)), false, 2, 3, -1.5},
        {"horizontal has far x-intercept", CFLine::FromSlopeIntercept(0, 4), false, 0, 4, 1e9},
        {"two points", CFLine(CFPoint(0, 1), CFPoint(2, 5)), false, 2, 1, -0.5},
        {"two points one above the other", CFLine(CFPoint(3, 1), CFPoint(3, 5)), true, 1e9, 0, 3},
        {"coincident points", CFLine(CFPoint(3, 1), CFPoint(3, 1)), true, 1e9, 0, 3},
        {"angle pi/2", CFLine::FromPointAngle(CFPoint(7, 2), kPi / 2), true, 1e9, 0, 7},
        {"angle -3pi/2", CFLine::FromPointAngle(CFPoint(-2, 2), -3 * kPi / 2), true, 1e9, 0, -2},
        {"angle pi/4", CFLine::FromPointAngle(CFPoint(0, 1), kPi / 4), false, 1, 1, -1},
        {"slope beyond 1e7 is vertical", CFLine::FromSlopePoint(2e7, CFPoint(4, 0)), true, 1e9, 0,
         4},
        {"perpendicular of horizontal",
         CFLine::FromSlopeIntercept(0, 0).Perpendicular(CFPoint(5, 5)), true, 1e9, 0, 5},
        {"perpendicular of slope 2", CFLine::FromSlopeIntercept(2, 0).Perpendicular(CFPoint(2, 0)),
         false, -0.5, 1, 2},
        {"perpendicular of vertical", CFLine(CFPoint(1, 0), CFPoint(1, 1)).Perpendicular({0, 3}),
         false, 0, 3, 1e9},
    };
    for (const SLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.line.IsVertical(), c.vertical);
        EXPECT_NEAR(c.line.GetSlope(), c.slope, 1e-9);
        EXPECT_NEAR(c.line.GetYIntercept(), c.yIntercept, 1e-9);
        EXPECT_NEAR(c.line.GetXIntercept(), c.xIntercept, 1e-9);
    }
}

TEST(FLineTest, IntersectionsIncludingParallelAndVertical) {
    const CFLine rising = CFLine::FromSlopeIntercept(1, 0);
    const CFLine falling = CFLine::FromSlopeIntercept(-1, 2);
    const CFLine vertical(CFPoint(3, 0), CFPoint(3, 1));
    EXPECT_EQ(IntersectLines(rising, falling), CFPoint(1, 1));
    EXPECT_EQ(IntersectLines(vertical, rising), CFPoint(3, 3));
    EXPECT_EQ(IntersectLines(falling, vertical), CFPoint(3, -1));
    EXPECT_EQ(IntersectLines(vertical, CFLine(CFPoint(5, 0), CFPoint(5, 2))), CFPoint(0, 0));
    EXPECT_EQ(IntersectLines(rising, CFLine::FromSlopeIntercept(1, 5)), CFPoint(0, 0));
}

TEST(FLineTest, SegmentAngleAndParallelTest) {
    const CFLineSeg east(CFPoint(0, 0), CFPoint(2, 0));
    const CFLineSeg north(CFPoint(5, 5), CFPoint(5, 6));
    const CFLineSeg west(CFPoint(9, 1), CFPoint(4, 1));
    const CFLineSeg dot(CFPoint(1, 1), CFPoint(1, 1));
    EXPECT_NEAR(SegmentAngle(east, north), kPi / 2, 1e-12);
    EXPECT_NEAR(SegmentAngle(north, east), -kPi / 2, 1e-12);
    EXPECT_EQ(SegmentAngle(east, dot), 0.0);
    EXPECT_TRUE(east.IsParallel(west));
    EXPECT_FALSE(east.IsParallel(north));
    // Against a plain line a segment falls back to comparing slopes.
    EXPECT_TRUE(north.IsParallel(CFLine(CFPoint(0, 0), CFPoint(0, 1))));
    EXPECT_TRUE(east.IsCoincident(CFLineSeg(CFPoint(7, 0), CFPoint(8, 0))));
    EXPECT_FALSE(east.IsCoincident(west));
}

TEST(FLineTest, SegmentPointsLeaveOutTheStartAndEndAtTheEnd) {
    const CFLineSeg segment(CFPoint(0, 0), CFPoint(4, 8));
    EXPECT_TRUE(segment.GetPoints(0).empty());
    EXPECT_TRUE(segment.GetPoints(-3).empty());
    ExpectPoints(segment.GetPoints(1), {{4, 8}});
    ExpectPoints(segment.GetPoints(4), {{1, 2}, {2, 4}, {3, 6}, {4, 8}});
    ExpectPoints(CFLineSeg(CFPoint(2, 3), CFPoint(2, 3)).GetPoints(3), {{2, 3}, {2, 3}, {2, 3}});
}
