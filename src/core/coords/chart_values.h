#pragma once
#include "core/document/document.h"

namespace vex {

// Brings ArgX/ValY of every point of every line up to date with its image
// position (the image position is the master copy of where a point is).
// `perspectiveDistance` chooses the search box (see DEFINECOORDLIMITED).
void recomputeAllChartValues(Document& doc, float perspectiveDistance);
// The same for the points of one line.
void recomputeLineChartValues(Document& doc, float perspectiveDistance, int line);

} // namespace vex
