#include "geometry/EllipseCells.h"
#include "geometry/EllipseRowSweep.h"
#include "GeoTestUtil.h"
#include "document/ChartFrame.h"
#include "geometry/CellRuns.h"
#include "preferences/VoteGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>

namespace {

/// The ellipse's equation written out in issue space: the point's offsets turned into the
/// ellipse's own axes and scaled by the semi-axes.
double EllipseValue(const SCellEllipse& e, const CFPoint& p) {
    const double dx = p.x - e.centre.x, dy = p.y - e.centre.y;
    const double qx = dx * e.cosTurn - dy * e.sinTurn;
    const double qy = dx * e.sinTurn + dy * e.cosTurn;
    return (qx / e.semiX) * (qx / e.semiX) + (qy / e.semiY) * (qy / e.semiY);
}

CGridMap Chart(int size, double zoom = 1.0) {
    return ChartGridMap(SEdges{0, 100, 100, 0}, size, size, zoom);
}

/// Random ellipses about the chart: centres inside and outside it, round and thin, turned.
SCellEllipse RandomEllipse(std::mt19937& random) {
    std::uniform_real_distribution<double> place(-60, 160), size(0.05, 80), turn(-1.5, 1.5);
    const double angle = turn(random);
    SCellEllipse e{CFPoint(place(random), place(random)), size(random), size(random),
                   std::cos(angle), std::sin(angle)};
    if (random() % 4 == 0)
        e.semiY = e.semiX * 12.0; // thin
    return e;
}

/// The region of the cells for which `inside` holds, tested one cell at a time over a window.
template <class Inside> CRgn CellByCell(const SIntRect& window, Inside inside) {
    std::vector<SCellRun> runs;
    for (int y = window.top; y < window.bottom; ++y)
        for (int x = window.left; x < window.right; ++x)
            if (inside(x, y))
                runs.push_back({y, x, x + 1});
    return RgnFromRuns(runs);
}

/// The distance from a cell to the nearest edge of a closed outline.
double DistanceToOutline(const std::vector<QPoint>& outline, int x, int y) {
    double best = 1e300;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const QPointF a = outline[i], b = outline[(i + 1) % outline.size()];
        const QPointF d = b - a, p = QPointF(x, y) - a;
        const double length = QPointF::dotProduct(d, d);
        const double t = length > 0 ? std::clamp(QPointF::dotProduct(p, d) / length, 0.0, 1.0) : 0;
        const QPointF offset = p - t * d;
        best = std::min(best, std::hypot(offset.x(), offset.y()));
    }
    return best;
}

} // namespace

TEST(EllipseCellsTest, RowsGiveExactlyTheCellsWhoseCentresLieInside) {
    std::mt19937 random(7);
    const CGridMap maps[] = {Chart(100), Chart(137, 2.5), Chart(90, 0.4)};
    for (int trial = 0; trial < 60; ++trial) {
        const CGridMap& map = maps[trial % 3];
        const SCellEllipse e = RandomEllipse(random);
        SCOPED_TRACE("trial " + std::to_string(trial));
        const CRgn rows = EllipseCellRgn(e, map);
        const SIntRect window = RegionWindow(map);
        const CRgn cells =
            CellByCell(window, [&](int x, int y) { return CellInEllipse(e, map, x, y); });
        EXPECT_TRUE(SameCells(rows, cells));
        // The rule is the ellipse's own equation at the cell's centre; cells whose centre lies
        // on the boundary to rounding may fall either way.
        long long disagreements = 0;
        for (int y = window.top; y < window.bottom; y += 3)
            for (int x = window.left; x < window.right; x += 3) {
                const double value = EllipseValue(e, map.CellToWorld(x, y));
                if (std::fabs(value - 1.0) > 1e-9 && (value < 1.0) != rows.PtInRegion(x, y))
                    ++disagreements;
            }
        EXPECT_EQ(disagreements, 0);
    }
}

