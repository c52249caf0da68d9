#include "document/WinSetList.h"

#include <gtest/gtest.h>

namespace {

CMappedRegion Square(int left, int top, int size) {
    CRgn rgn;
    rgn.CreateRectRgn(left, top, left + size, top + size);
    CGridMap map;
    map.Set(SEdges{0, 100, 100, 0}, SIntRect{0, 0, 100, 100});
    return CMappedRegion(map, CFPoint(50, 50), rgn);
}

} // namespace

TEST(WinSetListTest, CombinationsAreNumberedAndDescribed) {
    CWinSetList list;
    list.Add(Square(0, 0, 10));
    list.Add(Square(5, 5, 10));
    list.Add(Square(50, 50, 2));
    ASSERT_TRUE(list.Combine({0, 1, 2}, RGN_OR));
    EXPECT_EQ(list.Label(3), "4\t( 1 or 2 or 3 )");
    EXPECT_EQ(list.Label(0), "1");
    EXPECT_EQ(list.At(3).GetRgn().CellCount(), 100 + 100 - 25 + 4);
    ASSERT_TRUE(list.Combine({0, 1, 2}, RGN_DIFF));
    EXPECT_EQ(list.Label(4), "5\t( 1 - 2 - 3 )");
    EXPECT_EQ(list.At(4).GetRgn().CellCount(), 75) << "every further entry is subtracted";
    EXPECT_TRUE(list.Combine({1, 0}, RGN_AND));
    EXPECT_EQ(list.Label(5), "6\t( 2 and 1 )");
    EXPECT_TRUE(list.Combine({0, 1}, RGN_XOR));
    EXPECT_EQ(list.Label(6), "7\t( 1 X 2 )");
    EXPECT_FALSE(list.Combine({0}, RGN_OR)) << "at least two entries";
    EXPECT_FALSE(list.Combine({0, 9}, RGN_OR));
    EXPECT_EQ(list.At(0).GetRgn().CellCount(), 100) << "sources stay as they were";
    list.Delete({6, 0, 0});
    EXPECT_EQ(list.Size(), 5u);
    list.Free();
    EXPECT_EQ(list.Size(), 0u);
}
