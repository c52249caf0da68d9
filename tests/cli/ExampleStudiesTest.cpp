#include "CliDirTest.h"
#include "CliRunner.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "model/Member.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kExpected = QStringLiteral(QUELTA_TEST_DATA "/examples/");

/// Runs quelta-cli in a fresh folder, so no configuration file of the caller's sways it. The
/// expected outputs were made with the classic 40-corner ellipses; the folder's configuration
/// file keeps them through every scenario reset of a study.
SCliRun RunInEmptyFolder(const QStringList& arguments) {
    QTemporaryDir dir;
    WriteFile(dir, "quelta.cfg",
              "ALGORITHM PARAMETERS BEGIN\nnPrefVertices\t40\nALGORITHM PARAMETERS END\n");
    return RunCli(QStringList{"run"} + arguments, dir.path());
}

/// The numbers of an output's lines that start with a number, one row a line; lines of words
/// (headings) are left out, and so are the words of a line.
std::vector<std::vector<double>> Rows(const QByteArray& out) {
    std::vector<std::vector<double>> rows;
    for (const QString& line : QString::fromUtf8(out).split('\n', Qt::SkipEmptyParts)) {
        std::vector<double> row;
        for (const QString& word : line.split(' ', Qt::SkipEmptyParts)) {
            bool number = false;
            const double value = word.toDouble(&number);
            if (number)
                row.push_back(value);
            else if (row.empty())
                break;
        }
        if (!row.empty())
            rows.push_back(row);
    }
    return rows;
}

/// The members of a shipped example and the chart's cells, as a fresh document reads them.
struct SExampleBody {
    std::vector<CFPoint> members;
    CGridMap map;

    explicit SExampleBody(const char* example) {
        CQueltaDoc doc;
        doc.SetConfigPath("");
        EXPECT_TRUE(ReadScenarioFile(doc, ExamplePath(example).toStdString()));
        for (const CMember* member : doc.Game().Members())
            members.push_back(member->IdealPoint());
        map = doc.Game().GridMap();
    }
};

/// The win set of circles about the members through the status quo, counted cell by cell: at
/// least the cells a quota of members surely prefers, at most those it may prefer; the margin
/// covers the cell size and the 40-corner polygons that stand for the circles.
std::pair<double, double> WinSetAreaBounds(const std::vector<CFPoint>& members, const CGridMap& map,
                                           const CFPoint& sq, int quota) {
    constexpr double margin = 0.6;
    std::vector<std::pair<double, double>> limits; // squared radii less and more the margin
    for (const CFPoint& m : members) {
        const double radius = m.Distance(sq);
        const double inner = std::max(radius - margin, 0.0), outer = radius + margin;
        limits.emplace_back(inner * inner, outer * outer);
    }
    long long sure = 0, possible = 0;
    const SIntRect cells = map.DeviceRect();
    for (int y = std::min(cells.top, cells.bottom); y < std::max(cells.top, cells.bottom); ++y)
        for (int x = cells.left; x < cells.right; ++x) {
            const CFPoint p = map.CellToWorld(x, y);
            int surely = 0, maybe = 0;
            for (size_t i = 0; i < members.size(); ++i) {
                const double dx = p.x - members[i].x, dy = p.y - members[i].y;
                surely += dx * dx + dy * dy < limits[i].first;
                maybe += dx * dx + dy * dy < limits[i].second;
            }
            sure += surely >= quota;
            possible += maybe >= quota;
        }
    return {static_cast<double>(sure) * map.CellArea(),
            static_cast<double>(possible) * map.CellArea()};
}

void ExpectWinSetArea(double printed, const std::vector<CFPoint>& members, const CGridMap& map,
                      const CFPoint& sq, int quota, const std::string& where) {
    const auto [least, most] = WinSetAreaBounds(members, map, sq, quota);
    // The output keeps six digits.
    EXPECT_GE(printed, least * (1 - 1e-5)) << where;
    EXPECT_LE(printed, most * (1 + 1e-5)) << where;
}

