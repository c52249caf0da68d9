#include "geometry/FPolygon.h"
#include "preferences/GameFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(MedianSetsTest, MedianPointOnALine) {
    struct SCase {
        const char* name;
        std::vector<double> xs;
        std::vector<double> weights;
        CFPoint expected;
    };
    // The line is y = 10; the walks from either end meet the quota at the middle members.
    const std::vector<SCase> cases = {
        {"no members: the status quo", {}, {}, {50, 50}},
        {"odd body: the median member", {1, 2, 3, 4, 5}, {1, 1, 1, 1, 1}, {3, 10}},
        {"even body: between the two middle members", {1, 2, 3, 4}, {1, 1, 1, 1}, {2.5, 10}},
        {"weights move the median", {1, 2, 3}, {5, 1, 1}, {1, 10}},
    };
    for (const SCase& c : cases) {
        CGameFixture f(20);
        f.game.SetStatusQuo(CFPoint(50, 50));
        for (size_t i = 0; i < c.xs.size(); ++i)
            f.Add(c.xs[i], 30 + static_cast<double>(i), PREF_TRADEOFF, c.weights[i]);
        f.game.SetWeightedVoting(1);
        const CFPoint median = f.game.GetMedianPoint(CFLine(CFPoint(0, 10), CFPoint(1, 10)));
        EXPECT_EQ(median, c.expected) << c.name;
    }
}

TEST(MedianSetsTest, TriMedianSetNeedsThreeSpreadDirections) {
    for (int directions : {-4, 0, 1, 2}) {
        CGameFixture f(20);
        for (const CFPoint& p : {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77)})
            f.Add(p.x, p.y);
        const std::optional<CFPolygon> polygon = f.game.GetTriMedianSet(1.0, directions);
        ASSERT_TRUE(polygon);
        EXPECT_EQ(polygon->Count(), 0) << directions << " directions";
        EXPECT_FALSE(f.game.Stale().IsStale(EConcept::TriMedianSet));
    }
    // Coincident ideal points: every median line passes through the point, so whatever the
    // rounding leaves of the hull stays there.
    CGameFixture f(20);
    for (int i = 0; i < 4; ++i)
        f.Add(40, 60);
    const std::optional<CFPolygon> polygon = f.game.GetTriMedianSet(1.0, 12);
    ASSERT_TRUE(polygon);
    for (const CFPoint& p : polygon->Points())
        EXPECT_NEAR(p.Distance(CFPoint(40, 60)), 0.0, 1e-6);
    // Members spread a little about the point: the set has an area and stays near them, since
    // every median line passes between them and a triple counts when its lines meet within
    // the tolerance.
    CGameFixture spread(20);
    for (int i = 0; i < 5; ++i)
        spread.Add(40 + 2 * std::cos(2 * std::numbers::pi * i / 5),
                   60 + 2 * std::sin(2 * std::numbers::pi * i / 5));
    const std::optional<CFPolygon> small = spread.game.GetTriMedianSet(1.0, 12);
    ASSERT_TRUE(small);
    EXPECT_GE(small->Count(), 3);
    for (const CFPoint& p : small->Points())
        EXPECT_LE(p.Distance(CFPoint(40, 60)), 2.0 + 1.0);
}

TEST(MedianSetsTest, TriMedianSetProgressAndCancel) {
    CGameFixture f(20);
    for (const CFPoint& p :
         {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77), CFPoint(45, 40), CFPoint(60, 55)})
        f.Add(p.x, p.y);
    const CFPolygon full = *f.game.GetTriMedianSet(1.0, 40);
    EXPECT_GE(full.Count(), 3);
    const std::vector<SStatusRecord>& texts = f.platform.StatusTexts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts.front().text, "Type <ESC> to quit... Tri-Median Set progress - 2.5");
    EXPECT_EQ(texts[texts.size() - 3].text,
              "Type <ESC> to quit... Tri-Median Set progress - 100.0");
    EXPECT_EQ(texts[texts.size() - 2].text, "Finding Tri-Median set boundary...");
    EXPECT_EQ(texts.back().text, "");
    EXPECT_EQ(texts.back().pane, 1);
    for (const CFPoint& p : full.Points())
        EXPECT_TRUE(p.x > 20 && p.x < 80 && p.y > 25 && p.y < 77);

    // Escape stops the search early, keeping the points found so far, and clears the flag.
    f.game.InvalidateAll();
    f.platform.RequestCancelAfter(3);
    const CFPolygon partial = *f.game.GetTriMedianSet(1.0, 40);
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::TriMedianSet));
    EXPECT_LT(partial.Count(), full.Count());
}

TEST(MedianSetsTest, SchattschneiderSet) {
    CGameFixture f(20);
    for (const CFPoint& p :
         {CFPoint(20, 20), CFPoint(80, 20), CFPoint(80, 80), CFPoint(20, 80), CFPoint(50, 50)})
        f.Add(p.x, p.y);
    f.game.SetProposal(CFPoint(10, 90));
    for (int directions : {0, -1, 7}) {
        const std::optional<CFPolygon> polygon = f.game.GetSchattschneiderSet(directions);
        ASSERT_TRUE(polygon);
        EXPECT_EQ(polygon->Count(), directions <= 0 ? 32 : directions);
        // Symmetric about the centre member: every pair of perpendicular medians meets there.
        for (const CFPoint& p : polygon->Points())
            EXPECT_NEAR(p.Distance(CFPoint(50, 50)), 0.0, 1e-9);
    }
}

} // namespace
