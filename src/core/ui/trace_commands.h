#pragma once
// Trace curve: the mode, a click that traces (a second one bounds the trace),
// and the traced line taken into the current line as its points.

#include "core/state/app_state.h"
#include "core/trace/trace_image.h"

#include <string>
#include <vector>

namespace vex {

// A picture is open and the calibration is not being set.
bool traceAllowed(const AppState& s);

// On: Points Capture Mode and the spline's Add point are left, nothing is
// shown yet. Off: the trace shown is dropped.
void startTracing(AppState& s);
void stopTracing(AppState& s);

enum class TraceOutcome {
    Traced,       // a trace is shown
    NothingFound, // no line at the click: nothing changed
    BoundMissed,  // the second click is not on the line: the trace shown stays
};

// A click in trace mode at the stored position (x, y) on `picture`: the
// first traces from there, a later one traces again from the first click to
// this one.
TraceOutcome traceClick(AppState& s, const TraceImage& picture, PlanePoint stored);

// The trace shown as `count` points in stored positions, spaced to suit it.
std::vector<PlanePoint> tracedPoints(const AppState& s, int count);

// The current line's points become `stored`, chart values and all; the
// trace shown is done with (the mode stays on for the next line).
void takeTracedPoints(AppState& s, const std::vector<PlanePoint>& stored);

} // namespace vex
