#pragma once
// "Points on spline": replaces the points of the current line by samples of
// its curve, evenly spaced in the image's horizontal direction, from the
// line's first to its last point in stored order.

#include "core/messages/user_message.h"
#include "core/state/app_state.h"

#include <cstdint>
#include <optional>

namespace vex {

// Fewer than two samples cannot span the line: one would divide its width by
// zero, none would leave an empty line.
inline constexpr std::int32_t ResampleCountMin = 2;

enum class ResampleCheck { Ok, TooMany, TooFew };

// Whether n points may replace a line: at most PointsMax, at least ResampleCountMin.
ResampleCheck checkResampleCount(std::int32_t n);

// Samples the curve of the current line at s.work.SplineNumPoints abscissae
// (into s.spline, as the curve routine does) and makes those samples the
// line's points. ArgX/ValY and CurPoint are left as they are. The caller has
// checked the count; an empty line has no curve and stays empty. A curve
// whose samples are not all finite floats (positions near the float limit
// swing beyond it) leaves the line as it was and says so.
std::optional<UserMessage> resampleCurrentLine(AppState& s);

} // namespace vex
