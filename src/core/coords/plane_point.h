#pragma once

namespace vex {

// A position in the plane of the picture's stored positions, or any pair of
// coordinates worked on in double precision.
struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

} // namespace vex
