#include "geometry/FCircle.h"
#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

TEST(FCircleTest, CirclePointsStartRightOfTheCentreAndTurnCounterClockwise) {
    const CFCircle circle(CFPoint(1, 2), 3);
    for (int n : {-1, 0, 1})
        ExpectPoints(circle.GetPoints(n), {{1, 2}});
    ExpectPoints(circle.GetPoints(4), {{4, 2}, {1, 5}, {-2, 2}, {1, -1}});
}

TEST(FCircleTest, EllipsePointsFollowTheOrientation) {
    EXPECT_TRUE(CFEllipse(CFPoint(), 2, 1, 0).GetPoints(0).empty());
    const CFEllipse turned(CFPoint(1, 1), 2, 1, std::numbers::pi / 2);
    ExpectPoints(turned.GetPoints(4), {{1, 3}, {0, 1}, {1, -1}, {2, 1}});
}

TEST(FCircleTest, EllipseFromFoci) {
    const CFEllipse ellipse = CFEllipse::FromFoci(CFPoint(0, 0), CFPoint(0, 6), 0.6);
    EXPECT_EQ(ellipse.center, CFPoint(0, 3));
    EXPECT_DOUBLE_EQ(ellipse.a, 5);
    EXPECT_DOUBLE_EQ(ellipse.b, 4);
    EXPECT_DOUBLE_EQ(ellipse.angle, std::numbers::pi / 2);
    for (double e : {0.5, 0.0, 1.0, std::nan("")}) {
        const CFEllipse flat = CFEllipse::FromFoci(CFPoint(2, 2), CFPoint(e == 0.5 ? 2 : 4, 2), e);
        SCOPED_TRACE(e);
        EXPECT_EQ(flat.a, 0.0);
        EXPECT_EQ(flat.b, 0.0);
        EXPECT_EQ(flat.angle, 0.0);
    }
}

TEST(FCircleTest, CircleIntersections) {
    struct SCase {
        std::string name;
        CFCircle first;
        CFCircle second;
        CFPoint p1;
        CFPoint p2;
    };
    const std::vector<SCase> cases = {
        {"two points", {{0, 0}, 5}, {{8, 0}, 5}, {4, -3}, {4, 3}},
        {"touching outside", {{0, 0}, 2}, {{5, 0}, 3}, {2, 0}, {2, 0}},
        {"touching inside, first larger", {{0, 0}, 5}, {{2, 0}, 3}, {5, 0}, {5, 0}},
        {"touching inside, second larger", {{0, 0}, 3}, {{2, 0}, 5}, {-3, 0}, {-3, 0}},
        {"apart", {{0, 0}, 1}, {{5, 0}, 1}, {}, {}},
        {"one inside the other", {{0, 0}, 5}, {{1, 0}, 1}, {}, {}},
        {"same circle", {{1, 1}, 2}, {{1, 1}, 2}, {}, {}},
        {"not a number", {{0, 0}, std::nan("")}, {{1, 0}, 1}, {}, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CFLineSeg segment = IntersectCircles(c.first, c.second);
        EXPECT_EQ(segment.GetP1(), c.p1);
        EXPECT_EQ(segment.GetP2(), c.p2);
    }
}
