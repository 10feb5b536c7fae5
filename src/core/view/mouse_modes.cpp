#include "core/view/mouse_modes.h"

#include "core/coords/chart_values.h"
#include "core/coords/mapping.h"
#include "core/numerics/spline.h"
#include "core/state/shown_spline.h"
#include "core/ui/command_ids.h"
#include "core/view/view_math.h"

#include <algorithm>
#include <cstdlib>

namespace vex {
namespace {

float storedX(const AppState& s, std::int32_t x) {
    return toStored(x, s.view.ViewScale, s.view.ScrollX);
}
float storedY(const AppState& s, std::int32_t y) {
    return toStored(y, s.view.ViewScale, s.view.ScrollY);
}

// First point of `line` whose box, as last drawn, holds the pointer; 0 if none.
int pointUnder(const AppState& s, int line, std::int32_t x, std::int32_t y) {
    for (int k = 1; k <= s.doc.NPoints(line); ++k)
        if (s.overlay.PointHitBox(line, k).contains(x, y)) return k;
    return 0;
}

int markerUnder(const AppState& s, std::int32_t x, std::int32_t y) {
    for (int k = 1; k <= 4; ++k)
        if (s.overlay.MarkerHitBox(k).contains(x, y)) return k;
    return 0;
}

bool selected(const Interaction& m, int point) {
    for (int j = 1; j <= std::min<int>(m.SelectionCount, PointSlots); ++j)
        if (m.Selection(j) == point) return true;
    return false;
}

// CONTROL keeps the x of the drag's start, SHIFT its y.
void lockPointer(AppState& s, Modifiers keys) {
    Interaction& m = s.mouse;
    if (keys.control) m.MouseX = m.DragStartX;
    if (keys.shift) m.MouseY = m.DragStartY;
}

void solveCurrentPoint(AppState& s) {
    const ChartPosition found =
        SOLUTION_NEWTON(s.doc, s.work.PerspectiveDistance, s.doc, s.work.CurLine, s.work.CurPoint);
    s.mouse.LastSolvedA = static_cast<float>(found.a);
    s.mouse.LastSolvedB = static_cast<float>(found.b);
}

void startPointDrag(AppState& s, MouseEffects& e) {
    s.mouse.PointDragging = true;
    e.cursor = CursorShape::SizeAll;
}

void startPanning(AppState& s, MouseEffects& e) {
    Interaction& m = s.mouse;
    m.DragStartX = m.MouseX;
    m.DragStartY = m.MouseY;
    m.PanStartScrollX = s.view.ScrollX;
    m.PanStartScrollY = s.view.ScrollY;
    m.Panning = true;
    e.cursor = CursorShape::SizeAll;
}

void shiftRange(AppState& s, MouseEffects& e) {
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    const int p = pointUnder(s, w.CurLine, m.MouseX, m.MouseY);
    if (p == 0) return;
    if (p == w.CurPoint) {
        if (m.SelectionCount == 1) {
            w.SavedPoint = w.CurPoint;
            if (w.CurLine == w.SavedLine) startPointDrag(s, e);
        } else {
            m.SelectionCount = 1;
            m.Selection(1) = w.CurPoint;
        }
    } else {
        const int step = p > w.CurPoint ? 1 : -1;
        m.SelectionCount = std::abs(p - w.CurPoint) + 1;
        for (int j = 1; j <= m.SelectionCount; ++j) m.Selection(j) = w.CurPoint + (j - 1) * step;
    }
    e.repaint = true;
}

void controlToggle(AppState& s, MouseEffects& e) {
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    const int p = pointUnder(s, w.CurLine, m.MouseX, m.MouseY);
    if (p == 0) return;
    w.CurPoint = p;
    e.showPoint = true;
    if (m.SelectionCount >= 2 && selected(m, p)) {
        int kept = 0;
        for (int j = 1; j <= m.SelectionCount; ++j)
            if (m.Selection(j) != p) m.Selection(++kept) = m.Selection(j);
        m.SelectionCount = kept;
        // Delete and the edits act on the current point: it stays among the
        // selected ones, the newest of them.
        w.CurPoint = m.Selection(kept);
    } else if (m.SelectionCount == 1) {
        if (p == m.Selection(1)) {
            w.SavedPoint = p;
            if (w.CurLine == w.SavedLine) startPointDrag(s, e);
        } else {
            m.SelectionCount = 2;
            m.Selection(2) = p;
        }
    } else if (m.SelectionCount < PointSlots) {
        m.Selection(++m.SelectionCount) = p;
    }
    e.repaint = true;
}

void grabMarker(AppState& s, MouseEffects& e) {
    Interaction& m = s.mouse;
    const int k = markerUnder(s, m.MouseX, m.MouseY);
    if (k == 0) return;
    e.cursor = CursorShape::SizeAll;
    m.DragStartX = m.MouseX;
    m.DragStartY = m.MouseY;
    for (int i = 1; i <= 4; ++i) {
        m.MarkerStartX(i) = s.doc.MarkerPixX(i);
        m.MarkerStartY(i) = s.doc.MarkerPixY(i);
    }
    m.DraggedMarker = k;
    m.MarkerDragging = true;
    m.HoveredMarker = 0;
    e.removePrompt = true;
}

void capturePoint(AppState& s, MouseEffects& e) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    if (d.NPoints(w.CurLine) >= PointsMax) return;
    w.SavedPoint = w.CurPoint;
    w.SavedLine = w.CurLine;
    const int n = d.NPoints(w.CurLine) + 1;
    d.NPoints(w.CurLine) = n;
    m.SelectionCount = 1;
    m.Selection(1) = n;
    w.CurPoint = n;
    d.PixX(w.CurLine, n) = storedX(s, m.MouseX);
    d.PixY(w.CurLine, n) = storedY(s, m.MouseY);
    solveCurrentPoint(s);
    e.enablePanel = {ctl::DeleteLine, ctl::YEdit, ctl::XEdit};
    e.showPoint = e.refreshPanel = e.refreshMenus = e.refreshStatusBar = e.refreshToolbar = true;
    if (n >= PointsMax) {
        // The line is full: the capture tool leaves its latched state.
        leaveCaptureFull(s.toolbar);
        e.repaintToolbar = true;
    }
}

// The pointer stores where the current line's last point lies.
bool repeatsLastPoint(const AppState& s, std::int32_t x, std::int32_t y) {
    const Dep2D& d = s.doc;
    const WorkState& w = s.work;
    const int n = d.NPoints(w.CurLine);
    return n >= 1 && d.PixX(w.CurLine, n) == storedX(s, x) && d.PixY(w.CurLine, n) == storedY(s, y);
}

// Plain press outside capture mode: the last line with a point under the pointer wins.
void selectPoint(AppState& s, MouseEffects& e) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    for (int line = 1; line <= d.NLines; ++line) {
        const int p = pointUnder(s, line, m.MouseX, m.MouseY);
        if (p == 0) continue;
        // A press on a point of the multiple selection moves the group instead.
        if (m.SelectionCount >= 2 && line == w.CurLine && line == w.SavedLine && selected(m, p))
            return;
        w.SavedPoint = w.CurPoint;
        w.SavedLine = w.CurLine;
        m.SelectionCount = 1;
        m.Selection(1) = p;
        if (line == w.CurLine && p == w.CurPoint) startPointDrag(s, e); // a second press on it
        w.CurLine = line;
        w.CurPoint = p;
        solveCurrentPoint(s);
        e.showPoint = e.showBundleParameter = true;
        e.refreshPanel = e.refreshMenus = e.refreshToolbar = e.repaintToolbar = true;
    }
}

