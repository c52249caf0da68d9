#include "concepts/BanksSet.h"
#include "ConceptsFixture.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"

#include <gtest/gtest.h>

TEST(BanksSetTest, EveryChainPointBeatsAllEarlierOnes) {
    CRand::Seed(11);
    CGameFixture f(100);
    AddRandomMembers(f, 7);
    const std::vector<CFPoint> chain = FindBanksChain(f.game, CFPoint(30, 70), 4);
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(chain.front(), CFPoint(30, 70));
    for (std::size_t later = 1; later < chain.size(); ++later)
        for (std::size_t earlier = 0; earlier < later; ++earlier)
            EXPECT_TRUE(f.game.WinSetOfPoint(chain[earlier], true)->PtInRegion(chain[later]))
                << later << " against " << earlier;
}

TEST(BanksSetTest, RepeatableDotsAndTheScenarioUnchanged) {
    CRand::Seed(12);
    CGameFixture f(100);
    AddRandomMembers(f, 7);
    f.game.SetStatusQuo(CFPoint(35, 60));
    const double winSetArea = f.game.GetWinSetArea();
    const std::unique_ptr<CRgn> first = f.game.GetBanksSetRgn(3, 25);
    EXPECT_EQ(f.game.StatusQuo(), CFPoint(35, 60));
    EXPECT_FALSE(f.game.Stale().IsStale(EConcept::WinSet));
    EXPECT_EQ(f.game.GetWinSetArea(), winSetArea);
    f.game.InvalidateAll();
    const std::unique_ptr<CRgn> second = f.game.GetBanksSetRgn(3, 25);
    EXPECT_TRUE(first->EqualRgn(*second));
}

TEST(BanksSetTest, OneChainIsOneDotAndZeroMeansOne) {
    CRand::Seed(13);
    CGameFixture f(100);
    AddRandomMembers(f, 5);
    const std::unique_ptr<CRgn> one = f.game.GetBanksSetRgn(1, 25);
    ASSERT_TRUE(one);
    EXPECT_GE(RgnCellCount(*one), 1) << "the chain's end is marked";
    SIntRect box;
    one->GetRgnBox(&box);
    EXPECT_LE(box.right - box.left, 3);
    EXPECT_LE(box.bottom - box.top, 3);

    // More chains add their own dots to the first one's, so a count that were not followed
    // would show; counts and resolutions of zero or less are one.
    const auto banks = [&f](int chains, int resolution) {
        f.game.InvalidateAll();
        return f.game.GetBanksSetRgn(chains, resolution);
    };
    const std::unique_ptr<CRgn> six = banks(6, 25);
    EXPECT_TRUE(RgnContains(*six, *one));
    EXPECT_GT(RgnCellCount(*six), 2 * RgnCellCount(*one)) << "six chains end apart";
    for (const int chains : {0, -3})
        EXPECT_TRUE(banks(chains, 25)->EqualRgn(*one)) << chains << " chains";
    const std::unique_ptr<CRgn> finest = banks(1, 1);
    EXPECT_FALSE(finest->EqualRgn(*one)) << "a finer resolution goes on further";
    for (const int resolution : {0, -8})
        EXPECT_TRUE(banks(1, resolution)->EqualRgn(*finest)) << "resolution " << resolution;
}

TEST(BanksSetTest, ChainDisplayFillsNestedRegionsWithDrawnColours) {
    CRand::Seed(14);
    CGameFixture f(100);
    AddRandomMembers(f, 7);
    f.game.SetStatusQuo(CFPoint(50, 50));
    double next = 0.0;
    const auto uniform = [&next]() { return next += 0.01; };
    const SBanksChainDisplay display = BuildBanksChainDisplay(f.game, QPoint(20, 30), 4, uniform);
    EXPECT_EQ(display.start, QPoint(20, 30));
    ASSERT_GE(display.fills.size(), 2u);
    for (std::size_t i = 1; i < display.fills.size(); ++i)
        EXPECT_TRUE(RgnContains(display.fills[i - 1].region, display.fills[i].region)) << i;
    EXPECT_EQ(display.fills[0].blue, 2);
    EXPECT_EQ(display.fills[0].green, 5);
    EXPECT_EQ(display.fills[0].red, 7);
    EXPECT_EQ(f.game.StatusQuo(), CFPoint(50, 50));
}
