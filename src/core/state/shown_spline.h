#pragma once
#include "core/state/app_state.h"

namespace vex {

// While the curve is shown, samples it again along the current line.
void rebuildShownSpline(AppState& s);

} // namespace vex
