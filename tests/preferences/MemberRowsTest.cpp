#include "preferences/MemberRows.h"
#include "GameFixture.h"
#include "RandomBody.h"
#include "geometry/CellRuns.h"
#include "geometry/MappedRegion.h"
#include "preferences/VoteGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// Every setting the cells of a member depend on, drawn at random: the shape's stretch and
/// turn (salience 0 too), a rationality model now and then, the classic polygon now and then,
/// a member at the status quo or far off the chart, and the veto.
void Unsettle(CMember& m, const CFPoint& statusQuo) {
    PreferenceSpec spec = m.Preference();
    const int stretch = CRand::Next() % 6;
    spec.salience = stretch == 0 ? 0.0 : SRandomBody::Uniform(0.05, 6.0);
    spec.complementarity = CRand::Next() % 2 ? 0.0 : SRandomBody::Uniform(-3.0, 3.0);
    if (CRand::Next() % 9 == 0) {
        spec.modelType = 1 + CRand::Next() % 5;
        spec.idealPoint = SSamplingSpec{3, 1.0, 0.0, 3, 2.0, 1, 0, 1};
        m.SetRational(1);
    }
    m.SetPreferenceSpec(spec);
    const int place = CRand::Next() % 12;
    if (place == 0)
        m.SetIdealPoint(statusQuo);
    else if (place == 1)
        m.SetIdealPoint(CFPoint(statusQuo.x + 0.03, statusQuo.y - 0.02));
    else if (place == 2)
        m.SetIdealPoint(CFPoint(SRandomBody::Uniform(-900, 900), SRandomBody::Uniform(-900, 900)));
    m.SetVeto(CRand::Next() % 7 == 0);
}

/// The runs CMemberRows gives over every row it can reach.
std::vector<SCellRun> ShapeRuns(const CMember& member) {
    const CMemberRows rows(member);
    std::vector<SCellRun> runs;
    for (int y = rows.Top(); y <= rows.Bottom(); ++y) {
        const auto [lo, hi] = rows.Columns(y);
        if (lo <= hi)
            runs.push_back({y, lo, hi + 1});
    }
    return runs;
}

/// Whether two vote grids hold the same numbers in every cell, bit for bit; the first cell that
/// differs is named.
::testing::AssertionResult SameGrid(const CRegion& a, const CRegion& b) {
    if (a.Rows() != b.Rows() || a.Columns() != b.Columns())
        return ::testing::AssertionFailure() << "sizes differ";
    for (int r = 0; r < a.Rows(); ++r)
        for (int c = 0; c < a.Columns(); ++c)
            if (!(a.At(r, c) == b.At(r, c)))
                return ::testing::AssertionFailure() << "row " << r << " column " << c << ": "
                                                     << a.At(r, c) << " against " << b.At(r, c);
    return ::testing::AssertionSuccess();
}

/// A random body of every preference type with the settings of Unsettle, probabilistic voting
/// and the veto switch now and then.
SRandomBody MakeUnsettledBody(CGameFixture& f, int n) {
    SRandomBody body = SRandomBody::Make(f, n);
    for (const auto& m : f.owned)
        Unsettle(*m, f.game.StatusQuo());
    f.Refresh();
    f.game.SetProbabilisticVoting(CRand::Next() % 4 == 0);
    f.game.SetVetoSwitch(CRand::Next() % 3 == 0);
    f.game.SetStatusQuo(f.game.StatusQuo());
    return body;
}

} // namespace

TEST(MemberRowsTest, ShapeRowsAreTheRegionsCellsForEveryType) {
    CRand::Seed(2718);
    int compared = 0, markers = 0, windowCut = 0;
    for (int trial = 0; trial < 10; ++trial) {
        CGameFixture f(trial % 2 ? 160 : 97);
        const SRandomBody body = MakeUnsettledBody(f, 60);
        SCOPED_TRACE(body.name);
        for (const auto& m : f.owned) {
            ASSERT_FALSE(m->PreferredRgnHeld()) << "a moved status quo renews every region";
            if (!HasShapeRows(*m))
                continue;
            const std::vector<SCellRun> runs = ShapeRuns(*m);
            ASSERT_FALSE(m->PreferredRgnHeld()) << "the rows build no region";
            const CRgn& region = m->PreferredRgn();
            if (runs.empty()) {
                // The shape holds no cell: the region is the ideal point's marker.
                SIntRect box;
                EXPECT_NE(region.GetRgnBox(&box), NULLREGION) << m->MemberID();
                EXPECT_LE(box.right - box.left, 2) << m->MemberID();
                ++markers;
                continue;
            }
            EXPECT_TRUE(RgnFromRuns(runs).EqualRgn(region)) << m->MemberID();
            const SIntRect window = RegionWindow(m->GridMap());
            windowCut += runs.front().y == window.top || runs.back().y == window.bottom - 1;
            ++compared;
        }
    }
    EXPECT_GT(compared, 150);
    EXPECT_GT(markers, 3) << "members at the status quo";
    EXPECT_GT(windowCut, 3) << "shapes cut by the region window";
}

