#pragma once
// Points for a line from a traced path: `count` of them, evenly spaced in x
// while the path runs one way in x with no steep part, evenly along the
// path otherwise (a curve that turns back, or one that rises so steeply
// that points even in x would leave long stretches of it empty).

#include "core/coords/plane_point.h"

#include <vector>

namespace vex {

enum class TraceSpacing { EvenInX, EvenAlongCurve };

// Which spacing suits the path (picture pixels, ordered along the curve).
TraceSpacing spacingFor(const std::vector<PlanePoint>& path, int count);

std::vector<PlanePoint> pointsAlong(const std::vector<PlanePoint>& path, int count,
                                    TraceSpacing spacing);

} // namespace vex