TEST(EllipseCellsTest, AreasMatchTheShapes) {
    const CGridMap map = Chart(400);
    // A disc of radius 10: pi r^2 / (0.25 * 0.25) = 5026.5 cells, give or take the cells the
    // boundary crosses (its length in cells, 2 pi 40 = 251).
    const long long disc = EllipseCellRgn({CFPoint(50, 50), 10, 10, 1, 0}, map).CellCount();
    EXPECT_NEAR(static_cast<double>(disc), M_PI * 100 / 0.0625, 20.0);
    // A thin ellipse, ten times as tall as wide, turned by 30 degrees.
    const SCellEllipse thin{CFPoint(50, 50), 3, 30, std::cos(M_PI / 6), std::sin(M_PI / 6)};
    const long long cells = EllipseCellRgn(thin, map).CellCount();
    EXPECT_NEAR(cells * 0.0625, M_PI * 3 * 30, 3.0);
    // A needle thinner than a cell still has the cells its axis passes near, never more than
    // its length allows.
    const SCellEllipse needle{CFPoint(50, 50), 0.01, 20, 1, 0};
    const long long needleCells = EllipseCellRgn(needle, map).CellCount();
    EXPECT_LE(needleCells, 161);
}

TEST(EllipseCellsTest, DegenerateEllipsesHoldNoCells) {
    const CGridMap map = Chart(100);
    const double nan = std::nan("");
    for (const SCellEllipse& e :
         {SCellEllipse{CFPoint(50, 50), 0, 10, 1, 0}, SCellEllipse{CFPoint(50, 50), 10, 0, 1, 0},
          SCellEllipse{CFPoint(50, 50), nan, 10, 1, 0},
          SCellEllipse{CFPoint(nan, 50), 10, 10, 1, 0},
          SCellEllipse{CFPoint(50, 50), INFINITY, 10, 1, 0}}) {
        const CRgn rgn = EllipseCellRgn(e, map);
        EXPECT_TRUE(rgn.IsValid());
        EXPECT_TRUE(rgn.IsEmpty());
    }
    EXPECT_TRUE(EllipseCellRgn({CFPoint(0, 0), 5, 5, 1, 0}, CGridMap()).IsEmpty())
        << "a fresh map has no chart to keep cells of";
}

TEST(EllipseCellsTest, FarAwayAndHugeEllipsesKeepTheWindowOnly) {
    const CGridMap map = Chart(100);
    const SIntRect window = RegionWindow(map);
    const SIntRect plot = OrderedDeviceRect(map);
    EXPECT_EQ(window,
              (SIntRect{plot.left - 200, plot.top - 200, plot.right + 200, plot.bottom + 200}));
    // An ideal point 1e10 away whose ellipse passes through the chart: about a half plane.
    const double far = 1e10;
    const SCellEllipse huge{CFPoint(far, 50), far - 40, far - 40, 1, 0};
    const CRgn rgn = EllipseCellRgn(huge, map);
    SIntRect box;
    rgn.GetRgnBox(&box);
    EXPECT_GE(box.left, window.left);
    EXPECT_LE(box.right, window.right);
    EXPECT_LE(box.bottom, window.bottom);
    for (int y = plot.top; y < plot.bottom; y += 7)
        for (int x = plot.left; x < plot.right; ++x)
            EXPECT_EQ(rgn.PtInRegion(x, y), CellInEllipse(huge, map, x, y)) << x << "," << y;
    // Seen through a high zoom the cell count is bounded by the window, not by the shape.
    const CGridMap zoomed = Chart(100, 1000);
    const long long cells = EllipseCellRgn({CFPoint(50, 50), 30, 30, 1, 0}, zoomed).CellCount();
    EXPECT_EQ(cells, 500LL * 500LL);
}

