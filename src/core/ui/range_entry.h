#pragma once
// The rules of the coordinate range dialog, apart from its widgets: what a
// typed value does at once, and what OK does with the four ranges.

#include "core/coords/calibration.h"
#include "core/messages/user_message.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

// A typed range value is stored at once when it reads as a finite number;
// any other text leaves the field as it was.
bool storeTypedRange(float& field, std::string_view text);

struct RangeConfirmation {
    bool accepted = false;             // the dialog may close
    std::vector<UserMessage> messages; // to show, in this order
};

// The axis scales and the mapping the dialog shows, taken in by OK.
struct AxesChoice {
    AxisScale XScale = AxisScale::Linear;
    AxisScale YScale = AxisScale::Linear;
    QuadMapping Mapping = QuadMapping::Bilinear;
};
// The scales and mapping the calibration has now.
AxesChoice axesOf(const Calibration& c);

// OK, given the texts of the Xmin, Xmax, Ymin and Ymax edits and the chosen
// scales and mapping. The dialog stays open, with the calibration left as it
// is, when a text reads as a number too large to store, when a logarithmic
// axis has an end that is not positive (or would have after its repair), or
// when a range stays unusable even after its repair: its ends still equal
// (1e10 less one is 1e10), or its chart values beyond what a float holds.
// Otherwise a range whose minimum is not below its maximum is warned about
// and repaired by moving the minimum one unit below the maximum, the
// argument range first, and the scales and mapping are taken in.
RangeConfirmation confirmRanges(Calibration& c, const std::array<std::string, 4>& texts,
                                const AxesChoice& axes);

// Xmin, Xmax, Ymin and Ymax, as the dialog opened on them and as Cancel puts
// them back.
using ChartRanges = std::array<float, 4>;
ChartRanges rangesOf(const Calibration& c);
void restoreRanges(Calibration& c, const ChartRanges& ranges);

} // namespace vex
