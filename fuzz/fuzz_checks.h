#pragma once
// What every fuzz target asks of the state an entry point leaves behind:
// finite chart values once they are recomputed from the image positions, as
// the program does after a load or a calibration, and a project file that
// reads back into the same project (written again, the same text).
#include "core/coords/chart_values.h"
#include "core/io/project_file.h"
#include "core/state/clear_param.h"

#include <cmath>
#include <memory>
#include <string>

namespace vex::fuzz {

inline void require(bool holds) {
    if (!holds) __builtin_trap();
}

// Two lines on a skewed calibration, a picture fitted into the view.
inline std::unique_ptr<AppState> knownState() {
    auto s = std::make_unique<AppState>();
    CLEARPARAM(*s);
    s->doc.placeMarkers({40.0f, 630.0f, 600.0f, 70.0f}, {20.0f, 5.0f, 480.0f, 510.0f});
    s->doc.Xmin = -2.5f;
    s->doc.Xmax = 1.0E4f;
    s->doc.Ymin = 1.0E-3f;
    s->doc.Ymax = 3.0f;
    Dep2D& d = s->doc;
    WorkState& w = s->work;
    d.NLines = 2;
    for (int j = 1; j <= 2; ++j) {
        d.LineParam(j) = 1.5f * static_cast<float>(j);
        d.NPoints(j) = 3;
        for (int k = 1; k <= 3; ++k) {
            d.PixX(j, k) = 100.0f + 33.3f * static_cast<float>(k);
            d.PixY(j, k) = 200.0f + 7.7f * static_cast<float>(j);
        }
    }
    recomputeAllChartValues(s->doc, w.PerspectiveDistance);
    s->doc.ImagePath = "/charts/fuzz.bmp";
    s->doc.ImageWidth = 1200;
    s->doc.ImageHeight = 900;
    s->doc.PositionsFitZoom = 1000.0f / 1200.0f;
    w.ImageLoaded = -1;
    return s;
}

inline void requireFiniteChartValues(AppState& s) {
    recomputeAllChartValues(s.doc, s.work.PerspectiveDistance);
    const Dep2D& d = s.doc;
    for (int j = 1; j <= d.NLines; ++j)
        for (int k = 1; k <= d.NPoints(j); ++k)
            require(std::isfinite(d.ArgX(j, k)) && std::isfinite(d.ValY(j, k)));
}

inline void requireProjectReadsBack(const AppState& s) {
    const std::string text = projectFileText(s.doc);
    ProjectContent content;
    require(!parseProjectFile(text, "written.vxr", content));
    const auto back = std::make_unique<AppState>();
    CLEARPARAM(*back);
    applyProjectContent(back->doc, content);
    require(projectFileText(back->doc) == text);
}

} // namespace vex::fuzz
