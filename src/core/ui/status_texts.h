#pragma once
// The three panes of the status bar: what the mouse does in the current mode
// (or the toolbar button under the pointer), the limits, and what is in use.

#include "core/state/app_state.h"

#include <string>

namespace vex {

struct StatusTexts {
    std::string pane0;
    std::string pane1;
    std::string pane2;
    friend bool operator==(const StatusTexts&, const StatusTexts&) = default;
};

// Mode 0: the state texts of all three panes. Mode 1: the hint for the
// toolbar slot `toolbarHotIndex` (1..8) in pane 0 only; a slot without a hint
// leaves the pane as it was. Any other mode changes nothing.
void PREPSTATUSBAR(int mode, const AppState& s, int toolbarHotIndex, StatusTexts& texts);

} // namespace vex
