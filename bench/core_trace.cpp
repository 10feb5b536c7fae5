// One click of Trace curve, on a chart of a screen's size and on a
// 6000 × 4500 scan of the same chart (six times the scale, lines six times
// as wide), each with a grid and a crossing curve of another colour.

#include "../tests/core/drawn_picture.h"
#include "core/trace/curve_tracer.h"
#include "core/trace/trace_sampling.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using vex::testing::DrawnPicture;
using vex::testing::graph;
using vex::testing::rgb;

// The chart at `scale` times 1000 × 750.
std::unique_ptr<DrawnPicture> chartAt(double scale) {
    auto p = std::make_unique<DrawnPicture>(int(1000 * scale), int(750 * scale));
    for (double x = 180; x < 900; x += 80)
        p->stroke({{x * scale, 80 * scale}, {x * scale, 650 * scale}}, scale, rgb(200, 200, 200));
    const auto curve = [scale](double x) {
        return scale * (400 - 180 * std::sin((x / scale - 100) / 170.0));
    };
    p->stroke(graph(curve, 100 * scale, 900 * scale), 2 * scale, rgb(20, 40, 220));
    p->stroke(graph([scale](double x) { return 150 * scale + 0.55 * (x - 100 * scale); },
                    100 * scale, 900 * scale),
              2.5 * scale, rgb(220, 30, 30));
    return p;
}

void traceOn(benchmark::State& state, double scale) {
    const std::unique_ptr<DrawnPicture> p = chartAt(scale);
    const double x = 430 * scale, y = scale * (400 - 180 * std::sin(330 / 170.0));
    std::size_t traced = 0;
    for (auto _ : state) {
        const vex::TraceResult t = vex::traceCurve(p->view(), {{x, y}, std::nullopt});
        const auto points = vex::pointsAlong(t.path, 200, vex::spacingFor(t.path, 200));
        benchmark::DoNotOptimize(points.data());
        traced = t.path.size();
    }
    // The middles found: a trace that stopped short would show here.
    state.counters["middles"] = static_cast<double>(traced);
}

void BM_TraceCurve1000x750(benchmark::State& state) {
    traceOn(state, 1.0);
}
void BM_TraceCurve6000x4500(benchmark::State& state) {
    traceOn(state, 6.0);
}
BENCHMARK(BM_TraceCurve1000x750)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceCurve6000x4500)->Unit(benchmark::kMillisecond);

} // namespace
