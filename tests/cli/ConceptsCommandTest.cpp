#include "CliRunner.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Lens(double ax, double ay, double bx, double by, double sx, double sy) {
    const double r1 = std::hypot(sx - ax, sy - ay), r2 = std::hypot(sx - bx, sy - by);
    const double d = std::hypot(bx - ax, by - ay);
    const double a1 = std::acos((d * d + r1 * r1 - r2 * r2) / (2 * d * r1));
    const double a2 = std::acos((d * d + r2 * r2 - r1 * r1) / (2 * d * r2));
    return r1 * r1 * (a1 - std::sin(2 * a1) / 2) + r2 * r2 * (a2 - std::sin(2 * a2) / 2);
}

} // namespace

TEST(ConceptsCommandTest, TriangleShowsTheRuleTheLensesAndThreeQuotaLines) {
    const SCliRun run = RunCli({"concepts", ExamplePath("triangle.txt"), "--only",
                                "vote,winset,quotalines", "--sq", "50,40"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QStringList lines = run.Out().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.at(0), "scenario.name: Three-member committee on a triangle");
    EXPECT_TRUE(lines.contains("vote.total: 3"));
    EXPECT_TRUE(lines.contains("vote.division: 1"));
    EXPECT_TRUE(lines.contains("vote.quota: 2"));
    EXPECT_TRUE(lines.contains("statusquo: 50 40"));
    EXPECT_TRUE(lines.contains("quotalines.count: 3"));
    EXPECT_FALSE(run.Out().contains("petals.count")) << "groups not asked for are left out";
    const double exact =
        Lens(20, 25, 80, 25, 50, 40) + Lens(20, 25, 50, 77, 50, 40) + Lens(80, 25, 50, 77, 50, 40);
    const QString areaLine = lines.filter("winset.area: ").value(0);
    const double area = areaLine.mid(QString("winset.area: ").size()).toDouble();
    EXPECT_NEAR(area, exact, 0.25 * 250 / 2) << areaLine.toStdString();
}

TEST(ConceptsCommandTest, JsonKeysAndOverrides) {
    const SCliRun run =
        RunCli({"concepts", ExamplePath("seven-weighted.txt"), "--json", "--rule", "0.5",
                "--weighted", "0", "--proposal", "50,60", "--chart", "200x200", "--set",
                "flagWinSet=1", "--only", "vote,winset,quotalines,petals,coalition"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QJsonObject object = run.Json();
    EXPECT_EQ(object["vote.rule"].toDouble(), 0.5);
    EXPECT_EQ(object["vote.total"].toDouble(), 7.0);
    EXPECT_EQ(object["vote.quota"].toDouble(), 4.0);
    EXPECT_EQ(object["winset.bbox"].toArray().size(), 4);
    EXPECT_TRUE(object["coalition"].isArray());
    EXPECT_EQ(object["proposal"].toArray().at(1).toDouble(), 60.0);
    EXPECT_EQ(object.keys().size(), 19)
        << "the file, the header, the five groups and the two points";
    EXPECT_EQ(object["file"].toString(), ExamplePath("seven-weighted.txt"));
}

TEST(ConceptsCommandTest, BadOptionsAreUsageErrors) {
    const QString file = ExamplePath("five.txt");
    for (const QStringList& extra :
         {QStringList{"--only", "nothing"}, QStringList{"--chart", "3x3"}, QStringList{"--sq", "1"},
          QStringList{"--plurality", "some"}, QStringList{"--set", "noSuchKey=1"},
          QStringList{"--weighted", "2"}}) {
        const SCliRun run = RunCli(QStringList{"concepts", file} + extra);
        EXPECT_EQ(run.exitCode, 2) << extra.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(RunCli({"concepts", file, "--config", "/no/such/quelta.cfg"}).exitCode, 1);
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(ConceptsCommandTest, AConceptThatRunsOutOfMemoryIsLeftOutAndTheCommandFails) {
    // The address-space limit leaves no room for the vote grid of a chart that large; the other
    // groups are still printed, and the report ends with the error.
    QProcess process;
    process.start("/bin/sh", {"-c", QString("ulimit -v 900000; exec '%1' concepts '%2' --chart "
                                            "11000x11000 --only vote,winset")
                                        .arg(QUELTA_CLI_PATH, ExamplePath("triangle.txt"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString out = process.readAllStandardOutput();
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains(
        "CVotingGame::UpdateVoteGrid - memory exception allocating vote grid"));
    EXPECT_TRUE(out.contains("vote.quota: 2"));
    EXPECT_FALSE(out.contains("winset.")) << out.toStdString();
    EXPECT_TRUE(out.contains(
        "\nerror: winset: CVotingGame::UpdateVoteGrid - memory exception allocating vote grid\n"))
        << out.toStdString();
}
#endif
