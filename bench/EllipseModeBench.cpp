#include "RandomBody.h"
#include "geometry/MappedRegion.h"

#include <benchmark/benchmark.h>

namespace {

/// Status quo positions the benchmarks alternate between, so every iteration moves it.
const CFPoint kStatusQuos[2] = {CFPoint(45, 52), CFPoint(55, 47)};

/// Moves the status quo and asks for the win set: the vote grid is recounted (exact ellipses
/// from the members' rows, polygons from their regions, rebuilt) and thresholded. Arguments:
/// members, chart size, ellipse corners (0 exact).
void BM_WinSetByEllipseMode(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    body.game.SetPrefVertices(static_cast<int>(state.range(2)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        benchmark::DoNotOptimize(body.game.GetWinSet().GetArea());
    }
}

/// The members' regions alone.
void BM_MemberRegionsByEllipseMode(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    body.game.SetPrefVertices(static_cast<int>(state.range(2)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        BuildEveryRegion(body.game);
    }
}

} // namespace

BENCHMARK(BM_WinSetByEllipseMode)
    ->Args({101, 400, 0})
    ->Args({101, 400, 40})
    ->Args({101, 1600, 0})
    ->Args({101, 1600, 40})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemberRegionsByEllipseMode)
    ->Args({101, 400, 0})
    ->Args({101, 400, 40})
    ->Args({101, 1600, 0})
    ->Args({101, 1600, 40})
    ->Unit(benchmark::kMillisecond);