TEST(EllipseCellsTest, RunsBecomeBandedRegionsOfTheSameCells) {
    std::mt19937 random(11);
    for (int trial = 0; trial < 40; ++trial) {
        std::vector<SCellRun> runs;
        CRgn united;
        united.CreateRectRgn(0, 0, 0, 0);
        int y = static_cast<int>(random() % 5) - 2;
        for (int row = 0; row < 30; ++row) {
            y += 1 + (random() % 4 == 0 ? 1 : 0); // some rows are skipped
            // Rows repeat the previous row's runs now and then, so bands form.
            if (row > 0 && random() % 3 == 0 && !runs.empty()) {
                std::vector<SCellRun> previous;
                for (const SCellRun& r : runs)
                    if (r.y == runs.back().y)
                        previous.push_back({y, r.x0, r.x1});
                runs.insert(runs.end(), previous.begin(), previous.end());
            } else {
                int x = static_cast<int>(random() % 10) - 5;
                for (int k = 0, n = 1 + static_cast<int>(random() % 4); k < n; ++k) {
                    const int width = static_cast<int>(random() % 6); // empty runs too
                    runs.push_back({y, x, x + width});
                    x += width + static_cast<int>(random() % 3); // runs that touch, too
                }
            }
        }
        for (const SCellRun& r : runs)
            united.CombineRgn(united, Rect(r.x0, r.y, r.x1, r.y + 1), RGN_OR);
        const CRgn banded = RgnFromRuns(runs);
        EXPECT_TRUE(SameCells(banded, united)) << "trial " << trial;
        EXPECT_EQ(banded.CellCount(), united.CellCount()) << "trial " << trial;
        EXPECT_TRUE(banded.EqualRgn(united));
    }
    EXPECT_TRUE(RgnFromRuns({}).IsValid());
    EXPECT_TRUE(RgnFromRuns({}).IsEmpty());
}

TEST(EllipseCellsTest, PolygonsAreCutToTheWindowWithoutChangingTheChart) {
    // Outlines reaching far past the window are cut there. On the chart the cells stay those of
    // the whole outline, except cells within a cell of an edge, where a cut point rounded to
    // its cell may move the edge by a fraction of a cell.
    const CGridMap map = Chart(100);
    const SIntRect window = RegionWindow(map);
    const SIntRect plot = OrderedDeviceRect(map);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> near(plot.left - 20, plot.right + 20), far(-3000, 3000);
    long long differing = 0;
    for (int trial = 0; trial < 30; ++trial) {
        std::vector<QPoint> outline;
        for (int k = 0; k < 6; ++k)
            outline.emplace_back(k % 2 ? far(random) : near(random),
                                 k % 3 ? near(random) : far(random));
        CRgn whole, cut;
        whole.CreatePolygonRgn(outline, WINDING);
        cut.CreatePolygonRgn(outline, WINDING, window);
        SIntRect box;
        cut.GetRgnBox(&box);
        EXPECT_TRUE(cut.IsEmpty() || (box.left >= window.left && box.right <= window.right &&
                                      box.top >= window.top && box.bottom <= window.bottom));
        for (int y = plot.top; y < plot.bottom; ++y)
            for (int x = plot.left; x < plot.right; ++x) {
                if (whole.PtInRegion(x, y) == cut.PtInRegion(x, y))
                    continue;
                ++differing;
                EXPECT_LE(DistanceToOutline(outline, x, y), 1.0) << trial << ": " << x << "," << y;
            }
    }
    EXPECT_LT(differing, 100) << "of 300 000 cells";
    // An outline inside the window is converted whole.
    const std::vector<QPoint> inside = {QPoint(-100, -100), QPoint(300, -50), QPoint(90, 330)};
    CRgn whole, kept;
    whole.CreatePolygonRgn(inside, WINDING);
    kept.CreatePolygonRgn(inside, WINDING, window);
    EXPECT_TRUE(SameCells(whole, kept));
}

