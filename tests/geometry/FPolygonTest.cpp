#include "geometry/FPolygon.h"
#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

double Cross(const CFPoint& o, const CFPoint& a, const CFPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double SignedArea(const std::vector<CFPoint>& points) {
    double twice = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i)
        twice += Cross(CFPoint(), points[i], points[(i + 1) % points.size()]);
    return twice / 2;
}

/// The hull starts at the lowest (then leftmost) point, turns left at every vertex, goes round
/// exactly once, and has no input point outside it.
void ExpectHullOf(const std::vector<CFPoint>& input, const std::vector<CFPoint>& hull) {
    ASSERT_GE(hull.size(), 3u);
    for (const CFPoint& p : input)
        EXPECT_TRUE(p.y > hull[0].y || (p.y == hull[0].y && p.x >= hull[0].x));
    double turning = 0.0;
    const std::size_t n = hull.size();
    for (std::size_t i = 0; i < n; ++i) {
        const CFPoint& a = hull[i];
        const CFPoint& b = hull[(i + 1) % n];
        const CFPoint& c = hull[(i + 2) % n];
        const double cross = Cross(a, b, c);
        EXPECT_GE(cross, -1e-9) << "right turn at hull vertex " << (i + 1) % n;
        const double dot = (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y);
        turning += std::atan2(cross, dot);
        for (const CFPoint& p : input)
            EXPECT_GE(Cross(a, b, p), -1e-9) << "point outside edge " << i;
    }
    EXPECT_NEAR(turning, 2 * std::numbers::pi, 1e-9) << "the hull winds exactly once";
}

/// Whether the points lie on one line: no three of them turn (exact for the small whole numbers
/// of a lattice; real coordinates drawn at random are never on one line).
bool OnOneLine(const std::vector<CFPoint>& points) {
    for (const CFPoint& a : points)
        for (const CFPoint& b : points)
            for (const CFPoint& c : points)
                if (Cross(a, b, c) != 0.0)
                    return false;
    return true;
}

} // namespace

TEST(FPolygonTest, SortOrdersByXThenYThenZAndRefusesShortArrays) {
    std::vector<CFPoint> points = {{2, 1, 0}, {1, 5, 0}, {2, 0, 1}, {2, 0, 0}, {1, 5, -1}};
    EXPECT_EQ(SortPoints(points), EGeoStatus::Ok);
    ExpectPoints(points, {{1, 5, -1}, {1, 5, 0}, {2, 0, 0}, {2, 0, 1}, {2, 1, 0}});
    std::vector<CFPoint> one = {{1, 1}};
    EXPECT_EQ(SortPoints(one), EGeoStatus::InvalidParameter);
    std::vector<CFPoint> withNan = {{std::nan(""), 0}, {3, 0}, {1, 0}, {std::nan(""), 1}};
    EXPECT_EQ(SortPoints(withNan), EGeoStatus::Ok);
    EXPECT_EQ(withNan[0].x, 1);
    EXPECT_EQ(withNan[1].x, 3);
}

TEST(FPolygonTest, ContainmentCountsVerticesAndUsesEvenOdd) {
    // A square with a notch: (4, 4) is a vertex, (2, 3) lies in the notch.
    const CFPolygon notched(std::vector<CFPoint>{{0, 0}, {4, 0}, {4, 4}, {2, 2}, {0, 4}});
    struct SCase {
        std::string name;
        CFPoint point;
        bool inside;
    };
    const std::vector<SCase> cases = {{"inside", {1, 1}, true},
                                      {"in the notch", {2, 3}, false},
                                      {"vertex", {4, 4}, true},
                                      {"outside", {5, 1}, false},
                                      {"not a number", {std::nan(""), 1}, false}};
    for (const SCase& c : cases)
        EXPECT_EQ(notched.Contains(c.point), c.inside) << c.name;
    EXPECT_FALSE(CFPolygon().Contains(CFPoint()));
}

TEST(FPolygonTest, RegularPolygonStartsRightOfTheCentre) {
    const CFPolygon square = CFPolygon::Regular(CFPoint(50, 50), 10, 4);
    ExpectPoints(square.Points(), {{60, 50}, {50, 60}, {40, 50}, {50, 40}});
    EXPECT_EQ(CFPolygon::Regular(CFPoint(), 1, 0).Count(), 0);
    EXPECT_EQ(CFPolygon::Regular(CFPoint(), 1, -3).Count(), 0);
}

