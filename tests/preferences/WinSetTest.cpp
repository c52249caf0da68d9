#include "GameFixture.h"
#include "geometry/MappedRegion.h"
#include "platform/CRand.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

double Uniform(double low, double high) {
    return low + (high - low) * CRand::Next() / 32767.0;
}

/// A random member of any type, weight (half steps, or tenths that do not add up exactly),
/// veto, probabilistic or rationality setting.
void AddRandomMember(CGameFixture& f, bool tenths = false) {
    CMember& m = f.Add(Uniform(5, 95), Uniform(5, 95), 1 + CRand::Next() % 8,
                       tenths ? 0.1 * (CRand::Next() % 30) : 1 + CRand::Next() % 4 * 0.5);
    PreferenceSpec spec = m.Preference();
    spec.salience = Uniform(0.2, 3);
    spec.complementarity = Uniform(-1, 1);
    spec.intensity = Uniform(0, 2);
    spec.beta = Uniform(0, 1);
    if (CRand::Next() % 3 == 0) {
        spec.modelType = 1 + CRand::Next() % 5;
        spec.idealPoint = SSamplingSpec{CRand::Next() % 6, 1.5, 0.2, 1 + CRand::Next() % 4,
                                        Uniform(0, 5),     1,   0,   1};
        spec.statusQuo =
            SSamplingSpec{CRand::Next() % 6, 0.5, 0, 1 + CRand::Next() % 3, Uniform(0, 5), 1, 0, 1};
        m.SetRational(1);
    }
    m.SetPreferenceSpec(spec);
    m.SetVeto(CRand::Next() % 5 == 0);
    m.SetCertainty(Uniform(0, 0.95));
}

/// The exact area of the lens where two discs overlap.
double LensArea(const CFPoint& c1, double r1, const CFPoint& c2, double r2) {
    const double d = c1.Distance(c2);
    const double a1 = std::acos((d * d + r1 * r1 - r2 * r2) / (2 * d * r1));
    const double a2 = std::acos((d * d + r2 * r2 - r1 * r1) / (2 * d * r2));
    return r1 * r1 * (a1 - std::sin(2 * a1) / 2) + r2 * r2 * (a2 - std::sin(2 * a2) / 2);
}

} // namespace

TEST(WinSetTest, FastVoteGridEqualsTheCellByCellCountOnRandomScenarios) {
    CRand::Seed(4242);
    for (int scenario = 0; scenario < 24; ++scenario) {
        CGameFixture f(90);
        f.game.SetStatusQuo(CFPoint(Uniform(10, 90), Uniform(10, 90)));
        const int count = 1 + CRand::Next() % 9;
        for (int i = 0; i < count; ++i)
            AddRandomMember(f, scenario % 4 == 1);
        f.game.SetWeightedVoting(CRand::Next() % 2);
        f.game.SetProbabilisticVoting(scenario % 3 == 0);
        f.game.SetVoteRule(Uniform(0, 1));
        ASSERT_TRUE(f.game.UpdateVoteGrid());
        const CRegion& fast = f.game.VoteGrid().Grid();
        const CRegion naive = CVoteGrid::BuildNaive(f.game);
        CVoteGrid byCells;
        ASSERT_TRUE(byCells.Build(f.game, EVoteGridMethod::RunCells));
        for (const CRegion* grid : {&fast, &byCells.Grid()}) {
            ASSERT_EQ(grid->Rows(), naive.Rows());
            ASSERT_EQ(grid->Columns(), naive.Columns());
            for (int r = 0; r < grid->Rows(); ++r)
                for (int c = 0; c < grid->Columns(); ++c)
                    ASSERT_EQ(grid->At(r, c), naive.At(r, c))
                        << "scenario " << scenario << " row " << r << " column " << c;
        }
        const CMappedRegion threshold(naive, f.game.VoteQuota(), f.game.GridMap(),
                                      f.game.StatusQuo());
        EXPECT_TRUE(f.game.GetWinSet().GetRgn().EqualRgn(threshold.GetRgn()))
            << "scenario " << scenario;
    }
}

