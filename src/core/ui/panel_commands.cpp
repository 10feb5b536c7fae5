#include "core/ui/panel_commands.h"

#include "core/coords/chart_values.h"
#include "core/coords/mapping.h"
#include "core/coords/placeable.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/numerics/spline.h"
#include "core/state/shown_spline.h"
#include "core/ui/trace_commands.h"
#include "core/ui/typed_number.h"

#include <algorithm>
#include <utility>

namespace vex {
namespace {

void selectOnly(AppState& s, int point) {
    s.mouse.SelectionCount = 1;
    s.mouse.Selection(1) = point;
}

// After the image positions of the current line changed.
void lineMoved(AppState& s) {
    recomputeLineChartValues(s.doc, s.work.PerspectiveDistance, s.work.CurLine);
    rebuildShownSpline(s);
}

void copyPoint(Dep2D& d, int line, int from, int to) {
    d.PixX(line, to) = d.PixX(line, from);
    d.PixY(line, to) = d.PixY(line, from);
}

void copyLine(Dep2D& d, int from, int to) {
    d.NPoints(to) = d.NPoints(from);
    d.LineParam(to) = d.LineParam(from);
    for (int k = 1; k <= PointSlots; ++k) {
        d.ArgX(to, k) = d.ArgX(from, k);
        d.ValY(to, k) = d.ValY(from, k);
        d.PixX(to, k) = d.PixX(from, k);
        d.PixY(to, k) = d.PixY(from, k);
    }
}

void midpoint(Dep2D& d, int line, int target, int a, int b) {
    d.PixX(line, target) = 0.5f * (d.PixX(line, a) + d.PixX(line, b));
    d.PixY(line, target) = 0.5f * (d.PixY(line, a) + d.PixY(line, b));
}

// Moving to another line: the current point stays if that line has it.
void enterLine(AppState& s, int line, int savedStep) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    w.CurLine = line;
    w.SavedLine = std::clamp(w.SavedLine + savedStep, 1, LineSlots);
    if (d.NPoints(line) < w.CurPoint) w.CurPoint = w.SavedPoint = std::max(1, d.NPoints(line));
    if (d.NPoints(line) < PointsMax) {
        s.toolbar.buttons(CaptureSlot).enabled = true;
    } else {
        w.CaptureMode = 0;
        leaveCaptureFull(s.toolbar);
    }
    selectOnly(s, w.CurPoint);
    rebuildShownSpline(s);
}

} // namespace

bool addLine(AppState& s) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    if (d.NPoints(w.CurLine) <= 0 || d.NLines >= LinesMax) return false;
    d.NLines += 1;
    w.CurLine = d.NLines;
    d.NPoints(d.NLines) = 0;
    d.LineParam(d.NLines) = 1.0f;
    w.CurPoint = 1;
    selectOnly(s, 1);
    w.SplineShown = 0; // capture starts on the new line; its spline would be empty
    setCaptureMode(s, true);
    return true;
}

void deleteLine(AppState& s) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    const int removed = w.CurLine;
    if (d.NLines >= 2) {
        for (int j = removed + 1; j <= d.NLines; ++j) copyLine(d, j, j - 1);
        d.NPoints(d.NLines) = 0;
        d.NLines -= 1;
    } else {
        emptyAllLines(d); // the only line: emptied, its parameter 0
    }
    w.SavedLine = std::max(1, d.NLines); // the last line, as the current one becomes
    selectOnly(s, 1);
    w.CurLine = d.NLines;
    w.CurPoint = 1;
    clearLatch(s.toolbar);
    w.CaptureMode = 0;
    releaseCaptureButton(s.toolbar);
    rebuildShownSpline(s);
}

bool addPoint(AppState& s) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    const int line = w.CurLine;
    const int n = d.NPoints(line), p = w.CurPoint;
    if (n < 2 || n >= PointsMax || p < 1 || p > n) return false;
    if (p < n) {
        for (int k = n; k >= p + 1; --k) copyPoint(d, line, k, k + 1);
        midpoint(d, line, p + 1, p, p + 2);
    } else {
        // On the last point: the new one goes before it, the selection stays on it.
        w.CurPoint = p + 1;
        copyPoint(d, line, p, p + 1);
        midpoint(d, line, p, p - 1, p + 1);
        selectOnly(s, w.CurPoint);
    }
    d.NPoints(line) = n + 1;
    if (n + 1 >= PointsMax) {
        w.CaptureMode = 0;
        leaveCaptureFull(s.toolbar);
    }
    lineMoved(s);
    return true;
}