TEST(FPolygonTest, ConvexHullCases) {
    struct SCase {
        std::string name;
        std::vector<CFPoint> input;
        std::vector<CFPoint> hull; // empty: no hull
    };
    const std::vector<SCase> cases = {
        {"collinear along x", {{2, 0}, {0, 0}, {1, 0}}, {{0, 0}, {1, 0}, {2, 0}}},
        {"square", {{1, 1}, {0, 1}, {1, 0}, {0, 0}}, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
        {"interior and left-edge points dropped",
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0.5}, {0, 0.5}},
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
        {"first-edge point kept",
         {{0, 0}, {2, 0}, {1, 0}, {1, 1}},
         {{0, 0}, {1, 0}, {2, 0}, {1, 1}}},
        {"duplicates removed", {{0, 0}, {1, 0}, {0, 0}, {0, 1}, {1, 0}}, {{0, 0}, {1, 0}, {0, 1}}},
        {"two points", {{0, 0}, {1, 1}}, {}},
        {"three copies of a point", {{1, 1}, {1, 1}, {1, 1}}, {}},
        {"two distinct points", {{1, 1}, {2, 2}, {1, 1}}, {}},
        {"not a number", {{0, 0}, {1, 0}, {std::nan(""), 1}}, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto hull = CFPolygon(c.input).FindConvexHull();
        ASSERT_EQ(hull.has_value(), !c.hull.empty());
        if (hull)
            ExpectPoints(hull->Points(), c.hull);
    }
}

TEST(FPolygonTest, ConvexHullOfRandomSetsIsConvexCounterClockwiseAndCoversEveryPoint) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> coordinate(-100, 100);
    std::uniform_int_distribution<int> lattice(0, 6);
    int hulls = 0;
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        std::vector<CFPoint> points;
        const int count = 3 + round % 40;
        for (int i = 0; i < count; ++i) {
            // Every other round draws from a small lattice, full of collinear points and repeats.
            if (round % 2)
                points.emplace_back(lattice(random), lattice(random));
            else
                points.emplace_back(coordinate(random), coordinate(random));
        }
        const auto hull = CFPolygon(points).FindConvexHull();
        ASSERT_EQ(hull.has_value(), !OnOneLine(points)) << "a hull exactly when there is an area";
        if (hull) {
            ExpectHullOf(points, hull->Points());
            ++hulls;
        }
    }
    EXPECT_GT(hulls, 190) << "few lattice rounds fall on one line";
}

TEST(FPolygonTest, RectangleClippedByALine) {
    const CFRect rect(0, 10, 10, 0);
    const CFLine middle = CFLine::FromSlopeIntercept(0, 5);
    ExpectPoints(ClipRectByLine(rect, middle, CFPoint(5, 2), 0).Points(),
                 {{10, 5}, {10, 10}, {0, 10}, {0, 5}});
    ExpectPoints(ClipRectByLine(rect, middle, CFPoint(5, 8), 0).Points(),
                 {{0, 5}, {0, 0}, {10, 0}, {10, 5}});
    ExpectPoints(ClipRectByLine(rect, middle, CFPoint(5, 2), 1).Points(),
                 {{10, 5}, {10, 10}, {0, 10}, {0, 5}});

    struct SCase {
        std::string name;
        CFLine line;
        CFPoint point;
        int mode;
        double area;
        CFPoint kept; // a point the kept part must contain (when the area is positive)
    };
    const std::vector<SCase> cases = {
        {"vertical line", CFLine({3, 0}, {3, 1}), {8, 5}, 0, 30, {1, 5}},
        {"diagonal through corners", CFLine::FromSlopeIntercept(1, 0), {8, 2}, 0, 50, {2, 8}},
        {"line missing, rectangle away from the point",
         CFLine::FromSlopeIntercept(0, 20),
         {5, 30},
         0,
         100,
         {5, 5}},
        {"line missing, rectangle beside the point",
         CFLine::FromSlopeIntercept(0, 20),
         {5, 2},
         0,
         0,
         {}},
        {"mode 1 with the point outside", middle, {5, 20}, 1, 0, {}},
        {"unknown mode", middle, {5, 2}, 2, 0, {}},
        {"line of no number", CFLine::FromSlopeIntercept(std::nan(""), 0), {5, 2}, 0, 0, {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CFPolygon part = ClipRectByLine(rect, c.line, c.point, c.mode);
        EXPECT_NEAR(std::fabs(SignedArea(part.Points())), c.area, 1e-9);
        if (c.area > 0) {
            EXPECT_TRUE(part.Contains(c.kept));
            EXPECT_FALSE(part.Contains(c.point));
        }
    }
}
