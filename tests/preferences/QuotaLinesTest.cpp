#include "preferences/QuotaLines.h"
#include "RandomBody.h"
#include "preferences/MemberFan.h"
#include "preferences/QuotaLineIndex.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

/// The fast list equals the reference line for line: same members, ends and flags, same order.
void ExpectSameLines(const std::vector<CQuotaLine>& fast, const std::vector<CQuotaLine>& naive,
                     const std::string& name) {
    ASSERT_EQ(fast.size(), naive.size()) << name;
    for (std::size_t i = 0; i < fast.size(); ++i) {
        EXPECT_EQ(fast[i].memberA, naive[i].memberA) << name << " line " << i;
        EXPECT_EQ(fast[i].memberB, naive[i].memberB) << name << " line " << i;
        EXPECT_EQ(fast[i].quotaLine, naive[i].quotaLine) << name << " line " << i;
        EXPECT_EQ(fast[i].qualified, naive[i].qualified) << name << " line " << i;
        EXPECT_EQ(fast[i].quota, naive[i].quota) << name << " line " << i;
        EXPECT_EQ(fast[i].voteTotal, naive[i].voteTotal) << name << " line " << i;
    }
}

TEST(QuotaLinesTest, SweepEqualsThePairByPairCount) {
    CRand::Seed(1717);
    for (int scenario = 0; scenario < 2000; ++scenario) {
        CGameFixture f(10);
        const int n = scenario < 1800 ? 2 + CRand::Next() % 14 : 20 + CRand::Next() % 60;
        const SRandomBody body = SRandomBody::Make(f, n);
        ExpectSameLines(FindQuotaLines(f.game), FindQuotaLinesNaive(f.game),
                        "scenario " + std::to_string(scenario) + " " + body.name);
        if (HasFailure())
            return;
    }
}

TEST(QuotaLinesTest, SweepEqualsThePairByPairCountInLargeBodies) {
    CRand::Seed(435);
    for (int scenario = 0; scenario < 12; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body = SRandomBody::Make(f, 101 + 30 * scenario);
        ExpectSameLines(FindQuotaLines(f.game), FindQuotaLinesNaive(f.game),
                        "scenario " + std::to_string(scenario) + " " + body.name);
    }
}

TEST(QuotaLinesTest, MembersAtTheToleranceOfTheSideTest) {
    // Members a hair off the line A-B, on either side of the 1e-8 tolerance of the cross
    // product, and members nearly on top of A: only the exact side test tells them apart.
    struct SCase {
        const char* name;
        double offset;
    };
    for (const SCase& c : {SCase{"inside the tolerance", 1e-10}, SCase{"at it", 1.25e-10},
                           SCase{"beyond it", 2e-9}, SCase{"well beyond", 1e-6}}) {
        CGameFixture f(10);
        f.AddQuietly(10, 10);
        f.AddQuietly(90, 90);
        for (int k = 1; k <= 6; ++k)
            f.AddQuietly(10 + 10 * k, 10 + 10 * k + (k % 2 ? c.offset : -c.offset));
        f.AddQuietly(10 + 1e-4, 10);
        f.AddQuietly(30, 70);
        f.AddQuietly(70, 30);
        f.Refresh();
        ExpectSameLines(FindQuotaLines(f.game), FindQuotaLinesNaive(f.game), c.name);
    }
}

TEST(QuotaLinesTest, DirectionKeyGrowsWithTheAngleAndTurnsByTwoOpposite) {
    double last = -1.0;
    for (int step = 0; step < 3600; ++step) {
        const double angle = step * 2 * 3.141592653589793 / 3600;
        const double x = std::cos(angle), y = std::sin(angle);
        const double key = DirectionKey(x, y);
        EXPECT_GT(key, last) << "step " << step;
        EXPECT_LT(key, 4.0);
        EXPECT_NEAR(std::fmod(DirectionKey(-x, -y) - key + 4.0, 4.0), 2.0, 1e-12);
        last = key;
    }
}

TEST(QuotaLinesTest, VoterSetWeighsLinesAsTheMembersDo) {
    // Bit for bit, abstainers left out, in any body, for lines through members and through
    // arbitrary points (the second pass draws lines through one member only).
    CRand::Seed(2718);
    for (int scenario = 0; scenario < 200; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body = SRandomBody::Make(f, 2 + CRand::Next() % 30);
        const CVoterSet voters(f.game.Members());
        const std::vector<CMember*>& members = f.game.Members();
        for (int k = 0; k < 20; ++k) {
            const CFPoint a =
                k % 2 ? members[CRand::Next() % members.size()]->IdealPoint()
                      : CFPoint(SRandomBody::Uniform(0, 100), SRandomBody::Uniform(0, 100));
            const CFPoint b = members[CRand::Next() % members.size()]->IdealPoint();
            const SSideWeights mine = voters.WeighSides(a, b);
            const SSideWeights theirs = WeighSides(members, a, b);
            ASSERT_EQ(mine.positive, theirs.positive) << body.name;
            ASSERT_EQ(mine.negative, theirs.negative) << body.name;
            ASSERT_EQ(mine.on, theirs.on) << body.name;
        }
    }
}

