#include "RandomBody.h"
#include "concepts/PowerIndex.h"

#include <benchmark/benchmark.h>

namespace {

/// The power index over the configured 31 directions.
void BM_PowerIndex(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    for (auto _ : state)
        body.game.FindPowerIndex(31, 0.0);
}
BENCHMARK(BM_PowerIndex)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMicrosecond);

} // namespace
