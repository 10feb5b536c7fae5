#include "core/data/current_inside.h"

#include <algorithm>

namespace vex {
namespace {

// A point number pulled into 1..NPoints(line); 1 on an empty line.
std::int32_t clampedPoint(const Dep2D& d, std::int32_t line, std::int32_t point) {
    return std::clamp(point, 1, std::max(1, d.NPoints(line)));
}

void keepSelectionInside(const Dep2D& d, Interaction& m) {
    const std::int32_t points = d.NPoints(d.CurLine);
    bool inside = m.SelectionCount >= 1 && m.SelectionCount <= PointSlots;
    for (std::int32_t i = 1; inside && i <= m.SelectionCount; ++i)
        inside = m.Selection(i) >= 1 && m.Selection(i) <= points;
    if (inside) return;
    m.SelectionCount = 1;
    m.Selection(1) = d.CurPoint;
}

} // namespace

void keepCurrentInsideData(Dep2D& d, Interaction& m) {
    d.CurLine = std::clamp(d.CurLine, 1, d.NLines);
    d.CurPoint = clampedPoint(d, d.CurLine, d.CurPoint);
    d.SavedLine = std::clamp(d.SavedLine, 1, d.NLines);
    d.SavedPoint = clampedPoint(d, d.SavedLine, d.SavedPoint);
    keepSelectionInside(d, m);
}

} // namespace vex