void groupMoveTest(AppState& s, MouseEffects& e) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    for (int k = 1; k <= d.NPoints(w.CurLine); ++k) {
        if (!selected(m, k) || !s.overlay.PointHitBox(w.CurLine, k).contains(m.MouseX, m.MouseY))
            continue;
        m.GroupMoving = 1;
        m.PointDragging = false;
        m.Panning = false;
        m.GroupAnchor = k;
        m.DragStartX = m.MouseX;
        m.DragStartY = m.MouseY;
        for (int j = 1; j <= m.SelectionCount; ++j) {
            m.GroupStartX(j) = d.PixX(w.CurLine, m.Selection(j));
            m.GroupStartY(j) = d.PixY(w.CurLine, m.Selection(j));
        }
        e.cursor = CursorShape::SizeAll;
        return;
    }
}

void recomputeGroup(AppState& s) {
    for (int j = 1; j <= s.mouse.SelectionCount; ++j)
        SOLUTION_NEWTON(s.doc, s.work.PerspectiveDistance, s.doc, s.work.CurLine,
                        s.mouse.Selection(j));
}

void updateSplinePoint(AppState& s) {
    s.spline.SplinePointX = storedX(s, s.mouse.MouseX);
    SPLINEINTERPOLATION(SplineAtPoint, s.doc, s.work.CurLine, s.spline);
}

