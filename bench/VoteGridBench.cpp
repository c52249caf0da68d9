#include "RandomBody.h"
#include "geometry/MappedRegion.h"
#include "preferences/VoteGrid.h"

#include <benchmark/benchmark.h>

namespace {

/// Status quo positions the benchmarks alternate between, so every iteration moves it.
const CFPoint kStatusQuos[2] = {CFPoint(45, 52), CFPoint(55, 47)};

void BM_WinSetAfterStatusQuoMove(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        benchmark::DoNotOptimize(body.game.GetWinSet().GetArea());
    }
}

void BM_WinSetAfterStatusQuoMoveNaive(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        const CRegion grid = CVoteGrid::BuildNaive(body.game);
        const CMappedRegion winSet(grid, body.game.VoteQuota(), body.game.GridMap(),
                                   body.game.StatusQuo());
        benchmark::DoNotOptimize(winSet.GetArea());
    }
}

void BM_MemberRegionsAfterStatusQuoMove(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state)
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
}

/// The vote grid alone over regions already built: run ends and running sums, or every cell
/// of every run.
void VoteGrid(benchmark::State& state, EVoteGridMethod method) {
    SRandomBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CVoteGrid grid;
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.Build(body.game, method));
}

void BM_VoteGridRunEnds(benchmark::State& state) {
    VoteGrid(state, EVoteGridMethod::RunEnds);
}

void BM_VoteGridRunCells(benchmark::State& state) {
    VoteGrid(state, EVoteGridMethod::RunCells);
}

void BM_WinSetAfterStatusQuoMoveOnChart(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        benchmark::DoNotOptimize(body.game.GetWinSet().GetArea());
    }
}

} // namespace

BENCHMARK(BM_VoteGridRunEnds)
    ->Args({101, 400})
    ->Args({101, 1600})
    ->Args({435, 400})
    ->Args({2001, 400})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VoteGridRunCells)
    ->Args({101, 400})
    ->Args({101, 1600})
    ->Args({435, 400})
    ->Args({2001, 400})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSetAfterStatusQuoMoveOnChart)->Args({101, 1600})->Unit(benchmark::kMillisecond);

BENCHMARK(BM_WinSetAfterStatusQuoMove)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSetAfterStatusQuoMoveNaive)->Arg(101)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemberRegionsAfterStatusQuoMove)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
