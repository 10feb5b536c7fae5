#pragma once
// Output of the interpolating curve: the sampled polyline of the current
// line and the single point evaluated for spline-point insertion.

#include "core/data/dep2d.h"
#include "core/data/one_based.h"

#include <cstdint>

namespace vex {

struct SplineSamples {
    OneBased<float, PointSlots> SplinePixX; // stored positions
    OneBased<float, PointSlots> SplinePixY;
    std::int32_t SplinePixCount = 0;
    float SplinePointX = 0.0f; // input of the single-point evaluation
    float SplinePointY = 0.0f; // its result

    friend bool operator==(const SplineSamples&, const SplineSamples&) = default;
};

} // namespace vex
