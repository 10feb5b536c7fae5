#pragma once
#include "core/coords/calibration.h"

namespace vex {

// PerspectiveDistance from the four markers: how far away the
// opposite edges of the quadrilateral meet. A nearly rectangular layout gives
// a large distance (wide search box for the inversion), a strongly
// converging one a small distance (narrow box). Plain IEEE single precision:
// parallel edges meet at infinity, coincident markers give NaN.
float DEFINECOORDLIMITED(const Calibration& c);

} // namespace vex
