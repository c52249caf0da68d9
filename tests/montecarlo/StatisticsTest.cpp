#include "model/Member.h"
#include "montecarlo/Histogram.h"
#include "montecarlo/Regression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

/// Members at the given ideal points, with vote weights when given.
class StatisticsTest : public ::testing::Test {
protected:
    const std::vector<CMember*>& Members(const std::vector<CFPoint>& points,
                                         const std::vector<double>& weights = {}) {
        owned.clear();
        members.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            owned.push_back(std::make_unique<CMember>(3, CFPoint(50, 50), CGridMap()));
            owned.back()->SetIdealPoint(points[i]);
            if (i < weights.size())
                owned.back()->SetVoteWeight(weights[i]);
            members.push_back(owned.back().get());
        }
        return members;
    }

    std::vector<std::unique_ptr<CMember>> owned;
    std::vector<CMember*> members;
};

} // namespace

TEST_F(StatisticsTest, FitMatchesTheTextbookRegression) {
    const std::vector<CFPoint> points = {{10, 22}, {20, 31}, {35, 52}, {50, 48}, {70, 81}};
    // Centred sums, written out independently of the fit's running sums.
    const double n = 5, mx = 37, my = 46.8;
    double sxx = 0, sxy = 0, syy = 0, sumXX = 0;
    for (const CFPoint& p : points) {
        sxx += (p.x - mx) * (p.x - mx);
        sxy += (p.x - mx) * (p.y - my);
        syy += (p.y - my) * (p.y - my);
        sumXX += p.x * p.x;
    }
    const double b = sxy / sxx, a = my - b * mx;
    double ssr = 0, chi = 0;
    for (const CFPoint& p : points) {
        const double e = p.y - a - b * p.x;
        ssr += e * e;
        chi += e * e / (p.y * p.y);
    }
    const double s2 = ssr / (n - 2);
    SRegression stats;
    const SFitLine line = FitIdealPoints(Members(points), stats);
    EXPECT_NEAR(line.slope, b, 1e-12);
    EXPECT_NEAR(line.intercept, a, 1e-10);
    EXPECT_NEAR(stats.mean.x, mx, 1e-12);
    EXPECT_NEAR(stats.mean.y, my, 1e-12);
    EXPECT_NEAR(stats.r, sxy / std::sqrt(sxx * syy), 1e-12);
    EXPECT_NEAR(stats.sigmaB, std::sqrt(s2 / sxx), 1e-12);
    EXPECT_NEAR(stats.sigmaA, std::sqrt(s2 * sumXX / (n * sxx)), 1e-10);
    EXPECT_NEAR(stats.chi, chi / (n - 1), 1e-12);
}

TEST_F(StatisticsTest, SmallAndDegenerateFits) {
    SRegression stats;
    stats.r = 0.5;
    EXPECT_EQ(FitIdealPoints(Members({{10, 20}}), stats).slope, 0.0);
    EXPECT_EQ(stats.r, 0.5) << "one member writes no statistics";

    // Two members: residuals vanish and nothing is divided (no n - 2 for two points).
    const SFitLine two = FitIdealPoints(Members({{10, 0}, {30, 40}}), stats);
    EXPECT_DOUBLE_EQ(two.slope, 2.0);
    EXPECT_DOUBLE_EQ(two.intercept, -20.0);
    EXPECT_NEAR(stats.chi, 1.0, 1e-12) << "the member on v = 0 counts 1, undivided";
    EXPECT_NEAR(stats.sigmaB, 0.0, 1e-9);

    // A vertical line: the zero spread becomes 1e-7 and the slope is huge but finite.
    const SFitLine steep = FitIdealPoints(Members({{40, 10}, {40, 50}, {40, 90}}), stats);
    EXPECT_EQ(steep.slope, 0.0) << "no covariance: R = 0 over Dx = 1e-7";
    const SFitLine tilted =
        FitIdealPoints(Members({{40, 10}, {40, 50}, {40, 90}, {40, 91}}), stats);
    EXPECT_TRUE(std::isfinite(tilted.slope));
    const SFitLine level = FitIdealPoints(Members({{10, 30}, {60, 30}, {90, 30}}), stats);
    EXPECT_EQ(level.slope, 0.0);
    EXPECT_EQ(stats.r, 0.0) << "Dy = 0 becomes 1e-7";
}

