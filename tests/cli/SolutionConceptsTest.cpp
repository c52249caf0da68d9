#include "CliRunner.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

QJsonObject RunConcepts(const QString& example, const QStringList& extra) {
    const SCliRun run =
        RunCli(QStringList{"concepts", ExamplePath(example), "--json", "--chart", "100x100",
                           "--only", "pareto,core,heart,uncovered,banks"} +
               extra);
    EXPECT_EQ(run.exitCode, 0) << run.Err().toStdString();
    return run.Json();
}

} // namespace

TEST(SolutionConceptsTest, EveryExamplePrintsTheFiveGroups) {
    const QStringList keys = {"pareto", "core", "heart", "uncovered", "banks"};
    for (const char* example :
         {"triangle.txt", "five.txt", "seven-weighted.txt", "senate101.txt", "points-xy.txt"}) {
        const QJsonObject object = RunConcepts(example, {});
        for (const QString& key : keys) {
            EXPECT_TRUE(object[key + ".area"].isDouble()) << example << " " << key.toStdString();
            EXPECT_EQ(object[key + ".bbox"].toArray().size(), 4)
                << example << " " << key.toStdString();
        }
        EXPECT_GT(object["pareto.area"].toDouble(), 0) << example;
        EXPECT_GT(object["uncovered.area"].toDouble(), 0) << example;
        EXPECT_LE(object["heart.area"].toDouble(), object["pareto.area"].toDouble()) << example;
    }
}

TEST(SolutionConceptsTest, TriangleHeartIsItsParetoSetAndMethodsFollowTheSettings) {
    const QJsonObject bjs = RunConcepts("triangle.txt", {});
    EXPECT_EQ(bjs["heart.area"].toDouble(), bjs["pareto.area"].toDouble());
    EXPECT_EQ(bjs["core.area"].toDouble(), 0.0) << "simple majority has no core";
    const QJsonObject grid =
        RunConcepts("triangle.txt", {"--set", "bUncoveredSetBJS=0", "--set", "nUncoveredSet=10"});
    EXPECT_NE(grid["uncovered.area"].toDouble(), bjs["uncovered.area"].toDouble());
    const QJsonObject super = RunConcepts("triangle.txt", {"--rule", "0.9"});
    EXPECT_GT(super["core.area"].toDouble(), 0.0) << "unanimity keeps the whole hull";
}
