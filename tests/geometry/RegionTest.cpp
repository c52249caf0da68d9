#include "geometry/Region.h"
#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

/// A grid from rows of text: '#' holds 1, anything else 0.
CRegion GridOf(const std::vector<std::string>& rows) {
    CRegion grid(static_cast<int>(rows.size()),
                 rows.empty() ? 0 : static_cast<int>(rows[0].size()));
    for (int i = 0; i < grid.Rows(); ++i)
        for (int j = 0; j < grid.Columns(); ++j)
            grid.At(i, j) = rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] == '#';
    return grid;
}

/// The cells the run rule selects, one at a time: every qualifying cell outside the last
/// column.
CRgn ReferenceRgn(const CRegion& grid, bool (*qualifies)(double)) {
    CRgn result;
    result.CreateRectRgn(0, 0, 0, 0);
    for (int i = 0; i < grid.Rows(); ++i)
        for (int j = 0; j + 1 < grid.Columns(); ++j)
            if (qualifies(grid.At(i, j))) {
                CRgn cell;
                cell.CreateRectRgn(j, i, j + 1, i + 1);
                result.CombineRgn(result, cell, RGN_OR);
            }
    return result;
}

} // namespace

TEST(RegionTest, RunRuleOnSmallGrids) {
    struct SCase {
        std::string name;
        std::vector<std::string> rows;
        std::vector<SIntRect> cells; // expected region as rectangles
        bool otherFormsGiveNone;
    };
    const std::vector<SCase> cases = {
        {"nothing qualifies", {"....", "...."}, {}, true},
        {"only the last column", {"...#", "...#"}, {}, false},
        {"one column", {"#", ".", "#"}, {}, false},
        {"a run up to the last column stops short of it", {".###"}, {{1, 0, 3, 1}}, false},
        {"a lone cell", {".#..", "...."}, {{1, 0, 2, 1}}, false},
        {"two runs and a band", {"##.#.", "##.#.", "....."}, {{0, 0, 2, 2}, {3, 0, 4, 2}}, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CRegion grid = GridOf(c.rows);
        CRgn expected;
        expected.CreateRectRgn(0, 0, 0, 0);
        long long cellCount = 0;
        for (const SIntRect& r : c.cells) {
            CRgn part;
            part.CreateRectRgnIndirect(r);
            expected.CombineRgn(expected, part, RGN_OR);
            cellCount += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
        }
        long long count = -1;
        const CRgn withStart = grid.GetRgn(0.5, QPoint(2, 1), count);
        EXPECT_TRUE(SameCells(withStart, expected));
        EXPECT_EQ(count, cellCount);
        const CRgn plain = grid.GetRgn(0.5);
        const CRgn atMost = GridOf(c.rows).GetRgnAtMost(0.5);
        EXPECT_EQ(plain.IsValid(), !c.otherFormsGiveNone);
        if (plain.IsValid()) {
            EXPECT_TRUE(SameCells(plain, expected));
        }
        EXPECT_TRUE(atMost.IsValid()) << "some cell of every case holds 0";
    }
}

TEST(RegionTest, ThresholdedRandomGridsMatchTheCellByCellReference) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> value(0, 3);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        CRegion grid(1 + round % 17, 1 + (round * 7) % 23);
        // Long runs of equal values make bands that the builder must merge like the platform.
        for (int i = 0; i < grid.Rows(); ++i)
            for (int j = 0; j < grid.Columns(); ++j)
                grid.At(i, j) = (i > 0 && value(random) == 0) ? grid.At(i - 1, j) : value(random);
        long long count = 0;
        const CRgn atLeast = grid.GetRgn(2.0, QPoint(0, 0), count);
        const CRgn reference = ReferenceRgn(grid, [](double v) { return v >= 2.0; });
        EXPECT_TRUE(SameCells(atLeast, reference));
        EXPECT_EQ(count, reference.CellCount());
        const CRgn atMost = grid.GetRgnAtMost(1.0);
        const CRgn low = ReferenceRgn(grid, [](double v) { return v <= 1.0; });
        if (atMost.IsValid()) {
            EXPECT_TRUE(SameCells(atMost, low));
        } else {
            EXPECT_TRUE(low.IsEmpty());
        }
    }
}

TEST(RegionTest, LeastGreatestAndBounds) {
    CRegion grid = GridOf({".....", "..#..", ".#...", "....."});
    grid.At(3, 4) = -2.5;
    EXPECT_EQ(grid.GetMinValue(), -2.5);
    EXPECT_EQ(grid.GetMaxValue(), 1.0);
    const auto bounds = grid.GetBounds(0.5);
    ASSERT_TRUE(bounds.has_value());
    EXPECT_EQ(*bounds, (SIntRect{1, 1, 3, 3}));
    EXPECT_FALSE(grid.GetBounds(2.0).has_value());
    const CRegion empty;
    EXPECT_EQ(empty.GetMinValue(), 0.0);
    EXPECT_EQ(empty.GetMaxValue(), 0.0);
    EXPECT_FALSE(empty.GetRgn(0.0).IsValid());
    EXPECT_EQ(CRegion(-3, 4).Rows(), 0);
}
