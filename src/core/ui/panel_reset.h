#pragma once
#include "core/state/app_state.h"

namespace vex {

// The state part of resetting the panel: modes off, magnification 1, the
// first line and point current, the grid back to 4 × 5.
void resetPanelModes(AppState& s);

} // namespace vex