TEST(WinSetTest, TriangleWinSetIsThreeLensesOfExactArea) {
    CGameFixture f;
    const CFPoint a(20, 25), b(80, 25), c(50, 77);
    const CFPoint sq(50, 40);
    f.game.SetStatusQuo(sq);
    for (const CFPoint& p : {a, b, c})
        f.Add(p.x, p.y);
    const double exact = LensArea(a, a.Distance(sq), b, b.Distance(sq)) +
                         LensArea(a, a.Distance(sq), c, c.Distance(sq)) +
                         LensArea(b, b.Distance(sq), c, c.Distance(sq));
    // The grid's resolution: a quarter unit per cell along roughly 250 units of boundary.
    EXPECT_NEAR(f.game.GetWinSetArea(), exact, 0.25 * 250 / 2);
    EXPECT_TRUE(f.game.IsInsideWinSet(CFPoint(50, 32)));
    EXPECT_FALSE(f.game.IsInsideWinSet(CFPoint(50, 60))) << "only the top member prefers it";
    EXPECT_EQ(f.game.GetQuotaLines().size(), 3u);
    for (const CQuotaLine& line : f.game.GetQuotaLines())
        EXPECT_TRUE(line.quotaLine && line.qualified);
}

TEST(WinSetTest, QuotaLinesSkipCoincidentMembersAndRepeats) {
    CGameFixture f;
    for (double x : {10.0, 30.0, 50.0})
        f.Add(x, 50);
    f.Add(30, 80);
    f.Add(30, 20);
    const std::vector<CQuotaLine>& lines = f.game.GetQuotaLines();
    int horizontal = 0;
    for (const CQuotaLine& line : lines)
        horizontal += line.segment.GetP1().y == 50 && line.segment.GetP2().y == 50;
    EXPECT_EQ(horizontal, 1) << "three members on one line give one quota line";

    CGameFixture together;
    for (int i = 0; i < 3; ++i)
        together.Add(40, 40);
    together.game.SetStatusQuo(CFPoint(60, 40));
    EXPECT_TRUE(together.game.GetQuotaLines().empty());
    EXPECT_DOUBLE_EQ(together.game.GetSpokeLength(), 20.0) << "only ideal-point spokes";
    EXPECT_DOUBLE_EQ(together.game.GetWinSetRadius(), 40.0);
    EXPECT_TRUE(together.game.IsWinSetComplete());
}

TEST(WinSetTest, NearFarPointsPetalsAndVeto) {
    CGameFixture f;
    CMember& left = f.Add(30, 50);
    f.Add(70, 50);
    f.Add(50, 80);
    f.game.SetStatusQuo(CFPoint(50, 20));
    const CFPoint query(50, 0);
    const CFPoint near = f.game.GetWinSetNearPt(query);
    const CFPoint far = f.game.GetWinSetFarPt(query);
    EXPECT_TRUE(f.game.IsInsideWinSet(CFPoint(near.x, near.y + 0.3)));
    EXPECT_GT(far.Distance(query), near.Distance(query));
    EXPECT_FALSE(f.game.GetPetals().empty());
    const double area = f.game.GetWinSetArea();
    f.game.SetVetoSwitch(1);
    left.SetVeto(1);
    f.game.VetoChanged();
    EXPECT_LT(f.game.GetWinSetArea(), area) << "the veto member's region cuts the win set";

    CGameFixture empty;
    empty.Add(50, 50, PREF_ABSTAIN);
    EXPECT_EQ(empty.game.GetWinSetArea(), 0.0) << "an abstaining body wins nothing";
    EXPECT_EQ(empty.game.GetWinSetNearPt(CFPoint(1, 2)), CFPoint(1, 2));
}