void insertPoint(Dep2D& d, int line, int at, float x, float y) {
    const int n = d.NPoints(line);
    for (int k = n; k >= at; --k) {
        d.PixX(line, k + 1) = d.PixX(line, k);
        d.PixY(line, k + 1) = d.PixY(line, k);
    }
    d.PixX(line, at) = x;
    d.PixY(line, at) = y;
    d.NPoints(line) = n + 1;
}

} // namespace

MouseEffects mouseMove(AppState& s, std::int32_t x, std::int32_t y, Modifiers keys) {
    MouseEffects e;
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    m.MouseX = x;
    m.MouseY = y;
    if (w.CaptureMode == 1) e.cursor = CursorShape::Cross;

    if (w.ScaleMode != 0 && !m.Panning && !m.MarkerDragging) {
        m.HoveredMarker = markerUnder(s, x, y);
        e.cursor = m.HoveredMarker ? CursorShape::SizeAll : CursorShape::Arrow;
    } else if (w.ScaleMode == 0) {
        m.HoveredMarker = 0; // no marker prompts outside calibration
    }
    if (m.HoveredMarker >= 1)
        e.startPromptTimer = true;
    else
        e.removePrompt = true;

    if (m.MarkerDragging && w.ScaleMode != 0) {
        lockPointer(s, keys);
        const int k = m.DraggedMarker;
        s.doc.MarkerPixX(k) =
            m.MarkerStartX(k) + static_cast<float>(m.MouseX - m.DragStartX) / s.view.ViewScale;
        s.doc.MarkerPixY(k) =
            m.MarkerStartY(k) + static_cast<float>(m.MouseY - m.DragStartY) / s.view.ViewScale;
        e.repaint = true;
    }
    if (m.PointDragging) {
        lockPointer(s, keys);
        d.PixX(w.CurLine, w.CurPoint) =
            m.PointStartX + static_cast<float>(m.MouseX - m.DragStartX) / s.view.ViewScale;
        d.PixY(w.CurLine, w.CurPoint) =
            m.PointStartY + static_cast<float>(m.MouseY - m.DragStartY) / s.view.ViewScale;
        solveCurrentPoint(s);
        e.showPoint = true;
        rebuildShownSpline(s);
        e.repaint = true;
    }
    if (m.Panning) {
        const std::int32_t scrollX = std::clamp(m.PanStartScrollX - (m.MouseX - m.DragStartX),
                                                s.view.ScrollMinX, s.view.ScrollMaxX);
        const std::int32_t scrollY = std::clamp(m.PanStartScrollY - (m.MouseY - m.DragStartY),
                                                s.view.ScrollMinY, s.view.ScrollMaxY);
        // Held at the end of its range, the view has nothing new to show.
        if (scrollX != s.view.ScrollX || scrollY != s.view.ScrollY) e.scrolled = e.repaint = true;
        s.view.ScrollX = scrollX;
        s.view.ScrollY = scrollY;
    }
    if (m.GroupMoving == 1) {
        lockPointer(s, keys);
        const float dx = static_cast<float>(m.MouseX - m.DragStartX) / s.view.ViewScale;
        const float dy = static_cast<float>(m.MouseY - m.DragStartY) / s.view.ViewScale;
        for (int j = 1; j <= m.SelectionCount; ++j) {
            d.PixX(w.CurLine, m.Selection(j)) = m.GroupStartX(j) + dx;
            d.PixY(w.CurLine, m.Selection(j)) = m.GroupStartY(j) + dy;
        }
        e.repaint = true;
    }
    if (w.SplinePointMode == 1) {
        updateSplinePoint(s);
        e.repaint = true;
    }
    return e;
}

