#include "thermograph/Thermograph.h"
#include "../preferences/GameFixture.h"
#include "geometry/MappedRegion.h"
#include "geometry/Rgn.h"
#include "geometry/RgnHelpers.h"
#include "platform/CRand.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"
#include "thermograph/ThermographArea.h"
#include "thermograph/ThermographCounter.h"
#include "thermograph/ThermographFast.h"
#include "thermograph/ThermographPool.h"
#include "thermograph/ThermographRuns.h"
#include "thermograph/ThermographTrial.h"
#include "thermograph/ThermographValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

double Uniform(double low, double high) {
    return low + (high - low) * CRand::Next() / 32767.0;
}

/// A random member of any type, with whole and half weights, vetoes, rationality settings.
void AddRandomMember(CGameFixture& f) {
    CMember& m =
        f.Add(Uniform(10, 90), Uniform(10, 90), 1 + CRand::Next() % 8, 1 + CRand::Next() % 4 * 0.5);
    PreferenceSpec spec = m.Preference();
    spec.salience = Uniform(0.3, 3);
    spec.complementarity = Uniform(-1, 1);
    spec.intensity = Uniform(0, 2);
    spec.beta = Uniform(0, 1);
    if (CRand::Next() % 4 == 0) {
        spec.modelType = 1 + CRand::Next() % 5;
        spec.idealPoint = SSamplingSpec{CRand::Next() % 6, 1.5, 0.2, 1 + CRand::Next() % 4,
                                        Uniform(0, 5),     1,   0,   1};
        spec.statusQuo =
            SSamplingSpec{CRand::Next() % 6, 0.5, 0, 1 + CRand::Next() % 3, Uniform(0, 5), 1, 0, 1};
        m.SetRational(1);
    }
    m.SetPreferenceSpec(spec);
    m.SetVeto(CRand::Next() % 6 == 0);
}

/// A random scenario on a small chart: members of every type, weights, vetoes, probabilistic
/// voting now and then, a simple majority or a two-thirds rule.
void MakeScenario(CGameFixture& f, int scenario) {
    f.game.SetStatusQuo(CFPoint(Uniform(20, 80), Uniform(20, 80)));
    const int count = 3 + CRand::Next() % 6;
    for (int i = 0; i < count; ++i)
        AddRandomMember(f);
    f.game.SetWeightedVoting(scenario % 2);
    f.game.SetVoteRule(scenario % 3 == 2 ? 2.0 / 3.0 : 0.5);
    f.game.SetVetoSwitch(scenario % 4 == 1);
    f.game.SetProbabilisticVoting(scenario % 5 == 4);
}

void ExpectSameGrid(const SThermographGrid& a, const SThermographGrid& b, const std::string& what) {
    ASSERT_EQ(a.pixels, b.pixels) << what;
    ASSERT_EQ(a.values.size(), b.values.size()) << what;
    for (int row = 0; row < a.Rows(); ++row)
        for (int column = 0; column < a.Columns(); ++column)
            ASSERT_EQ(a.At(column, row), b.At(column, row))
                << what << " at column " << column << " row " << row;
    EXPECT_EQ(a.largest, b.largest) << what;
    EXPECT_EQ(a.smallest, b.smallest) << what;
}

/// The values a reader of the game sees for the concepts around the status quo.
std::vector<double> ConceptValues(CVotingGame& game) {
    return {game.StatusQuo().x,
            game.StatusQuo().y,
            game.GetWinSetArea(),
            game.GetSpokeLength(),
            game.GetYolkRadius(),
            game.GetParetoSetArea(),
            static_cast<double>(game.GetPetals().size())};
}

std::vector<bool> StaleFlags(const CVotingGame& game) {
    std::vector<bool> flags;
    for (int i = 0; i < static_cast<int>(EConcept::Count); ++i)
        flags.push_back(game.Stale().IsStale(static_cast<EConcept>(i)));
    return flags;
}

