#pragma once
// Comma-separated text as spreadsheets read it (RFC 4180, lines ended by
// CR LF): numbers always with a point whatever the locale, and with as few
// figures as read back to the same value. Every field is a number, so none
// needs quotes.

#include "core/data/dep2d.h"
#include <string>

namespace vex {

std::string csvNumber(float v);

// Every point of every line: a header row "line,parameter,x,y", then one row
// per point in line and point order, chart values as stored.
std::string pointsCsvText(const Dep2D& d);

} // namespace vex
