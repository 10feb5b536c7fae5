#pragma once
// The family on one X grid: a row per X, a column per line (headed by its
// parameter), each cell the line's curve at X, empty where X lies outside
// the line's points unless extrapolation is asked for.

#include "core/data/dep2d.h"

#include <optional>
#include <string>
#include <vector>

namespace vex {

struct FamilyTable {
    std::vector<double> x;
    std::vector<float> parameters;                     // of lines 1 .. NLines
    std::vector<std::vector<std::optional<double>>> y; // [row][line - 1]
};

FamilyTable familyTable(const Dep2D& d, const std::vector<double>& grid, bool extrapolate);

// The table as text: a header row ("x", then each parameter), then a row per
// X, cells apart by `separator` (a tab for spreadsheets, a comma for CSV),
// lines ended by CR LF, numbers with a point whatever the locale and with
// the figures of the 32-bit values the program keeps.
std::string familyTableText(const FamilyTable& t, char separator);

} // namespace vex