/// A trade-off member added without refreshing the game.
void AddTradeOff(CGameFixture& f, const CFPoint& ideal, double weight, double salience,
                 double complementarity, bool veto) {
    CMember& m = f.AddQuietly(ideal.x, ideal.y, PREF_TRADEOFF, weight);
    PreferenceSpec spec = m.Preference();
    spec.salience = salience;
    spec.complementarity = complementarity;
    m.SetPreferenceSpec(spec);
    m.SetVeto(veto);
}

/// Refreshes the game and sets its weighting, rule and veto switch.
void SetRules(CGameFixture& f, int weighted, double rule, bool veto) {
    f.Refresh();
    f.game.SetWeightedVoting(weighted);
    f.game.SetVoteRule(rule);
    f.game.SetVetoSwitch(veto);
}

std::vector<SCountedMember> CountedMembers(const CVotingGame& game, bool probabilistic) {
    std::vector<SCountedMember> counted;
    for (const CMember* member : game.Members())
        counted.push_back({member->EffectiveVote(), 0,
                           probabilistic && member->Probabilistic() != 0,
                           game.VetoSwitch() != 0 && member->Veto() != 0});
    return counted;
}

/// The row counter over the trial members beside the run counter over the members' own
/// rebuilt runs, for trial points asked one at a time.
struct STrialCounts {
    STrialCounts(CVotingGame& game, bool probabilistic)
        : map(game.GridMap()), device(OrderedDeviceRect(map)),
          runsCounter(device, CountedMembers(game, probabilistic), game.VoteQuota()),
          trial(game.Members(), map, true) {
        for (const CMember* member : game.Members())
            runs.emplace_back(*member);
        if (!runsCounter.CountsInUnits())
            return;
        std::vector<SUnitMember> units;
        for (const SCountedMember& member : runsCounter.Members())
            units.push_back({member.units, member.veto});
        rowCounter.emplace(device, map, units, runsCounter.NeededUnits());
    }
    /// Moves every member to the trial point p; the runs' count and the rows' count there.
    std::pair<long long, long long> At(const CFPoint& p) {
        for (CMemberRuns& member : runs)
            member.Build(p, map);
        trial.MoveTo(p);
        const long long expected = runsCounter.Count(runs, map);
        return {expected, rowCounter->Count(trial)};
    }

    const CGridMap map;
    const SIntRect device;
    CWinSetCounter runsCounter;
    CTrialMembers trial;
    std::vector<CMemberRuns> runs;
    std::optional<CWinSetRowCounter> rowCounter;
};

} // namespace

TEST(ThermographTest, OutlineScanGivesThePlatformPolygonCells) {
    CRand::Seed(77);
    std::vector<SCellRun> runs;
    std::vector<int> scratch;
    for (int polygon = 0; polygon < 400; ++polygon) {
        std::vector<QPoint> corners;
        const int n = polygon % 4 == 0 ? 3 + CRand::Next() % 8 : 40;
        const double cx = Uniform(-50, 150), cy = Uniform(-50, 150), r = Uniform(0, 120);
        const double s = Uniform(0.2, 4), phi = Uniform(0, 3);
        for (int k = 0; k < n; ++k) {
            const double t = polygon % 4 == 0 ? Uniform(0, 6.3) : k * 0.15707963267948966;
            const double lx = r * std::cos(t), ly = s * r * std::sin(t);
            corners.emplace_back(
                static_cast<int>(std::lround(cx + ly * std::sin(phi) + lx * std::cos(phi))),
                static_cast<int>(std::lround(cy + ly * std::cos(phi) - lx * std::sin(phi))));
        }
        CRgn rgn;
        rgn.CreatePolygonRgn(corners, WINDING);
        ScanPolygon(corners, runs, scratch);
        ASSERT_EQ(runs, RegionRuns(rgn)) << "polygon " << polygon << " of " << n << " corners";
    }
}

