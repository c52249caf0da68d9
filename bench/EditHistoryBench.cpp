// The edit history of a large body: each step keeps the scenario's text, about 250 bytes a
// member, so a body of 100,000 members weighs some 25 MB a step. The history forgets its
// oldest steps beyond its budget; the counters show how many steps a body keeps and what they
// weigh after 60 moves of a member.
#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "model/Member.h"
#include "montecarlo/MonteCarloSettings.h"
#include "platform/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

namespace {

/// One member moved and recorded as a step, as a drag's release records it, on a generated
/// body of `state.range(0)` members; 60 steps in all.
void BM_EditHistoryStep(benchmark::State& state) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    SMonteCarloSettings settings;
    settings.members = static_cast<int>(state.range(0));
    if (NewMonteCarlo(doc, "Body", settings, 0) != EMonteCarloResult::Generated) {
        state.SkipWithError("the body was not generated");
        return;
    }
    const std::string moved = doc.Game().Members().front()->MemberID();
    int step = 0;
    for (auto _ : state) {
        ++step;
        doc.SetMemberIdealPoint(moved, CFPoint(10.0 + step % 50, 20.0));
        CommitEdit(doc, "Move Member");
    }
    state.counters["steps_kept"] = static_cast<double>(doc.History().StepNames().size());
    state.counters["history_MiB"] = static_cast<double>(doc.History().Weight()) / (1 << 20);
}
BENCHMARK(BM_EditHistoryStep)
    ->Arg(101)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(60)
    ->Unit(benchmark::kMillisecond);

} // namespace
