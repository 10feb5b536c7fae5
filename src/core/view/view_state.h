#pragma once
// Zoom, magnification and scroll position of the image view.

#include <cstdint>

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

    // Stored positions (fitted-view pixels) per picture pixel: the fit zoom,
    // or 1 while none is known.
    float storedPerPicturePixel() const { return FitZoom > 0.0f ? FitZoom : 1.0f; }

    friend bool operator==(const ViewState&, const ViewState&) = default;
};

} // namespace vex