TEST(ThermographTest, FastMapsEqualTheReferenceLoopOnRandomScenarios) {
    CRand::Seed(2024);
    for (int scenario = 0; scenario < 10; ++scenario) {
        CGameFixture f(40 + 4 * (scenario % 3));
        MakeScenario(f, scenario);
        for (const int mode : {THERMO_AREA, THERMO_RADIUS, THERMO_BOD}) {
            const SThermographSettings settings{20, 0, scenario % 2, 1};
            const auto reference = MapThermographReference(f.game, mode, settings);
            const auto fast = MapThermographFast(f.game, mode, settings);
            ASSERT_TRUE(reference && fast);
            const std::string what =
                "scenario " + std::to_string(scenario) + " mode " + std::to_string(mode);
            ExpectSameGrid(*reference, *fast, what);
            if (mode == THERMO_AREA) {
                SThermographSettings builder = settings;
                builder.scanOutlines = false;
                builder.threads = 2;
                ExpectSameGrid(*reference, *MapThermographFast(f.game, mode, builder),
                               what + " through the members' own regions on two threads");
            }
        }
    }
}

TEST(ThermographTest, TradeOffBodiesGiveTheReferenceMapsOnAnyChartAndThreads) {
    // Bodies of trade-off members alone, whose cells come from their ellipses' rows: turned and
    // stretched ellipses, members on cell centres (a pixel then meets the ideal point itself),
    // members far off the chart, zoomed charts whose cells are not square in issue space,
    // weights, vetoes and a two-thirds rule.
    CRand::Seed(31);
    for (int scenario = 0; scenario < 6; ++scenario) {
        CGameFixture f(36 + 6 * (scenario % 2));
        if (scenario >= 3)
            f.game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, 44, 30, 1.7));
        const int count = 7 + scenario * 2;
        for (int i = 0; i < count; ++i) {
            CFPoint p(Uniform(15, 85), Uniform(15, 85));
            if (i % 4 == 1)
                p = f.game.GridMap().CellToWorld(5 + CRand::Next() % 25, 5 + CRand::Next() % 25);
            if (i == 5)
                p = CFPoint(Uniform(-400, 500), 260);
            CMember& m = f.AddQuietly(p.x, p.y, PREF_TRADEOFF, 1 + CRand::Next() % 3);
            PreferenceSpec spec = m.Preference();
            if (i % 3 != 0) {
                spec.salience = Uniform(0.2, 4);
                spec.complementarity = Uniform(-2, 2);
            }
            m.SetPreferenceSpec(spec);
            m.SetVeto(i % 5 == 2);
        }
        f.Refresh();
        f.game.SetWeightedVoting(scenario % 2);
        f.game.SetVoteRule(scenario % 3 == 1 ? 2.0 / 3.0 : 0.5);
        f.game.SetVetoSwitch(scenario >= 4);
        for (const int mode : {THERMO_AREA, THERMO_RADIUS, THERMO_BOD}) {
            const std::string what =
                "scenario " + std::to_string(scenario) + " mode " + std::to_string(mode);
            const auto reference = MapThermographReference(f.game, mode, {20, 0, 1, 1});
            ASSERT_TRUE(reference) << what;
            for (const int threads : {1, 2}) {
                const auto fast = MapThermographFast(f.game, mode, {20, 0, 1, threads});
                ASSERT_TRUE(fast) << what;
                ExpectSameGrid(*reference, *fast, what + " on " + std::to_string(threads));
            }
        }
    }
}

TEST(ThermographTest, SpokesAndPairsOnTiedDistancesGiveTheReferenceMaps) {
    // Members on whole coordinates of a chart whose pixels lie on whole coordinates too: many
    // members are exactly as far from a reflected point as from the status quo, pixels fall on
    // quota lines and on ideal points, and several pairs share a line.
    for (const double rule : {0.5, 2.0 / 3.0}) {
        CGameFixture f(26);
        f.game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, 25, 25, 1.0));
        for (const CFPoint& p : {CFPoint(20, 20), CFPoint(80, 20), CFPoint(20, 80), CFPoint(80, 80),
                                 CFPoint(48, 48), CFPoint(48, 20), CFPoint(20, 48)})
            f.AddQuietly(p.x, p.y, PREF_TRADEOFF, rule == 0.5 ? 1.0 : 2.0);
        f.Refresh();
        f.game.SetWeightedVoting(rule == 0.5 ? 0 : 1);
        f.game.SetVoteRule(rule);
        for (const int mode : {THERMO_RADIUS, THERMO_BOD, THERMO_AREA}) {
            const std::string what =
                "rule " + std::to_string(rule) + " mode " + std::to_string(mode);
            const auto reference = MapThermographReference(f.game, mode, {20, 0, 1, 1});
            const auto fast = MapThermographFast(f.game, mode, {20, 0, 1, 2});
            ASSERT_TRUE(reference && fast) << what;
            ExpectSameGrid(*reference, *fast, what);
            EXPECT_GT(reference->largest, 0.0) << what;
        }
    }
}

