#pragma once
// The captured two-parameter dependence: a family of lines, each with a
// parameter value and an ordered list of points. Stored values are 32-bit.

#include "core/data/one_based.h"

#include <cstdint>

namespace vex {

inline constexpr int LineSlots = 40;           // storage size for lines
inline constexpr int PointSlots = 200;         // storage size for the points of one line
inline constexpr std::int32_t LinesMax = 20;   // lines the user may create or import
inline constexpr std::int32_t PointsMax = 200; // points allowed on one line

struct Dep2D {
    std::int32_t NLines = 1;                      // 1..LinesMax, never 0
    OneBased<std::int32_t, LineSlots> NPoints;    // 0..PointsMax per line
    OneBased<float, LineSlots> LineParam;         // bundle parameter per line
    OneBased2<float, LineSlots, PointSlots> ArgX; // chart X of point (line, point)
    OneBased2<float, LineSlots, PointSlots> ValY; // chart Y
    OneBased2<float, LineSlots, PointSlots> PixX; // stored position, fitted-view pixels
    OneBased2<float, LineSlots, PointSlots> PixY; // y grows downwards

    Dep2D() { LineParam(1) = 1.0f; }
    friend bool operator==(const Dep2D&, const Dep2D&) = default;
};

// Every line slot empty: no points, parameter 0, all values 0.
inline void emptyAllLines(Dep2D& d) {
    d.NPoints.fill(0);
    d.LineParam.fill(0.0f);
    d.ArgX.fill(0.0f);
    d.ValY.fill(0.0f);
    d.PixX.fill(0.0f);
    d.PixY.fill(0.0f);
}

} // namespace vex
