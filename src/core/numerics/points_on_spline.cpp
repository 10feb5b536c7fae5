#include "core/numerics/points_on_spline.h"

#include "core/numerics/spline.h"

namespace vex {

ResampleCheck checkResampleCount(std::int32_t n) {
    if (n > PointsMax) return ResampleCheck::TooMany;
    if (n < ResampleCountMin) return ResampleCheck::TooFew;
    return ResampleCheck::Ok;
}

void resampleCurrentLine(AppState& s) {
    SPLINEINTERPOLATION(SplineResample, s.dep, s.spline);
    // The curve routine reports how many samples it took: the requested count,
    // or none for an empty line.
    const std::int32_t line = s.dep.CurLine;
    const std::int32_t count = s.spline.SplinePixCount;
    s.dep.NPoints(line) = count;
    for (std::int32_t k = 1; k <= count; ++k) {
        s.dep.PixX(line, k) = s.spline.SplinePixX(k);
        s.dep.PixY(line, k) = s.spline.SplinePixY(k);
    }
}

} // namespace vex