TEST(ThermographTest, TrialMembersCountAndPreferAsTheirRebuiltRuns) {
    // At trial points anywhere (on ideal points, on cell centres, off the chart's middle), the
    // row counter over the trial members gives the run counter's cells, and every member's
    // answer for a probed point is that of its own rebuilt runs.
    CRand::Seed(404);
    int compared = 0;
    for (int scenario = 0; scenario < 8; ++scenario) {
        CGameFixture f(50);
        MakeScenario(f, scenario);
        CVotingGame& game = f.game;
        STrialCounts counts(game, true);
        if (!counts.rowCounter)
            continue;
        ++compared;
        const CGridMap& map = counts.map;
        for (int point = 0; point < 40; ++point) {
            CFPoint p(Uniform(-10, 110), Uniform(-10, 110));
            if (point % 4 == 1)
                p = game.Members()[CRand::Next() % game.Members().size()]->IdealPoint();
            if (point % 4 == 2)
                p = map.CellToWorld(CRand::Next() % 50, CRand::Next() % 50);
            const std::string what =
                "scenario " + std::to_string(scenario) + " point " + std::to_string(point);
            const auto [expected, counted] = counts.At(p);
            ASSERT_EQ(counted, expected) << what;
            for (int probe = 0; probe < 30; ++probe) {
                const CFPoint q = probe % 3 ? CFPoint(Uniform(-20, 120), Uniform(-20, 120))
                                            : map.CellToWorld(CRand::Next() % 50, 25);
                const CTrialMembers::SProbe asked = counts.trial.Probe(q);
                for (std::size_t i = 0; i < counts.runs.size(); ++i)
                    ASSERT_EQ(counts.trial.Prefers(i, asked), counts.runs[i].Prefers(q, map))
                        << what << " member " << i << " probe " << probe;
            }
        }
    }
    EXPECT_GE(compared, 5) << "scenarios counted in whole vote units";
}

TEST(ThermographTest, SignRuleAndRangeOfTheWinSetAreaMap) {
    CGameFixture f(60);
    for (const CFPoint& p : {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77)})
        f.Add(p.x, p.y);
    CThermograph thermograph;
    ASSERT_TRUE(thermograph.MapThermographValues(f.game, THERMO_AREA, {}));
    const SThermographGrid& grid = thermograph.Grid();
    ASSERT_EQ(grid.Columns(), 60);
    ASSERT_EQ(grid.Rows(), 60);
    int positive = 0, negative = 0;
    double smallest = 1e300, largest = 0;
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const double value = grid.At(column, row);
            const CFPoint p =
                f.game.GridMap().CellToWorld(grid.pixels.left + column, grid.pixels.top + row);
            const int uncovered = f.game.IsInsideUncoveredSet(p, 20, 0, 1);
            const int pareto = f.game.IsInsideParetoSet(p);
            if (!uncovered && !pareto) {
                EXPECT_EQ(value, 0.0) << column << "," << row;
                continue;
            }
            EXPECT_EQ(value > 0, uncovered != 0) << column << "," << row;
            positive += value > 0;
            negative += value < 0;
            smallest = std::min(smallest, std::fabs(value));
            largest = std::max(largest, std::fabs(value));
        }
    }
    EXPECT_GT(positive, 0);
    EXPECT_GT(negative, 0);
    EXPECT_EQ(grid.smallest, smallest);
    EXPECT_EQ(grid.largest, largest);
}

