#include "core/data/clear_param.h"

namespace vex {

void CLEARPARAM(AppState& s) {
    Dep2D& d = s.dep;
    s.view.Zoom = 1.0f;
    s.view.ViewScale = 1.0f;

    d.CaptureMode = 0;
    d.ScaleMode = 0;
    d.SplineShown = 0;
    d.SplinePointMode = 0;
    s.view.ScrollX = 0;
    s.view.ScrollY = 0;
    s.view.ScrollMinX = s.view.ScrollMaxX = 0; // no picture, nothing to scroll to
    s.view.ScrollMinY = s.view.ScrollMaxY = 0;
    d.SplineNumPoints = 0;

    s.cal.resetMarkersAndRanges();

    d.NLines = 1;
    emptyAllLines(d);
    d.LineParam(1) = 1.0f;

    s.mouse.SelectionCount = 1;
    s.mouse.Selection(1) = 1;

    d.ImageLoaded = 0;
}

} // namespace vex
