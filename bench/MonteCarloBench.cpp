// The Monte Carlo draw: candidates per second for a uniform draw of the largest member count,
// with and without a watcher of its progress, and how long a distribution that rarely falls
// inside the box takes per accepted point (the draws the dialog runs on a worker thread).
#include "montecarlo/MonteCarloDraw.h"
#include "montecarlo/RandomDeviates.h"

#include <benchmark/benchmark.h>

namespace {

const SEdges kBox{0.0, 100.0, 100.0, 0.0};

void Draw(benchmark::State& state, const SMonteCarloSettings& settings, bool watched) {
    std::int64_t candidates = 0;
    std::int64_t accepted = 0;
    for (auto _ : state) {
        ResetRandomDeviates();
        SMonteCarloSettings s = settings;
        SMonteCarloProgress progress;
        const SMonteCarloDraw draw = RunMonteCarloDraw(s, kBox, 0, watched ? &progress : nullptr);
        candidates += draw.candidates;
        accepted += draw.accepted;
        benchmark::DoNotOptimize(draw.points.data());
    }
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["points/s"] =
        benchmark::Counter(static_cast<double>(accepted), benchmark::Counter::kIsRate);
}

SMonteCarloSettings Uniform(int members) {
    SMonteCarloSettings s;
    s.members = members;
    return s;
}

/// Both axes normal far below the box: about one candidate in seventeen thousand falls inside
/// (a point's two coordinates come from one normal pair, whose tails go together).
SMonteCarloSettings Rare(int members) {
    SMonteCarloSettings s;
    s.members = members;
    s.distributionH = s.distributionV = MC_NORMAL;
    s.meanH = s.meanV = -250;
    s.stdDevH = s.stdDevV = 100;
    return s;
}

void BM_MonteCarloDrawUniform(benchmark::State& state) {
    Draw(state, Uniform(static_cast<int>(state.range(0))), false);
}
BENCHMARK(BM_MonteCarloDrawUniform)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MonteCarloDrawUniformWatched(benchmark::State& state) {
    Draw(state, Uniform(static_cast<int>(state.range(0))), true);
}
BENCHMARK(BM_MonteCarloDrawUniformWatched)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MonteCarloDrawRare(benchmark::State& state) {
    Draw(state, Rare(static_cast<int>(state.range(0))), false);
}
BENCHMARK(BM_MonteCarloDrawRare)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_MonteCarloDrawRareWatched(benchmark::State& state) {
    Draw(state, Rare(static_cast<int>(state.range(0))), true);
}
BENCHMARK(BM_MonteCarloDrawRareWatched)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace
