#include "concepts/EnclosedCells.h"
#include "ConceptsFixture.h"
#include "concepts/Heart.h"
#include "preferences/QuotaLines.h"

#include <gtest/gtest.h>

namespace {

/// Whether the point lies strictly inside the triangle of three lines: farther than 1e-9 from
/// each line, on the side of the corner where the other two meet; lines through one point (or
/// parallel) make no triangle.
bool InsideTriangle(const SCellLine& p, const SCellLine& q, const SCellLine& r, double x,
                    double y) {
    const SCellLine* side[3] = {&p, &q, &r};
    double cx[3], cy[3];
    for (int e = 0; e < 3; ++e) {
        const SCellLine& u = *side[(e + 1) % 3];
        const SCellLine& v = *side[(e + 2) % 3];
        const double det = u.a * v.b - u.b * v.a;
        if (det == 0)
            return false;
        cx[e] = (u.c * v.b - u.b * v.c) / det;
        cy[e] = (u.a * v.c - u.c * v.a) / det;
    }
    for (int e = 0; e < 3; ++e) {
        const int f = (e + 1) % 3;
        if (std::hypot(cx[e] - cx[f], cy[e] - cy[f]) < 1e-7)
            return false;
        const double point = side[e]->Offset(x, y);
        const double corner = side[e]->Offset(cx[e], cy[e]);
        if (std::fabs(point) <= 1e-9 || (point > 0) != (corner > 0))
            return false;
    }
    return true;
}

/// Every cell of the window tested against every triangle of three lines.
CRgn TrianglesCellByCell(const std::vector<SCellLine>& lines, const SIntRect& window) {
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    for (int y = window.top; y < window.bottom; ++y)
        for (int x = window.left; x < window.right; ++x) {
            bool inside = false;
            for (std::size_t i = 0; i < lines.size() && !inside; ++i)
                for (std::size_t j = i + 1; j < lines.size() && !inside; ++j)
                    for (std::size_t k = j + 1; k < lines.size() && !inside; ++k)
                        inside = InsideTriangle(lines[i], lines[j], lines[k], x, y);
            if (inside) {
                CRgn cell;
                cell.CreateRectRgn(x, y, x + 1, y + 1);
                rgn.CombineRgn(rgn, cell, RGN_OR);
            }
        }
    return rgn;
}

SCellLine RandomLine(double spread) {
    return SCellLine::Through(Uniform(-spread, spread), Uniform(-spread, spread),
                              Uniform(-spread, spread), Uniform(-spread, spread));
}

} // namespace

TEST(EnclosedCellsTest, EqualsTheTrianglesCellByCellOnRandomLines) {
    CRand::Seed(2718);
    const SIntRect window{-12, -10, 13, 11};
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<SCellLine> lines;
        const int count = 1 + trial % 9;
        for (int n = 0; n < count; ++n)
            lines.push_back(RandomLine(trial % 3 == 0 ? 40 : 12));
        if (trial % 5 == 0 && count > 2) // a copy of a line and a parallel to it
            lines.push_back(lines[0]);
        if (trial % 7 == 0 && count > 1)
            lines.push_back({lines[1].a, lines[1].b, lines[1].c + Uniform(1, 6)});
        ASSERT_TRUE(CellsEnclosedByLines(lines, window)
                        .EqualRgn(TrianglesCellByCell(lines, window)))
            << "trial " << trial;
    }
}

TEST(EnclosedCellsTest, LinesThroughCellsAndAlongRows) {
    // Lines through whole cells: along rows, along columns, diagonals through cell corners.
    CRand::Seed(8080);
    const SIntRect window{-8, -8, 9, 9};
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<SCellLine> lines;
        const int count = 2 + trial % 6;
        for (int n = 0; n < count; ++n) {
            const int x = CRand::Next() % 13 - 6, y = CRand::Next() % 13 - 6;
            const int dx = CRand::Next() % 5 - 2, dy = CRand::Next() % 5 - 2;
            if (dx != 0 || dy != 0)
                lines.push_back(SCellLine::Through(x, y, x + dx, y + dy));
        }
        ASSERT_TRUE(CellsEnclosedByLines(lines, window)
                        .EqualRgn(TrianglesCellByCell(lines, window)))
            << "trial " << trial;
    }
}