TEST(MemberRowsTest, PreferenceAtAPointFromRowsIsTheRegions) {
    // Points all over the chart and beyond, the ideal point's and the status quo's own cells,
    // and points a hair inside and outside the shape's ends; each member against a copy of it
    // that built its region.
    CRand::Seed(1618);
    int fromRows = 0;
    for (int trial = 0; trial < 6; ++trial) {
        CGameFixture f(trial % 2 ? 120 : 67);
        const SRandomBody body = MakeUnsettledBody(f, 50);
        f.game.SetProbabilisticVoting(1);
        SCOPED_TRACE(body.name);
        const CGridMap& map = f.game.GridMap();
        for (const auto& m : f.owned) {
            CMember reference = *m;
            ASSERT_TRUE(reference.PreferredRgn().IsValid() || !m->PreferredRgn().IsValid());
            std::vector<CFPoint> points = {m->IdealPoint(), m->StatusQuo()};
            for (int k = 0; k < 150; ++k)
                points.emplace_back(SRandomBody::Uniform(-150, 250),
                                    SRandomBody::Uniform(-150, 250));
            const CMemberRows rows(*m);
            for (int y = rows.Top(); y <= rows.Bottom(); y += 3) {
                const auto [lo, hi] = rows.Columns(y);
                for (const int x : {lo - 1, lo, hi, hi + 1})
                    points.push_back(map.CellToWorld(x, y));
            }
            for (const CFPoint& p : points) {
                ASSERT_EQ(m->Prefers(p), reference.Prefers(p)) << m->MemberID();
                ASSERT_EQ(m->VoteValue(p), reference.VoteValue(p)) << m->MemberID();
            }
            fromRows += HasShapeRows(*m) && !m->PreferredRgnHeld();
        }
    }
    EXPECT_GT(fromRows, 60) << "members that answered from their rows alone";
}

TEST(MemberRowsTest, ExpectedUtilityKeepsItsDerivedSalienceWithoutARegion) {
    CGameFixture f(100);
    CMember& m = f.Add(30, 60, PREF_EUM);
    f.game.SetStatusQuo(CFPoint(50, 50));
    EXPECT_FALSE(m.PreferredRgnHeld());
    EXPECT_DOUBLE_EQ(m.Preference().salience, 2.0) << "20 across over 10 up";
    EXPECT_EQ(m.Preference().complementarity, 0.0);
    const CMember fresh(PREF_EUM, CFPoint(50, 50), f.game.GridMap());
    EXPECT_EQ(fresh.Preference().salience, 1.0) << "a member never placed derives nothing";
    EXPECT_FALSE(fresh.PreferredRgn().IsValid()) << "and holds no region";
}

TEST(MemberRowsTest, VoteGridFromShapeRowsEqualsTheRegionsOnRandomBodies) {
    // Bodies of 50 to 3,000 members of every type: uniform, coincident, collinear, on a grid or
    // a line, weighted by whole, half and decimal votes, under simple majority, two thirds and
    // other rules, with vetoes and probabilistic votes now and then. The regions are built
    // only for the reference, after the grid from rows.
    CRand::Seed(31415);
    const int sizes[] = {50, 51, 120, 333, 800, 3000};
    for (int scenario = 0; scenario < 12; ++scenario) {
        const int n = sizes[scenario % 6];
        CGameFixture f(n < 200 ? 90 : (n > 500 ? 120 : 200));
        const SRandomBody body = MakeUnsettledBody(f, n);
        SCOPED_TRACE("scenario " + std::to_string(scenario) + " " + body.name);
        // Every grid from rows first: the shape members' regions are built only afterwards.
        f.game.SetStatusQuo(f.game.StatusQuo());
        CVoteGrid rows[2], regions[2];
        const EVoteGridMethod methods[2] = {EVoteGridMethod::RunEnds, EVoteGridMethod::RunCells};
        for (int k = 0; k < 2; ++k)
            ASSERT_TRUE(rows[k].Build(f.game, methods[k], ECellSource::MemberRows));
        int fromRows = 0;
        for (const auto& m : f.owned)
            fromRows += HasShapeRows(*m) && !m->PreferredRgnHeld();
        EXPECT_GT(fromRows, n / 8) << "members counted from their rows alone";
        for (int k = 0; k < 2; ++k) {
            ASSERT_TRUE(regions[k].Build(f.game, methods[k], ECellSource::Regions));
            ASSERT_TRUE(SameGrid(rows[k].Grid(), regions[k].Grid()));
        }
        if (n < 200) {
            ASSERT_TRUE(SameGrid(rows[0].Grid(), CVoteGrid::BuildNaive(f.game)));
        }
        f.game.SetStatusQuo(f.game.StatusQuo());
        // The win set of the grid from rows, vetoes applied, against that of the regions.
        const CMappedRegion winSet = f.game.GetWinSet();
        for (const auto& m : f.owned)
            EXPECT_TRUE(m->PreferredRgn().IsValid());
        f.game.Stale().MarkStale(EConcept::VoteGrid);
        f.game.Stale().MarkStale(EConcept::WinSet);
        EXPECT_TRUE(winSet.GetRgn().EqualRgn(f.game.GetWinSet().GetRgn()));
        EXPECT_EQ(winSet.GetArea(), f.game.GetWinSet().GetArea());
    }
}

TEST(MemberRowsTest, WinSetOfALargeBodyBuildsNoRegionPerMember) {
    CGameFixture f(200);
    CRand::Seed(5);
    for (int i = 0; i < 400; ++i)
        f.AddQuietly(SRandomBody::Uniform(20, 80), SRandomBody::Uniform(20, 80),
                     i % 5 == 4 ? PREF_CITYBLOCK : PREF_TRADEOFF);
    f.Refresh();
    f.owned[7]->SetVeto(1);
    f.game.SetVetoSwitch(1);
    f.game.SetStatusQuo(CFPoint(45, 55));
    EXPECT_GT(f.game.GetWinSetArea(), 0.0);
    for (const auto& m : f.owned) {
        const bool needed = m->PrefType() == PREF_CITYBLOCK || m->Veto();
        EXPECT_EQ(m->PreferredRgnHeld(), needed)
            << m->MemberID() << ": only city-block members and the veto member build theirs";
    }
}
