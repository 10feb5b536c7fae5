#pragma once
// What the pointer does on the toolbar: hover highlight and hint, press,
// release with the latching of the two mode buttons, and leaving. The
// widget carries out the returned effects.

#include "core/ui/toolbar_model.h"

namespace vex {

struct ToolbarEffects {
    bool repaint = false;
    bool restartTooltipTimer = false; // the prompt after 50 ms
    bool removeTooltip = false;
    int statusMode = -1;         // -1 nothing; 0 the state texts; 1 the hint of the hot slot
    int command = 0;             // command to run, 0 none
    bool endCalibration = false; // the latched Set the Scale was released: confirm it
};

// Prompt number of a slot (text number minus 152); 0 for separators.
int toolbarTooltipId(int slot);

ToolbarEffects toolbarMouseMove(ToolbarState& t, int x, int y);
ToolbarEffects toolbarPress(ToolbarState& t, int x, int y);
// calibrationConfirmable: whether the panel's OK may end calibration now; a
// release of the latched Set the Scale while it may not changes nothing.
ToolbarEffects toolbarRelease(ToolbarState& t, int x, int y, bool calibrationConfirmable);
ToolbarEffects toolbarLeave(ToolbarState& t);

} // namespace vex
