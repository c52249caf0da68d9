#include "RandomBody.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "platform/HeadlessPlatform.h"
#include "thermograph/CustomDistribution.h"
#include "thermograph/Thermograph.h"
#include "thermograph/ThermographFast.h"
#include "thermograph/ThermographValues.h"

#include <benchmark/benchmark.h>

namespace {

/// A random trade-off body on a square chart of the given size.
struct SChartBody : SRandomBody {
    SChartBody(int members, int chart) : SRandomBody(members) {
        game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, chart, chart, 1.0));
        // The uncovered set and the Pareto set are the same for every map: build them once.
        game.GetUncoveredSetArea(20, 0, 1);
        game.GetParetoSetArea();
    }
};

/// One whole map of a mode by the fast path with the given threads (0: every core).
void FastMap(benchmark::State& state, int mode) {
    SChartBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const SThermographSettings settings{20, 0, 1, static_cast<int>(state.range(2))};
    for (auto _ : state)
        benchmark::DoNotOptimize(MapThermographFast(body.game, mode, settings));
}

void BM_ThermographArea(benchmark::State& state) {
    FastMap(state, THERMO_AREA);
}
void BM_ThermographRadius(benchmark::State& state) {
    FastMap(state, THERMO_RADIUS);
}
void BM_ThermographBOD(benchmark::State& state) {
    FastMap(state, THERMO_BOD);
}
BENCHMARK(BM_ThermographArea)
    ->Args({101, 100, 1})
    ->Args({101, 100, 2})
    ->Args({101, 400, 1})
    ->Args({101, 400, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ThermographRadius)
    ->Args({101, 100, 2})
    ->Args({101, 400, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ThermographBOD)
    ->Args({101, 100, 2})
    ->Args({101, 400, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

/// Whether both maps were made and agree in every pixel and in the range.
bool SameMaps(const std::optional<SThermographGrid>& a, const std::optional<SThermographGrid>& b) {
    return a && b && a->values == b->values && a->largest == b->largest &&
           a->smallest == b->smallest;
}

/// The straightforward loop (a status-quo move and the whole concept per pixel); it also
/// checks that the fast path gives the same map.
void ReferenceMap(benchmark::State& state, int mode) {
    SChartBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const SThermographSettings settings{20, 0, 1, 1};
    std::optional<SThermographGrid> reference;
    for (auto _ : state)
        benchmark::DoNotOptimize(reference = MapThermographReference(body.game, mode, settings));
    if (!SameMaps(reference,
                  MapThermographFast(body.game, mode, SThermographSettings{20, 0, 1, 2})))
        state.SkipWithError("the fast map differs from the reference loop");
}
void BM_ThermographAreaReference(benchmark::State& state) {
    ReferenceMap(state, THERMO_AREA);
}
void BM_ThermographRadiusReference(benchmark::State& state) {
    ReferenceMap(state, THERMO_RADIUS);
}
void BM_ThermographBODReference(benchmark::State& state) {
    ReferenceMap(state, THERMO_BOD);
}
BENCHMARK(BM_ThermographAreaReference)
    ->Args({101, 100})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ThermographRadiusReference)
    ->Args({101, 100})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ThermographBODReference)
    ->Args({101, 100})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

/// The generator's body of 101 members drawn uniformly over the whole plane (seed 5, as
/// `quelta-cli generate montecarlo --members 101 --seed 5`) on the document's 400 x 400
/// chart: members far apart, so that win sets about most pixels cover much of the chart.
struct SSpreadBody {
    SSpreadBody() {
        SMonteCarloSettings settings;
        settings.members = 101;
        settings.seed = 5;
        NewMonteCarlo(doc, "MonteCarlo", settings, 0);
        doc.Game().GetUncoveredSetArea(20, 0, 1);
        doc.Game().GetParetoSetArea();
    }
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

/// The win-set area map of the spread body on the given threads.
void BM_ThermographAreaSpread(benchmark::State& state) {
    SSpreadBody body;
    const SThermographSettings settings{20, 0, 1, static_cast<int>(state.range(0))};
    for (auto _ : state)
        benchmark::DoNotOptimize(MapThermographFast(body.doc.Game(), THERMO_AREA, settings));
}
BENCHMARK(BM_ThermographAreaSpread)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

/// The straightforward loop over the spread body's whole chart, once; fails unless the fast
/// map on two threads gives every pixel the same value.
void BM_ThermographAreaSpreadReference(benchmark::State& state) {
    SSpreadBody body;
    std::optional<SThermographGrid> reference;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            reference = MapThermographReference(body.doc.Game(), THERMO_AREA, {20, 0, 1, 1}));
    if (!SameMaps(reference, MapThermographFast(body.doc.Game(), THERMO_AREA, {20, 0, 1, 2})))
        state.SkipWithError("the fast map differs from the reference loop");
}
BENCHMARK(BM_ThermographAreaSpreadReference)->Iterations(1)->Unit(benchmark::kMillisecond);

/// The custom distribution with its levels, on every core.
void BM_ThermographCustom(benchmark::State& state) {
    SChartBody body(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        CThermograph thermograph;
        benchmark::DoNotOptimize(
            MapCustomDistribution(thermograph, body.game, SThermographSettings{20, 0, 1, 2}));
    }
}
BENCHMARK(BM_ThermographCustom)->Args({101, 400})->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
