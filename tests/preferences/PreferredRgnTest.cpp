#include "GameFixture.h"
#include "preferences/PreferredRgn.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool Contains(const CMember& m, double x, double y) {
    const QPoint cell = m.GridMap().WorldToCell(CFPoint(x, y));
    return m.PreferredRgn().PtInRegion(cell.x(), cell.y());
}

} // namespace

TEST(PreferredRgnTest, ShapesOfThePlainTypes) {
    CGameFixture f;
    f.game.SetStatusQuo(CFPoint(70, 50));
    CMember& tradeOff = f.Add(50, 50, PREF_TRADEOFF);
    CMember& cityBlock = f.Add(50, 50, PREF_CITYBLOCK);
    CMember& independent = f.Add(50, 50, PREF_INDEPENDENT);
    CMember& directional = f.Add(50, 50, PREF_DIRECTIONAL);
    CMember& absolute = f.Add(50, 50, PREF_ABSOLUTE);
    // Trade-off: the circle of radius 20 about (50, 50).
    EXPECT_TRUE(Contains(tradeOff, 50, 69));
    EXPECT_FALSE(Contains(tradeOff, 65, 65));
    EXPECT_NEAR(tradeOff.PreferredRgn().CellCount() * 0.0625, M_PI * 400, 15.0);
    // City block: the diamond of radius 20.
    EXPECT_TRUE(Contains(cityBlock, 59, 59));
    EXPECT_FALSE(Contains(cityBlock, 61, 61));
    EXPECT_NEAR(cityBlock.PreferredRgn().CellCount() * 0.0625, 800, 15.0);
    // Independent: no height when the status quo is level with the ideal point, so the
    // empty rectangle gives way to the point marker.
    EXPECT_LE(independent.PreferredRgn().CellCount(), 4);
    EXPECT_TRUE(Contains(independent, 50, 50));
    // Directional: everything left of x = 70.
    EXPECT_TRUE(Contains(directional, 1, 99));
    EXPECT_TRUE(Contains(directional, 69, 1));
    EXPECT_FALSE(Contains(directional, 71, 50));
    EXPECT_EQ(absolute.PreferredRgn().CellCount(), 4);
    f.game.SetStatusQuo(CFPoint(70, 60));
    EXPECT_TRUE(Contains(independent, 31, 41));
    EXPECT_FALSE(Contains(independent, 71, 50));
    EXPECT_EQ(independent.PreferredRgn().CellCount(), 160 * 80);
}

TEST(PreferredRgnTest, EmptyRegionsBecomeThePointMarker) {
    CGameFixture f;
    f.game.SetStatusQuo(CFPoint(30, 30));
    for (int type : {PREF_TRADEOFF, PREF_CITYBLOCK, PREF_INDEPENDENT, PREF_DIRECTIONAL}) {
        CMember& m = f.Add(30, 30, type);
        EXPECT_FALSE(m.PreferredRgn().IsEmpty()) << "type " << type;
        EXPECT_TRUE(Contains(m, 30, 30)) << "type " << type;
        EXPECT_LE(m.PreferredRgn().CellCount(), 4) << "type " << type;
    }
}

TEST(PreferredRgnTest, SalienceComplementarityAndEum) {
    const CGridMap map = ChartGridMap(SEdges{0, 100, 100, 0}, 400, 400, 1.0);
    const CRgn zero = TradeOffRgn(CFPoint(50, 50), CFPoint(70, 50), 0.0, 0.0, map);
    const CRgn one = TradeOffRgn(CFPoint(50, 50), CFPoint(70, 50), 1.0, 0.0, map);
    EXPECT_TRUE(zero.EqualRgn(one)) << "salience 0 behaves as 1";
    const CRgn tall = TradeOffRgn(CFPoint(50, 50), CFPoint(70, 50), 2.0, 0.0, map);
    const QPoint high = map.WorldToCell(CFPoint(50, 85));
    EXPECT_TRUE(tall.PtInRegion(high.x(), high.y())) << "salience 2 doubles the vertical axis";
    PreferenceSpec spec;
    spec.complementarity = 0.3;
    const CRgn eum = BuildTypeRgn(PREF_EUM, CFPoint(50, 50), CFPoint(60, 50), spec, map, "E");
    EXPECT_EQ(spec.complementarity, 0.0);
    EXPECT_DOUBLE_EQ(spec.salience, 10.0 / 1e-7) << "level points: |dx| / 1e-7";
    EXPECT_TRUE(eum.IsValid());
}

TEST(PreferredRgnTest, UnknownTypeIsReportedWithTheLabel) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    PreferenceSpec spec;
    const CRgn rgn = BuildTypeRgn(12, CFPoint(1, 1), CFPoint(2, 2), spec, CGridMap(), "Smith");
    EXPECT_FALSE(rgn.IsValid());
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{"Failure to create region for player: Smith"});
}

TEST(PreferredRgnTest, UnifiedRegionHoldsTheIdealSide) {
    CGameFixture f(120);
    f.game.SetStatusQuo(CFPoint(60, 50));
    CMember& unified = f.Add(30, 50, PREF_UNIFIED);
    EXPECT_TRUE(Contains(unified, 30, 50));
    EXPECT_TRUE(Contains(unified, 45, 50));
    EXPECT_FALSE(Contains(unified, 90, 50));
}

TEST(PreferredRgnTest, RationalMembersBlurOrGiveTheBenefitOfTheDoubt) {
    CGameFixture f;
    f.game.SetStatusQuo(CFPoint(52, 50));
    CMember& doubter = f.Add(50, 50);
    // A member placed by ratings takes their spread as its benefit-of-the-doubt radii.
    const CRatingScale h("H", "H", 0, 100), v("V", "V", 0, 100);
    doubter.AddRating(h, 50, 6, 0);
    doubter.AddRating(v, 50, 8, 0);
    doubter.SetHorizontalScale(&h);
    doubter.SetVerticalScale(&v);
    doubter.SetRational(1);
    EXPECT_TRUE(Contains(doubter, 59.5, 50)) << "radius sqrt(36 + 64) = 10 about I";
    EXPECT_FALSE(Contains(doubter, 61, 50));

    CMember& blurred = f.Add(20, 50);
    PreferenceSpec spec = blurred.Preference();
    spec.modelType = 5; // union inside and out: the blurred region grows
    spec.idealPoint = SSamplingSpec{0, 1, 0, 8, 3.0, 1, 0, 1};
    spec.statusQuo = SSamplingSpec{0, 1, 0, 4, 2.0, 1, 0, 1};
    const long long plain = blurred.PreferredRgn().CellCount();
    blurred.SetPreferenceSpec(spec);
    blurred.SetRational(1);
    EXPECT_GT(blurred.PreferredRgn().CellCount(), plain);
    spec.modelType = 2; // intersections: it shrinks
    blurred.SetPreferenceSpec(spec);
    EXPECT_LT(blurred.PreferredRgn().CellCount(), plain);
}
