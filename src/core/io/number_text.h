#pragma once
// Numbers as text, in the layout of Fortran list-directed files: what the
// project file, the text table, the clipboard and the edit boxes write and
// read. Every conversion goes through std::to_chars / std::from_chars, so the
// C locale set by the GUI (which may use a decimal comma) never leaks in.

#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// Integer right-aligned in 12 characters.
std::string integerField(std::int32_t v);
// One blank, then the integer field (13 characters).
std::string integerRecord(std::int32_t v);

// The 15-character real field, 7 significant figures:
//  - 0.1 <= |x| < 1e7 (after rounding): fixed notation right-aligned in 11
//    characters, then 4 blanks ("   50.00000    ", "   1234568.    ");
//  - otherwise one figure, the point and seven figures, the last always 0,
//    then the exponent ("  1.0000000E-05");
//  - zero "   0.000000    " (the sign of -0 is kept); "Infinity",
//    "-Infinity" and "NaN" right-aligned without the 4 blanks.
// Rounding is to nearest, ties to even, on the exact binary value.
std::string realField(float v);
// One blank, then the real field (16 characters).
std::string realRecord(float v);

// The real field with as few figures beyond 7 as it takes for readReal to give
// back exactly v (at most 9): the 7-figure field whenever that reads back, so
// most values look as realField writes them; otherwise the same form with the
// further figures in the blanks after a fixed form ("   2020.0416   ") or in
// place of the exponent form's closing 0 ("  1.2345679E+08", " 1.23456784E+08").
std::string exactRealField(float v);
std::string exactRealRecord(float v);
// One blank, then the fields of x and y (31 characters).
std::string pointRecord(float x, float y);

// The written forms without their surrounding blanks ("50.00000", "3").
std::string listDirectedReal(float v);
std::string listDirectedInteger(std::int32_t v);

// Reads the first item of a list-directed read: leading blanks are skipped,
// the item ends at a blank, comma, slash or the end of the text. A real is
// [+|-] digits with an optional point, then optionally E/e/D/d, an optional
// sign and digits; it is rounded correctly to float (overflow gives
// +-Infinity, underflow a denormal or +-0). An integer is [+|-] digits within
// the int32 range. On success the value is stored and true returned;
// otherwise `out` is left as it was.
bool readReal(std::string_view text, float& out);
bool readInteger(std::string_view text, std::int32_t& out);

// The text without the blanks (' ' only) around it.
std::string trimmedBlanks(std::string_view text);

// The text up to, not including, its first NUL. A stored number such as the
// language setting ends in a NUL, which would otherwise spoil the item.
std::string_view cutAtFirstNul(std::string_view text);

} // namespace vex