TEST(EllipseCellsTest, RowsOneAtATimeGiveTheRunsOfTheRegion) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> whole(-30, 130), radius(1, 60);
    const CGridMap maps[] = {Chart(100), Chart(137, 2.5), Chart(90, 0.4), Chart(400)};
    for (int trial = 0; trial < 400; ++trial) {
        const CGridMap& map = maps[trial % 4];
        SCellEllipse e = RandomEllipse(random);
        if (trial % 3 == 1) {
            // A circle about a cell centre through whole cells: crossings on whole columns
            // and rows that touch it exactly.
            e.centre = map.CellToWorld(whole(random), whole(random));
            e.semiX = e.semiY = radius(random) * map.UnitX();
            e.cosTurn = 1.0;
            e.sinTurn = 0.0;
        } else if (trial % 7 == 2) {
            e.semiX = e.semiY = 0.3 * map.UnitX(); // smaller than a cell
        }
        SCOPED_TRACE("trial " + std::to_string(trial));
        const SIntRect window = RegionWindow(map);
        std::vector<SCellRun> runs;
        AppendEllipseRuns(e, map, window, runs);
        const CEllipseRows rows(e, map, window);
        std::vector<SCellRun> oneByOne;
        for (int y = window.top; y < window.bottom; ++y) {
            const auto [lo, hi] = rows.Columns(y, map.CellToWorld(0, y).y);
            ASSERT_EQ(rows.ExactColumns(y), std::make_pair(lo, hi)) << "row " << y;
            if (lo <= hi)
                oneByOne.push_back({y, lo, hi + 1});
            if (y < rows.Top() || y > rows.Bottom()) {
                ASSERT_GT(lo, hi) << "row " << y << " outside the reach";
            }
        }
        ASSERT_EQ(oneByOne, runs);
        if (rows.SurelyHoldsCell()) {
            EXPECT_FALSE(runs.empty());
        }
    }
}

TEST(EllipseCellsTest, RegionFromQuickRowsEqualsTheReferenceRuns) {
    std::mt19937 random(2027);
    const CGridMap maps[] = {Chart(100), Chart(137, 2.5), Chart(90, 0.4), Chart(400)};
    for (int trial = 0; trial < 600; ++trial) {
        const CGridMap& map = maps[trial % 4];
        SCellEllipse e = RandomEllipse(random);
        if (trial % 3 == 1) {
            // Through whole cells about a cell centre.
            e.centre = map.CellToWorld(static_cast<int>(random() % 160) - 30,
                                       static_cast<int>(random() % 160) - 30);
            e.semiX = e.semiY = (1 + random() % 60) * map.UnitX();
            e.cosTurn = 1.0;
            e.sinTurn = 0.0;
        }
        std::vector<SCellRun> runs;
        AppendEllipseRuns(e, map, RegionWindow(map), runs);
        ASSERT_TRUE(EllipseCellRgn(e, map).EqualRgn(RgnFromRuns(runs))) << "trial " << trial;
    }
}

