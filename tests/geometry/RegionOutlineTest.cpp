#include "geometry/RegionOutline.h"

#include "geometry/GeoTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Ring = std::vector<QPoint>;

/// A region of single cells.
CRgn Cells(const std::vector<QPoint>& cells) {
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    for (const QPoint& c : cells)
        rgn.CombineRgn(rgn, Rect(c.x(), c.y(), c.x() + 1, c.y() + 1), RGN_OR);
    return rgn;
}

/// Twice the signed area, positive when clockwise on the chart.
long long TwiceArea(const Ring& ring) {
    long long sum = 0;
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        sum += static_cast<long long>(ring[i].x()) * ring[i + 1].y() -
               static_cast<long long>(ring[i + 1].x()) * ring[i].y();
    return sum;
}

/// Whether the point lies inside the ring by the even-odd rule (never on an edge here).
bool Encloses(const Ring& ring, double x, double y) {
    bool inside = false;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const QPoint a = ring[i];
        const QPoint b = ring[i + 1];
        if ((a.y() > y) != (b.y() > y) &&
            x < a.x() + (y - a.y()) * double(b.x() - a.x()) / double(b.y() - a.y()))
            inside = !inside;
    }
    return inside;
}

/// Checks a ring's form: closed, at least a square, every step along one axis, every corner
/// a turn (no repeated point, no point in the middle of a side) and no corner passed twice.
void ExpectWellFormed(const Ring& ring) {
    ASSERT_GE(ring.size(), 5u);
    EXPECT_EQ(ring.front(), ring.back());
    std::vector<std::pair<int, int>> corners;
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        corners.emplace_back(ring[i].x(), ring[i].y());
    std::sort(corners.begin(), corners.end());
    EXPECT_EQ(std::adjacent_find(corners.begin(), corners.end()), corners.end())
        << "a corner passed twice";
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const QPoint step = ring[i + 1] - ring[i];
        EXPECT_TRUE((step.x() == 0) != (step.y() == 0)) << "step " << i;
        const QPoint next = ring[(i + 2) % (ring.size() - 1)] - ring[i + 1];
        EXPECT_NE(step.x() == 0, next.x() == 0) << "no turn after step " << i;
    }
}

/// Checks every ring's form and orientation and that the rings enclose exactly the region's
/// cells.
void ExpectTracesCells(const CRgn& rgn, const std::vector<SCellPolygon>& polygons) {
    long long twiceArea = 0;
    std::vector<Ring> rings;
    for (const SCellPolygon& polygon : polygons) {
        ExpectWellFormed(polygon.outer);
        EXPECT_GT(TwiceArea(polygon.outer), 0);
        twiceArea += TwiceArea(polygon.outer);
        rings.push_back(polygon.outer);
        for (const Ring& hole : polygon.holes) {
            ExpectWellFormed(hole);
            EXPECT_LT(TwiceArea(hole), 0);
            twiceArea += TwiceArea(hole);
            rings.push_back(hole);
        }
    }
    EXPECT_EQ(twiceArea, 2 * rgn.CellCount());
    SIntRect box;
    rgn.GetRgnBox(&box);
    for (int y = box.top - 1; y <= box.bottom; ++y)
        for (int x = box.left - 1; x <= box.right; ++x) {
            int crossings = 0;
            for (const Ring& ring : rings)
                crossings += Encloses(ring, x + 0.5, y + 0.5) ? 1 : 0;
            EXPECT_EQ(crossings % 2 == 1, rgn.PtInRegion(x, y)) << "cell " << x << "," << y;
            EXPECT_LE(crossings, 2 * static_cast<int>(polygons.size()));
        }
}

TEST(RegionOutlineTest, RectangleIsOneClockwiseRingFromItsTopLeftCorner) {
    const std::vector<SCellPolygon> polygons = TraceCellOutline(Rect(2, 3, 7, 5));
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].outer, (Ring{{2, 3}, {7, 3}, {7, 5}, {2, 5}, {2, 3}}));
    EXPECT_TRUE(polygons[0].holes.empty());
}

TEST(RegionOutlineTest, NothingToTraceWithoutCells) {
    EXPECT_TRUE(TraceCellOutline(CRgn()).empty());
    EXPECT_TRUE(TraceCellOutline(Rect(4, 4, 4, 4)).empty());
    EXPECT_TRUE(TraceRegionOutline(CRgn(), CGridMap()).empty());
}

TEST(RegionOutlineTest, HoleAndIslandNestInTheirPieces) {
    // A 7 x 7 square with a 5 x 5 hole holding a 1 x 1 island.
    CRgn rgn = Rect(0, 0, 7, 7);
    rgn.CombineRgn(rgn, Rect(1, 1, 6, 6), RGN_DIFF);
    rgn.CombineRgn(rgn, Rect(3, 3, 4, 4), RGN_OR);
    const std::vector<SCellPolygon> polygons = TraceCellOutline(rgn);
    ASSERT_EQ(polygons.size(), 2u);
    ASSERT_EQ(polygons[0].holes.size(), 1u);
    EXPECT_EQ(polygons[0].holes[0], (Ring{{1, 1}, {1, 6}, {6, 6}, {6, 1}, {1, 1}}));
    EXPECT_EQ(polygons[1].outer, (Ring{{3, 3}, {4, 3}, {4, 4}, {3, 4}, {3, 3}}));
    EXPECT_TRUE(polygons[1].holes.empty());
    ExpectTracesCells(rgn, polygons);
}

