// A full project, 20 lines of 200 points: written to disk (through the
// replacing write) and read back into the state.
#include "core/coords/chart_values.h"
#include "core/io/project_file.h"
#include "core/state/clear_param.h"
#include "core/ui/project_routines.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<vex::AppState> fullProject(const std::string& path) {
    auto s = std::make_unique<vex::AppState>();
    vex::CLEARPARAM(*s);
    vex::Dep2D& d = s->doc;
    d.NLines = vex::LinesMax;
    for (int j = 1; j <= vex::LinesMax; ++j) {
        d.NPoints(j) = vex::PointsMax;
        for (int k = 1; k <= vex::PointsMax; ++k) {
            d.PixX(j, k) = 40.0f + 3.37f * static_cast<float>(k);
            d.PixY(j, k) = 900.0f - 31.5f * static_cast<float>(j) - 0.25f * static_cast<float>(k);
        }
    }
    s->doc.ImagePath = "/charts/a scanned chart.bmp";
    s->ProjectPath = path;
    return s;
}

std::string benchPath() {
    return (std::filesystem::temp_directory_path() / "vexilor-bench-project.vxr").string();
}

void BM_SaveFullProject(benchmark::State& state) {
    const auto s = fullProject(benchPath());
    for (auto _ : state)
        if (vex::WriteAllProjectFilesVer001(*s)) state.SkipWithError("not written");
}

void BM_LoadFullProject(benchmark::State& state) {
    const auto s = fullProject(benchPath());
    if (vex::WriteAllProjectFilesVer001(*s)) state.SkipWithError("not written");
    auto loaded = std::make_unique<vex::AppState>();
    loaded->ProjectPath = benchPath();
    for (auto _ : state)
        if (vex::ReadAllProjectFilesVer001(*loaded)) state.SkipWithError("not read");
}

// Load Project as the program runs it: the file read, then the chart values
// of its 4000 points solved from their image positions.
void BM_LoadFullProjectWithChartValues(benchmark::State& state) {
    const auto s = fullProject(benchPath());
    if (vex::WriteAllProjectFilesVer001(*s)) state.SkipWithError("not written");
    auto loaded = std::make_unique<vex::AppState>();
    loaded->ProjectPath = benchPath();
    for (auto _ : state) {
        if (vex::ReadAllProjectFilesVer001(*loaded)) state.SkipWithError("not read");
        vex::recomputeAllChartValues(loaded->doc, loaded->work.PerspectiveDistance);
    }
}

BENCHMARK(BM_LoadFullProjectWithChartValues)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveFullProject)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadFullProject)->Unit(benchmark::kMicrosecond);

} // namespace