TEST(EllipseCellsTest, SweptRowsGiveEachReachingEllipseItsCutColumns) {
    // Ellipses joining and leaving the sweep at every row, rows left out now and then, rows
    // outside the band swept, columns cut to the window, to a narrower band and to a band past
    // the window's left edge: every ellipse reaching a row of the band comes once, with the
    // quick form's columns where it is certain, and the cut of its exact columns otherwise.
    std::mt19937 random(11);
    const CGridMap map = Chart(90, 1.3);
    const SIntRect window = RegionWindow(map);
    std::vector<CEllipseRows> ellipses;
    for (int k = 0; k < 47; ++k) {
        SCellEllipse e = RandomEllipse(random);
        if (k % 4 == 0) // through a cell centre: a crossing on a whole column
            e = SCellEllipse{map.CellToWorld(30 + k, 40), (3 + k) * map.UnitX(),
                             (2 + k % 7) * map.UnitX(), 1.0, 0.0};
        if (k % 9 == 1) // one row only
            e = SCellEllipse{map.CellToWorld(k, 20 + k), 0.3 * map.UnitX(), 0.2 * map.UnitX(),
                             1.0, 0.0};
        ellipses.emplace_back(e, map, window);
    }
    long long exact = 0, empty = 0, held = 0;
    for (const SIntRect& cut : {window, SIntRect{10, 0, 70, 0}, SIntRect{window.left - 5, 0, 31, 0}}) {
        CEllipseRowSweep sweep;
        sweep.Start(cut.left, cut.right, window.top + 3, window.bottom - 2);
        const int width = cut.right - cut.left;
        for (std::size_t k = 0; k < ellipses.size(); ++k)
            sweep.Add(ellipses[k].Quick(), static_cast<int>(k), 3 * static_cast<int>(k) - 50);
        for (int y = window.top; y < window.bottom; y += 1 + static_cast<int>(random() % 3)) {
            const double rowY = map.CellToWorld(0, y).y;
            sweep.Row(y, rowY);
            std::vector<int> seen(ellipses.size(), 0);
            for (std::size_t e = 0; e < sweep.Size(); ++e) {
                const std::size_t k = static_cast<std::size_t>(sweep.Tag(e));
                ASSERT_LT(k, ellipses.size());
                ASSERT_EQ(sweep.Weights()[e], 3 * static_cast<int>(k) - 50) << "its own weight";
                ++seen[k];
                int lo = 1, hi = 0, from = 0, to = 0;
                const bool sure =
                    ellipses[k].Quick().Columns(y, rowY, cut.left, cut.right, lo, hi);
                ASSERT_EQ(sweep.Certain(e), sure) << "ellipse " << k << " row " << y;
                if (sure) {
                    std::tie(from, to) = sweep.Cut(lo, hi);
                    ASSERT_EQ(std::make_pair(sweep.From(e), sweep.To(e)), std::make_pair(from, to))
                        << "ellipse " << k << " row " << y;
                } else {
                    ++exact;
                    const auto [exactLo, exactHi] = ellipses[k].ExactColumns(y);
                    std::tie(from, to) = sweep.Cut(exactLo, exactHi);
                }
                ASSERT_TRUE(0 <= from && from <= to && to <= width);
                ASSERT_TRUE(from < to || from == 0) << "an empty range lies at 0";
                (from < to ? held : empty) += 1;
            }
            for (std::size_t k = 0; k < ellipses.size(); ++k) {
                const bool reaches = ellipses[k].Top() <= y && y <= ellipses[k].Bottom() &&
                                     y >= window.top + 3 && y < window.bottom - 2;
                ASSERT_EQ(seen[k], reaches ? 1 : 0) << "ellipse " << k << " row " << y;
            }
        }
    }
    EXPECT_GT(exact, 0) << "crossings on whole columns are taken exactly";
    EXPECT_GT(empty, 0) << "rows of an ellipse cut away or between crossings";
    EXPECT_GT(held, 50 * exact);
}

TEST(EllipseCellsTest, WidenedRowsHoldEveryPointOfTheirLinesInsideTheEllipse) {
    // Random ellipses, some through cell centres, swept over columns cut on both sides: a row
    // widened holds every cell of the ellipse's own row and the column of every point of the
    // row's line inside the ellipse, also just beside whole columns and at the cut.
    std::mt19937 random(23);
    const CGridMap map = Chart(80);
    const SIntRect window = RegionWindow(map);
    std::vector<SCellEllipse> shapes;
    std::vector<CEllipseRows> ellipses;
    for (int k = 0; k < 41; ++k) {
        SCellEllipse e = RandomEllipse(random);
        if (k % 5 == 0) // through a cell centre
            e.centre = map.CellToWorld(20 + k, 30);
        shapes.push_back(e);
        ellipses.emplace_back(e, map, window);
    }
    const double x0 = map.CellToWorld(0, 0).x, unit = map.UnitX();
    const SIntRect cut{window.left + 4, 0, window.right - 9, 0};
    CEllipseRowSweep sweep;
    sweep.Start(cut.left, cut.right, window.top, window.bottom);
    for (std::size_t k = 0; k < ellipses.size(); ++k)
        sweep.Add(ellipses[k].Quick(), static_cast<int>(k));
    long long points = 0, widened = 0;
    for (int y = window.top; y < window.bottom; ++y) {
        const double rowY = map.CellToWorld(0, y).y;
        sweep.Row(y, rowY);
        sweep.WidenRow(rowY);
        for (std::size_t e = 0; e < sweep.Size(); ++e) {
            const std::size_t k = static_cast<std::size_t>(sweep.Tag(e));
            const int from = sweep.From(e), to = sweep.To(e);
            ASSERT_TRUE(0 <= from && from <= to && to <= cut.right - cut.left);
            const auto [exactLo, exactHi] = ellipses[k].ExactColumns(y);
            const auto [held, end] = sweep.Cut(exactLo, exactHi);
            if (held < end) {
                ASSERT_TRUE(from <= held && end <= to) << "ellipse " << k << " row " << y;
            }
            widened += to - from;
            for (int probe = 0; probe < 60; ++probe) {
                const double column =
                    std::clamp(cut.left + (cut.right - 1 - cut.left) * (probe / 59.0) +
                                   (probe % 3 - 1) * 1e-3,
                               double(cut.left), cut.right - 1.0);
                if (EllipseValue(shapes[k], CFPoint(x0 + column * unit, rowY)) >= 1)
                    continue;
                ++points;
                const int offset = static_cast<int>(std::floor(column)) - cut.left;
                ASSERT_TRUE(from <= offset && offset < to)
                    << "ellipse " << k << " row " << y << " column " << column;
            }
        }
    }
    EXPECT_GT(points, 1000);
    EXPECT_GT(widened, points / 60);
}