bool deletePoint(AppState& s) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    const int line = w.CurLine;
    const int n = d.NPoints(line), p = w.CurPoint;
    if (n <= 2 || p < 1 || p > n) return false;
    for (int k = p + 1; k <= n; ++k) copyPoint(d, line, k, k - 1);
    d.NPoints(line) = n - 1;
    if (n - 1 < p) w.CurPoint = n - 1;
    selectOnly(s, w.CurPoint);
    if (n - 1 < PointsMax) s.toolbar.buttons(CaptureSlot).enabled = true;
    lineMoved(s);
    return true;
}

bool sortPoints(AppState& s) {
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    const int line = w.CurLine, n = d.NPoints(line);
    if (n <= 2) return false;
    // Selection sort; the first of equal columns keeps its place.
    for (int i = 1; i <= n - 1; ++i) {
        float smallest = 1.0E35f;
        int at = i;
        for (int k = i; k <= n; ++k) {
            if (d.PixX(line, k) < smallest) {
                smallest = d.PixX(line, k);
                at = k;
            }
        }
        std::swap(d.PixX(line, i), d.PixX(line, at));
        std::swap(d.PixY(line, i), d.PixY(line, at));
    }
    lineMoved(s);
    return true;
}

bool nextLine(AppState& s) {
    if (s.work.CurLine >= s.doc.NLines) return false;
    enterLine(s, s.work.CurLine + 1, +1);
    return true;
}

bool previousLine(AppState& s) {
    if (s.work.CurLine <= 1) return false;
    enterLine(s, s.work.CurLine - 1, -1);
    return true;
}

void startScaleMode(AppState& s) {
    stopTracing(s);
    s.work.ScaleMode = -1;
    latchScaleButton(s.toolbar);
}

void setCaptureMode(AppState& s, bool on) {
    s.work.CaptureMode = on ? 1 : 0;
    if (on) stopTracing(s); // one way of placing points at a time
    if (on)
        latchCaptureButton(s.toolbar);
    else
        releaseCaptureButton(s.toolbar);
}

void setSplineShown(AppState& s, bool on) {
    s.work.SplineShown = on ? 1 : 0;
    if (on)
        rebuildShownSpline(s);
    else
        s.work.SplinePointMode = 0;
}

void setSplinePointMode(AppState& s, bool on) {
    WorkState& w = s.work;
    if (on) {
        w.SavedLine = w.CurLine;
        w.SavedPoint = w.CurPoint;
        w.CurPoint = 1;
    }
    w.SplinePointMode = on ? 1 : 0;
}

namespace {

TypedEdit refused(std::optional<UserMessage> refusal) {
    return {false, std::move(refusal)};
}

UserMessage notPlaceable(float X, float Y) {
    return {msg::PointNotPlaceable,
            MessageKind::Warning,
            {listDirectedReal(X), listDirectedReal(Y), {}, {}}};
}

TypedEdit typeCoordinate(AppState& s, std::string_view text, bool x) {
    Document& d = s.doc;
    WorkState& w = s.work;
    if (d.NPoints(w.CurLine) < w.CurPoint) return {}; // no such point yet
    const TypedNumber typed = readTypedNumber(text);
    if (!typed.value) return refused(typed.refusal);
    const float X = x ? *typed.value : d.ArgX(w.CurLine, w.CurPoint);
    const float Y = x ? d.ValY(w.CurLine, w.CurPoint) : *typed.value;
    if (!chartPointPlaceable(d, w.PerspectiveDistance, X, Y)) return refused(notPlaceable(X, Y));
    d.ArgX(w.CurLine, w.CurPoint) = X;
    d.ValY(w.CurLine, w.CurPoint) = Y;
    INVERTARGANDPARTOMOUSEXY(d, d, w.CurLine, w.CurPoint);
    rebuildShownSpline(s);
    return {true, std::nullopt};
}

} // namespace

TypedEdit typeBundleParameter(AppState& s, std::string_view text) {
    const TypedNumber typed = readTypedNumber(text);
    if (!typed.value) return refused(typed.refusal);
    s.doc.LineParam(s.work.CurLine) = *typed.value;
    return {true, std::nullopt};
}

TypedEdit typePointX(AppState& s, std::string_view text) {
    return typeCoordinate(s, text, true);
}
TypedEdit typePointY(AppState& s, std::string_view text) {
    return typeCoordinate(s, text, false);
}

bool typeGridCount(AppState& s, bool xGrid, std::string_view text) {
    std::int32_t count = 0;
    if (!readInteger(text, count)) return false;
    (xGrid ? s.work.XGrid : s.work.YGrid) = std::min(count, 100);
    return true;
}

} // namespace vex
