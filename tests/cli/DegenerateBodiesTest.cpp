// Bodies whose members stand at one point or on one line, through quelta-cli concepts.
#include "CliRunner.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

QByteArray Scenario(double rule, const std::vector<std::pair<double, double>>& points) {
    QByteArray text = "GAME PARAMETERS BEGIN\nGroup\tG\tC1\nDimension\tA\tD1\t0\t100\n"
                      "Dimension\tB\tD2\t0\t100\nDecision Rule\tr\t" +
                      QByteArray::number(rule) +
                      "\nStatus Quo\tr\tr\t50\t50\nProposal\tr\tr\t50\t50\n";
    int i = 0;
    for (const auto& [h, v] : points)
        text += "Player\tP\tM" + QByteArray::number(i++) + "\t" + QByteArray::number(h) + "\t" +
                QByteArray::number(v) + "\n";
    return text + "GAME PARAMETERS END\n";
}

SCliRun Concepts(const QTemporaryDir& dir, const QByteArray& scenario, const QString& only) {
    const QString path = WriteFile(dir, "body.txt", scenario);
    return RunCli({"concepts", path, "--chart", "100x100", "--json", "--only", only});
}

TEST(DegenerateBodiesTest, CoincidentMembersGiveOneCellNeverTheWholeChart) {
    QTemporaryDir dir;
    for (const int count : {3, 5}) {
        SCOPED_TRACE(count);
        const std::vector<std::pair<double, double>> at(count, {30.0, 40.0});
        const SCliRun run = Concepts(dir, Scenario(0.6, at), "pareto,core,heart,yolk,uncovered");
        ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
        const QJsonObject json = run.Json();
        for (const char* area : {"pareto.area", "core.area", "heart.area", "uncovered.area"})
            EXPECT_EQ(json[area].toDouble(), 1.0) << area << " is the point's cell";
        EXPECT_EQ(json["uncovered.bbox"], json["core.bbox"]) << "the point covers the rest";
        EXPECT_EQ(json["yolk.center"].toArray(), (QJsonArray{30, 40}));
        EXPECT_TRUE(run.err.isEmpty()) << run.Err().toStdString();
    }
    // The uncovered set alone keeps its group: its Pareto set is no longer a failure.
    const SCliRun alone = Concepts(
        dir, Scenario(0.5, std::vector<std::pair<double, double>>(5, {30, 40})), "uncovered");
    EXPECT_EQ(alone.exitCode, 0) << alone.Err().toStdString();
    EXPECT_EQ(alone.Json()["uncovered.area"].toDouble(), 1.0) << alone.Out().toStdString();
}

TEST(DegenerateBodiesTest, CollinearMembersHaveTheMedianMemberAsYolkAndHeart) {
    QTemporaryDir dir;
    const SCliRun run =
        Concepts(dir, Scenario(0.5, {{50, 50}, {10, 10}, {30, 30}, {40, 40}, {20, 20}}),
                 "yolk,heart,pareto,uncovered");
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QJsonObject json = run.Json();
    EXPECT_EQ(json["yolk.center"].toArray(), (QJsonArray{30, 30})) << "not the first member";
    EXPECT_EQ(json["yolk.exact.center"].toArray(), (QJsonArray{30, 30}));
    EXPECT_EQ(json["heart.area"].toDouble(), 1.0);
    EXPECT_GT(json["pareto.area"].toDouble(), 40.0) << "the cells along the segment";
    EXPECT_LT(json["pareto.area"].toDouble(), 200.0);
    EXPECT_EQ(json["uncovered.area"].toDouble(), 1.0) << "the median member beats every point";
    EXPECT_EQ(json["uncovered.bbox"], json["heart.bbox"]);
}

TEST(DegenerateBodiesTest, AnEvenBodyOnALineHasTheStretchBetweenItsMediansUncovered) {
    QTemporaryDir dir;
    const SCliRun run =
        Concepts(dir, Scenario(0.5, {{10, 50}, {40, 50}, {20, 50}, {30, 50}}), "heart,uncovered");
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QJsonObject json = run.Json();
    const QJsonArray box = json["uncovered.bbox"].toArray();
    ASSERT_EQ(box.size(), 4);
    EXPECT_LE(box[0].toDouble(), 20.0);
    EXPECT_GE(box[1].toDouble(), 30.0) << "from one median member to the other";
    EXPECT_LT(box[1].toDouble() - box[0].toDouble(), 12.0) << "and no further";
    EXPECT_EQ(json["uncovered.area"], json["heart.area"]);
}

} // namespace
