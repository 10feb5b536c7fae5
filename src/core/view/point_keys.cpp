#include "core/view/point_keys.h"

#include "core/coords/chart_values.h"
#include "core/state/shown_spline.h"

#include <algorithm>

namespace vex {

bool nudgeSelectedPoints(AppState& s, std::int32_t dx, std::int32_t dy) {
    const Interaction& m = s.mouse;
    Dep2D& d = s.doc;
    const int line = s.work.CurLine;
    if (s.work.ScaleMode != 0 || m.LeftButtonDown || d.NPoints(line) < 1) return false;
    const float stepX = static_cast<float>(dx) / s.view.ViewScale;
    const float stepY = static_cast<float>(dy) / s.view.ViewScale;
    bool moved = false;
    for (int j = 1; j <= std::min<int>(m.SelectionCount, PointSlots); ++j) {
        const int k = m.Selection(j);
        if (k < 1 || k > d.NPoints(line)) continue;
        d.PixX(line, k) += stepX;
        d.PixY(line, k) += stepY;
        moved = true;
    }
    if (!moved) return false;
    recomputeLineChartValues(s.doc, s.work.PerspectiveDistance, line);
    rebuildShownSpline(s);
    return true;
}

bool callOffDrag(AppState& s) {
    Interaction& m = s.mouse;
    Dep2D& d = s.doc;
    const int line = s.work.CurLine;
    if (m.MarkerDragging) {
        s.doc.MarkerPixX(m.DraggedMarker) = m.MarkerStartX(m.DraggedMarker);
        s.doc.MarkerPixY(m.DraggedMarker) = m.MarkerStartY(m.DraggedMarker);
        m.MarkerDragging = false;
        return true;
    }
    if (m.PointDragging) {
        d.PixX(line, s.work.CurPoint) = m.PointStartX;
        d.PixY(line, s.work.CurPoint) = m.PointStartY;
        m.PointDragging = false;
    } else if (m.GroupMoving == 1) {
        for (int j = 1; j <= m.SelectionCount; ++j) {
            d.PixX(line, m.Selection(j)) = m.GroupStartX(j);
            d.PixY(line, m.Selection(j)) = m.GroupStartY(j);
        }
        m.GroupMoving = 0;
    } else {
        return false;
    }
    recomputeLineChartValues(s.doc, s.work.PerspectiveDistance, line);
    rebuildShownSpline(s);
    return true;
}

} // namespace vex
