#include "core/state/current_inside.h"

#include <algorithm>

namespace vex {
namespace {

// A point number pulled into 1..NPoints(line); 1 on an empty line.
std::int32_t clampedPoint(const Dep2D& d, std::int32_t line, std::int32_t point) {
    return std::clamp(point, 1, std::max(1, d.NPoints(line)));
}

void keepSelectionInside(const Dep2D& d, const WorkState& w, Interaction& m) {
    const std::int32_t points = d.NPoints(w.CurLine);
    bool inside = m.SelectionCount >= 1 && m.SelectionCount <= PointSlots;
    for (std::int32_t i = 1; inside && i <= m.SelectionCount; ++i)
        inside = m.Selection(i) >= 1 && m.Selection(i) <= points;
    if (inside) return;
    m.SelectionCount = 1;
    m.Selection(1) = w.CurPoint;
}

} // namespace

void keepCurrentInsideData(AppState& s) {
    const Dep2D& d = s.doc;
    WorkState& w = s.work;
    w.CurLine = std::clamp(w.CurLine, 1, d.NLines);
    w.CurPoint = clampedPoint(d, w.CurLine, w.CurPoint);
    w.SavedLine = std::clamp(w.SavedLine, 1, d.NLines);
    w.SavedPoint = clampedPoint(d, w.SavedLine, w.SavedPoint);
    keepSelectionInside(d, w, s.mouse);
}

} // namespace vex