TEST(RegionOutlineTest, CellsTouchingAtACornerAreSeparatePieces) {
    const CRgn diagonal = Cells({{0, 0}, {1, 1}});
    const std::vector<SCellPolygon> pieces = TraceCellOutline(diagonal);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].outer, (Ring{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}));
    EXPECT_EQ(pieces[1].outer, (Ring{{1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}}));
    ExpectTracesCells(diagonal, pieces);

    // A ring of cells whose gap is a corner: the cell it surrounds is a hole touching the
    // outer ring at that corner, not a loop of the outer ring through it.
    const CRgn almostClosed = Cells({{1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}});
    const std::vector<SCellPolygon> one = TraceCellOutline(almostClosed);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].outer.front(), QPoint(1, 0));
    ASSERT_EQ(one[0].holes.size(), 1u);
    EXPECT_EQ(one[0].holes[0], (Ring{{1, 1}, {1, 2}, {2, 2}, {2, 1}, {1, 1}}));
    ExpectTracesCells(almostClosed, one);

    // Two arms reaching into a frame, their tips touching at a corner, cut its hole in two:
    // two holes touching there.
    CRgn frame = Rect(0, 0, 6, 6);
    frame.CombineRgn(frame, Rect(1, 1, 5, 5), RGN_DIFF);
    frame.CombineRgn(frame, Cells({{1, 1}, {2, 2}, {3, 3}, {4, 4}}), RGN_OR);
    frame.CombineRgn(frame, Rect(1, 1, 3, 2), RGN_OR);
    frame.CombineRgn(frame, Rect(3, 4, 5, 5), RGN_OR);
    const std::vector<SCellPolygon> framed = TraceCellOutline(frame);
    ASSERT_EQ(framed.size(), 1u);
    EXPECT_EQ(framed[0].holes.size(), 2u);
    ExpectTracesCells(frame, framed);
}

TEST(RegionOutlineTest, LShapeHasSixCorners) {
    CRgn rgn = Rect(0, 0, 2, 6);
    rgn.CombineRgn(rgn, Rect(0, 4, 5, 6), RGN_OR);
    const std::vector<SCellPolygon> polygons = TraceCellOutline(rgn);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].outer, (Ring{{0, 0}, {2, 0}, {2, 4}, {5, 4}, {5, 6}, {0, 6}, {0, 0}}));
}

TEST(RegionOutlineTest, RandomMasksEncloseExactlyTheirCells) {
    std::mt19937 random(27);
    for (int trial = 0; trial < 60; ++trial) {
        const int size = 3 + trial % 9;
        std::bernoulli_distribution in(0.2 + 0.6 * (trial % 5) / 4.0);
        std::vector<QPoint> cells;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (in(random))
                    cells.emplace_back(x - 4, y + 100);
        const CRgn rgn = Cells(cells);
        SCOPED_TRACE(trial);
        ExpectTracesCells(rgn, TraceCellOutline(rgn));
    }
}

TEST(RegionOutlineTest, IssueOutlineRunsAsGeoJsonWantsAndKeepsTheArea) {
    // A chart of 200 x 100 cells over [-2, 6] x [1, 3]: rows grow downwards, y upwards.
    CGridMap map;
    map.Set(SEdges{-2.0, 6.0, 3.0, 1.0}, SIntRect{0, 0, 200, 100});
    CRgn rgn = Rect(10, 10, 90, 60);
    rgn.CombineRgn(rgn, Rect(20, 20, 30, 40), RGN_DIFF);
    rgn.CombineRgn(rgn, Rect(120, 5, 150, 9), RGN_OR);
    const std::vector<SIssuePolygon> polygons = TraceRegionOutline(rgn, map);
    ASSERT_EQ(polygons.size(), 2u);
    const SIssuePolygon& holed = polygons[1];
    EXPECT_TRUE(polygons[0].holes.empty()) << "the piece starting on a higher row comes first";
    ASSERT_EQ(holed.holes.size(), 1u);
    EXPECT_GT(RingArea(polygons[0].outer), 0.0);
    EXPECT_GT(RingArea(holed.outer), 0.0);
    EXPECT_LT(RingArea(holed.holes[0]), 0.0);
    EXPECT_NEAR(OutlineArea(polygons), rgn.CellCount() * map.CellArea(), 1e-9);
    // The corners are the grid's corners mapped into the issue space.
    const CFPoint topLeft = map.CellToWorld(10, 10);
    EXPECT_TRUE(std::find(holed.outer.begin(), holed.outer.end(), topLeft) != holed.outer.end());
    EXPECT_EQ(holed.outer.front(), holed.outer.back());
}

} // namespace
