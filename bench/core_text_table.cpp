// The text table at its largest, 20 lines of 200 points: writing it, and
// reading it back into the state with the image positions recomputed.
#include "core/io/text_table.h"

#include "full_document.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using vex::bench::fullState;

void BM_WriteFullTable(benchmark::State& state) {
    const auto s = fullState();
    for (auto _ : state) benchmark::DoNotOptimize(vex::textTableText(s->doc));
}

void BM_ParseAndApplyFullTable(benchmark::State& state) {
    const auto s = fullState();
    const std::string text = vex::textTableText(s->doc);
    const auto table = std::make_unique<vex::ImportedTable>();
    for (auto _ : state) {
        const vex::TableReadResult r = vex::parseTextTable(text, "bench.dat", *table);
        if (r.failure || r.code != vex::TableLoaded) state.SkipWithError("table not read");
        vex::applyImportedTable(s->doc, *table);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_WriteFullTable);
BENCHMARK(BM_ParseAndApplyFullTable);

} // namespace
