#include "CliRunner.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SRefusedOption {
    const char* name;
    QStringList arguments;
    const char* message; ///< part of the usage message
};

} // namespace

TEST(CommonOptionsTest, NonFiniteFractionalAndOversizedValuesAreUsageErrors) {
    const SRefusedOption cases[] = {
        {"chart not a number", {"--chart", "nanxnan"}, "--chart takes WIDTHxHEIGHT"},
        {"chart with decimals", {"--chart", "6.5x6.5"}, "whole numbers"},
        {"chart beyond the grid", {"--chart", "11585x11585"}, "134217728 grid cells"},
        {"chart side too wide", {"--chart", "20001x6"}, "--chart takes"},
        {"chart through --set", {"--set", "szChart=100000,100000"}, "szChart 100000 by 100000"},
        {"status quo not a number", {"--sq", "nan,nan"}, "--sq takes H,V"},
        {"status quo infinite", {"--sq", "inf,0"}, "--sq takes H,V"},
        {"proposal far away", {"--proposal", "1e308,1e308"}, "--proposal takes H,V"},
        {"rule not a number", {"--rule", "nan"}, "--rule takes"},
        {"rule below nothing", {"--rule", "-0.1"}, "--rule takes a fraction from 0 to 1"},
        {"rule above all", {"--rule", "2"}, "--rule takes a fraction from 0 to 1"},
        {"zoom infinite", {"--zoom", "inf"}, "--zoom takes"},
        {"zoom denormal", {"--zoom", "4.9e-324"}, "--zoom takes"},
        {"zoom not a number", {"--zoom", "nan"}, "--zoom takes"},
        {"too many directions", {"--set", "nSchattschneiderSet=2147483647"}, "up to 3600"},
        {"uncovered grid too fine", {"--set", "nUncoveredSet=100000"}, "nUncoveredSet 100000"},
        {"too many chains", {"--set", "nChains=5000"}, "nChain 5000"},
    };
    for (const SRefusedOption& c : cases) {
        const SCliRun run = RunCli(
            QStringList{"concepts", ExamplePath("triangle.txt"), "--only", "vote"} + c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.name;
        EXPECT_TRUE(run.Err().contains(c.message)) << c.name << ": " << run.Err().toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
    }
}

TEST(CommonOptionsTest, UsableLimitsAndDefaultCountsStillWork) {
    const SRefusedOption cases[] = {
        {"zero counts mean the defaults", {"--set", "nSchattschneiderSet=0"}, ""},
        {"largest direction count", {"--set", "nSchattschneiderSet=3600"}, ""},
        {"small zoom", {"--zoom", "0.000001"}, ""},
        {"far proposal", {"--proposal", "1e15,-1e15"}, ""},
        {"rule at both ends", {"--rule", "1"}, ""},
        {"negative zero rule", {"--rule", "-0"}, ""},
    };
    for (const SRefusedOption& c : cases) {
        const SCliRun run = RunCli(
            QStringList{"concepts", ExamplePath("triangle.txt"), "--only", "vote,schattschneider"} +
            c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.name << ": " << run.Err().toStdString();
        EXPECT_FALSE(run.Out().contains("nan")) << c.name;
        EXPECT_FALSE(run.Out().contains("inf")) << c.name;
    }
    const SCliRun zero = RunCli(
        {"concepts", ExamplePath("triangle.txt"), "--only", "vote", "--json", "--rule", "-0"});
    EXPECT_EQ(zero.Json()["vote.rule"].toDouble(), 0.0);
    EXPECT_TRUE(zero.Out().contains("\"vote.rule\":0,")) << zero.Out().toStdString();
}

TEST(CommonOptionsTest, OversizedValuesInAFileFallBackToTheirDefaultsWithAMessage) {
    QTemporaryDir dir;
    const QString config =
        WriteFile(dir, "quelta.cfg",
                  "GRAPHICS PARAMETERS BEGIN\nszChart\t100000\t100000\nGRAPHICS PARAMETERS END\n"
                  "ALGORITHM PARAMETERS BEGIN\nnCore\t99999999\nALGORITHM PARAMETERS END\n");
    const SCliRun run = RunCli({"concepts", ExamplePath("triangle.txt"), "--config", config,
                                "--only", "winset", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    EXPECT_TRUE(run.Err().contains("szChart 100000 by 100000 is too large"))
        << run.Err().toStdString();
    EXPECT_TRUE(run.Err().contains("nCore 99999999 is too large: it takes up to 3600; the default "
                                   "is used"));
    EXPECT_GT(run.Json()["winset.area"].toDouble(), 0.0);
}
