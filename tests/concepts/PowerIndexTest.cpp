#include "concepts/PowerIndex.h"
#include "preferences/GameFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>

namespace {

double Sum(const CGameFixture& f, CVotingGame& game) {
    double sum = 0.0;
    for (const CMember* m : f.members)
        sum += game.GetMemberPower(m, 2, 0.0);
    return sum;
}

TEST(PowerIndexTest, RegularPolygonsShareThePowerEqually) {
    for (int n : {3, 4, 5, 6, 7}) {
        for (int multiple : {1, 2, 3}) {
            CGameFixture f(20);
            for (int k = 0; k < n; ++k) {
                const double angle = 2 * std::numbers::pi * k / n;
                f.Add(50 + 30 * std::cos(angle), 50 + 30 * std::sin(angle));
            }
            f.game.FindPowerIndex(multiple * n, 0.05);
            for (const CMember* m : f.members)
                EXPECT_NEAR(f.game.GetMemberPower(m, 0, 0.0), 1.0 / n, 1e-12)
                    << n << " members, " << multiple * n << " directions";
            EXPECT_NEAR(Sum(f, f.game), 1.0, 1e-12);
        }
    }
}

TEST(PowerIndexTest, TiesGainOnlyBeyondThePivot) {
    // Along the horizontal, B is pivotal both ways and C, level with B, gains only on the way
    // up; along the vertical, B is pivotal both ways and A, level with B, gains on the way down.
    for (int directions : {0, 1, 2}) {
        CGameFixture f(20);
        f.Add(0, 0);
        f.Add(10, 0);
        f.Add(10, 5);
        f.game.FindPowerIndex(directions, 0.0);
        EXPECT_DOUBLE_EQ(f.game.GetMemberPower(f.members[0], 2, 0.0), 1.0 / 6) << directions;
        EXPECT_DOUBLE_EQ(f.game.GetMemberPower(f.members[1], 2, 0.0), 4.0 / 6) << directions;
        EXPECT_DOUBLE_EQ(f.game.GetMemberPower(f.members[2], 2, 0.0), 1.0 / 6) << directions;
        EXPECT_EQ(f.game.GetMemberPower(nullptr, 2, 0.0), 0.0);
        const std::vector<SMemberPower> down = f.game.GetMembersByPower(0, 2, 0.0);
        const std::vector<SMemberPower> up = f.game.GetMembersByPower(1, 2, 0.0);
        EXPECT_EQ(down[0].index, 1);
        EXPECT_EQ(down[1].index, 0) << "ties keep the list order";
        EXPECT_EQ(up[0].index, 0);
        EXPECT_EQ(up[2].index, 1);
    }
}

TEST(PowerIndexTest, CopelandAndBordaWinners) {
    struct SCase {
        const char* name;
        std::vector<CFPoint> points;
        std::vector<int> types;
        CFPoint copeland;
        CFPoint borda;
    };
    const CFPoint sq(50, 50);
    const std::vector<SCase> cases = {
        {"no members", {}, {}, sq, sq},
        {"one member", {{10, 20}}, {PREF_TRADEOFF}, {10, 20}, {10, 20}},
        {"two members, one abstaining",
         {{10, 20}, {30, 40}},
         {PREF_TRADEOFF, PREF_ABSTAIN},
         {20, 30},
         {10, 20}},
        {"nobody reaches the quota (all abstain)",
         {{0, 0}, {30, 0}, {0, 60}},
         {PREF_ABSTAIN, PREF_ABSTAIN, PREF_ABSTAIN},
         {10, 20},
         sq},
    };
    for (const SCase& c : cases) {
        CGameFixture f(20);
        f.game.SetStatusQuo(sq);
        for (size_t i = 0; i < c.points.size(); ++i)
            f.Add(c.points[i].x, c.points[i].y, c.types[i]);
        EXPECT_EQ(f.game.GetCopeland(31, 0.0), c.copeland) << c.name;
        EXPECT_EQ(f.game.FindBorda(), c.borda) << c.name;
    }
    // Three or more members: the ideal points weighted by power.
    CGameFixture f(20);
    f.Add(0, 0);
    f.Add(10, 0);
    f.Add(10, 5);
    const CFPoint copeland = f.game.GetCopeland(2, 0.0);
    EXPECT_NEAR(copeland.x, (0 + 4 * 10 + 10) / 6.0, 1e-12);
    EXPECT_NEAR(copeland.y, 5 / 6.0, 1e-12);
}

} // namespace
