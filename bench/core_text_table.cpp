// The text table at its largest, 20 lines of 200 points: writing it, and
// reading it back into the state with the image positions recomputed.
#include "core/io/text_table.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<vex::AppState> fullState() {
    auto s = std::make_unique<vex::AppState>();
    vex::Dep2D& d = s->dep;
    d.NLines = vex::LinesMax;
    for (int j = 1; j <= vex::LinesMax; ++j) {
        d.NPoints(j) = vex::PointsMax;
        d.LineParam(j) = 0.125f * static_cast<float>(j);
        for (int k = 1; k <= vex::PointsMax; ++k) {
            d.ArgX(j, k) = 1.0e-3f * static_cast<float>(k * k) - 7.5f;
            d.ValY(j, k) = 3.0e4f / static_cast<float>(k + j);
        }
    }
    return s;
}

void BM_WriteFullTable(benchmark::State& state) {
    const auto s = fullState();
    for (auto _ : state) benchmark::DoNotOptimize(vex::textTableText(s->dep));
}

void BM_ParseAndApplyFullTable(benchmark::State& state) {
    const auto s = fullState();
    const std::string text = vex::textTableText(s->dep);
    const auto table = std::make_unique<vex::ImportedTable>();
    for (auto _ : state) {
        const vex::TableReadResult r = vex::parseTextTable(text, "bench.dat", *table);
        if (r.failure || r.code != vex::TableLoaded) state.SkipWithError("table not read");
        vex::applyImportedTable(*s, *table);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_WriteFullTable);
BENCHMARK(BM_ParseAndApplyFullTable);

} // namespace
