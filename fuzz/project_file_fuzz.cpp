// Any bytes as a project file, through what Load Project does with it: either
// a clear rejection, or a project within its limits that is put into the
// state, moved to the view's zoom, given its chart values and its curve, and
// that saves into a file reading back as the same project.
#include "core/ui/points_on_spline.h"
#include "fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using vex::fuzz::require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vex::ProjectContent content;
    if (vex::parseProjectFile(text, "fuzz.vxr", content)) return 0;

    // One working state for all runs: a fresh 130 KB block per run is most of
    // the time spent under the address sanitizer.
    static const auto s = std::make_unique<vex::AppState>();
    *s = vex::AppState{};
    vex::CLEARPARAM(*s);
    vex::applyProjectContent(s->doc, content);
    const vex::Dep2D& d = s->doc;
    require(d.NLines >= 1 && d.NLines <= vex::LinesMax);
    for (int j = 1; j <= d.NLines; ++j) {
        require(d.NPoints(j) >= 0 && d.NPoints(j) <= vex::PointsMax);
        for (int k = 1; k <= d.NPoints(j); ++k)
            require(std::isfinite(d.PixX(j, k)) && std::isfinite(d.PixY(j, k)));
    }
    require(s->doc.PositionsFitZoom == 0.0f || vex::fitZoomStorable(s->doc.PositionsFitZoom));
    // The picture reopens in a view of another size.
    vex::rescaleStoredPositions(s->doc, s->doc.PositionsFitZoom, 0.75f);
    vex::fuzz::requireFiniteChartValues(*s);
    vex::fuzz::requireProjectReadsBack(*s);

    // Points on spline on the first line that has a curve.
    for (int j = 1; j <= d.NLines; ++j) {
        if (d.NPoints(j) < 2) continue;
        s->work.CurLine = j;
        s->work.SplineNumPoints = 2 + static_cast<std::int32_t>(size % (vex::PointsMax - 1));
        if (!vex::resampleCurrentLine(*s)) {
            vex::fuzz::requireFiniteChartValues(*s);
            vex::fuzz::requireProjectReadsBack(*s);
        }
        break;
    }
    return 0;
}
