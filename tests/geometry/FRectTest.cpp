#include "geometry/FRect.h"
#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

const CFRect kRect(0, 4, 2, 0); // left, right, top, bottom

} // namespace

TEST(FRectTest, PointsBySideCounts) {
    EXPECT_TRUE(kRect.GetPoints(0, 0, 0, 0).empty());
    EXPECT_TRUE(kRect.GetPoints(-2, 1, 0, 0).empty());
    ExpectPoints(kRect.GetPoints(0, 1, 0, 0), {{2, 1}});
    ExpectPoints(kRect.GetPoints(0, 0, 3, 0), {{0, 0}, {4, 0}, {4, 2}});
    ExpectPoints(kRect.GetPoints(1, 1, 1, 1), {{0, 0}, {4, 0}, {4, 2}, {0, 2}});
    ExpectPoints(kRect.GetPoints(2, 2, 2, 2),
                 {{0, 2}, {0, 1}, {0, 0}, {2, 0}, {4, 0}, {4, 1}, {4, 2}, {2, 2}});
    // A side with no count is skipped; the others still stop one step short of the next.
    ExpectPoints(kRect.GetPoints(0, 2, 0, 3),
                 {{0, 0}, {2, 0}, {4, 2}, {4 - 4.0 / 3, 2}, {4 - 8.0 / 3, 2}});
}

TEST(FRectTest, PointsByTotalSplitInProportionToTheSides) {
    struct SCase {
        std::string name;
        CFRect rect;
        int n;
        std::array<int, 4> sides; // left, bottom, right, top
    };
    const std::vector<SCase> cases = {
        {"remainder 2", CFRect(0, 10, 5, 0), 20, {3, 7, 3, 7}},
        {"remainder 0", CFRect(0, 10, 10, 0), 20, {5, 5, 5, 5}},
        {"remainder 1", CFRect(0, 10, 10, 0), 21, {5, 6, 5, 5}},
        {"remainder 3", CFRect(0, 10, 10, 0), 23, {5, 6, 6, 6}},
        {"zero width", CFRect(3, 3, 5, 0), 10, {2, 2, 2, 4}},
        {"inverted rectangle", CFRect(10, 0, 0, 5), 20, {3, 7, 3, 7}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [l, b, r, t] = c.sides;
        ExpectPoints(c.rect.GetPoints(c.n), c.rect.GetPoints(l, b, r, t));
        EXPECT_EQ(c.rect.GetPoints(c.n).size(), static_cast<std::size_t>(l + b + r + t));
    }
    EXPECT_TRUE(kRect.GetPoints(0).empty());
    EXPECT_TRUE(kRect.GetPoints(-7).empty());
    EXPECT_TRUE(CFRect(0, std::nan(""), 1, 0).GetPoints(8).size() == 8u);
}

TEST(FRectTest, NearestAndFarthestBoundaryPoints) {
    struct SCase {
        std::string name;
        CFPoint from;
        CFPoint nearest;
        CFPoint farthest;
    };
    const std::vector<SCase> cases = {
        {"outside left", {-3, 1.5}, {0, 1.5}, {4, 0}},
        {"outside a corner", {6, 5}, {4, 2}, {0, 0}},
        {"inside near the top", {1, 1.8}, {1, 2}, {4, 0}},
        {"centre: earlier sides win ties", {2, 1}, {2, 2}, {0, 0}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(kRect.GetNearestPoint(c.from), c.nearest);
        EXPECT_EQ(kRect.GetFarthestPoint(c.from), c.farthest);
    }
}
