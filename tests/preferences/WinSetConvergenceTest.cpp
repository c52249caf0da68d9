#include "GameFixture.h"
#include "RandomBody.h"
#include "document/ChartFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

/// A member's disc of preferred points: about its ideal point, through the status quo.
struct SDisc {
    double x, y, radius, vote;
};

/// What integrating the winning points along lines gives: the area, the total variation of
/// the boundary across the lines (the number of crossings times the step), and the extent.
struct SStrips {
    double area = 0.0;
    double crossings = 0.0;
    double low = 1e300, high = -1e300;
};

/// Integrates the points of [0, 100] x [0, 100] whose summed vote reaches the quota along
/// lines of the first coordinate, `steps` lines at their midpoints. Along each line every disc
/// is an interval found from the circle's equation, and a sweep over the interval ends sums
/// the votes exactly.
SStrips Integrate(const std::vector<SDisc>& discs, double quota, int steps, bool swapped) {
    SStrips strips;
    const double h = 100.0 / steps;
    std::vector<std::pair<double, double>> ends;
    for (int i = 0; i < steps; ++i) {
        const double line = (i + 0.5) * h;
        ends.clear();
        for (const SDisc& d : discs) {
            const double across = (swapped ? d.x : d.y) - line;
            const double along = swapped ? d.y : d.x;
            if (std::fabs(across) >= d.radius)
                continue;
            const double half = std::sqrt(d.radius * d.radius - across * across);
            ends.emplace_back(along - half, d.vote);
            ends.emplace_back(along + half, -d.vote);
        }
        std::sort(ends.begin(), ends.end());
        double sum = 0.0, start = 0.0;
        for (const auto& [at, change] : ends) {
            const bool before = sum >= quota - 1e-9;
            sum += change;
            const bool after = sum >= quota - 1e-9;
            if (!before && after) {
                start = at;
            } else if (before && !after) {
                const double a = std::clamp(start, 0.0, 100.0), b = std::clamp(at, 0.0, 100.0);
                strips.area += (b - a) * h;
                strips.crossings += 2 * h;
                strips.low = std::min(strips.low, start);
                strips.high = std::max(strips.high, at);
            }
        }
    }
    return strips;
}

/// A body of n trade-off members, uniform over the middle of the plane.
void MakeBody(CGameFixture& f, int n, bool weighted, double rule) {
    for (int i = 0; i < n; ++i)
        f.AddQuietly(SRandomBody::Uniform(25, 75), SRandomBody::Uniform(25, 75), PREF_TRADEOFF,
                     weighted ? 1 + CRand::Next() % 4 : 1);
    f.Refresh();
    f.game.SetWeightedVoting(weighted ? 1 : 0);
    f.game.SetVoteRule(rule);
}

struct SCase {
    const char* name;
    int members;
    bool weighted;
    double rule;
    int statusQuo; ///< 0 the centre of the plane, 1 the yolk's centre, 2 towards the edge
};

} // namespace

// The win set is the cells whose centres are won, so its area approaches the true one as the
// grid gets finer and misses by no more than a cell's width along the boundary.
TEST(WinSetConvergenceTest, AreasApproachTheTrueWinSet) {
    const SCase cases[] = {
        {"3 members, 1/2, edge", 3, false, 0.5, 2},
        {"11 weighted members, 2/3, centre", 11, true, 2.0 / 3.0, 0},
        {"101 members, 1/2, centre", 101, false, 0.5, 0},
        {"101 weighted members, 2/3, edge", 101, true, 2.0 / 3.0, 2},
        {"101 weighted members, 1/2, yolk", 101, true, 0.5, 1},
        {"435 members, 1/2, yolk", 435, false, 0.5, 1},
        {"435 weighted members, 1/2, edge", 435, true, 0.5, 2},
    };
    CRand::Seed(19);
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CGameFixture f(400);
        MakeBody(f, c.members, c.weighted, c.rule);
        const CFPoint sq = c.statusQuo == 0   ? CFPoint(50, 50)
                           : c.statusQuo == 1 ? f.game.GetYolkCenter()
                                              : CFPoint(68, 38);
        f.game.SetStatusQuo(sq);
        std::vector<SDisc> discs;
        for (const auto& m : f.owned)
            discs.push_back({m->IdealPoint().x, m->IdealPoint().y, m->IdealPoint().Distance(sq),
                             m->EffectiveVote()});
        const double quota = f.game.VoteQuota();
        const SStrips rows = Integrate(discs, quota, 20000, false);
        const SStrips columns = Integrate(discs, quota, 20000, true);
        ASSERT_GT(rows.area, 0.0);
        // The true win set lies inside the chart, so the chart's edge cuts nothing off.
        ASSERT_GT(std::min(rows.low, columns.low), 1.0);
        ASSERT_LT(std::max(rows.high, columns.high), 99.0);
        // The boundary's length is at most the sum of its variations across rows and columns.
        const double boundary = rows.crossings + columns.crossings;
        for (const int size : {400, 800, 1600}) {
            f.game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, size, size, 1.0));
            const double area = f.game.GetWinSetArea();
            const double cellWidth = 100.0 / size;
            EXPECT_NEAR(area, rows.area, boundary * cellWidth)
                << size << "x" << size << ": exact " << rows.area << ", boundary " << boundary;
            if (size == 1600) {
                EXPECT_NEAR(area, rows.area, 0.02 * rows.area + 4 * cellWidth * cellWidth)
                    << "fine grids come close";
            }
        }
    }
}