TEST(EllipseCellsTest, SettledRowsAreTheRegionsRows) {
    // Ellipses through a cell centre (as a preferred-to region through a status quo on a
    // pixel), circles of whole-column radii about cell centres, and random ones, on square and
    // zoomed charts: the rows settled from the quick crossings are the region's own rows,
    // above all those the quick form leaves in doubt.
    std::mt19937 random(61);
    const CGridMap maps[] = {Chart(100), Chart(137, 2.5), Chart(90, 0.4)};
    long long doubtful = 0;
    for (int trial = 0; trial < 240; ++trial) {
        const CGridMap& map = maps[trial % 3];
        const SIntRect window = RegionWindow(map);
        SCellEllipse e = RandomEllipse(random);
        const CFPoint through = map.CellToWorld(static_cast<int>(random() % 90),
                                                static_cast<int>(random() % 90));
        if (trial % 3 == 0) {
            const double dx = through.x - e.centre.x, dy = through.y - e.centre.y;
            const double qx = dx * e.cosTurn - dy * e.sinTurn;
            const double qy = dx * e.sinTurn + dy * e.cosTurn;
            const double ratio = 0.3 + (random() % 100) / 25.0;
            e.semiX = std::sqrt(qx * qx + (qy / ratio) * (qy / ratio));
            e.semiY = ratio * e.semiX;
        } else if (trial % 3 == 1) {
            e = SCellEllipse{through, (1 + random() % 40) * map.UnitX(),
                             (1 + random() % 40) * map.UnitX(), 1.0, 0.0};
        }
        const CEllipseRows rows(e, map, window);
        for (int y = window.top; y < window.bottom; ++y) {
            const double rowY = map.CellToWorld(0, y).y;
            int lo = 1, hi = 0;
            doubtful += rows.Quick().Columns(y, rowY, window.left, window.right, lo, hi) ? 0 : 1;
            ASSERT_EQ(rows.SettledColumns(y, rowY), rows.ExactColumns(y))
                << "trial " << trial << " row " << y;
        }
    }
    EXPECT_GT(doubtful, 200) << "rows with crossings on whole columns";
}

