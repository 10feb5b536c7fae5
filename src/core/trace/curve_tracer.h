#pragma once
// Follows a drawn curve from a point on it: the colour at the click is the
// curve's, and the tracer walks along the line in both directions, finding
// its centre across the line to a fraction of a pixel at every step. It
// bridges short gaps (dashes, another curve crossing on top) by going
// straight on, and ends where the line ends, at the picture's edge, or at
// a bounding point.

#include "core/coords/plane_point.h"
#include "core/trace/trace_image.h"

#include <optional>
#include <vector>

namespace vex {

struct TraceRequest {
    PlanePoint click;                // picture pixels, (0.5, 0.5) the centre of the first
    std::optional<PlanePoint> bound; // a second click: the trace runs between the two
};

struct TraceResult {
    // Centres along the line, in order along it, in picture pixels.
    std::vector<PlanePoint> path;
    double lineWidth = 0.0;   // across the line, in pixels, as found at the click
    bool boundMissed = false; // the second click is not on the traced line
};

// Empty when no line is found near the click.
TraceResult traceCurve(const TraceImage& image, const TraceRequest& request);

} // namespace vex
