#include "geometry/FTriangle.h"
#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const CFTriangle kRight(CFPoint(0, 0), CFPoint(4, 0), CFPoint(0, 3));

} // namespace

TEST(FTriangleTest, IncentreAndInradiusOfAThreeFourFiveTriangle) {
    EXPECT_EQ(kRight.GetIncentre(), CFPoint(1, 1));
    EXPECT_DOUBLE_EQ(kRight.GetInradius(), 1.0);
    EXPECT_FALSE(kRight.IsDegenerate());
    const CFTriangle cleared;
    EXPECT_EQ(cleared.GetIncentre(), CFPoint(0, 0));
    EXPECT_EQ(cleared.GetInradius(), 0.0);
    EXPECT_TRUE(cleared.IsDegenerate());
}

TEST(FTriangleTest, DegeneracyAndFlagsFromVertices) {
    struct SCase {
        std::string name;
        CFTriangle triangle;
        bool degenerate;
        int coincidentPair; // -1: none
    };
    const std::vector<SCase> cases = {
        {"proper", kRight, false, -1},
        {"collinear", CFTriangle({0, 0}, {1, 1}, {3, 3}), true, CFTriangle::E0E1},
        {"collinear vertical", CFTriangle({2, 0}, {2, 5}, {2, 1}), true, CFTriangle::E0E1},
        {"two equal vertices", CFTriangle({0, 0}, {1, 0}, {1, 0}), true, CFTriangle::E1E2},
        {"not a number", CFTriangle({0, std::nan("")}, {1, 0}, {0, 1}), true, -1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.triangle.IsDegenerate(), c.degenerate);
        for (int pair = 0; pair < 3; ++pair)
            EXPECT_EQ(c.triangle.IsCoincident(static_cast<CFTriangle::EEdgePair>(pair)),
                      pair == c.coincidentPair)
                << pair;
    }
}

TEST(FTriangleTest, ParallelLinesCloseTheTriangleFarOut) {
    // Lines 0 and 1 are the horizontal lines y = 0 and y = 1; vertex 2 lies far along line 0.
    const CFTriangle strip(CFLine::FromSlopeIntercept(0, 0), CFLine::FromSlopeIntercept(0, 1),
                           CFLine({2, 0}, {2, 1}));
    EXPECT_TRUE(strip.IsParallel(CFTriangle::E0E1));
    EXPECT_FALSE(strip.IsParallel(CFTriangle::E0E2));
    EXPECT_FALSE(strip.IsDegenerate());
    EXPECT_EQ(strip.GetVertex(2), CFPoint(1e7, 0));
    ExpectPoints(strip.GetPoints(1, 0, 0), {{2, 0.5}});

    // A vertical pair places the far vertex on the first line's own x.
    const CFTriangle upright(CFLine({3, 0}, {3, 1}), CFLine::FromSlopeIntercept(1, 0),
                             CFLine({5, 0}, {5, 1}));
    EXPECT_TRUE(upright.IsParallel(CFTriangle::E0E2));
    EXPECT_EQ(upright.GetVertex(1), CFPoint(3, 1e7));
    ExpectPoints(upright.GetPoints(0, 1, 0), {{4, 4}});

    const CFTriangle same(CFLine::FromSlopeIntercept(1, 1), CFLine::FromSlopeIntercept(2, 0),
                          CFLine::FromSlopeIntercept(1, 1));
    EXPECT_TRUE(same.IsCoincident(CFTriangle::E0E2));
    EXPECT_TRUE(same.IsDegenerate());
}

TEST(FTriangleTest, PointsByEdgeCounts) {
    EXPECT_TRUE(kRight.GetPoints(0, 0, 0).empty());
    ExpectPoints(kRight.GetPoints(0, 0, 1), {{1, 1}});
    ExpectPoints(kRight.GetPoints(1, 1, 0), {{0, 0}, {4, 0}});
    ExpectPoints(kRight.GetPoints(0, 3, 0), {{0, 0}, {4, 0}, {0, 3}});
    // E0 runs V1 -> V2, E1 runs V2 -> V0, E2 runs V0 -> V1; a zero count skips its edge.
    ExpectPoints(kRight.GetPoints(2, 0, 2), {{2, 1.5}, {0, 3}, {2, 0}, {4, 0}});
    EXPECT_EQ(kRight.GetPoints(10, 20, 30).size(), 60u);
}

TEST(FTriangleTest, RhombusVerticesAndPoints) {
    const CFRhombus rhombus(CFPoint(1, 1), 5, 0.75, 0);
    // h = 5 / sqrt(0.75^2 + 1) = 4, g = 3.
    ExpectPoints({rhombus.GetVertex(0), rhombus.GetVertex(1), rhombus.GetVertex(2),
                  rhombus.GetVertex(3), rhombus.GetVertex(4)},
                 {{1, 4}, {-3, 1}, {1, -2}, {5, 1}, {1, 1}});
    EXPECT_TRUE(rhombus.GetPoints(0).empty());
    ExpectPoints(rhombus.GetPoints(1), {{1, 1}});
    ExpectPoints(rhombus.GetPoints(3), {{1, 4}, {-3, 1}, {1, -2}});
    const std::vector<CFPoint> ten = rhombus.GetPoints(10);
    ExpectPoints(ten, {{-1, 2.5},
                       {-3, 1},
                       {-1, -0.5},
                       {1, -2},
                       {3, -0.5},
                       {5, 1},
                       {4, 1.75},
                       {3, 2.5},
                       {2, 3.25},
                       {1, 4}});
    const CFRhombus turned(CFPoint(0, 0), 1, 1, std::acos(-1.0) / 2);
    EXPECT_EQ(turned.GetVertex(0), CFPoint(-std::sqrt(0.5), 0));
}
