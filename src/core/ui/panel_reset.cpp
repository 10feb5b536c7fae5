#include "core/ui/panel_reset.h"

namespace vex {

void resetPanelModes(AppState& s) {
    WorkState& w = s.work;
    w.ScaleMode = 0;
    w.CaptureMode = 0;
    s.view.ViewScale = 1.0f;
    w.XGrid = 4;
    w.YGrid = 5;
    w.SavedPoint = 1;
    w.CurPoint = 1;
    w.CurLine = 1;
    w.SavedLine = 1;
}

} // namespace vex