TEST(ThermographTest, StatusQuoAndConceptsAreAsBeforeAfterEitherPath) {
    CRand::Seed(99);
    CGameFixture f(40);
    MakeScenario(f, 2);
    f.game.GetUncoveredSetArea(20, 0, 1);
    const std::vector<double> before = ConceptValues(f.game);
    const CFPoint sq = f.game.StatusQuo();
    const std::vector<bool> staleBefore = StaleFlags(f.game);
    ASSERT_TRUE(MapThermographFast(f.game, THERMO_BOD, {}));
    EXPECT_EQ(StaleFlags(f.game), staleBefore) << "the fast path moves nothing";
    EXPECT_EQ(ConceptValues(f.game), before);
    ASSERT_TRUE(MapThermographReference(f.game, THERMO_AREA, {}));
    EXPECT_EQ(f.game.StatusQuo().x, sq.x);
    EXPECT_EQ(f.game.StatusQuo().y, sq.y);
    EXPECT_TRUE(f.game.Stale().IsStale(EConcept::WinSet));
    EXPECT_EQ(ConceptValues(f.game), before);
}

TEST(ThermographTest, ProgressBeforeEveryRowAndCancelKeepsThePreviousMap) {
    CGameFixture f(40);
    for (const CFPoint& p : {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77), CFPoint(45, 40)})
        f.Add(p.x, p.y);
    CThermograph thermograph;
    ASSERT_TRUE(thermograph.MapThermographValues(f.game, THERMO_RADIUS, {}));
    std::vector<std::string> texts;
    for (const SStatusRecord& record : f.platform.StatusTexts())
        if (record.pane == 1 && record.text.rfind("Percent done: ", 0) == 0)
            texts.push_back(record.text);
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts[0], "Percent done: 0.0");
    EXPECT_EQ(texts[1], "Percent done: 2.5");
    EXPECT_EQ(texts[39], "Percent done: 97.5");
    EXPECT_EQ(f.platform.StatusTexts().back().text, " ");

    const SThermographGrid previous = thermograph.Grid();
    const std::size_t shown = f.platform.StatusTexts().size();
    EXPECT_TRUE(thermograph.MapThermographValues(f.game, THERMO_RADIUS, {}));
    EXPECT_EQ(f.platform.StatusTexts().size(), shown) << "a fresh map is reused";
    for (const int threads : {1, 2}) {
        thermograph.MarkOutOfDate();
        f.platform.RequestCancelAfter(20);
        EXPECT_FALSE(thermograph.MapThermographValues(f.game, THERMO_AREA, {20, 0, 1, threads}));
        EXPECT_TRUE(thermograph.IsOutOfDate());
        ExpectSameGrid(thermograph.Grid(), previous, "after a cancelled map");
        EXPECT_EQ(thermograph.Grid().mode, THERMO_RADIUS);
    }
}

TEST(ThermographTest, CancelledUncoveredSetSearchCancelsTheMapAtOnce) {
    // Cancel inside the search for the uncovered set that the map's signs need: the map is
    // cancelled there, on either path, instead of searching again at every pixel.
    CGameFixture f(60);
    for (const CFPoint& p :
         {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77), CFPoint(45, 40), CFPoint(62, 58)})
        f.Add(p.x, p.y);
    const CFPoint statusQuo = f.game.StatusQuo();
    for (const bool reference : {false, true}) {
        SCOPED_TRACE(reference ? "reference" : "fast");
        f.game.Stale().MarkStale(EConcept::UncoveredSet);
        f.platform.RequestCancelAfter(0);
        const long long polls = f.platform.CancelPolls();
        const auto map = reference ? MapThermographReference(f.game, THERMO_AREA, {})
                                   : MapThermographFast(f.game, THERMO_AREA, {});
        EXPECT_FALSE(map);
        EXPECT_LT(f.platform.CancelPolls() - polls, 200) << "not a search per pixel";
        EXPECT_TRUE(f.game.Stale().IsStale(EConcept::UncoveredSet));
        EXPECT_EQ(f.game.StatusQuo().x, statusQuo.x);
        EXPECT_EQ(f.game.StatusQuo().y, statusQuo.y);
        f.platform.RequestCancelAfter(-1);
    }
    CThermograph thermograph;
    EXPECT_TRUE(thermograph.MapThermographValues(f.game, THERMO_AREA, {}));
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::UncoveredSet));
}