/// The points every closed half-plane through which holds at least `depth` of the members: the
/// common part of the hulls of every n - depth + 1 of them (the chart's square cut by the
/// edges of each hull), with its area and boundary length.
struct SDepthRegion {
    double area = 0.0;
    double perimeter = 0.0;
    std::vector<CFPoint> outline; ///< counter-clockwise

    bool Contains(const CFPoint& p) const {
        for (size_t i = 0; i < outline.size(); ++i)
            if (Turn(outline[i], outline[(i + 1) % outline.size()], p) < 0)
                return false;
        return outline.size() >= 3;
    }
    static double Turn(const CFPoint& o, const CFPoint& a, const CFPoint& b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    }
};

constexpr auto Turn = SDepthRegion::Turn;

/// Keeps the part of a convex polygon on the left of the line from a to b.
std::vector<CFPoint> KeepLeftOf(const std::vector<CFPoint>& polygon, const CFPoint& a,
                                const CFPoint& b) {
    std::vector<CFPoint> kept;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const CFPoint& p = polygon[i];
        const CFPoint& q = polygon[(i + 1) % polygon.size()];
        const double sp = Turn(a, b, p), sq = Turn(a, b, q);
        if (sp >= 0)
            kept.push_back(p);
        if ((sp >= 0) != (sq >= 0)) {
            const double t = sp / (sp - sq);
            kept.emplace_back(p.x + t * (q.x - p.x), p.y + t * (q.y - p.y));
        }
    }
    return kept;
}

SDepthRegion DepthRegion(const std::vector<CFPoint>& members, int depth) {
    const size_t size = members.size() - static_cast<size_t>(depth) + 1;
    std::vector<CFPoint> region = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    // Every subset of `size` members, as a mask; the hull's edges are the pairs of the subset
    // with every other member of it on their left.
    for (unsigned mask = 0; mask < (1u << members.size()); ++mask) {
        if (static_cast<size_t>(std::popcount(mask)) != size)
            continue;
        for (size_t i = 0; i < members.size(); ++i)
            for (size_t j = 0; j < members.size(); ++j) {
                if (i == j || !(mask >> i & 1) || !(mask >> j & 1))
                    continue;
                bool edge = true;
                for (size_t k = 0; k < members.size(); ++k)
                    edge = edge && (!(mask >> k & 1) || k == i || k == j ||
                                    Turn(members[i], members[j], members[k]) > 0);
                if (edge && !region.empty())
                    region = KeepLeftOf(region, members[i], members[j]);
            }
    }
    SDepthRegion result;
    result.outline = region;
    for (size_t i = 0; region.size() >= 3 && i < region.size(); ++i) {
        const CFPoint& p = region[i];
        const CFPoint& q = region[(i + 1) % region.size()];
        result.area += (p.x * q.y - q.x * p.y) / 2;
        result.perimeter += p.Distance(q);
    }
    return result;
}

// The expected outputs are the program's own earlier runs. They pin the texts and every
// digit; the tests after this one derive from the members what can be derived, so that a pin
// renewed from a faulty run fails there. What stays a pin alone: the committees of the Monte
// Carlo study and their yolk radii (drawn by the generator, which has tests of its own), the
// agenda's random proposals (each is checked to lie in the win set it was drawn from), and the
// Copeland winner's place within the Pareto set.
TEST(ExampleStudiesTest, EachStudyPrintsItsExpectedOutputByteForByte) {
    const struct {
        const char* script;
        const char* scenario; ///< empty: the study starts on a whiteboard
    } studies[] = {
        {"montecarlo_study", ""},
        {"copeland_walk", "five.txt"},
        {"rule_sweep", "five.txt"},
        {"agenda_loop", "five.txt"},
    };
    for (const auto& study : studies) {
        QStringList arguments{ExamplePath(QString(study.script) + ".bas")};
        if (*study.scenario)
            arguments << "--scenario" << ExamplePath(study.scenario);
        const SCliRun run = RunInEmptyFolder(arguments);
        EXPECT_EQ(run.exitCode, 0) << study.script << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, ReadBytes(kExpected + study.script + ".out")) << study.script;
    }
}

