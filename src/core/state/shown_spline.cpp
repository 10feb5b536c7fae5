#include "core/state/shown_spline.h"

#include "core/numerics/spline.h"

namespace vex {

void rebuildShownSpline(AppState& s) {
    if (s.work.SplineShown == 1)
        SPLINEINTERPOLATION(SplinePolyline, s.doc, s.work.CurLine, s.spline);
}

} // namespace vex
