#pragma once
#include <string>

namespace vex {

// Text of a real for an edit box, left-adjusted and without trailing blanks.
// mode 0: the list-directed form ("1.500000").
// mode 1 with decimals >= 1: fixed notation with that many decimals ("1.500").
// other modes with decimals >= 1: Fortran E notation ("0.150E+01").
// mode != 0 with decimals <= 0: the value rounded to the nearest integer,
// halves away from zero ("1000" for 1000.4).
// A text that reads back more than 0.1 % away from the value, or that cannot
// be written at all (too wide, outside the int32 range, Infinity, NaN), is
// replaced by the list-directed form.
std::string WRITEFORMATTEDVALUE(int mode, int decimals, float value);

} // namespace vex