TEST(WinSetTest, WinSetOfAPointRestoresTheStatusQuoAndCaptureCombines) {
    CGameFixture f;
    f.Add(30, 50);
    f.Add(70, 50);
    f.Add(50, 80);
    f.game.SetStatusQuo(CFPoint(50, 20));
    const double area = f.game.GetWinSetArea();
    const auto other = f.game.WinSetOfPoint(CFPoint(50, 90), true);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(f.game.StatusQuo(), CFPoint(50, 20));
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::WinSet));
    EXPECT_EQ(f.game.GetWinSetArea(), area);
    EXPECT_NE(other->GetArea(), area);
    f.game.CaptureWinSet(other.get());
    f.game.CombineCapturedWinSet(RGN_OR);
    EXPECT_GE(f.game.CapturedWinSet().GetArea(), std::max(area, other->GetArea()));
    f.game.CaptureWinSet();
    f.game.CombineCapturedWinSet(RGN_DIFF);
    EXPECT_EQ(f.game.CapturedWinSet().GetArea(), 0.0);
}

TEST(WinSetTest, CancelledCountStaysStaleAndShowsProgress) {
    CGameFixture f(60);
    for (int i = 0; i < 12; ++i)
        f.Add(10 + 5 * i, 50);
    f.platform.RequestCancelAfter(3);
    EXPECT_FALSE(f.game.UpdateVoteGrid());
    EXPECT_TRUE(f.game.Stale().IsStale(EConcept::VoteGrid));
    ASSERT_GE(f.platform.StatusTexts().size(), 2u);
    EXPECT_EQ(f.platform.StatusTexts()[0].text, "  Grid - 0");
    EXPECT_EQ(f.platform.StatusTexts()[1].text, "  Grid - 8.333");
    // The stopped grid holds the full counts of the members before the stop, and nothing of
    // the later ones.
    const CRegion expected = [] {
        CGameFixture first(60);
        for (int i = 0; i < 4; ++i)
            first.Add(10 + 5 * i, 50);
        return CVoteGrid::BuildNaive(first.game);
    }();
    CVoteGrid grid;
    f.platform.RequestCancelAfter(3);
    EXPECT_FALSE(grid.Build(f.game));
    const CRegion& stopped = grid.Grid();
    for (int r = 0; r < expected.Rows(); ++r)
        for (int c = 0; c < expected.Columns(); ++c)
            ASSERT_EQ(stopped.At(r, c), expected.At(r, c)) << "row " << r << " column " << c;
}

namespace {

/// The area two discs have in common.
double LensArea(double r1, double r2, double d) {
    if (d >= r1 + r2)
        return 0.0;
    if (d <= std::fabs(r1 - r2))
        return M_PI * std::min(r1, r2) * std::min(r1, r2);
    const double a1 = std::acos((d * d + r1 * r1 - r2 * r2) / (2 * d * r1));
    const double a2 = std::acos((d * d + r2 * r2 - r1 * r1) / (2 * d * r2));
    return r1 * r1 * a1 + r2 * r2 * a2 -
           0.5 * std::sqrt((-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2));
}

} // namespace

