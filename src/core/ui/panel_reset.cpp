#include "core/ui/panel_reset.h"

namespace vex {

void resetPanelModes(AppState& s) {
    Dep2D& d = s.dep;
    d.ScaleMode = 0;
    d.CaptureMode = 0;
    s.view.ViewScale = 1.0f;
    d.XGrid = 4;
    d.YGrid = 5;
    d.SavedPoint = 1;
    d.CurPoint = 1;
    d.CurLine = 1;
    d.SavedLine = 1;
}

} // namespace vex
