// The history of edits on a full document (20 lines of 200 points): what
// recording one edit costs after each user action, what stepping back and
// forth costs, and how much memory a step holds.
#include "core/document/document_step.h"
#include "core/state/app_state.h"
#include "core/state/current_inside.h"

#include "full_document.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using vex::bench::fullState;

// One point dragged, or every point of every line moved (the largest step).
void edit(vex::AppState& s, bool everything) {
    for (int j = 1; j <= (everything ? vex::LinesMax : 1); ++j)
        for (int k = everything ? 1 : 100; k <= (everything ? vex::PointsMax : 100); ++k)
            s.doc.PixY(j, k) += 1.0f;
}

// After every user action: the document taken and compared, and a step made.
void BM_RecordAnEdit(benchmark::State& state) {
    const auto s = fullState();
    vex::Document known = s->doc;
    std::size_t bytes = 0;
    for (auto _ : state) {
        edit(*s, state.range(0) != 0);
        vex::Document now = s->doc;
        std::optional<vex::DocumentStep> step = vex::DocumentStep::between(known, now);
        bytes = step->bytes();
        known = std::move(now);
        benchmark::DoNotOptimize(step);
    }
    state.counters["bytes_per_step"] = static_cast<double>(bytes);
}
BENCHMARK(BM_RecordAnEdit)->Arg(0)->Arg(1)->ArgNames({"everything"});

// Undo then redo of one step: swapped into the history's copy and put back
// into the working records, twice.
void BM_UndoAndRedoOneStep(benchmark::State& state) {
    const auto s = fullState();
    vex::Document known = s->doc;
    edit(*s, state.range(0) != 0);
    vex::Document after = s->doc;
    vex::DocumentStep step = *vex::DocumentStep::between(known, after);
    known = std::move(after);
    for (auto _ : state) {
        step.swapWith(known);
        s->doc = known;
        vex::keepCurrentInsideData(*s);
        step.swapWith(known);
        s->doc = known;
        vex::keepCurrentInsideData(*s);
    }
    state.counters["bytes_per_step"] = static_cast<double>(step.bytes());
}
BENCHMARK(BM_UndoAndRedoOneStep)->Arg(0)->Arg(1)->ArgNames({"everything"});

} // namespace
