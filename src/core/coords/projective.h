#pragma once
// The perspective map through the four markers: it takes the unit square of
// normalised chart coordinates (a, b) onto the markers' quadrilateral,
// (0, 0) to marker 1, (1, 0) to 2, (1, 1) to 3 and (0, 1) to 4, and keeps
// straight lines straight. A photographed rectangle is such an image of
// the chart, so the map reads it exactly. Both directions are closed form.

#include "core/coords/calibration.h"
#include "core/coords/plane_point.h"

#include <array>
#include <optional>

namespace vex {

// A 3 × 3 matrix, row by row, acting on (u, v, 1).
struct Homography {
    std::array<double, 9> m{};

    PlanePoint apply(double u, double v) const;
};

// The map of the unit square onto the markers; none when three markers lie
// on one line or the map is not finite.
std::optional<Homography> squareToMarkers(const Calibration& c);

// The inverse map; none when `h` is singular.
std::optional<Homography> inverted(const Homography& h);

} // namespace vex
