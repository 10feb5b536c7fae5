#pragma once
// What the keyboard does to points and markers in the image view: the arrow
// keys nudge the selected points, Escape calls off a drag.

#include "core/state/app_state.h"

#include <cstdint>

namespace vex {

// Moves the selected points of the current line by (dx, dy) screen pixels
// at the present magnification, with their chart values found again. False,
// and nothing moved, while calibrating, during a drag or without a point.
bool nudgeSelectedPoints(AppState& s, std::int32_t dx, std::int32_t dy);

// Ends a marker drag, a point drag or a group move with everything it moved
// back where the drag found it. False when no drag was going on.
bool callOffDrag(AppState& s);

} // namespace vex
