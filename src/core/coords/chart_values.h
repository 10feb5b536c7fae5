#pragma once
#include "core/coords/calibration.h"
#include "core/data/dep2d.h"

namespace vex {

// Brings ArgX/ValY of every point of every line up to date with its image
// position (the image position is the master copy of where a point is).
void recomputeAllChartValues(Calibration& c, Dep2D& d);
// The same for the points of one line.
void recomputeLineChartValues(Calibration& c, Dep2D& d, int line);

} // namespace vex