TEST(EnclosedCellsTest, ParallelFamiliesAndConcurrentLinesEncloseNothing) {
    const SIntRect window{-20, -20, 21, 21};
    // Two families of parallel lines box every cell in, but no three of them make a triangle.
    std::vector<SCellLine> grid;
    for (double at : {-7.5, -2.5, 3.5, 9.5}) {
        grid.push_back(SCellLine::Through(at, 0, at, 1));
        grid.push_back(SCellLine::Through(0, at, 1, at));
    }
    EXPECT_EQ(RgnCellCount(CellsEnclosedByLines(grid, window)), 0);
    // Lines through one point.
    std::vector<SCellLine> star;
    for (int k = 0; k < 6; ++k)
        star.push_back(SCellLine::Through(0.5, 0.5, 0.5 + std::cos(k * 0.5), 0.5 + std::sin(k * 0.5)));
    EXPECT_EQ(RgnCellCount(CellsEnclosedByLines(star, window)), 0);
    // A third direction across the boxes makes triangles of its own.
    grid.push_back(SCellLine::Through(-20, -19.7, 20, 20.1));
    EXPECT_GT(RgnCellCount(CellsEnclosedByLines(grid, window)), 0);
    EXPECT_TRUE(CellsEnclosedByLines(grid, window).EqualRgn(TrianglesCellByCell(grid, window)));
}

TEST(EnclosedCellsTest, OneTriangleHoldsExactlyItsInnerCells) {
    const std::vector<SCellLine> lines = {SCellLine::Through(0.5, 0.5, 30.5, 0.5),
                                          SCellLine::Through(30.5, 0.5, 0.5, 20.5),
                                          SCellLine::Through(0.5, 20.5, 0.5, 0.5)};
    const CRgn rgn = CellsEnclosedByLines(lines, SIntRect{-5, -5, 40, 30});
    EXPECT_TRUE(rgn.PtInRegion(1, 1));
    EXPECT_TRUE(rgn.PtInRegion(10, 10));
    EXPECT_FALSE(rgn.PtInRegion(0, 0));
    EXPECT_FALSE(rgn.PtInRegion(25, 15));
    EXPECT_EQ(RgnCellCount(rgn), RgnCellCount(TrianglesCellByCell(lines, SIntRect{-5, -5, 40, 30})));
}

TEST(EnclosedCellsTest, QuotaLinesOfSmallBodiesEqualTheTrianglesCellByCell) {
    // Every preference type, weights, simple and two-thirds rules, odd and even totals,
    // coincident and collinear members, bodies of two members.
    CRand::Seed(1618);
    const SIntRect window{30, 30, 71, 71};
    for (int body = 0; body < 600; ++body) {
        CGameFixture f(100);
        const int members = 2 + body % 6;
        for (int m = 0; m < members; ++m) {
            const int type = 1 + (body + m) % 8;
            const double weight = body % 3 == 0 ? 1.0 + CRand::Next() % 3 : 1.0;
            if (body % 5 == 1 && m > 0)
                f.AddQuietly(f.owned[0]->IdealPoint().x, f.owned[0]->IdealPoint().y, type, weight);
            else if (body % 5 == 2 && m == 2)
                f.AddQuietly(2 * f.owned[1]->IdealPoint().x - f.owned[0]->IdealPoint().x,
                             2 * f.owned[1]->IdealPoint().y - f.owned[0]->IdealPoint().y, type,
                             weight);
            else
                f.AddQuietly(Uniform(25, 75), Uniform(25, 75), type, weight);
        }
        f.Refresh();
        f.game.SetVoteRule(body % 4 == 3 ? 0.666667 : 0.5);
        const std::vector<SCellLine> lines = QuotaLinesInCells(f.game);
        ASSERT_TRUE(CellsEnclosedByLines(lines, window)
                        .EqualRgn(TrianglesCellByCell(lines, window)))
            << "body " << body << " with " << lines.size() << " quota lines";
    }
}

