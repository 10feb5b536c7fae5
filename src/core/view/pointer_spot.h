#pragma once
// Where a click would put a point now, for the magnifier and the readout of
// chart values beside the pointer.

#include "core/state/app_state.h"

#include <optional>
#include <string>

namespace vex {

struct PictureSpot {
    float x = 0.0f; // stored position, as points and markers keep it
    float y = 0.0f;
};

// The spot the user is placing: the dragged marker or point where it is,
// otherwise the position under the pointer.
PictureSpot spotInWork(const AppState& s);

// Placing something precisely: a marker or points are dragged, or points
// are captured, on a loaded picture.
bool placesPrecisely(const AppState& s);

// "X = …; Y = …" in chart units for the position under the pointer, written
// as the panel writes values; nothing when no picture is loaded, while the
// markers are being set, or when the pointer is off the picture.
std::optional<std::string> pointerReadout(const AppState& s);

// Where the magnifier (a square of `size` pixels) goes beside the spot on
// the canvas: below and to the right, flipped to the other side where the
// canvas ends, and never over the spot itself.
struct CanvasCorner {
    int x = 0;
    int y = 0;
};
CanvasCorner magnifierCorner(int spotX, int spotY, int size, int canvasWidth, int canvasHeight);

// Screen pixels per picture pixel in the magnifier at the view's zoom: six
// times what the view shows, never so much that it holds too few pixels.
double magnifierScale(float zoom);

} // namespace vex
