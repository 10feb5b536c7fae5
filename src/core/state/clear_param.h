#pragma once
#include "core/state/app_state.h"

namespace vex {

// Resets the record to the new-project state: one empty line with parameter
// 1.0, calibration and markers at their reset values, modes off, zoom 1,
// no picture. The picture itself is dropped by the view, which owns it.
void CLEARPARAM(AppState& s);

} // namespace vex
