#pragma once
// How the user is working on the document: the current line and point, the
// mouse modes, the project flags. None of it is saved with a project.

#include <cstdint>

namespace vex {

struct WorkState {
    std::int32_t CurLine = 1;
    std::int32_t CurPoint = 1;
    std::int32_t SavedLine = 1;
    std::int32_t SavedPoint = 1;

    // Modes and project flags.
    std::int32_t CaptureMode = 0;     // 1 on / 0 off
    std::int32_t ScaleMode = 0;       // -1 on / 0 off
    std::int32_t SplineShown = 0;     // 1 / 0
    std::int32_t SplinePointMode = 0; // 1 / 0
    std::int32_t ImageLoaded = 0;     // -1 / 0
    std::int32_t ProjectModified = 0; // 1 = unsaved changes; follows the edit history
    std::int32_t ProjectNamed = 1;    // nonzero: Save writes straight to the project path
    std::int32_t SplineNumPoints = 0; // last count typed for Points on spline
    std::int32_t XGrid = 4;           // grid cells over the chart, 1..100
    std::int32_t YGrid = 5;

    // Chooses the search box of the image-to-chart inversion; recomputed from
    // the markers when the range dialog closes, and only then.
    float PerspectiveDistance = 10000.0f;

    friend bool operator==(const WorkState&, const WorkState&) = default;
};

} // namespace vex