TEST(ThermographTest, PoolRunsEveryRowOnceAndReportsInRowOrder) {
    for (const int threads : {1, 2, 5}) {
        CRecordingPlatform platform;
        CScopedPlatform scope(platform);
        std::vector<int> seen(7, 0);
        ASSERT_TRUE(CThermographPool::Run(7, threads, [&](int row, int) { ++seen[row]; }));
        EXPECT_EQ(seen, std::vector<int>(7, 1)) << threads << " threads";
        ASSERT_EQ(platform.StatusTexts().size(), 7u);
        EXPECT_EQ(platform.StatusTexts()[3].text, PercentDoneText(300.0 / 7));
    }
}

TEST(ThermographTest, VoteAndDistanceModes) {
    CGameFixture f(40);
    f.Add(20, 20);
    f.Add(80, 20);
    f.Add(50, 80, PREF_ABSTAIN);
    const auto total = MapThermographSums(f.game, THERMO_TOTAL);
    ASSERT_TRUE(total);
    EXPECT_EQ(total->largest, f.game.VoteTotal());
    EXPECT_EQ(total->paintAbove, 0.0);
    EXPECT_EQ(total->At(10, 10), f.game.VoteGrid().Grid().At(10, 10));
    const auto marginal = MapThermographSums(f.game, THERMO_MARGINAL);
    EXPECT_EQ(marginal->paintAbove, f.game.VoteQuota() - 2);

    const auto members = MapThermographSums(f.game, THERMO_MEMBERS);
    const QPoint a = f.game.GridMap().WorldToCell(CFPoint(20, 20));
    const QPoint b = f.game.GridMap().WorldToCell(CFPoint(80, 20));
    const SIntRect& pixels = members->pixels;
    const double atA = members->At(a.x() - pixels.left, a.y() - pixels.top);
    EXPECT_DOUBLE_EQ(atA, std::hypot(b.x() - a.x(), b.y() - a.y()))
        << "the abstainer does not count";
    EXPECT_DOUBLE_EQ(members->smallest, atA);

    const auto lines = MapThermographSums(f.game, THERMO_QUOTALINES);
    ASSERT_EQ(f.game.GetQuotaLines().size(), 1u);
    const CFPoint p = f.game.GridMap().CellToWorld(lines->pixels.left + 5, lines->pixels.top + 5);
    EXPECT_NEAR(lines->At(5, 5), std::fabs(p.y - 20), 1e-9);
}

