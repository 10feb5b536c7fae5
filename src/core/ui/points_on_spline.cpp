#include "core/ui/points_on_spline.h"

#include "core/messages/catalogue.h"
#include "core/numerics/spline.h"

#include <cmath>

namespace vex {

ResampleCheck checkResampleCount(std::int32_t n) {
    if (n > PointsMax) return ResampleCheck::TooMany;
    if (n < ResampleCountMin) return ResampleCheck::TooFew;
    return ResampleCheck::Ok;
}

std::optional<UserMessage> resampleCurrentLine(AppState& s) {
    SplineSamples samples = s.spline;
    const std::int32_t line = s.work.CurLine;
    SPLINEINTERPOLATION(SplineResample, s.doc, line, samples, s.work.SplineNumPoints);
    // The curve routine reports how many samples it took: the requested count,
    // or none for an empty line.
    const std::int32_t count = samples.SplinePixCount;
    for (std::int32_t k = 1; k <= count; ++k) {
        if (!std::isfinite(samples.SplinePixX(k)) || !std::isfinite(samples.SplinePixY(k)))
            return UserMessage{msg::SplineSamplesUnusable, MessageKind::Warning, {}};
    }
    s.spline = samples;
    s.doc.NPoints(line) = count;
    for (std::int32_t k = 1; k <= count; ++k) {
        s.doc.PixX(line, k) = samples.SplinePixX(k);
        s.doc.PixY(line, k) = samples.SplinePixY(k);
    }
    return std::nullopt;
}

} // namespace vex
