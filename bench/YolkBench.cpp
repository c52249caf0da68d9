#include "RandomBody.h"
#include "preferences/QuotaLines.h"
#include "preferences/Yolk.h"
#include "preferences/YolkPairSweep.h"

#include <benchmark/benchmark.h>

namespace {

/// The yolk with its quota-line list, to compare two ways of building them.
struct SYolkAnswer {
    double x = 0.0, y = 0.0, radius = 0.0;
    std::vector<CFLineSeg> lines;

    explicit SYolkAnswer(CVotingGame& game) {
        const SYolk& yolk = game.GetYolk();
        x = yolk.center.x;
        y = yolk.center.y;
        radius = yolk.radius;
        for (const CQuotaLine& line : game.GetQuotaLines())
            lines.push_back(line.segment);
    }
    bool operator==(const SYolkAnswer& o) const {
        if (x != o.x || y != o.y || radius != o.radius || lines.size() != o.lines.size())
            return false;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (!(lines[i].GetP1() == o.lines[i].GetP1()) ||
                !(lines[i].GetP2() == o.lines[i].GetP2()))
                return false;
        return true;
    }
};

/// The whole yolk as the game builds it when stale: quota lines, the power ranking of the
/// second pass and both passes (an even body's pair tests weighed through the quota-line
/// sweep's fans). Fails unless the yolk and the lines equal those of the separate sweeps.
void BM_Yolk(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.game.InvalidateAll();
        benchmark::DoNotOptimize(body.game.GetYolkRadius());
    }
    const SYolkAnswer shared(body.game);
    body.game.InvalidateAll();
    body.game.GetQuotaLines();
    if (!(SYolkAnswer(body.game) == shared))
        state.SkipWithError("the yolk from shared fans differs from the separate sweeps");
    state.counters["lines"] = static_cast<double>(body.game.GetQuotaLines().size());
}
BENCHMARK(BM_Yolk)
    ->Arg(5)
    ->Arg(101)
    ->Arg(434)
    ->Arg(435)
    ->Arg(1000)
    ->Arg(1001)
    ->Arg(2000)
    ->Arg(2001)
    ->Arg(10000)
    ->Arg(10001)
    ->Unit(benchmark::kMillisecond);

/// The same with the quota lines found first, so that the second pass aims fans of its own
/// (as when the quota lines were already known).
void BM_YolkSeparateSweeps(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.game.InvalidateAll();
        body.game.GetQuotaLines();
        benchmark::DoNotOptimize(body.game.GetYolkRadius());
    }
}
BENCHMARK(BM_YolkSeparateSweeps)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

/// The yolk of a crowded electorate (normal about the middle), as the game builds it when
/// stale.
void BM_YolkOfCrowd(benchmark::State& state) {
    SCrowdBody body(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.game.InvalidateAll();
        benchmark::DoNotOptimize(body.game.GetYolkRadius());
    }
    state.counters["lines"] = static_cast<double>(body.game.GetQuotaLines().size());
}
BENCHMARK(BM_YolkOfCrowd)->Arg(3000)->Arg(10000)->Arg(10001)->Unit(benchmark::kMillisecond);