TEST(ThermographTest, RowCounterOnTheChartsEdgeRowsAndColumns) {
    // Trade-off members about the chart's corners and edges, trial points on the first and last
    // rows and columns of the chart and just outside it: the rows swept from the top of the chart
    // to its bottom (ellipses joining above it, leaving below it, cut at both sides) count the
    // cells the members' own runs give.
    CRand::Seed(77);
    for (int scenario = 0; scenario < 4; ++scenario) {
        CGameFixture f(30 + 7 * scenario);
        const CGridMap& chart = f.game.GridMap();
        const SIntRect cells = OrderedDeviceRect(chart);
        const int last = cells.right - 1, bottom = cells.bottom - 1;
        const int count = 5 + 2 * scenario;
        for (int i = 0; i < count; ++i) {
            const int x = i % 2 ? cells.left + CRand::Next() % 3 : last - CRand::Next() % 3;
            const int y = i % 3 ? cells.top + CRand::Next() % 3 : bottom - CRand::Next() % 3;
            const CFPoint p = chart.CellToWorld(x, y);
            const CFPoint ideal(p.x + Uniform(-2, 2), p.y + Uniform(-2, 2));
            const double weight = 1 + CRand::Next() % 3;
            const double salience = Uniform(0.5, 2);
            AddTradeOff(f, ideal, weight, salience, Uniform(-1, 1), scenario == 3 && i == 1);
        }
        SetRules(f, scenario % 2, scenario == 2 ? 2.0 / 3.0 : 0.5, scenario == 3);
        STrialCounts counts(f.game, false);
        ASSERT_TRUE(counts.rowCounter);
        const SIntRect& device = counts.device;
        long long winCells = 0;
        for (int point = 0; point < 48; ++point) {
            const int along = CRand::Next() % (device.right - device.left);
            const int down = CRand::Next() % (device.bottom - device.top);
            const int side = point % 6;
            const int x = side == 0   ? device.left
                          : side == 1 ? device.right - 1
                          : side == 4 ? device.left - 1
                                      : device.left + along;
            const int y = side == 2   ? device.top
                          : side == 3 ? device.bottom - 1
                          : side == 5 ? device.bottom
                                      : device.top + down;
            const auto [expected, counted] = counts.At(counts.map.CellToWorld(x, y));
            winCells += expected;
            ASSERT_EQ(counted, expected)
                << "scenario " << scenario << " point " << point << " at " << x << ", " << y;
        }
        EXPECT_GT(winCells, 0) << "scenario " << scenario;
    }
}

TEST(ThermographTest, RowCounterOnThinPetals) {
    // Members strung along a line, so that trial points near it have win sets of thin petals
    // that slip between the cells of whole rows and hold cells again further out; circles and
    // turned ellipses, weights, a veto member, a two-thirds rule, trial points on cell centres,
    // between them and on ideal points, each followed by cells beside it: the row counter
    // gives every cell the members' own runs give.
    CRand::Seed(515);
    long long winCells = 0;
    for (int scenario = 0; scenario < 6; ++scenario) {
        CGameFixture f(45 + 5 * scenario);
        const double slope = Uniform(-1.5, 1.5);
        const int count = 5 + 2 * (scenario % 3);
        for (int i = 0; i < count; ++i) {
            const double x = Uniform(5, 95);
            const CFPoint ideal(x, 50 + slope * (x - 50) + Uniform(-0.3, 0.3));
            const double weight = scenario % 2 ? 1 + CRand::Next() % 3 : 1;
            const double salience = scenario < 2 ? 1.0 : Uniform(0.5, 2);
            AddTradeOff(f, ideal, weight, salience, scenario < 2 ? 0.0 : Uniform(-0.8, 0.8),
                        scenario == 5 && i == 0);
        }
        SetRules(f, scenario % 2, scenario == 4 ? 2.0 / 3.0 : 0.5, scenario == 5);
        STrialCounts counts(f.game, false);
        ASSERT_TRUE(counts.rowCounter);
        for (int point = 0; point < 60; ++point) {
            const double x = Uniform(10, 90);
            CFPoint p(x, 50 + slope * (x - 50) + Uniform(-2, 2));
            if (point % 3 == 1)
                p = counts.map.CellToWorld(counts.map.WorldToCell(p).x(),
                                           counts.map.WorldToCell(p).y());
            if (point % 10 == 9)
                p = f.game.Members()[CRand::Next() % f.game.Members().size()]->IdealPoint();
            // Then the cells beside it, where a count starts from the last one's rows.
            const QPoint cell = counts.map.WorldToCell(p);
            for (const QPoint step : {QPoint(0, 0), QPoint(1, 0), QPoint(1, 1), QPoint(0, -2)}) {
                const CFPoint q = step.isNull() ? p
                                                : counts.map.CellToWorld(cell.x() + step.x(),
                                                                         cell.y() + step.y());
                const auto [expected, counted] = counts.At(q);
                winCells += expected;
                ASSERT_EQ(counted, expected) << "scenario " << scenario << " point " << point
                                             << " step " << step.x() << "," << step.y();
            }
        }
    }
    EXPECT_GT(winCells, 0);
}