/// The key as first written, quarter by quarter.
double DirectionKeyByQuarter(double x, double y) {
    if (y >= 0.0)
        return x >= 0.0 ? y / (x + y) : 1.0 + (-x) / (y - x);
    return x < 0.0 ? 2.0 + (-y) / (-x - y) : 3.0 + x / (x - y);
}

TEST(QuotaLinesTest, DirectionKeyIsTheQuarterByQuarterKeyBitForBit) {
    // Signed zeros, the axes, diagonals and wildly different magnitudes, then random
    // directions of every scale: the one-division key must give the same value (a key of
    // negative zero along +x may come out as positive zero, which compares and sorts the same).
    const std::vector<double> values = {0.0,    -0.0, 1.0,  -1.0, 1e-300, -1e-300, 1e300,
                                        -1e300, 3.0,  -3.0, 0.1,  -0.1,   5e-324,  -5e-324};
    for (const double x : values)
        for (const double y : values) {
            const double a = DirectionKey(x, y), b = DirectionKeyByQuarter(x, y);
            if (std::isnan(b))
                EXPECT_TRUE(std::isnan(a)) << x << " " << y;
            else
                EXPECT_EQ(a, b) << x << " " << y;
        }
    CRand::Seed(6174);
    for (int k = 0; k < 20000; ++k) {
        const double scale = std::pow(10.0, SRandomBody::Uniform(-12, 12));
        const double x = scale * SRandomBody::Uniform(-1, 1);
        const double y = scale * SRandomBody::Uniform(-1, 1) * (k % 7 == 0 ? 1e-9 : 1.0);
        ASSERT_EQ(DirectionKey(x, y), DirectionKeyByQuarter(x, y)) << x << " " << y;
    }
}

TEST(QuotaLinesTest, LineIndexFindsCoincidentLinesOnly) {
    CQuotaLineIndex index;
    EXPECT_TRUE(index.Insert(CFLineSeg(CFPoint(0, 0), CFPoint(10, 10))));
    EXPECT_FALSE(index.Insert(CFLineSeg(CFPoint(20, 20), CFPoint(5, 5)))) << "same line reversed";
    EXPECT_TRUE(index.Insert(CFLineSeg(CFPoint(0, 1), CFPoint(10, 11)))) << "parallel";
    EXPECT_TRUE(index.Insert(CFLineSeg(CFPoint(3, 0), CFPoint(3, 10)))) << "vertical";
    EXPECT_FALSE(index.Insert(CFLineSeg(CFPoint(3, 50), CFPoint(3, -2))));
    // Directions on either side of the fold at pi are parallel too.
    EXPECT_TRUE(index.Insert(CFLineSeg(CFPoint(0, 5), CFPoint(10, 5 + 1e-12))));
    EXPECT_FALSE(index.Insert(CFLineSeg(CFPoint(10, 5 - 1e-12), CFPoint(0, 5))));
}

} // namespace

namespace {

TEST(QuotaLinesTest, BoundedSpokesAreTheMemberByMemberSpokes) {
    // The bound only refuses ideal-point spokes the count would refuse: the same spokes, in
    // the same order, on random bodies of every kind with status quos inside and far outside
    // the body, and on bodies whose status quo sits on a member (a spoke of length 0).
    CRand::Seed(6174);
    int idealPointSpokes = 0;
    for (int scenario = 0; scenario < 300; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body =
            SRandomBody::Make(f, 3 + CRand::Next() % (scenario < 280 ? 40 : 400));
        if (scenario % 4 == 1)
            f.game.SetStatusQuo(CFPoint(SRandomBody::Uniform(-500, 500), 50));
        if (scenario % 4 == 2)
            f.game.SetStatusQuo(f.owned[CRand::Next() % f.owned.size()]->IdealPoint());
        const std::vector<CQuotaLine> lines = FindQuotaLines(f.game);
        const SSpokes fast = FindSpokes(f.game, lines);
        const SSpokes naive = FindSpokes(f.game, lines, false);
        const std::string name = "scenario " + std::to_string(scenario) + " " + body.name;
        ASSERT_EQ(fast.length, naive.length) << name;
        ASSERT_EQ(fast.spokes.size(), naive.spokes.size()) << name;
        for (std::size_t i = 0; i < fast.spokes.size(); ++i) {
            EXPECT_EQ(fast.spokes[i].GetP1(), naive.spokes[i].GetP1()) << name;
            EXPECT_EQ(fast.spokes[i].GetP2(), naive.spokes[i].GetP2()) << name;
        }
        for (const CFLineSeg& spoke : naive.spokes)
            idealPointSpokes += spoke.GetP1() != f.game.StatusQuo();
    }
    EXPECT_GT(idealPointSpokes, 0);
}

} // namespace
