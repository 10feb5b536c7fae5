#pragma once
// Zoom, magnification and scroll position of the image view, and the facts
// about the loaded picture that travel with a project.

#include <cstdint>
#include <string>

namespace vex {

struct ViewState {
    float Zoom = 1.0f;      // screen pixels per picture pixel
    float ViewScale = 1.0f; // magnification of stored positions, 1..50
    float FitZoom = 1.0f;   // zoom at which the whole picture fits the view
    float MaxZoom = 50.0f;
    std::int32_t CanvasWidth = 0;
    std::int32_t CanvasHeight = 0;
    std::int32_t ScrollX = 0;
    std::int32_t ScrollY = 0;
    std::int32_t ScrollMinX = 0;
    std::int32_t ScrollMinY = 0;
    std::int32_t ScrollMaxX = 0;
    std::int32_t ScrollMaxY = 0;
    std::int32_t PaintedScrollX = 0;
    std::int32_t PaintedScrollY = 0;
    std::int64_t LastWheelTick = -1000000; // ms; far in the past at start
    // The FitZoom that stored positions were taken at; 0 when unknown. Saved
    // with a project so that a view of another size can put the points back
    // on the same picture pixels.
    float PositionsFitZoom = 0.0f;

    friend bool operator==(const ViewState&, const ViewState&) = default;
};

struct ImageFacts {
    std::string ImagePath; // path of the picture last loaded (no padding, no NUL)
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;

    friend bool operator==(const ImageFacts&, const ImageFacts&) = default;
};

} // namespace vex
