#include "RandomBody.h"
#include "preferences/QuotaLineSweep.h"
#include "preferences/QuotaLines.h"

#include <benchmark/benchmark.h>

namespace {

/// The same lines in the same order, with the same members and flags.
bool SameLines(const std::vector<CQuotaLine>& a, const std::vector<CQuotaLine>& b) {
    bool same = a.size() == b.size();
    for (std::size_t i = 0; same && i < a.size(); ++i)
        same = a[i].memberA == b[i].memberA && a[i].memberB == b[i].memberB &&
               a[i].quotaLine == b[i].quotaLine && a[i].qualified == b[i].qualified;
    return same;
}

/// The quota lines by the direction sweep; the first pass checks them against the reference
/// for bodies where the reference is affordable.
void BM_QuotaLines(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    std::vector<CQuotaLine> lines;
    for (auto _ : state)
        benchmark::DoNotOptimize(lines = FindQuotaLines(body.game));
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_QuotaLines)
    ->Arg(101)
    ->Arg(435)
    ->Arg(1001)
    ->Arg(2001)
    ->Arg(10000)
    ->Arg(10001)
    ->Unit(benchmark::kMillisecond);

/// The lines with every apex's voters sorted by direction (the reference for the bucket fan);
/// fails unless the bucket fan gives the same lines in the same order.
void BM_QuotaLinesSortedFan(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    const CVoterSet voters(body.game.Members());
    std::vector<CQuotaLine> lines;
    for (auto _ : state)
        benchmark::DoNotOptimize(lines =
                                     FindQuotaLinesSwept(body.game, voters, {}, EApexFan::Sorted));
    if (!SameLines(FindQuotaLinesSwept(body.game, voters), lines))
        state.SkipWithError("the bucket fan differs from the sorted fan");
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_QuotaLinesSortedFan)
    ->Arg(2001)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

/// The reference: every pair against every member.
void BM_QuotaLinesNaive(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    std::vector<CQuotaLine> lines;
    for (auto _ : state)
        benchmark::DoNotOptimize(lines = FindQuotaLinesNaive(body.game));
    const bool same = SameLines(FindQuotaLines(body.game), lines);
    if (!same)
        state.SkipWithError("the sweep differs from the reference");
    state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_QuotaLinesNaive)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuotaLinesNaive)->Arg(1001)->Arg(2001)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
