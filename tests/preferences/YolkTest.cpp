#include "preferences/Yolk.h"
#include "GameFixture.h"
#include "RandomBody.h"
#include "preferences/SmallestCircle.h"
#include "geometry/FCircle.h"
#include "platform/CRand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

double Uniform(double low, double high) {
    return low + (high - low) * CRand::Next() / 32767.0;
}

CQuotaLine Line(double x1, double y1, double x2, double y2) {
    return CQuotaLine{CFLineSeg(CFPoint(x1, y1), CFPoint(x2, y2))};
}

TEST(YolkTest, ThreeMembersUnderMajorityGiveTheIncircle) {
    CGameFixture f;
    const CFPoint a(20, 25), b(80, 25), c(50, 77);
    for (const CFPoint& p : {a, b, c})
        f.Add(p.x, p.y);
    const double la = b.Distance(c), lb = c.Distance(a), lc = a.Distance(b);
    const double perimeter = la + lb + lc;
    const double area = std::fabs((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
    const SYolk& yolk = f.game.GetYolk();
    EXPECT_NEAR(yolk.center.x, (la * a.x + lb * b.x + lc * c.x) / perimeter, 1e-9);
    EXPECT_NEAR(yolk.center.y, (la * a.y + lb * b.y + lc * c.y) / perimeter, 1e-9);
    EXPECT_NEAR(yolk.radius, 2 * area / perimeter, 1e-9);
    EXPECT_TRUE(f.game.IsInsideYolk(yolk.center));
    EXPECT_FALSE(f.game.IsInsideYolk(a));
    EXPECT_TRUE(f.platform.MessageTexts().empty());
}

TEST(YolkTest, DegenerateBodies) {
    struct SCase {
        std::string name;
        std::vector<CFPoint> points;
        CFPoint center;
    };
    const std::vector<SCase> cases = {
        // Members on one line share their one median line: the yolk is the median member.
        {"two members", {{30, 30}, {70, 60}}, {30, 30}},
        {"all on one line", {{10, 10}, {30, 30}, {50, 50}, {70, 70}, {90, 90}}, {50, 50}},
        {"quota lines through one point", {{0, 0}, {10, 0}, {0, 10}, {10, 10}, {5, 5}}, {5, 5}},
    };
    for (const SCase& c : cases) {
        CGameFixture f(40);
        for (const CFPoint& p : c.points)
            f.Add(p.x, p.y);
        const SYolk& yolk = f.game.GetYolk();
        EXPECT_EQ(yolk.radius, 0.0) << c.name;
        EXPECT_EQ(yolk.center, c.center) << c.name;
        if (c.name == "quota lines through one point") {
            EXPECT_NEAR(yolk.center.Distance(yolk.triangle.GetVertex(0)), 1e-7, 1e-12) << c.name;
        }
    }
}

TEST(YolkTest, TriangleSearchWithParallelSidesAndTies) {
    // Lines 0 and 1 are the sides of a strip 10 wide; any crossing line closes it.
    const std::vector<CQuotaLine> strip = {Line(0, 0, 10, 0), Line(0, 10, 10, 10),
                                           Line(5, 0, 5, 10), Line(0, 0, 10, 10)};
    // A square's sides and diagonals: every side triple has the same inradius.
    const std::vector<CQuotaLine> square = {Line(0, 0, 1, 0), Line(1, 0, 1, 1), Line(1, 1, 0, 1),
                                            Line(0, 1, 0, 0), Line(0, 0, 1, 1), Line(1, 0, 0, 1)};
    for (EYolkSearch search : {EYolkSearch::Plain, EYolkSearch::Pruned}) {
        const SYolkTriangle s = FindYolkTriangle(strip, search);
        ASSERT_TRUE(s.found);
        EXPECT_DOUBLE_EQ(s.radius, 5.0);
        EXPECT_EQ(s.lines, (std::array<int, 3>{0, 1, 2}));
        EXPECT_TRUE(s.triangle.IsParallel(CFTriangle::E0E1));
        const SYolkTriangle q = FindYolkTriangle(square, search);
        EXPECT_EQ(q.lines, FindYolkTriangle(square, EYolkSearch::Plain).lines);
        EXPECT_DOUBLE_EQ(q.radius, 0.5);
    }
}

/// A random body: odd or even, weighted or not, with coincident and collinear members.
void AddRandomBody(CGameFixture& f, int n) {
    const int kind = CRand::Next() % 4;
    for (int i = 0; i < n; ++i) {
        double x = Uniform(10, 90), y = Uniform(10, 90);
        if (kind == 1 && i % 3 == 2) {
            x = f.owned[static_cast<size_t>(i - 1)]->IdealPoint().x;
            y = f.owned[static_cast<size_t>(i - 1)]->IdealPoint().y;
        } else if (kind == 2 && i % 2 == 0) {
            y = 0.5 * x + 10;
        }
        f.Add(x, y, PREF_TRADEOFF, kind == 3 ? 1 + CRand::Next() % 3 : 1.0);
    }
    f.game.SetWeightedVoting(kind == 3);
    if (CRand::Next() % 3 == 0)
        f.game.SetVoteRule(0.6 + 0.3 * CRand::Next() / 32767.0);
}

TEST(YolkTest, PrunedSearchEqualsEveryTriple) {
    CRand::Seed(4242);
    for (int scenario = 0; scenario < 300; ++scenario) {
        CGameFixture f(20);
        AddRandomBody(f, 3 + CRand::Next() % (scenario < 280 ? 12 : 24));
        const std::vector<CQuotaLine> lines = f.game.GetQuotaLines();
        const SYolkTriangle plain = FindYolkTriangle(lines, EYolkSearch::Plain);
        const SYolkTriangle pruned = FindYolkTriangle(lines, EYolkSearch::Pruned);
        ASSERT_EQ(plain.found, pruned.found) << "scenario " << scenario;
        EXPECT_EQ(plain.lines, pruned.lines) << "scenario " << scenario;
        EXPECT_EQ(plain.radius, pruned.radius) << "scenario " << scenario;
        std::vector<CQuotaLine> plainLines = lines, prunedLines = lines;
        SYolk plainYolk, prunedYolk;
        FindYolk(f.game, plainLines, plainYolk, EYolkSearch::Plain);
        FindYolk(f.game, prunedLines, prunedYolk, EYolkSearch::Pruned);
        EXPECT_EQ(plainYolk.center.x, prunedYolk.center.x) << "scenario " << scenario;
        EXPECT_EQ(plainYolk.center.y, prunedYolk.center.y) << "scenario " << scenario;
        EXPECT_EQ(plainYolk.radius, prunedYolk.radius) << "scenario " << scenario;
    }
}

/// The whole yolk of both searches agrees: centre, radius, triangle, extra points, and the
/// lines the second pass appended (same members, ends and flags, same order).
void ExpectSameYolk(CGameFixture& f, const std::string& name) {
    const std::vector<CQuotaLine> lines = f.game.GetQuotaLines();
    std::vector<CQuotaLine> plainLines = lines, prunedLines = lines;
    SYolk plain, pruned;
    FindYolk(f.game, plainLines, plain, EYolkSearch::Plain);
    FindYolk(f.game, prunedLines, pruned, EYolkSearch::Pruned);
    EXPECT_EQ(plain.center.x, pruned.center.x) << name;
    EXPECT_EQ(plain.center.y, pruned.center.y) << name;
    EXPECT_EQ(plain.radius, pruned.radius) << name;
    for (int v = 0; v < 3; ++v)
        EXPECT_EQ(plain.triangle.GetVertex(v), pruned.triangle.GetVertex(v)) << name;
    ASSERT_EQ(plain.extraPoints.size(), pruned.extraPoints.size()) << name;
    for (std::size_t i = 0; i < plain.extraPoints.size(); ++i)
        EXPECT_EQ(plain.extraPoints[i], pruned.extraPoints[i]) << name << " point " << i;
    ASSERT_EQ(plainLines.size(), prunedLines.size()) << name;
    for (std::size_t i = lines.size(); i < plainLines.size(); ++i) {
        EXPECT_EQ(plainLines[i].memberA, prunedLines[i].memberA) << name << " line " << i;
        EXPECT_EQ(plainLines[i].segment.GetP2(), prunedLines[i].segment.GetP2()) << name;
        EXPECT_EQ(plainLines[i].qualified, prunedLines[i].qualified) << name << " line " << i;
    }
}

TEST(YolkTest, SweptSecondPassAndPrunedSearchEqualTheReference) {
    CRand::Seed(2017);
    for (int scenario = 0; scenario < 400; ++scenario) {
        CGameFixture f(10);
        const int n = scenario < 360 ? 3 + CRand::Next() % 16 : 40 + CRand::Next() % 30;
        const SRandomBody body = SRandomBody::Make(f, n);
        ExpectSameYolk(f, "scenario " + std::to_string(scenario) + " " + body.name);
        if (HasFailure())
            return;
    }
}

TEST(YolkTest, EvenBodiesWithManyPassingPairsEqualTheReference) {
    // Even regular polygons, with and without a jitter, pass for many pairs at once (their
    // opposite corners stand across the middle); larger even bodies test many later members
    // against the pairs their earlier members left standing.
    CRand::Seed(5150);
    for (int corners : {4, 6, 8, 10, 12, 16}) {
        for (double jitter : {0.0, 0.5}) {
            CGameFixture f(100);
            for (int k = 0; k < corners; ++k) {
                const double angle = 2 * 3.141592653589793 * k / corners;
                f.AddQuietly(50 + 30 * std::cos(angle) + Uniform(-jitter, jitter),
                             50 + 30 * std::sin(angle) + Uniform(-jitter, jitter));
            }
            f.Refresh();
            ExpectSameYolk(f, "polygon " + std::to_string(corners) + " jitter " +
                                  std::to_string(jitter));
        }
    }
    for (int scenario = 0; scenario < 6; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body = SRandomBody::Make(f, 100 + 20 * scenario);
        ExpectSameYolk(f, "large even " + body.name);
    }
}

TEST(YolkTest, SmallestCircleMeetsEveryLineAndNoSmallerCircleDoes) {
    CRand::Seed(77);
    int checked = 0;
    for (int scenario = 0; scenario < 600; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body = SRandomBody::Make(f, 3 + CRand::Next() % 14);
        const std::vector<CQuotaLine>& lines = f.game.GetQuotaLines();
        const SLineCircle circle = FindSmallestCircle(lines);
        const std::string name = "scenario " + std::to_string(scenario) + " " + body.name;
        for (const CQuotaLine& line : lines)
            EXPECT_LE(DistanceToLine(circle.centre, line.segment), circle.radius + 1e-9) << name;
        if (lines.size() < 3)
            continue;
        // Each triple's own smallest circle is its incircle (or half its strip), so the best
        // of all triples is the least radius any circle meeting every line can have.
        const SYolkTriangle best = FindYolkTriangle(lines, EYolkSearch::Plain);
        EXPECT_NEAR(circle.radius, best.found ? best.radius : 0.0, 1e-9) << name;
        ++checked;
    }
    EXPECT_GT(checked, 200);
}

TEST(YolkTest, ExactYolkMeetsEveryTwoMemberLineWhereTheYolkMayNot) {
    CRand::Seed(2024);
    int missedByTheYolk = 0;
    for (int scenario = 0; scenario < 300; ++scenario) {
        CGameFixture f(10);
        const SRandomBody body = SRandomBody::Make(f, 3 + CRand::Next() % 14);
        const std::string name = "scenario " + std::to_string(scenario) + " " + body.name;
        // The yolk first, so its second pass has appended its lines to the game's list.
        const SYolk yolk = f.game.GetYolk();
        const SLineCircle exact = f.game.GetExactYolk();
        const std::vector<CQuotaLine> twoMember = FindQuotaLines(f.game);
        bool missed = false;
        for (const CQuotaLine& line : twoMember) {
            EXPECT_LE(DistanceToLine(exact.centre, line.segment), exact.radius + 1e-9) << name;
            missed |= DistanceToLine(yolk.center, line.segment) > yolk.radius + 1e-6;
        }
        missedByTheYolk += missed;
        const SLineCircle alone = FindSmallestCircle(twoMember);
        EXPECT_NEAR(exact.radius, alone.radius, 1e-12) << name;
        // Moving the status quo keeps the circle under simple majority and renews it otherwise.
        f.game.SetStatusQuo(CFPoint(SRandomBody::Uniform(0, 100), SRandomBody::Uniform(0, 100)));
        EXPECT_NEAR(f.game.GetExactYolk().radius,
                    FindSmallestCircle(FindQuotaLines(f.game)).radius, 1e-12)
            << name;
    }
    EXPECT_GT(missedByTheYolk, 0) << "even bodies and other rules should show the difference";
}

TEST(YolkTest, WinSetLiesWithinTheYolkBound) {
    CRand::Seed(99);
    for (int scenario = 0; scenario < 6; ++scenario) {
        CGameFixture f(100);
        for (int i = 0; i < 5 + 2 * scenario; ++i)
            f.Add(Uniform(30, 70), Uniform(30, 70));
        const CFPoint centre = f.game.GetYolkCenter();
        const double r = f.game.GetYolkRadius();
        const double cell = std::hypot(f.game.GridMap().UnitX(), f.game.GridMap().UnitY());
        for (const CFPoint& sq :
             {CFPoint(50, 50), CFPoint(20, 80), CFPoint(centre.x + 3, centre.y)}) {
            f.game.SetStatusQuo(sq);
            const double bound = sq.Distance(centre) + 2 * f.game.GetYolkRadius();
            const CFPoint far = f.game.GetWinSetFarPt(centre);
            EXPECT_LE(far.Distance(centre), bound + cell) << "scenario " << scenario << " r " << r;
        }
    }
}

TEST(YolkTest, CardioidReachesTwiceDPlusRTowardsTheYolk) {
    CGameFixture f;
    for (const CFPoint& p : {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77)})
        f.Add(p.x, p.y);
    const CFPoint c = f.game.GetYolkCenter();
    const double r = f.game.GetYolkRadius();
    f.game.SetStatusQuoToYolk();
    EXPECT_EQ(f.game.StatusQuo(), c);
    auto disc = f.game.GetYolkDiscRgn();
    auto cardioid = f.game.GetOuterCardioidRgn();
    ASSERT_TRUE(disc && cardioid);
    EXPECT_TRUE(disc->EqualRgn(*cardioid));
    // A status quo straight below the centre, inside the yolk: the limacon reaches 2(d + r)
    // upwards and 2(r - d) downwards.
    const double d = r / 2;
    f.game.SetStatusQuo(CFPoint(c.x, c.y - d));
    cardioid = f.game.GetOuterCardioidRgn();
    ASSERT_TRUE(cardioid);
    SIntRect box{};
    cardioid->GetRgnBox(&box);
    const SEdges world = f.game.GridMap().CellRectToWorld(box);
    const double unit = f.game.GridMap().UnitY();
    EXPECT_NEAR(std::max(world.top, world.bottom), c.y - d + 2 * (d + r), 2 * unit);
    EXPECT_NEAR(std::min(world.top, world.bottom), c.y - d - 2 * (r - d), 2 * unit);
}

TEST(YolkTest, YolkForAnotherFractionLeavesTheYolkStale) {
    CGameFixture f(40);
    for (const CFPoint& p :
         {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77), CFPoint(40, 40), CFPoint(60, 45)})
        f.Add(p.x, p.y);
    const double majority = f.game.GetYolkRadius();
    const SYolk other = f.game.GetYolkForVoteFraction(0.8);
    EXPECT_NE(other.radius, majority);
    EXPECT_EQ(f.game.VoteRule(), 0.5);
    EXPECT_TRUE(f.game.Stale().IsStale(EConcept::Yolk));
    EXPECT_EQ(f.game.GetYolkRadius(), majority);
}

} // namespace
