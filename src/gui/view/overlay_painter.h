#pragma once
// Everything drawn over the picture: the calibration quadrilateral with its
// grid and markers, the capture crosshair, every line with its points, the
// selection frames and the curve. Records the on-screen hit boxes as drawn.

#include "core/state/app_state.h"

class QPainter;
class QRect;

namespace vex {

struct OverlayOutcome {
    int shapeErrors = 0; // S of the calibration check; above 0 the layout cannot be confirmed
};

// `client`: the canvas area; what lies wholly outside it is not drawn, but
// its hit boxes are recorded all the same.
OverlayOutcome LOADANDCORRECTIMAGE(QPainter& painter, const QRect& client, const AppState& s,
                                   OverlayRecord& record);

} // namespace vex
