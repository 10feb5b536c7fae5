#include "core/state/clear_param.h"

namespace vex {

void CLEARPARAM(AppState& s) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    s.view.Zoom = 1.0f;
    s.view.ViewScale = 1.0f;

    w.CaptureMode = 0;
    s.trace = TraceSession{};
    s.PictureOnlyInMemory = false;
    w.ScaleMode = 0;
    w.SplineShown = 0;
    w.SplinePointMode = 0;
    s.view.ScrollX = 0;
    s.view.ScrollY = 0;
    s.view.ScrollMinX = s.view.ScrollMaxX = 0; // no picture, nothing to scroll to
    s.view.ScrollMinY = s.view.ScrollMaxY = 0;
    w.SplineNumPoints = 0;

    s.doc.resetMarkersAndRanges();

    d.NLines = 1;
    emptyAllLines(d);
    d.LineParam(1) = 1.0f;

    s.mouse.SelectionCount = 1;
    s.mouse.Selection(1) = 1;

    w.ImageLoaded = 0;
}

} // namespace vex