SCliRun RunStudy(const char* script, const char* scenario = nullptr) {
    QStringList arguments{ExamplePath(QString(script) + ".bas")};
    if (scenario)
        arguments << "--scenario" << ExamplePath(scenario);
    SCliRun run = RunInEmptyFolder(arguments);
    EXPECT_EQ(run.exitCode, 0) << script << ": " << run.err.toStdString();
    return run;
}

TEST(ExampleStudiesTest, RuleSweepQuotasAndCoresFollowFromTheMembers) {
    const SExampleBody body("five.txt");
    const auto rows = Rows(RunStudy("rule_sweep", "five.txt").out);
    ASSERT_EQ(rows.size(), 6u);
    for (size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(rows[k].size(), 3u);
        const double rule = 0.5 + static_cast<double>(k) * 0.05;
        EXPECT_NEAR(rows[k][0], rule, 1e-9);
        // The quota is the least whole number of the five votes above the rule's share.
        const int quota = static_cast<int>(std::floor(5 * rule + 1e-9)) + 1;
        EXPECT_EQ(rows[k][1], quota);
        // A point is in the core when no quota of members prefers a point beside it: every
        // half-plane through it holds at least 5 - quota + 1 members. Its cells miss the
        // exact region by up to a cell along the boundary.
        const SDepthRegion core = DepthRegion(body.members, 5 - quota + 1);
        EXPECT_NEAR(rows[k][2], core.area, core.perimeter * body.map.UnitX() + body.map.CellArea())
            << "quota " << quota;
    }
}

TEST(ExampleStudiesTest, CopelandWalkHalvesItsWayAndItsWinSetsHaveTheirCells) {
    const SExampleBody body("five.txt");
    const SCliRun run = RunStudy("copeland_walk", "five.txt");
    const QStringList first = run.Out().section('\n', 0, 0).split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(first.size(), 4);
    const CFPoint copeland(first[2].toDouble(), first[3].toDouble());
    EXPECT_TRUE(DepthRegion(body.members, 1).Contains(copeland)) << "in the Pareto set";
    const auto rows = Rows(run.out);
    ASSERT_EQ(rows.size(), 8u);
    CFPoint sq(10, 90);
    for (size_t s = 0; s < rows.size(); ++s) {
        SCOPED_TRACE(s + 1);
        ASSERT_EQ(rows[s].size(), 5u);
        EXPECT_EQ(rows[s][0], static_cast<double>(s + 1));
        // Six digits printed, of the winner's place too.
        EXPECT_NEAR(rows[s][1], sq.x, 1e-4 + 1e-5 * std::fabs(sq.x));
        EXPECT_NEAR(rows[s][2], sq.y, 1e-4 + 1e-5 * std::fabs(sq.y));
        EXPECT_NEAR(rows[s][3], sq.Distance(copeland), 1e-4 + 1e-5 * sq.Distance(copeland));
        ExpectWinSetArea(rows[s][4], body.members, body.map, CFPoint(rows[s][1], rows[s][2]), 3,
                         "step " + std::to_string(s + 1));
        sq = CFPoint(sq.x + (copeland.x - sq.x) / 2, sq.y + (copeland.y - sq.y) / 2);
    }
}

TEST(ExampleStudiesTest, AgendaLoopStepsIntoEachWinSetAndCountsItsCells) {
    const SExampleBody body("five.txt");
    const auto rows = Rows(RunStudy("agenda_loop", "five.txt").out);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0][1], 15.0);
    EXPECT_EQ(rows[0][2], 85.0);
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_EQ(rows[i].size(), 4u);
        const CFPoint sq(rows[i][1], rows[i][2]);
        ExpectWinSetArea(rows[i][3], body.members, body.map, sq, 3,
                         "round " + std::to_string(i + 1));
        if (i == 0)
            continue;
        // The proposal drawn from the last win set wins there: a quota of members is nearer to
        // it than to the last status quo (but for a cell's width).
        const CFPoint last(rows[i - 1][1], rows[i - 1][2]);
        int nearer = 0;
        for (const CFPoint& m : body.members)
            nearer += m.Distance(sq) < m.Distance(last) + 0.5;
        EXPECT_GE(nearer, 3);
    }
}