TEST(WinSetTest, DegenerateScenariosGiveTheirResultsWithoutFailing) {
    struct SCase {
        const char* name;
        std::vector<CFPoint> ideals;
        int prefType;
        double salience;
        double rule;
        CFPoint statusQuo;
        double area;         ///< the exact win set's area
        double perimeter;    ///< its boundary's length, for the cells it may gain or lose
        int markerCells = 0; ///< cells of the marker that stands for a member's empty region
    };
    const double nan = std::nan("");
    const double near = std::hypot(10.0, 20.0), far = std::hypot(10.0, 50.0);
    const double apart = std::hypot(20.0, 30.0);
    const double lens = LensArea(near, far, apart);
    const double both = std::hypot(20.0, 20.0);
    const SCase cases[] = {
        {"no members", {}, PREF_TRADEOFF, 1, 0.5, CFPoint(50, 50), 0, 0},
        {"coincident members: both prefer the one disc",
         {CFPoint(40, 40), CFPoint(40, 40)},
         PREF_TRADEOFF,
         1,
         0.5,
         CFPoint(60, 60),
         M_PI * both * both,
         2 * M_PI * both},
        {"status quo on an ideal point: that member prefers nothing but its marker",
         {CFPoint(40, 40), CFPoint(60, 40)},
         PREF_CITYBLOCK,
         1,
         0.5,
         CFPoint(40, 40),
         0,
         0,
         4},
        {"zero salience is one: the two circles' lens",
         {CFPoint(40, 40), CFPoint(60, 70)},
         PREF_TRADEOFF,
         0,
         0.5,
         CFPoint(50, 20),
         lens,
         2 * M_PI * near},
        {"nan coordinates",
         {CFPoint(nan, 40), CFPoint(60, nan)},
         PREF_DIRECTIONAL,
         1,
         0.5,
         CFPoint(nan, nan),
         0,
         0},
        {"quota of zero is one vote, and the only member abstains",
         {CFPoint(40, 40)},
         PREF_ABSTAIN,
         1,
         0.0,
         CFPoint(50, 50),
         0,
         0},
        {"everyone abstains",
         {CFPoint(40, 40), CFPoint(50, 50)},
         PREF_ABSTAIN,
         1,
         0.5,
         CFPoint(45, 45),
         0,
         0},
        {"unified at the status quo: its marker",
         {CFPoint(45, 45)},
         PREF_UNIFIED,
         1,
         0.5,
         CFPoint(45, 45),
         0,
         0,
         4},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CGameFixture f(80);
        f.game.SetStatusQuo(c.statusQuo);
        for (const CFPoint& p : c.ideals) {
            CMember& m = f.Add(p.x, p.y, c.prefType);
            PreferenceSpec spec = m.Preference();
            spec.salience = c.salience;
            m.SetPreferenceSpec(spec);
        }
        f.game.SetVoteRule(c.rule);
        const CGridMap& map = f.game.GridMap();
        EXPECT_NEAR(f.game.GetWinSetArea(), c.area,
                    c.perimeter * map.UnitX() + c.markerCells * map.CellArea() + 1e-9);
        const std::unique_ptr<CMappedRegion> ofPoint = f.game.WinSetOfPoint(CFPoint(30, 30), true);
        ASSERT_TRUE(ofPoint != nullptr);
        if (c.area == 0 && c.markerCells == 0) {
            EXPECT_TRUE(ofPoint->GetRgn().IsEmpty()) << "no point wins anywhere";
            EXPECT_TRUE(f.game.GetWinSet().GetRgn().IsEmpty());
            EXPECT_TRUE(f.game.GetPetals().empty()) << "no cell of an empty win set";
            EXPECT_EQ(f.game.GetWinSetNearPt(CFPoint(1, 1)), CFPoint(1, 1))
                << "an empty win set has no nearer point";
        } else if (c.area > 0) {
            // The nearest point of a disc or lens is on its boundary, nearer than its middle.
            const CFPoint nearest = f.game.GetWinSetNearPt(CFPoint(1, 1));
            EXPECT_LT(nearest.Distance(CFPoint(1, 1)), CFPoint(1, 1).Distance(CFPoint(40, 40)));
            EXPECT_TRUE(f.game.IsInsideWinSet(CFPoint(40, 40)) ||
                        f.game.IsInsideWinSet(CFPoint(45, 30)));
        }
        EXPECT_TRUE(std::isfinite(f.game.GetSpokeLength()));
        f.game.IsWinSetComplete();
    }
    // Shapes the preferences do not define still give a number: a negative salience, members
    // far beyond any chart.
    for (const auto& [ideal, prefType, salience, statusQuo] :
         {std::tuple{CFPoint(40, 40), PREF_TRADEOFF, -2.0, CFPoint(50, 20)},
          std::tuple{CFPoint(1e300, -1e300), PREF_INDEPENDENT, 1.0, CFPoint(1e200, 5)}}) {
        CGameFixture f(80);
        f.game.SetStatusQuo(statusQuo);
        for (const CFPoint& p : {ideal, CFPoint(60, 70)}) {
            CMember& m = f.Add(p.x, p.y, prefType);
            PreferenceSpec spec = m.Preference();
            spec.salience = salience;
            m.SetPreferenceSpec(spec);
        }
        const double area = f.game.GetWinSetArea();
        EXPECT_TRUE(area >= 0.0 && area <= 100.0 * 100.0) << salience;
        f.game.GetPetals();
        EXPECT_TRUE(f.game.WinSetOfPoint(CFPoint(30, 30), true) != nullptr);
    }
}
