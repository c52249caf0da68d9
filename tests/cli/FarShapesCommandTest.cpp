#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Value(const SCliRun& run, const QString& key) {
    const QString line = run.Out().split('\n').filter(key + ": ").value(0);
    return line.mid(key.size() + 2).section(' ', 0, 0).toDouble();
}

} // namespace

// A member far away, or a chart zoomed far in, makes shapes millions of cells across; they are
// cut to the chart's surroundings before they become regions, so the command ends at once and
// the cells inside the chart are those of the whole shapes.
TEST(FarShapesCommandTest, FarMembersAndHighZoomsEndWithTheChartsAnswers) {
    QTemporaryDir dir;
    const QString far = WriteFile(dir, "far.txt", "A 10 20\nB 1e10 10\n");
    const SCliRun info = RunCli({"info", far});
    EXPECT_EQ(info.exitCode, 0) << info.Err().toStdString();
    const SCliRun concepts = RunCli({"concepts", far, "--only", "vote,winset"});
    ASSERT_EQ(concepts.exitCode, 0) << concepts.Err().toStdString();
    EXPECT_TRUE(std::isfinite(Value(concepts, "winset.area")));

    for (const char* zoom : {"1000", "1000000"}) {
        const SCliRun zoomed = RunCli(
            {"concepts", ExamplePath("senate101.txt"), "--only", "vote,winset", "--zoom", zoom});
        EXPECT_EQ(zoomed.exitCode, 0) << zoom << ": " << zoomed.Err().toStdString();
        EXPECT_TRUE(std::isfinite(Value(zoomed, "winset.area"))) << zoom;
    }
    for (const char* zoom : {"1e9", "inf"}) {
        const SCliRun refused = RunCli({"concepts", ExamplePath("triangle.txt"), "--zoom", zoom});
        EXPECT_EQ(refused.exitCode, 2) << zoom;
        EXPECT_TRUE(refused.Err().contains("--zoom takes a number")) << zoom;
    }
}

TEST(FarShapesCommandTest, ClassicCornersAreASettingAndBadCountsAreRefused) {
    const QString triangle = ExamplePath("triangle.txt");
    const SCliRun exact = RunCli({"concepts", triangle, "--only", "winset", "--sq", "50,40"});
    const SCliRun classic = RunCli(
        {"concepts", triangle, "--only", "winset", "--sq", "50,40", "--set", "nPrefVertices=40"});
    ASSERT_EQ(exact.exitCode, 0);
    ASSERT_EQ(classic.exitCode, 0);
    EXPECT_GT(Value(exact, "winset.area"), Value(classic, "winset.area"))
        << "the polygons' chords cut cells off every lens";
    for (const char* bad : {"nPrefVertices=2", "nPrefVertices=-1", "nPrefVertices=100000"}) {
        const SCliRun refused = RunCli({"concepts", triangle, "--set", bad});
        EXPECT_EQ(refused.exitCode, 2) << bad;
        EXPECT_TRUE(refused.Err().contains("nPrefVertices")) << bad;
    }
}
