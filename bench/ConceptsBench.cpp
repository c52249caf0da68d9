#include "RandomBody.h"
#include "concepts/BanksSet.h"
#include "concepts/EnclosedCells.h"
#include "concepts/Heart.h"
#include "geometry/FTriangle.h"
#include "geometry/RgnHelpers.h"
#include "preferences/QuotaLines.h"

#include <benchmark/benchmark.h>

namespace {

// The configuration block's defaults.
constexpr int kCoreSamples = 60;
constexpr int kGridSize = 20;
constexpr int kChains = 5;
constexpr int kResolution = 25;

// Every iteration starts from a scenario whose concepts are all stale (as after loading it),
// so quota lines, Pareto set and yolk are rebuilt too.
void BM_Heart(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.game.InvalidateAll();
        benchmark::DoNotOptimize(body.game.GetHeartArea(kCoreSamples));
    }
    state.counters["quotaLines"] = static_cast<double>(body.game.GetQuotaLines().size());
    state.counters["cells"] =
        static_cast<double>(RgnCellCount(*body.game.GetHeartRgn(kCoreSamples)));
}

/// The union of the quota-line triangles one polygon region at a time (the reference).
void BM_HeartTrianglesNaive(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    const std::vector<CQuotaLine> lines = body.game.GetQuotaLines();
    for (auto _ : state) {
        CRgn heart;
        heart.CreateRectRgn(0, 0, 0, 0);
        for (std::size_t i = 0; i < lines.size(); ++i)
            for (std::size_t j = i + 1; j < lines.size(); ++j)
                for (std::size_t k = j + 1; k < lines.size(); ++k) {
                    const CFTriangle t(lines[i].segment, lines[j].segment, lines[k].segment);
                    if (t.IsDegenerate())
                        continue;
                    const CGridMap& map = body.game.GridMap();
                    CRgn triangle;
                    CreateTriangleRgn(triangle, map.WorldToCell(t.GetVertex(0)),
                                      map.WorldToCell(t.GetVertex(1)),
                                      map.WorldToCell(t.GetVertex(2)));
                    heart.CombineRgn(heart, triangle, RGN_OR);
                }
        heart.CombineRgn(heart, *body.game.GetParetoSetRgn(), RGN_AND);
        state.counters["cells"] = static_cast<double>(RgnCellCount(heart));
    }
}

/// The Pareto set's bounding box, the window the heart is counted in.
SIntRect ParetoWindow(CVotingGame& game) {
    SIntRect window{};
    game.GetParetoSetRgn()->GetRgnBox(&window);
    return window;
}

/// The cells strictly inside some triangle of three quota lines, decided from the sides of the
/// lines alone, clipped to the Pareto set, from a scenario whose concepts are all stale (as
/// BM_Heart); then the cells where it differs from the corner-triangle heart.
void BM_HeartEnclosedCells(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    CRgn cells;
    for (auto _ : state) {
        body.game.InvalidateAll();
        cells = CellsEnclosedByLines(QuotaLinesInCells(body.game), ParetoWindow(body.game));
        cells.CombineRgn(cells, *body.game.GetParetoSetRgn(), RGN_AND);
    }
    const SIntRect window = ParetoWindow(body.game);
    const std::vector<SCellLine> lines = QuotaLinesInCells(body.game);
    const std::unique_ptr<CRgn> pareto = body.game.GetParetoSetRgn();
    state.counters["quotaLines"] = static_cast<double>(lines.size());
    state.counters["cells"] = static_cast<double>(RgnCellCount(cells));
    if (state.range(1) == 0)
        return;
    CRgn triangles = QuotaLineTriangles(body.game, window);
    triangles.CombineRgn(triangles, *pareto, RGN_AND);
    CRgn only;
    only.CombineRgn(triangles, cells, RGN_DIFF);
    state.counters["onlyTriangles"] = static_cast<double>(RgnCellCount(only));
    only.CombineRgn(cells, triangles, RGN_DIFF);
    state.counters["onlyEnclosed"] = static_cast<double>(RgnCellCount(only));
    state.counters["triangleCells"] = static_cast<double>(RgnCellCount(triangles));
}

void BM_UncoveredSet(benchmark::State& state, int bjs) {
    SRandomBody body(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.game.InvalidateAll();
        benchmark::DoNotOptimize(body.game.GetUncoveredSetArea(kGridSize, 0, bjs));
    }
}

void BM_UncoveredSetGrid(benchmark::State& state) {
    BM_UncoveredSet(state, 0);
}

void BM_UncoveredSetBJS(benchmark::State& state) {
    BM_UncoveredSet(state, 1);
}

void BM_BanksSet(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        body.game.InvalidateAll();
        benchmark::DoNotOptimize(RgnCellCount(*body.game.GetBanksSetRgn(kChains, kResolution)));
    }
}

} // namespace

BENCHMARK(BM_Heart)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeartEnclosedCells)
    ->Args({5, 1})
    ->Args({101, 1})
    ->Args({435, 1})
    ->Args({1001, 0})
    ->Args({2001, 0})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeartTrianglesNaive)->Arg(5)->Arg(101)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_UncoveredSetGrid)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UncoveredSetBJS)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BanksSet)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