TEST_F(StatisticsTest, DisplayLinesAreCutToTheWindowOrLeftOut) {
    const SEdges window{0, 100, 100, 0};
    const auto diagonal = ClipStatLine({1.0, 0.0}, window);
    ASSERT_TRUE(diagonal);
    EXPECT_EQ(diagonal->from, CFPoint(0, 0));
    EXPECT_EQ(diagonal->to, CFPoint(100, 100));
    const auto steep = ClipStatLine({4.0, -100.0}, window);
    ASSERT_TRUE(steep);
    EXPECT_EQ(steep->from, CFPoint(25, 0));
    EXPECT_EQ(steep->to, CFPoint(50, 100));
    EXPECT_FALSE(ClipStatLine({0.0, 120.0}, window)) << "a level line above the window";
    EXPECT_FALSE(ClipStatLine({1.0, 150.0}, window)) << "misses the window";
    EXPECT_FALSE(ClipStatLine({1.0 / 0.0, 0.0}, window));

    SRegression stats;
    FitIdealPoints(Members({{10, 20}, {50, 45}, {90, 85}, {30, 40}}), stats);
    const SRegressionDisplay display = RegressionDisplay(stats, window);
    ASSERT_TRUE(display.regression && display.slopeErrorUpper && display.corridorLower);
    const double atMean = stats.b * stats.mean.x + stats.a;
    EXPECT_NEAR(atMean, stats.mean.y, 1e-9) << "the regression passes through the mean";
    const SStatSegment& upper = *display.slopeErrorUpper;
    EXPECT_NEAR((upper.to.y - upper.from.y) / (upper.to.x - upper.from.x), stats.b + stats.sigmaB,
                1e-9);
}

TEST_F(StatisticsTest, BinValuesCountsTheEdgesAsSpecified) {
    const struct {
        const char* name;
        std::vector<double> values;
        std::optional<std::pair<double, double>> range;
        int bins;
        std::vector<int> counts;
    } cases[] = {
        {"max in the last bin", {0, 10, 50, 100}, std::make_pair(0.0, 100.0), 4, {2, 0, 1, 1}},
        {"below min left out", {-0.5, -30, 5}, std::make_pair(0.0, 100.0), 2, {1, 0}},
        {"above max left out", {101, 150, 99}, std::make_pair(0.0, 100.0), 2, {0, 1}},
        {"range given reversed", {10, 90}, std::make_pair(100.0, 0.0), 2, {1, 1}},
        {"range from the values", {3, 1, 2, 5}, std::nullopt, 2, {2, 2}},
        {"no width: all in bin 0", {7, 7, 7}, std::nullopt, 3, {3, 0, 0}},
        {"no values", {}, std::nullopt, 2, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BinValues(c.values, c.range, c.bins), c.counts) << c.name;
}

TEST_F(StatisticsTest, HistogramValuesScaleByTheSmallestVote) {
    EXPECT_EQ(HistogramValues(Members({{10, 20}, {30, 40}}), EHistogramAxis::Horizontal),
              (std::vector<double>{10, 30}))
        << "equal weights count once each";
    EXPECT_EQ(HistogramValues(Members({{10, 20}, {30, 40}}, {2, 5}), EHistogramAxis::Vertical),
              (std::vector<double>{20, 40, 40, 40}))
        << "5 / 2 rounds half away from zero to 3";
    Members({{10, 20}, {30, 40}, {60, 70}}, {2, 1, 3});
    owned[1]->SetPrefType(7);
    EXPECT_EQ(HistogramValues(members, EHistogramAxis::Horizontal),
              (std::vector<double>{10, 10, 60, 60, 60}))
        << "an abstainer counts nothing and makes the smallest vote 1";
}

TEST_F(StatisticsTest, HistogramBinsFollowTheChartAndCellSize) {
    EXPECT_EQ(HistogramBinCount(EHistogramAxis::Horizontal, 400, 10), 40);
    EXPECT_EQ(HistogramBinCount(EHistogramAxis::Vertical, 400, 30), 13);
    EXPECT_EQ(HistogramBinCount(EHistogramAxis::Vertical, 5, 20), 1);
    EXPECT_EQ(HistogramBinCount(EHistogramAxis::Other, 400, 10), 1);
    EXPECT_EQ(HistogramBinCount(EHistogramAxis::Horizontal, 400, 0), 1);
    const SHistogram h = MemberHistogram(Members({{5, 0}, {55, 0}, {100, 0}}),
                                         EHistogramAxis::Horizontal, 0, 100, 40, 10);
    EXPECT_EQ(h.bins, 4);
    EXPECT_EQ(h.counts, (std::vector<int>{1, 0, 1, 1}));
}