MouseEffects leftButtonDown(AppState& s, std::int32_t x, std::int32_t y, Modifiers keys) {
    MouseEffects e;
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    m.LeftButtonDown = true;
    m.MouseX = x;
    m.MouseY = y;

    if (keys.shift) shiftRange(s, e);
    if (keys.control) controlToggle(s, e);
    if (m.SelectionCount > 1) w.SavedLine = w.CurLine;

    if (!keys.shift && !keys.control) {
        if (w.ScaleMode != 0) grabMarker(s, e);
        if (w.CaptureMode == 1) {
            capturePoint(s, e);
        } else if (!m.MarkerDragging) {
            selectPoint(s, e);
        }
        if (w.CaptureMode != 1 && !m.MarkerDragging && m.SelectionCount > 1) groupMoveTest(s, e);
        e.refreshPanel = true; // the line buttons follow the current line
    }
    if (m.PointDragging) {
        m.DragStartX = x;
        m.DragStartY = y;
        m.PointStartX = d.PixX(w.CurLine, w.CurPoint);
        m.PointStartY = d.PixY(w.CurLine, w.CurPoint);
    }
    if (!m.MarkerDragging && w.CaptureMode != 1 && !m.PointDragging && m.GroupMoving == 0)
        startPanning(s, e);
    rebuildShownSpline(s);
    e.focusView = e.repaint = true;
    return e;
}

MouseEffects leftButtonUp(AppState& s) {
    MouseEffects e;
    Interaction& m = s.mouse;
    m.LeftButtonDown = false;
    if (m.PointDragging || m.Panning || m.MarkerDragging) {
        e.cursor = CursorShape::Arrow;
        if (m.MarkerDragging)
            recomputeAllChartValues(s.doc, s.work.PerspectiveDistance); // the calibration moved
        m.PointDragging = m.Panning = m.MarkerDragging = false;
    }
    if (m.GroupMoving == 1) {
        m.GroupMoving = 0;
        e.cursor = CursorShape::Arrow;
        recomputeGroup(s);
        e.showPoint = true;
    }
    e.repaint = true;
    return e;
}

