#pragma once
// Keeping the current line and point, the saved ones and the point selection
// on data that exists, after the lines have been replaced by a load or an
// import with fewer lines or points than before.

#include "core/state/app_state.h"

namespace vex {

// CurLine and SavedLine pulled into 1..NLines, CurPoint and SavedPoint into
// the points of their line (1 on an empty line); a selection that names a
// point outside the current line becomes the current point alone.
void keepCurrentInsideData(AppState& s);

} // namespace vex
