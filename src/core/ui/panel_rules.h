#pragma once
// The function panel's controls as state: which are enabled, ticked and
// shown, and the rules that derive them from the data. The widget applies
// what these say.

#include "core/state/app_state.h"

#include <map>
#include <vector>

namespace vex {

struct PanelControls {
    std::map<int, bool> enabled;
    std::map<int, bool> checked;
    std::map<int, bool> visible;

    PanelControls(); // as the panel is built: everything enabled, shown, nothing ticked
    bool isEnabled(int id) const;
    bool isChecked(int id) const;
    bool isVisible(int id) const;
    friend bool operator==(const PanelControls&, const PanelControls&) = default;
};

// The controls of each layout: the data group normally, the calibration
// group (grid counts, OK, Cancel) while the markers are being set.
const std::vector<int>& dataControls();
const std::vector<int>& calibrationControls();

// Recomputes enabled states and ticks from the data, in thirteen rules
// where later ones override earlier ones. Also switches off the modes the
// data no longer allows (spline point mode, capture mode, the spline).
void DIALOGPARTNERSHIP(AppState& s, PanelControls& c);

// The X = and Y = edits once a point exists to show. The rules above only
// ever disable them, and only capturing or pasting enabled them before, so
// after loading a project its points could not be typed over.
void enablePointEdits(const AppState& s, PanelControls& c);

// Layout 1 shows the data group and hides the calibration group; any other
// value the reverse.
void PROCESS_UDM_HDLG(int layout, PanelControls& c);

// Resets modes, current line and point and the grid, and sets the enabled
// states: with dataPresent 0 everything that edits is disabled.
void PROCESS_RESET_HDLG(AppState& s, int dataPresent, PanelControls& c);

// The panel as it is first shown: reset without data, the grid controls hidden.
PanelControls initialPanelControls(AppState& s);

} // namespace vex
