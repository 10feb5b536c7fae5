#pragma once
// The main of the view's benches: an offscreen application, then the benches.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace vex::bench {

inline int runGuiBenchmarks(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace vex::bench