TEST(EllipseCellsTest, RowsFromTheSharedGridAreThoseFromTheMap) {
    // The numbers a grid keeps for every ellipse (column 0's x, the rows' y, the world window's
    // reach) and a centre cell found once give the same rows as the map asked afresh: random,
    // thin and turned ellipses, ones far off the chart (worked in extended precision) and ones
    // whose rows miss the window.
    std::mt19937 random(83);
    const CGridMap maps[] = {Chart(100), Chart(137, 2.5), Chart(90, 0.4)};
    for (int trial = 0; trial < 150; ++trial) {
        const CGridMap& map = maps[trial % 3];
        const SIntRect window = RegionWindow(map);
        const CEllipseGrid grid(map, window);
        SCellEllipse e = RandomEllipse(random);
        if (trial % 10 == 3)
            e.centre = CFPoint(3e120, -40); // beyond what doubles square
        if (trial % 10 == 7)
            e = SCellEllipse{CFPoint(50, 900), 4, 3, 1.0, 0.0}; // no row in the window
        const CEllipseRows fromMap(e, map, window);
        const CEllipseRows fromGrid(e, grid, map.WorldToCell(e.centre));
        const SQuickEllipseRows& a = fromMap.Quick();
        const SQuickEllipseRows& b = fromGrid.Quick();
        const std::string what = "trial " + std::to_string(trial);
        ASSERT_EQ(std::make_pair(a.top, a.bottom), std::make_pair(b.top, b.bottom)) << what;
        ASSERT_EQ(a.usable, b.usable) << what;
        for (const auto& [x, y] : {std::make_pair(a.centreY, b.centreY), {a.base, b.base},
                                   {a.slope, b.slope}, {a.t0, b.t0}, {a.t1, b.t1},
                                   {a.tolerance, b.tolerance}})
            ASSERT_TRUE(x == y || (std::isnan(x) && std::isnan(y))) << what;
        ASSERT_EQ(fromMap.SurelyHoldsCell(), fromGrid.SurelyHoldsCell()) << what;
        for (int y = window.top; y < window.bottom; y += 2)
            ASSERT_EQ(fromMap.ExactColumns(y), fromGrid.ExactColumns(y)) << what << " row " << y;
    }
}

TEST(EllipseCellsTest, RowsScaledFromTheShapeAreThoseSolvedAfresh) {
    // A member's ellipses share centre, ratio of the axes and turn; scaled from the shape of
    // size 1 they give every row's cells, their rows and the sure cell as solving each anew:
    // round, flat, tall and turned shapes, sizes from a hair to far past the chart, size 0 and
    // centres off the chart or beyond what doubles square.
    std::mt19937 random(97);
    std::uniform_real_distribution<double> place(-60, 160), ratio(0.1, 6), turn(-1.5, 1.5),
        logSize(-3, 4);
    const CGridMap maps[] = {Chart(100), Chart(137, 2.5), Chart(90, 0.4)};
    for (int trial = 0; trial < 120; ++trial) {
        const CGridMap& map = maps[trial % 3];
        const SIntRect window = RegionWindow(map);
        const CEllipseGrid grid(map, window);
        const double angle = trial % 4 == 0 ? 0.0 : turn(random);
        CFPoint centre(place(random), place(random));
        if (trial % 15 == 4)
            centre = CFPoint(3e120, -40);
        const double axes = trial % 5 == 0 ? 1.0 : ratio(random);
        const SEllipseShape shape =
            EllipseShape(SCellEllipse{centre, 1.0, axes, std::cos(angle), std::sin(angle)}, grid);
        for (int k = 0; k < 6; ++k) {
            const double size = k == 0 && trial % 7 == 0 ? 0.0 : std::pow(10.0, logSize(random));
            const SCellEllipse e{centre, size, axes * size, std::cos(angle), std::sin(angle)};
            const QPoint centreCell = map.WorldToCell(centre);
            const CEllipseRows solved(e, grid, centreCell);
            const CEllipseRows scaled(e, grid, centreCell, shape);
            const std::string what = "trial " + std::to_string(trial) + " size " +
                                     std::to_string(size);
            ASSERT_EQ(std::make_pair(solved.Top(), solved.Bottom()),
                      std::make_pair(scaled.Top(), scaled.Bottom()))
                << what;
            ASSERT_EQ(solved.SurelyHoldsCell(), scaled.SurelyHoldsCell()) << what;
            for (int y = window.top; y < window.bottom; ++y) {
                const double rowY = map.CellToWorld(0, y).y;
                ASSERT_EQ(solved.ExactColumns(y), scaled.Columns(y, rowY)) << what << " row " << y;
                ASSERT_EQ(solved.ExactColumns(y), scaled.SettledColumns(y, rowY))
                    << what << " row " << y;
            }
        }
    }
}
