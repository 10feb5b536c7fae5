#pragma once
// Trace curve as the user works with it: whether the mode is on, and the
// trace shown but not yet taken into the current line.

#include "core/coords/plane_point.h"

#include <optional>
#include <vector>

namespace vex {

struct TraceSession {
    bool on = false;
    std::optional<PlanePoint> click; // picture pixels of the click the trace shown started from
    std::vector<PlanePoint> shown;   // the trace shown, in picture pixels; empty: none yet

    // The trace shown is done with or no longer fits the picture; the mode stays.
    void dropShown() {
        shown.clear();
        click.reset();
    }
};

} // namespace vex