TEST(EnclosedCellsTest, QuotaLinesInCellsPassThroughTheMembersCells) {
    CRand::Seed(77);
    CGameFixture f(400);
    AddRandomMembers(f, 15);
    const std::vector<CQuotaLine> world = f.game.GetQuotaLines();
    const std::vector<SCellLine> cells = QuotaLinesInCells(f.game);
    ASSERT_EQ(cells.size(), world.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (const CFPoint& end : {world[i].segment.GetP1(), world[i].segment.GetP2()}) {
            const QPoint cell = f.game.GridMap().WorldToCell(end);
            const double off = cells[i].Offset(cell.x(), cell.y());
            EXPECT_LE(std::fabs(off), 0.7072) << "line " << i;
        }
}

TEST(EnclosedCellsTest, DiffersFromTheCornerTrianglesOnlyWithinRoundingReachOfALine) {
    // The triangle path rounds each corner to its cell (at most half a cell each way), so the
    // two can only disagree on cells within that reach of some quota line.
    CRand::Seed(4242);
    for (int members : {12, 31, 60, 101}) {
        CGameFixture f(400);
        AddRandomMembers(f, members);
        SIntRect window{};
        f.game.GetParetoSetRgn()->GetRgnBox(&window);
        const std::vector<SCellLine> lines = QuotaLinesInCells(f.game);
        const CRgn enclosed = CellsEnclosedByLines(lines, window);
        const CRgn triangles = QuotaLineTriangles(f.game, window);
        long long far = 0, differing = 0;
        for (int y = window.top; y < window.bottom; ++y)
            for (int x = window.left; x < window.right; ++x) {
                double nearest = 1e300;
                for (const SCellLine& l : lines)
                    nearest = std::min(nearest, std::fabs(l.Offset(x, y)));
                const bool same = enclosed.PtInRegion(x, y) == triangles.PtInRegion(x, y);
                far += nearest > 0.7072;
                differing += !same;
                ASSERT_TRUE(same || nearest <= 0.7072)
                    << members << " members, cell " << x << "," << y << " is " << nearest
                    << " from the nearest line";
            }
        EXPECT_GT(far, 0) << members << " members";
    }
}

TEST(ExactHeartTest, TrianglesStrictlyInsideClippedToTheParetoSetWithoutTouchingTheGamesHeart) {
    CRand::Seed(5150);
    for (int members : {3, 9, 25}) {
        CGameFixture f(200);
        AddRandomMembers(f, members);
        const double heartArea = f.game.GetHeartArea(60);
        const CRgn exact = ExactHeartRgn(f.game, 60);
        SIntRect window{};
        const std::unique_ptr<CRgn> pareto = f.game.GetParetoSetRgn();
        pareto->GetRgnBox(&window);
        CRgn expected = CellsEnclosedByLines(QuotaLinesInCells(f.game), window);
        expected.CombineRgn(expected, *pareto, RGN_AND);
        EXPECT_TRUE(exact.EqualRgn(expected)) << members << " members";
        EXPECT_EQ(f.game.GetHeartArea(60), heartArea) << "the game's heart is its own";
    }
}

TEST(ExactHeartTest, ASuperMajorityWithACoreIsTheCoreLikeTheGamesHeart) {
    CGameFixture f(200);
    AddPolygonMembers(f, 5, 30);
    f.game.SetVoteRule(0.8);
    ASSERT_GT(RgnCellCount(*f.game.GetCoreRgn(60)), 0);
    EXPECT_TRUE(ExactHeartRgn(f.game, 60).EqualRgn(*f.game.GetHeartRgn(60)));
}
