// Members added one at a time (a script's AddMember loop) and a whole Monte Carlo scenario
// generated at once (quelta-cli generate montecarlo). A member added to the game adopts the
// status quo alone; handing the game the whole list again (kept as the reference) rebuilt every
// member's preferred-to region at every addition.
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "model/Committee.h"
#include "platform/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

CFPoint Spread(int i) {
    return CFPoint(10.0 + (i * 37 % 800) / 10.0, 10.0 + (i * 91 % 800) / 10.0);
}

/// `n` members added through the document, as a script's AddMember does.
void BM_AddMember(benchmark::State& state) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    for (auto _ : state) {
        CQueltaDoc doc;
        NewWhiteboard(doc);
        for (int i = 0; i < state.range(0); ++i)
            doc.CreateMember(doc.NextMemberID(), "M", Spread(i), PREF_TRADEOFF);
        benchmark::DoNotOptimize(doc.Game().Members().size());
    }
}
BENCHMARK(BM_AddMember)->Arg(2000)->Arg(8000)->Arg(40000)->Unit(benchmark::kMillisecond);

/// The reference: the same, with the whole list handed to the game after every addition.
void BM_AddMemberHandingTheWholeList(benchmark::State& state) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    for (auto _ : state) {
        CQueltaDoc doc;
        NewWhiteboard(doc);
        for (int i = 0; i < state.range(0); ++i) {
            doc.CreateMember(doc.NextMemberID(), "M", Spread(i), PREF_TRADEOFF);
            doc.Game().SetMembers(&doc.Header().currentCommittee->Members());
        }
        benchmark::DoNotOptimize(doc.Game().Members().size());
    }
}
BENCHMARK(BM_AddMemberHandingTheWholeList)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

/// A whole Monte Carlo scenario of `n` uniform members.
void BM_GenerateMonteCarlo(benchmark::State& state) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    for (auto _ : state) {
        CQueltaDoc doc;
        SMonteCarloSettings settings;
        settings.members = static_cast<int>(state.range(0));
        benchmark::DoNotOptimize(NewMonteCarlo(doc, "MonteCarlo", settings, 0));
    }
}
BENCHMARK(BM_GenerateMonteCarlo)->Arg(8000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
