#include "geometry/Rgn.h"

#include <gtest/gtest.h>

namespace {

CRgn Rect(int l, int t, int r, int b) {
    CRgn rgn;
    rgn.CreateRectRgn(l, t, r, b);
    return rgn;
}

/// A five-pointed star drawn in one stroke: its centre is wound twice.
std::vector<QPoint> Pentagram() {
    return {QPoint(50, 0), QPoint(79, 90), QPoint(2, 34), QPoint(98, 34), QPoint(21, 90)};
}

} // namespace

TEST(RgnTest, RectanglesAreHalfOpen) {
    const CRgn rgn = Rect(10, 20, 30, 40);
    EXPECT_TRUE(rgn.PtInRegion(10, 20));
    EXPECT_TRUE(rgn.PtInRegion(29, 39));
    EXPECT_FALSE(rgn.PtInRegion(30, 25)) << "right edge is outside";
    EXPECT_FALSE(rgn.PtInRegion(15, 40)) << "bottom edge is outside";
    EXPECT_EQ(rgn.CellCount(), 400);
    SIntRect box;
    EXPECT_EQ(rgn.GetRgnBox(&box), SIMPLEREGION);
    EXPECT_EQ(box, (SIntRect{10, 20, 30, 40}));
}

TEST(RgnTest, TypeCodes) {
    const CRgn none;
    EXPECT_EQ(none.GetRgnBox(nullptr), RGN_ERROR);
    EXPECT_EQ(Rect(5, 5, 5, 5).GetRgnBox(nullptr), NULLREGION) << "(x, y, x, y) is empty";
    EXPECT_EQ(Rect(0, 0, 1, 1).GetRgnBox(nullptr), SIMPLEREGION);
    CRgn two;
    EXPECT_EQ(two.CombineRgn(Rect(0, 0, 2, 2), Rect(5, 5, 7, 7), RGN_OR), COMPLEXREGION);
    CRgn out;
    EXPECT_EQ(out.CombineRgn(none, Rect(0, 0, 1, 1), RGN_OR), RGN_ERROR);
    EXPECT_FALSE(out.IsValid()) << "a failed combine leaves the destination untouched";
}

TEST(RgnTest, CombineModesWithTheDestinationAsSource) {
    struct SCase {
        const char* name;
        int mode;
        long long cells;
    };
    // Two 10x10 squares overlapping in a 5x5 corner.
    const SCase cases[] = {{"and", RGN_AND, 25},
                           {"or", RGN_OR, 175},
                           {"xor", RGN_XOR, 150},
                           {"diff", RGN_DIFF, 75},
                           {"copy", RGN_COPY, 100}};
    for (const SCase& c : cases) {
        CRgn a = Rect(0, 0, 10, 10);
        const CRgn b = Rect(5, 5, 15, 15);
        a.CombineRgn(a, b, c.mode);
        EXPECT_EQ(a.CellCount(), c.cells) << c.name;
    }
    CRgn a = Rect(0, 0, 10, 10);
    a.CombineRgn(Rect(20, 20, 21, 21), a, RGN_OR);
    EXPECT_EQ(a.CellCount(), 101) << "destination as the second source";
}

TEST(RgnTest, WindingFillsTheStarsCentreAlternateLeavesItOut) {
    CRgn winding;
    winding.CreatePolygonRgn(Pentagram(), WINDING);
    CRgn alternate;
    alternate.CreatePolygonRgn(Pentagram(), ALTERNATE);
    EXPECT_TRUE(winding.PtInRegion(50, 45));
    EXPECT_FALSE(alternate.PtInRegion(50, 45));
    EXPECT_TRUE(winding.PtInRegion(50, 10)) << "a point of the star";
    EXPECT_TRUE(alternate.PtInRegion(50, 10));
    EXPECT_GT(winding.CellCount(), alternate.CellCount());
    CRgn flat;
    flat.CreatePolygonRgn({QPoint(0, 0), QPoint(5, 5)}, WINDING);
    EXPECT_EQ(flat.GetRgnBox(nullptr), NULLREGION) << "fewer than three points";
}

TEST(RgnTest, PointMarkerAndEquality) {
    CRgn marker;
    marker.CreateEllipticRgn(9, 9, 11, 11);
    EXPECT_FALSE(marker.IsEmpty());
    SIntRect box;
    marker.GetRgnBox(&box);
    EXPECT_GE(box.left, 9);
    EXPECT_LE(box.right, 11);
    CRgn other = Rect(0, 0, 3, 3);
    other.OffsetRgn(5, 7);
    EXPECT_TRUE(other.EqualRgn(Rect(5, 7, 8, 10)));
    EXPECT_FALSE(other.EqualRgn(CRgn())) << "no region equals nothing";
}

TEST(RgnTest, RegionDataIsNonOverlappingAndCoversTheRegion) {
    CRgn star;
    star.CreatePolygonRgn(Pentagram(), ALTERNATE);
    const std::vector<SIntRect> rects = star.GetRegionData();
    long long cells = 0;
    CRgn rebuilt = Rect(0, 0, 0, 0);
    for (const SIntRect& r : rects) {
        cells += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
        rebuilt.CombineRgn(rebuilt, Rect(r.left, r.top, r.right, r.bottom), RGN_OR);
    }
    EXPECT_EQ(cells, star.CellCount()) << "rectangles do not overlap";
    EXPECT_TRUE(rebuilt.EqualRgn(star));
}

TEST(RgnTest, AffineRebuildScalesAndMoves) {
    const CRgn square = Rect(10, 10, 20, 20);
    CRgn scaled;
    scaled.ExtCreateRegion(SXForm{2.0, 0.0, 0.0, 2.0, 5.0, -5.0}, square.GetRegionData());
    EXPECT_TRUE(scaled.EqualRgn(Rect(25, 15, 45, 35)));
    CRgn there;
    there.ExtCreateRegion(SXForm{1.05, 0, 0, 1.05, 0, 0}, square.GetRegionData());
    CRgn back;
    back.ExtCreateRegion(SXForm{1 / 1.05, 0, 0, 1 / 1.05, 0, 0}, there.GetRegionData());
    EXPECT_TRUE(back.EqualRgn(square));
}

TEST(RgnTest, EqualityComparesCellsNotBanding) {
    CRgn cellByCell = Rect(0, 0, 0, 0);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 9; ++x)
            if ((x + y) % 3 != 0)
                cellByCell.CombineRgn(cellByCell, Rect(x, y, x + 1, y + 1), RGN_OR);
    CRgn byRows = Rect(0, 0, 0, 0);
    for (int y = 10; y >= 0; --y)
        for (int x = 0; x < 9; ++x)
            if ((x + y) % 3 != 0)
                byRows.CombineRgn(byRows, Rect(x, y, x + 1, y + 1), RGN_OR);
    EXPECT_TRUE(cellByCell.EqualRgn(byRows));
}

TEST(RgnTest, HugeOutlinesAreCutBeforeConversion) {
    // An outline reaching far beyond any chart still gives the cells near the chart.
    CRgn huge;
    huge.CreatePolygonRgn(
        {QPoint(-500000000, -500000000), QPoint(500000000, -500000000), QPoint(0, 500000000)},
        WINDING);
    EXPECT_TRUE(huge.PtInRegion(0, 0));
    EXPECT_TRUE(huge.PtInRegion(400, 400));
    CRgn far;
    far.CreatePolygonRgn({QPoint(-536870912, 10), QPoint(536870912, 10), QPoint(536870912, 20)},
                         ALTERNATE);
    EXPECT_FALSE(far.PtInRegion(0, 0));
}
