#pragma once
// What the calibration can hold. A point is kept as its stored position and
// its chart values are found again from there by the inversion, so a chart
// value may be taken in only when it maps to a stored position that is a
// finite float and back to itself; and chart ranges only when every position
// the inversion can return has finite chart values.

#include "core/coords/calibration.h"

namespace vex {

// Whether (X, Y) may become a point's chart values: both finite, the stored
// position they map to finite as float, and the inversion from there giving
// back (X, Y) to within a thousandth of the ranges' widths, with the search
// box `perspectiveDistance` chooses.
bool chartPointPlaceable(const Calibration& c, float perspectiveDistance, float X, float Y);

// Whether the chart values of every normalised position in the widest search
// box (the most the inversion can return) are finite floats: for the argument
// range, for the value range (measured down from Ymax), for both. A
// logarithmic axis needs two positive finite ends.
bool argumentRangeKeepsChartValuesFinite(float Xmin, float Xmax, AxisScale scale);
bool valueRangeKeepsChartValuesFinite(float Ymin, float Ymax, AxisScale scale);
bool rangesKeepChartValuesFinite(const Calibration& c);

} // namespace vex
