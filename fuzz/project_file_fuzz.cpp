// Any bytes as a project file: either a clear rejection that leaves the
// state as it was, or a project whose counts and values are within limits.
#include "core/data/clear_param.h"
#include "core/io/project_file.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vex::ProjectContent content;
    if (vex::parseProjectFile(text, "fuzz.vxr", content)) return 0;

    vex::AppState s;
    vex::CLEARPARAM(s);
    vex::applyProjectContent(s, content);
    const vex::Dep2D& d = s.dep;
    if (d.NLines < 1 || d.NLines > vex::LinesMax) __builtin_trap();
    for (int j = 1; j <= d.NLines; ++j) {
        if (d.NPoints(j) < 0 || d.NPoints(j) > vex::PointsMax) __builtin_trap();
        for (int k = 1; k <= d.NPoints(j); ++k)
            if (!std::isfinite(d.PixX(j, k)) || !std::isfinite(d.PixY(j, k))) __builtin_trap();
    }
    // What was read writes back and reads again to the same project.
    vex::ProjectContent again;
    if (vex::parseProjectFile(vex::projectFileText(s), "again.vxr", again)) __builtin_trap();
    if (again.NLines != content.NLines) __builtin_trap();
    return 0;
}
