// Image-to-chart inversion per point: the work done for every captured or
// dragged point and for every point of a clipboard copy.
#include "core/coords/mapping.h"
#include "core/coords/search_box.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

void solveGrid(benchmark::State& state, const vex::Calibration& c) {
    const float distance = vex::DEFINECOORDLIMITED(c);
    std::ostringstream diagnostics;
    int i = 0;
    for (auto _ : state) {
        const double a = (i % 17) / 16.0, b = (i % 13) / 12.0;
        const vex::PlanePoint image = vex::bilinearPosition(c, a, b);
        benchmark::DoNotOptimize(vex::imageToChart(c, distance, image.x, image.y, diagnostics));
        ++i;
    }
}

void BM_SolveResetCalibration(benchmark::State& state) {
    solveGrid(state, vex::Calibration{});
}

void BM_SolveSkewedCalibration(benchmark::State& state) {
    vex::Calibration c;
    c.placeMarkers({83.5f, 1412.0f, 1390.25f, 61.0f}, {40.0f, 112.5f, 980.0f, 905.75f});
    c.Xmin = -3.5f;
    c.Xmax = 120.0f;
    c.Ymin = 0.001f;
    c.Ymax = 0.25f;
    solveGrid(state, c);
}

BENCHMARK(BM_SolveResetCalibration);
BENCHMARK(BM_SolveSkewedCalibration);

} // namespace
