#pragma once
// A value between the lines of the family: each line's curve at X, then
// across the parameter: linear between the two lines either side of p, or
// the program's interpolating curve through every line that covers X when
// three or more do.

#include "core/data/dep2d.h"
#include "core/messages/user_message.h"

#include <optional>
#include <vector>

namespace vex {

enum class AcrossMethod { Linear, Smooth };

struct AcrossReading {
    std::optional<double> y;
    AcrossMethod method = AcrossMethod::Linear;
    std::vector<int> linesUsed; // line numbers, by parameter
    std::optional<UserMessage> refusal;
};

// Refused when fewer than two lines (with distinct parameters) cover X, or
// when p lies outside their parameters; with `extrapolate` a line's curve
// is taken beyond its points too, and p beyond the parameters continues the
// straight line through the two nearest lines.
AcrossReading readAcross(const Dep2D& d, double X, double p, bool extrapolate);

// A new line at parameter p: the family read across at each X of `grid`.
// Refused when the family is full, the grid holds more points than a line
// may, or any X cannot be read.
struct LineAtParameter {
    std::vector<double> x;
    std::vector<double> y;
    std::optional<UserMessage> refusal;
};
LineAtParameter lineAtParameter(const Dep2D& d, double p, const std::vector<double>& grid,
                                bool extrapolate);

} // namespace vex