/// Once: the even crowd's pair tests through the sorted fan, which weighs every pair (the
/// reference), against the game's; fails unless the pairs, their weights and the yolk built
/// from either record are the same.
void BM_YolkPairsOfCrowdSortedFan(benchmark::State& state) {
    SCrowdBody body(static_cast<int>(state.range(0)));
    body.game.InvalidateAll();
    const SYolk fast = body.game.GetYolk();
    const std::vector<SMemberPower> ranked =
        body.game.GetMembersByPower(0, kYolkPowerDirections, kYolkPowerOffset);
    const CVoterSet voters(body.game.Members());
    SPairPerpendiculars sorted, best;
    for (auto _ : state)
        sorted = FindPairPerpendiculars(body.game, ranked, voters, EApexFan::Sorted);
    best = FindPairPerpendiculars(body.game, ranked, voters, EApexFan::Best);
    bool same = sorted.pairs.size() == best.pairs.size();
    for (std::size_t k = 0; same && k < best.pairs.size(); ++k) {
        const SPairPerpendiculars::SPair &a = best.pairs[k], &b = sorted.pairs[k];
        same = a.i == b.i && a.j == b.j && a.throughI.positive == b.throughI.positive &&
               a.throughI.negative == b.throughI.negative && a.throughI.on == b.throughI.on &&
               a.throughJ.positive == b.throughJ.positive &&
               a.throughJ.negative == b.throughJ.negative && a.throughJ.on == b.throughJ.on;
    }
    std::vector<CQuotaLine> lines = FindQuotaLines(body.game);
    SYolk reference;
    FindYolk(body.game, lines, reference, EYolkSearch::Pruned, &sorted);
    if (!same || reference.center.x != fast.center.x || reference.center.y != fast.center.y ||
        reference.radius != fast.radius)
        state.SkipWithError("the pair tests differ from the sorted fan's");
    state.counters["pairs"] = static_cast<double>(best.pairs.size());
}
BENCHMARK(BM_YolkPairsOfCrowdSortedFan)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

/// The yolk again after the status quo moved under simple majority (every member's region is
/// rebuilt with the move): the quota lines and the second pass's pair tests stand, so only the
/// passes over the lines are repeated.
void BM_YolkAfterStatusQuoMove(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    body.game.GetYolk();
    int step = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(CFPoint(40 + (step++ % 20), 45));
        benchmark::DoNotOptimize(body.game.GetYolkRadius());
    }
}
BENCHMARK(BM_YolkAfterStatusQuoMove)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

/// The reference yolk (every triple, and every pair of the even second pass against every
/// member), for the sizes where it is affordable.
void BM_YolkPlain(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    SYolk yolk;
    for (auto _ : state) {
        std::vector<CQuotaLine> lines = body.game.GetQuotaLines();
        FindYolk(body.game, lines, yolk, EYolkSearch::Plain);
    }
    std::vector<CQuotaLine> lines = body.game.GetQuotaLines();
    SYolk pruned;
    FindYolk(body.game, lines, pruned, EYolkSearch::Pruned);
    if (pruned.center.x != yolk.center.x || pruned.center.y != yolk.center.y ||
        pruned.radius != yolk.radius || pruned.extraPoints.size() != yolk.extraPoints.size())
        state.SkipWithError("the pruned yolk differs from the reference");
}
BENCHMARK(BM_YolkPlain)->Arg(100)->Arg(101)->Iterations(1)->Unit(benchmark::kMillisecond);

/// The triangle search alone over the body's quota lines; the plain search also checks that
/// the pruned one picks the same triangle.
void TriangleSearch(benchmark::State& state, EYolkSearch search) {
    SRandomBody body(static_cast<int>(state.range(0)));
    const std::vector<CQuotaLine> lines = FindQuotaLines(body.game);
    SYolkTriangle result;
    for (auto _ : state)
        benchmark::DoNotOptimize(result = FindYolkTriangle(lines, search));
    const SYolkTriangle pruned = FindYolkTriangle(lines, EYolkSearch::Pruned);
    if (result.lines != pruned.lines || result.radius != pruned.radius)
        state.SkipWithError("pruned search differs from the plain one");
    state.counters["lines"] = static_cast<double>(lines.size());
}

void BM_YolkTrianglePlain(benchmark::State& state) {
    TriangleSearch(state, EYolkSearch::Plain);
}
BENCHMARK(BM_YolkTrianglePlain)->Arg(5)->Arg(101)->Unit(benchmark::kMillisecond);
// Every triple of a 435-member house takes seconds: one pass proves the pruned search equal.
BENCHMARK(BM_YolkTrianglePlain)->Arg(435)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_YolkTrianglePruned(benchmark::State& state) {
    TriangleSearch(state, EYolkSearch::Pruned);
}
BENCHMARK(BM_YolkTrianglePruned)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);

} // namespace
