#include "geometry/Region.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

/// A value grid like the vote grid of a win set: a disc with a ragged rim, plus one row and one
/// column that are never filled.
CRegion DiscGrid(int size) {
    CRegion grid(size + 1, size + 1);
    const double centre = size / 2.0;
    for (int i = 0; i < size; ++i)
        for (int j = 0; j < size; ++j) {
            const double r = std::hypot(i - centre, j - centre) / centre;
            grid.At(i, j) = 1.0 - r + 0.02 * std::sin(i * 0.7 + j * 1.3);
        }
    return grid;
}

/// Every qualifying cell united on its own: the method the run builder replaces.
CRgn CellByCell(const CRegion& grid, double threshold) {
    QRegion region;
    for (int i = 0; i < grid.Rows(); ++i)
        for (int j = 0; j + 1 < grid.Columns(); ++j)
            if (grid.At(i, j) >= threshold)
                region += QRect(j, i, 1, 1);
    CRgn rgn;
    rgn.FromQRegion(region);
    return rgn;
}

void BM_GetRgnRuns(benchmark::State& state) {
    const CRegion grid = DiscGrid(static_cast<int>(state.range(0)));
    long long count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.GetRgn(0.3, QPoint(0, 0), count));
    state.counters["cells"] = static_cast<double>(count);
}

void BM_GetRgnCellByCell(benchmark::State& state) {
    const CRegion grid = DiscGrid(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CellByCell(grid, 0.3));
}

} // namespace

BENCHMARK(BM_GetRgnRuns)->Arg(200)->Arg(400)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetRgnCellByCell)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
