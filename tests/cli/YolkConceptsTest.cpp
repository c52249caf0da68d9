#include "CliRunner.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QJsonObject Concepts(const char* example, const QStringList& extra = {}) {
    const SCliRun run = RunCli(QStringList{"concepts", ExamplePath(example), "--json", "--only",
                                           "yolk,copeland,borda,power,trimedian,schattschneider"} +
                               extra);
    EXPECT_EQ(run.exitCode, 0) << run.Err().toStdString();
    return run.Json();
}

TEST(YolkConceptsTest, EveryExampleReportsTheCentralConcepts) {
    for (const char* example :
         {"triangle.txt", "five.txt", "seven-weighted.txt", "senate101.txt", "points-xy.txt"}) {
        const QJsonObject json = Concepts(example);
        for (const char* key :
             {"yolk.center", "yolk.radius", "yolk.exact.center", "yolk.exact.radius", "copeland",
              "borda", "trimedian.vertices", "schattschneider.vertices"})
            EXPECT_TRUE(json.contains(key)) << example << " lacks " << key;
        double power = 0.0;
        int members = 0;
        for (auto it = json.begin(); it != json.end(); ++it)
            if (it.key().startsWith("power.")) {
                power += it.value().toDouble();
                ++members;
            }
        EXPECT_EQ(members, json["members.count"].toInt()) << example;
        EXPECT_NEAR(power, 1.0, 1e-12) << example;
        // Corners once each: no point follows an equal one, and the last is not the first again.
        const QJsonArray corners = json["schattschneider.vertices"].toArray();
        ASSERT_EQ(corners.size() % 2, 0) << example;
        ASSERT_GE(corners.size(), 6) << example;
        for (qsizetype i = 2; i < corners.size(); i += 2)
            EXPECT_FALSE(corners[i] == corners[i - 2] && corners[i + 1] == corners[i - 1])
                << example << " corner " << i / 2;
        EXPECT_FALSE(corners[0] == corners[corners.size() - 2] &&
                     corners[1] == corners[corners.size() - 1])
            << example;
    }
}

TEST(YolkConceptsTest, TriangleYolkIsItsIncircleAndBordaItsCentroid) {
    const QJsonObject json = Concepts("triangle.txt", {"--set", "nSchattschneiderSet=-3"});
    const double side = std::hypot(30.0, 52.0);
    const double perimeter = 60 + 2 * side;
    EXPECT_NEAR(json["yolk.center"].toArray()[0].toDouble(), 50, 1e-9);
    EXPECT_NEAR(json["yolk.center"].toArray()[1].toDouble(), 25 + 60 * 52 / perimeter, 1e-9);
    EXPECT_NEAR(json["yolk.radius"].toDouble(), 60 * 52 / perimeter, 1e-9);
    // Three members, odd and simple majority: the exact yolk is the same incircle.
    EXPECT_NEAR(json["yolk.exact.radius"].toDouble(), 60 * 52 / perimeter, 1e-9);
    EXPECT_NEAR(json["yolk.exact.center"].toArray()[1].toDouble(), 25 + 60 * 52 / perimeter, 1e-9);
    EXPECT_NEAR(json["borda"].toArray()[1].toDouble(), (25 + 25 + 77) / 3.0, 1e-12);
    EXPECT_EQ(json["schattschneider.vertices"].toArray().size(), 2 * 32)
        << "a direction count of 0 or less means 32";
}

} // namespace