TEST(ExampleStudiesTest, MonteCarloStudyWinSetsHaveTheCellsOfTheirCommittees) {
    // A twin of the study draws the same committees and prints their members.
    QTemporaryDir dir;
    const QString twin =
        WriteFile(dir, "twin.bas",
                  "10 FOR N = 1 TO 50\n"
                  "20 LET OK = NewMonteCarlo(\"Committee \" + STR$(N), -N, 7, 3, 1, 50, 0, 50, 0)\n"
                  "30 FOR I = 1 TO GetMemberCount()\n"
                  "40 PRINT N, GetMemberIdealPointH(\"\", I), GetMemberIdealPointV(\"\", I)\n"
                  "50 NEXT I\n"
                  "60 NEXT N\n");
    const SCliRun members = RunInEmptyFolder({twin});
    ASSERT_EQ(members.exitCode, 0) << members.err.toStdString();
    std::vector<std::vector<CFPoint>> committees(50);
    for (const auto& row : Rows(members.out)) {
        ASSERT_EQ(row.size(), 3u);
        ASSERT_TRUE(row[0] >= 1 && row[0] <= 50);
        committees[static_cast<size_t>(row[0]) - 1].emplace_back(row[1], row[2]);
    }
    const SExampleBody chart("five.txt"); // the same scales, 0 to 100 either way
    const auto rows = Rows(RunStudy("montecarlo_study").out);
    ASSERT_EQ(rows.size(), 50u);
    for (size_t n = 0; n < rows.size(); ++n) {
        SCOPED_TRACE(n + 1);
        ASSERT_EQ(committees[n].size(), 7u);
        ASSERT_EQ(rows[n].size(), 3u);
        EXPECT_GT(rows[n][1], 0.0) << "seven members drawn at random have no core";
        ExpectWinSetArea(rows[n][2], committees[n], chart.map, CFPoint(50, 50), 4,
                         "draw " + std::to_string(n + 1));
    }
}

class RunScenarioTest : public CliDirTest {};

TEST_F(RunScenarioTest, SaveWritesTheScenarioAsTheScriptLeftIt) {
    const QString script =
        WriteFile(dir, "edit.bas",
                  "10 LET OK = AddMemberEx(\"D1\", \"Dunn\", 35, 60, 4)\n20 CALL SetVoteRule(0.6)\n"
                  "30 PRINT GetMemberCount(), GetVoteRule()\n");
    const QString out = dir.filePath("out.txt");
    SCliRun run = RunCli({"run", script, "--scenario", ExamplePath("triangle.txt"), "--save", out},
                         dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "4 0.6\n");
    CQueltaDoc doc;
    ASSERT_TRUE(ReadScenarioFile(doc, out.toStdString()));
    ASSERT_NE(doc.FindMember("D1"), nullptr);
    EXPECT_EQ(doc.Game().VoteRule(), 0.6);

    run = RunCli({"run", script, "--rule", "0.75"}, dir.path());
    EXPECT_EQ(run.out, "1 0.6\n") << "without a scenario the script starts on a whiteboard";

    const QByteArray before = ReadBytes(out);
    const QString failing = WriteFile(dir, "fail.bas", "10 CALL SetVoteRule(0.9)\n20 PRINT X\n");
    run = RunCli({"run", failing, "--scenario", out, "--save", out}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(ReadBytes(out), before) << "a failed script leaves the file alone";
    run = RunCli({"run", script, "--save", out + "/x.txt"}, dir.path());
    EXPECT_EQ(run.exitCode, 1) << "a file cannot hold a folder";
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_EQ(ReadBytes(out), before);
}

TEST_F(RunScenarioTest, CommonOptionsApplyBeforeTheScriptRuns) {
    const QString script =
        WriteFile(dir, "read.bas", "10 PRINT GetVoteRule(), GetStatusQuoH(), GetStatusQuoV()\n");
    SCliRun run = RunCli({"run", script, "--scenario", ExamplePath("triangle.txt"), "--rule",
                          "0.75", "--sq", "40,30"},
                         dir.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0.75 40 30\n");
    run = RunCli({"run", script, "--rule", "often"}, dir.path());
    EXPECT_EQ(run.exitCode, 2);
}

} // namespace
