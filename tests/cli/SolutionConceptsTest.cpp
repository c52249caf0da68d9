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
            // An empty region has no box; any other region's box has its four edges.
            if (object[key + ".area"].toDouble() == 0.0)
                EXPECT_TRUE(object[key + ".bbox"].isNull()) << example << " " << key.toStdString();
            else
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
    // Either way the uncovered set lies in the Pareto set (the members' triangle, of area
    // 60 x 52 / 2), holds the triangle's middle and is as symmetric about x = 50 as the
    // triangle, but for a cell (1 unit on the 100 x 100 chart).
    for (const QJsonObject* method : {&bjs, &grid}) {
        const char* name = method == &bjs ? "BJS" : "grid";
        const double area = (*method)["uncovered.area"].toDouble();
        EXPECT_GT(area, 0.0) << name;
        EXPECT_LE(area, (*method)["pareto.area"].toDouble()) << name;
        EXPECT_NEAR((*method)["pareto.area"].toDouble(), 1560, 60 + 52 + 60) << name;
        const QJsonArray box = (*method)["uncovered.bbox"].toArray();
        ASSERT_EQ(box.size(), 4) << name;
        const double left = box[0].toDouble(), right = box[1].toDouble();
        const double bottom = box[2].toDouble(), top = box[3].toDouble();
        EXPECT_GE(left, 20 - 1) << name;
        EXPECT_LE(right, 80 + 1) << name;
        EXPECT_GE(bottom, 25 - 1) << name;
        EXPECT_LE(top, 77 + 1) << name;
        EXPECT_LT(left, 50) << name;
        EXPECT_GT(right, 50) << name;
        EXPECT_LT(bottom, 42) << name;
        EXPECT_GT(top, 42) << name;
        EXPECT_NEAR(left + right, 100, 2) << name << ": symmetric about x = 50";
    }
    const QJsonObject super = RunConcepts("triangle.txt", {"--rule", "0.9"});
    EXPECT_GT(super["core.area"].toDouble(), 0.0) << "unanimity keeps the whole hull";
}
