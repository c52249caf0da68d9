// Reading a scenario whose members share one ID: each repeated ID is renamed to the first free
// ID-2, ID-3, ... The index renames in constant time per member; the scan it replaced (kept as
// the reference) compared every candidate with every member read so far.
#include "document/MemberIds.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

/// Claims `n` IDs that are all the same, through the index.
void BM_ClaimRepeatedIds(benchmark::State& state) {
    for (auto _ : state) {
        CMemberIds ids;
        for (int i = 0; i < state.range(0); ++i)
            benchmark::DoNotOptimize(ids.Claim("X"));
    }
}
BENCHMARK(BM_ClaimRepeatedIds)->Arg(2000)->Arg(8000)->Arg(40000)->Unit(benchmark::kMillisecond);

/// The same through the reference scan (cubic in n: only small counts).
void BM_ClaimRepeatedIdsByScan(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::string> taken;
        for (int i = 0; i < state.range(0); ++i)
            taken.push_back(UniqueMemberIdByScan(taken, "X"));
        benchmark::DoNotOptimize(taken.data());
    }
}
BENCHMARK(BM_ClaimRepeatedIdsByScan)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

/// Reads a scenario file of `n` members that all share one ID (what `quelta-cli info` does).
void BM_ReadRepeatedIds(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("twins.txt").toStdString();
    {
        std::ofstream file(path);
        file << "GAME PARAMETERS BEGIN\nGroup\tG\tC1\nDimension\tA\tD1\t0\t100\n"
                "Dimension\tB\tD2\t0\t100\nDecision Rule\tr\t0.5\nStatus Quo\tr\tr\t50\t50\n"
                "Proposal\tr\tr\t50\t50\n";
        for (int i = 0; i < state.range(0); ++i)
            file << "Player\tTwin\tX\t" << 10 + i % 80 << "\t" << 20 + i % 70 << "\n";
        file << "GAME PARAMETERS END\n";
    }
    for (auto _ : state) {
        CRecordingPlatform platform;
        CScopedPlatform scope(platform);
        CQueltaDoc doc;
        benchmark::DoNotOptimize(ReadScenarioFile(doc, path));
    }
}
BENCHMARK(BM_ReadRepeatedIds)->Arg(2000)->Arg(8000)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace
