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

/// Every member's region built again after a status-quo move (each region is built when it is
/// asked for).
void BM_MemberRegionsAfterStatusQuoMove(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        BuildEveryRegion(body.game);
    }
}

/// The vote grid alone over regions already built: run ends and running sums, or every cell
/// of every run.
void VoteGrid(benchmark::State& state, EVoteGridMethod method) {
    SRandomBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    CVoteGrid grid;
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.Build(body.game, method, ECellSource::Regions));
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

namespace {

/// Status quos off the crowd's middle, where its win set holds some thousands of cells.
const CFPoint kCrowdStatusQuos[2] = {CFPoint(56, 47), CFPoint(55, 48)};

/// The win set's area, box and region after each status-quo move (every region renewed), the
/// grid counted from the members' rows or, for the reference, from their regions.
void WinSetOfCrowd(benchmark::State& state, ECellSource source) {
    SCrowdBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    double cells = 0.0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kCrowdStatusQuos[turn ^= 1]);
        CVoteGrid grid;
        grid.Build(body.game, EVoteGridMethod::RunEnds, source);
        const CMappedRegion winSet(grid.Grid(), body.game.VoteQuota(), body.game.GridMap(),
                                   body.game.StatusQuo());
        benchmark::DoNotOptimize(winSet.GetWorldBox());
        cells = winSet.GetArea() / body.game.GridMap().CellArea();
    }
    state.counters["winSetCells"] = cells;
}

void BM_WinSetOfCrowd(benchmark::State& state) {
    WinSetOfCrowd(state, ECellSource::MemberRows);
}

/// The reference count over every member's region; fails unless the grid from the members'
/// rows (counted first, before any region is built) holds the same number in every cell.
void BM_WinSetOfCrowdFromRegions(benchmark::State& state) {
    WinSetOfCrowd(state, ECellSource::Regions);
    SCrowdBody body(static_cast<int>(state.range(0)));
    body.game.SetStatusQuo(kCrowdStatusQuos[0]);
    CVoteGrid rows, regions;
    rows.Build(body.game, EVoteGridMethod::RunEnds, ECellSource::MemberRows);
    regions.Build(body.game, EVoteGridMethod::RunEnds, ECellSource::Regions);
    const CRegion& a = rows.Grid();
    const CRegion& b = regions.Grid();
    for (int r = 0; r < a.Rows(); ++r)
        for (int c = 0; c < a.Columns(); ++c)
            if (!(a.At(r, c) == b.At(r, c)))
                return state.SkipWithError("the grid from rows differs from the regions'");
}

/// Generating the crowd alone: members placed and joined to the game, no region built.
void BM_CrowdJoinsTheGame(benchmark::State& state) {
    for (auto _ : state) {
        SCrowdBody body(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(body.game.Members().size());
    }
}

} // namespace

BENCHMARK(BM_WinSetOfCrowd)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSetOfCrowdFromRegions)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_CrowdJoinsTheGame)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
