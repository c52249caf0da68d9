#include "montecarlo/MonteCarloDraw.h"
#include "montecarlo/MonteCarloSettings.h"
#include "montecarlo/RandomDeviates.h"
#include "platform/HeadlessPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class MonteCarloTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandomDeviates(); }
    void TearDown() override { ResetRandomDeviates(); }

    std::string Path() const { return dir.filePath("queltamc.txt").toStdString(); }
    void WriteFile(const std::string& content) const {
        std::ofstream(Path(), std::ios::binary) << content;
    }
    std::string ReadFile() const {
        std::ostringstream text;
        text << std::ifstream(Path(), std::ios::binary).rdbuf();
        return text.str();
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    const SEdges box{0.0, 100.0, 100.0, 0.0};
};

SMonteCarloSettings Normal(double meanH, double meanV, double spread, int members) {
    SMonteCarloSettings s;
    s.members = members;
    s.distributionH = s.distributionV = MC_NORMAL;
    s.meanH = meanH;
    s.meanV = meanV;
    s.stdDevH = s.stdDevV = spread;
    return s;
}

} // namespace

TEST_F(MonteCarloTest, SettingsFileHoldsTenLinesAndReadsBack) {
    SMonteCarloSettings s = Normal(40.5, 60.25, 10, 25);
    s.preferenceModel = "City Block";
    s.prefType = 4;
    s.seed = -42;
    s.distributionV = MC_UNIFORM;
    ASSERT_TRUE(WriteMonteCarloSettings(s, Path()));
    EXPECT_EQ(ReadFile(), "City Block\n25\n-42\n40.500000\n60.250000\n10.000000\n10.000000\n"
                          "4\n2\n1\n");
    EXPECT_EQ(ReadMonteCarloSettings(Path()), s);
}

TEST_F(MonteCarloTest, SettingsFileOfAnyOtherLengthGivesTheDefaults) {
    const struct {
        const char* name;
        std::string content;
    } cases[] = {
        {"nine lines", "Unified\n5\n7\n1\n2\n3\n4\n1\n1\n"},
        {"eleven lines", "Unified\n5\n7\n1\n2\n3\n4\n1\n1\n2\n\n"},
        {"empty file", ""},
    };
    for (const auto& c : cases) {
        WriteFile(c.content);
        EXPECT_EQ(ReadMonteCarloSettings(Path()), SMonteCarloSettings{}) << c.name;
    }
    EXPECT_EQ(ReadMonteCarloSettings(dir.filePath("missing.txt").toStdString()),
              SMonteCarloSettings{});
    EXPECT_EQ(ReadMonteCarloSettings(dir.path().toStdString()), SMonteCarloSettings{})
        << "a directory reads as a missing file";
}

TEST_F(MonteCarloTest, SettingsFileFieldsThatAreNoNumbersReadAsZero) {
    WriteFile("Directional\r\nmany\n12abc\nx\n3.5\n-\n1e2\n2\n2\nnormal\n");
    const SMonteCarloSettings s = ReadMonteCarloSettings(Path());
    EXPECT_EQ(s.preferenceModel, "Directional");
    EXPECT_EQ(s.members, 0);
    EXPECT_EQ(s.seed, 12);
    EXPECT_EQ(s.meanH, 0.0);
    EXPECT_EQ(s.meanV, 3.5);
    EXPECT_EQ(s.stdDevH, 0.0);
    EXPECT_EQ(s.stdDevV, 100.0);
    EXPECT_EQ(s.distributionV, 0);
}

TEST_F(MonteCarloTest, SettingsThatCannotBeDrawnAreNamed) {
    const struct {
        const char* name;
        SMonteCarloSettings settings;
        const char* problem;
    } cases[] = {
        {"a billion members", Normal(50, 50, 10, 1000000000),
         "\"Number of Members\" must be an integer from 0 to 100000."},
        {"negative count", Normal(50, 50, 10, -1),
         "\"Number of Members\" must be an integer from 0 to 100000."},
        {"negative spread", Normal(50, 50, -1, 10), "\"Std Dev\" must be a number of 0 or more."},
        {"infinite mean", Normal(1.0 / 0.0, 50, 1, 10), "\"Mean\" must be a finite number."},
        {"valid", Normal(50, 50, 0, 10), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonteCarloSettingsProblem(c.settings), c.problem) << c.name;
    SMonteCarloSettings uniform;
    uniform.stdDevH = -5;
    EXPECT_EQ(MonteCarloSettingsProblem(uniform), "") << "a uniform axis ignores its spread";
}

TEST_F(MonteCarloTest, UniformDrawFillsTheListInsideTheBoxAndAdvancesTheSeed) {
    SMonteCarloSettings s;
    s.members = 200;
    const SMonteCarloDraw draw = RunMonteCarloDraw(s, box);
    ASSERT_TRUE(draw.Complete());
    EXPECT_EQ(draw.points.size(), 200u);
    for (const CFPoint& p : draw.points) {
        ASSERT_TRUE(p.x > 0 && p.x < 100 && p.y > 0 && p.y < 100);
    }
    // Horizontal first, then vertical, from the sequence of a fresh start.
    EXPECT_DOUBLE_EQ(draw.points[0].x, 41.599935685098144);
    EXPECT_DOUBLE_EQ(draw.points[0].y, 9.196489075755929);
    EXPECT_DOUBLE_EQ(draw.points[1].x, 75.64104859514211);
    EXPECT_GT(s.seed, 0) << "the settings carry the generator's new state";
}

TEST_F(MonteCarloTest, SecondRunContinuesFromTheSeedTheFirstLeft) {
    SMonteCarloSettings s;
    s.members = 2;
    RunMonteCarloDraw(s, box);
    const int shown = s.seed;
    const SMonteCarloDraw second = RunMonteCarloDraw(s, box);
    ResetRandomDeviates();
    SMonteCarloSettings once;
    once.members = 4;
    const SMonteCarloDraw both = RunMonteCarloDraw(once, box);
    EXPECT_NE(shown, -1);
    EXPECT_EQ(second.points[0], both.points[2]);
    EXPECT_EQ(second.points[1], both.points[3]);
}

TEST_F(MonteCarloTest, DrawEdgeCases) {
    SMonteCarloSettings none;
    const SMonteCarloDraw empty = RunMonteCarloDraw(none, box);
    EXPECT_TRUE(empty.points.empty());
    EXPECT_EQ(empty.candidates, 0);

    SMonteCarloSettings centre;
    centre.members = 3;
    centre.distributionH = centre.distributionV = 3;
    const SMonteCarloDraw middle = RunMonteCarloDraw(centre, box);
    EXPECT_EQ(middle.points, std::vector<CFPoint>(3, CFPoint(50, 50)));
    EXPECT_EQ(centre.seed, -1) << "the centre draws no deviates";

    SMonteCarloSettings outside = Normal(50, 150, 30, 5);
    const SMonteCarloDraw far = RunMonteCarloDraw(outside, box, 100000);
    EXPECT_TRUE(far.Complete()) << "a mean outside the box still yields points inside it";
    for (const CFPoint& p : far.points)
        EXPECT_TRUE(p.y > 0 && p.y < 100);
}

TEST_F(MonteCarloTest, HopelessDrawEndsAtTheLimitOrOnCancel) {
    SMonteCarloSettings s = Normal(50, 1e6, 1, 10);
    const SMonteCarloDraw limited = RunMonteCarloDraw(s, box, 5000);
    EXPECT_TRUE(limited.exhausted);
    EXPECT_FALSE(limited.cancelled);
    EXPECT_EQ(limited.candidates, 5000);
    EXPECT_EQ(limited.accepted, 0);
    EXPECT_EQ(limited.points, std::vector<CFPoint>(10, CFPoint(0, 0)));

    platform.RequestCancelAfter(100);
    const SMonteCarloDraw cancelled = RunMonteCarloDraw(s, box);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.candidates, 101);
}
