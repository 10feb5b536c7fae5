// The drawn polyline is rebuilt on every drag step and every spline-point
// move, so one mode-0 call on a full line must stay well inside a frame.

#include "core/numerics/spline.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

void BM_SplinePolylineFullLine(benchmark::State& state) {
    auto d = std::make_unique<vex::Dep2D>();
    d->NPoints(1) = vex::PointsMax;
    for (int p = 1; p <= vex::PointsMax; ++p) {
        const float x =
            15.0f + 4.5f * static_cast<float>(p) + std::sin(1.7f * static_cast<float>(p));
        d->PixX(1, p) = x;
        d->PixY(1, p) = 300.0f + 80.0f * std::sin(x / 15.0f);
    }
    vex::SplineSamples out;
    for (auto _ : state) {
        vex::SPLINEINTERPOLATION(vex::SplinePolyline, *d, 1, out);
        benchmark::DoNotOptimize(out);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SplinePolylineFullLine)->Unit(benchmark::kMicrosecond);

} // namespace