MouseEffects leftDoubleClick(AppState& s, std::int32_t x, std::int32_t y) {
    // Quick clicks while capturing are captures, not double clicks: none is
    // lost. Where the first click left its point, the second adds no copy.
    if (s.work.CaptureMode == 1 && !repeatsLastPoint(s, x, y)) return leftButtonDown(s, x, y, {});
    MouseEffects e;
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    m.LeftButtonDown = true;
    m.MouseX = x;
    m.MouseY = y;
    e.repaint = w.CaptureMode == 1; // the crosshair while the button is held
    if (m.SelectionCount <= 1) return e;
    // A double click ends a multiple selection on the point clicked.
    m.SelectionCount = 1;
    m.Selection(1) = 1;
    const int previousLine = w.CurLine, previousPoint = w.CurPoint;
    w.CurPoint = 1;
    bool hit = false;
    for (int line = 1; line <= d.NLines; ++line) {
        const int p = pointUnder(s, line, x, y);
        if (p == 0) continue;
        hit = true;
        w.SavedLine = line;
        w.CurLine = line;
        w.CurPoint = p;
        m.Selection(1) = p;
    }
    // Only a point under the pointer may be dragged: beside every point the
    // collapse to point 1 must not pick up point 1.
    if (hit && w.CurLine == previousLine && w.CurPoint == previousPoint) {
        startPointDrag(s, e);
        m.DragStartX = x;
        m.DragStartY = y;
        m.PointStartX = d.PixX(w.CurLine, w.CurPoint);
        m.PointStartY = d.PixY(w.CurLine, w.CurPoint);
    }
    if (w.CurPoint <= d.NPoints(w.CurLine)) solveCurrentPoint(s);
    e.showPoint = e.showBundleParameter = e.refreshPanel = e.refreshMenus = e.repaint = true;
    return e;
}

MouseEffects rightButtonDown(AppState& s, std::int32_t x, std::int32_t y) {
    MouseEffects e;
    const WorkState& w = s.work;
    Interaction& m = s.mouse;
    m.MouseX = x;
    m.MouseY = y;
    if (w.CaptureMode == 1 && w.ImageLoaded != 0 && !m.MarkerDragging) startPanning(s, e);
    if (!m.MarkerDragging && w.ScaleMode == 0 && w.CaptureMode != 1) e.openContextMenu = true;
    return e;
}

MouseEffects rightButtonUp(AppState& s) {
    MouseEffects e;
    Interaction& m = s.mouse;
    if (m.Panning || m.MarkerDragging) {
        e.cursor = CursorShape::Arrow;
        m.Panning = false;
    }
    return e;
}

MouseEffects middleButtonDown(AppState& s, std::int32_t x, std::int32_t y) {
    MouseEffects e;
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    Interaction& m = s.mouse;
    m.MouseX = x;
    m.MouseY = y;
    const int line = w.CurLine;
    if (w.SplinePointMode == 1 && w.SplineShown == 1 && d.NPoints(line) < PointsMax &&
        d.NPoints(line) >= 1) {
        updateSplinePoint(s); // the point under the pointer now
        const float px = s.spline.SplinePointX, py = s.spline.SplinePointY;
        // By x order: before the first, after the last, or between neighbours.
        if (px < d.PixX(line, 1)) insertPoint(d, line, 1, px, py);
        int n = d.NPoints(line);
        if (d.PixX(line, n) < px && n < PointsMax) insertPoint(d, line, n + 1, px, py);
        n = d.NPoints(line);
        for (int k = 1; k <= n - 1 && n < PointsMax; ++k) {
            if (d.PixX(line, k) < px && px < d.PixX(line, k + 1)) {
                insertPoint(d, line, k + 1, px, py);
                break;
            }
        }
        w.SavedLine = w.CurLine;
        w.SavedPoint = w.CurPoint;
        w.CurPoint = 1;
        recomputeLineChartValues(s.doc, w.PerspectiveDistance, line);
    }
    rebuildShownSpline(s);
    e.refreshPanel = e.refreshMenus = e.refreshStatusBar = e.repaint = true;
    return e;
}

MouseEffects mouseLeave(AppState& s) {
    MouseEffects e;
    Interaction& m = s.mouse;
    if (m.MarkerDragging) recomputeAllChartValues(s.doc, s.work.PerspectiveDistance);
    if (m.GroupMoving == 1) recomputeGroup(s); // the points stay where they were left
    m.PointDragging = m.Panning = m.MarkerDragging = false;
    m.GroupMoving = 0;
    e.repaint = true;
    return e;
}

int markerToPrompt(const AppState& s) {
    return s.mouse.HoveredMarker;
}

} // namespace vex
