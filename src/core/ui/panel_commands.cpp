#include "core/ui/panel_commands.h"

#include "core/coords/chart_values.h"
#include "core/coords/mapping.h"
#include "core/coords/placeable.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/numerics/spline.h"
#include "core/ui/typed_number.h"

#include <algorithm>
#include <utility>

namespace vex {
namespace {

void selectOnly(AppState& s, int point) {
    s.mouse.SelectionCount = 1;
    s.mouse.Selection(1) = point;
}

void refreshSpline(AppState& s) {
    if (s.dep.SplineShown == 1) SPLINEINTERPOLATION(SplinePolyline, s.dep, s.spline);
}

// After the image positions of the current line changed.
void lineMoved(AppState& s) {
    recomputeLineChartValues(s.cal, s.dep, s.dep.CurLine);
    refreshSpline(s);
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
    Dep2D& d = s.dep;
    d.CurLine = line;
    d.SavedLine = std::clamp(d.SavedLine + savedStep, 1, LineSlots);
    if (d.NPoints(line) < d.CurPoint) d.CurPoint = d.SavedPoint = std::max(1, d.NPoints(line));
    if (d.NPoints(line) < PointsMax) {
        s.toolbar.buttons(CaptureSlot).enabled = true;
    } else {
        d.CaptureMode = 0;
        leaveCaptureFull(s.toolbar);
    }
    selectOnly(s, d.CurPoint);
    refreshSpline(s);
}

} // namespace

bool addLine(AppState& s) {
    Dep2D& d = s.dep;
    if (d.NPoints(d.CurLine) <= 0 || d.NLines >= LinesMax) return false;
    d.NLines += 1;
    d.CurLine = d.NLines;
    d.NPoints(d.NLines) = 0;
    d.LineParam(d.NLines) = 1.0f;
    d.CurPoint = 1;
    selectOnly(s, 1);
    d.SplineShown = 0; // capture starts on the new line; its spline would be empty
    setCaptureMode(s, true);
    return true;
}

void deleteLine(AppState& s) {
    Dep2D& d = s.dep;
    const int removed = d.CurLine;
    if (d.NLines >= 2) {
        for (int j = removed + 1; j <= d.NLines; ++j) copyLine(d, j, j - 1);
        d.NPoints(d.NLines) = 0;
        d.NLines -= 1;
    } else {
        emptyAllLines(d); // the only line: emptied, its parameter 0
    }
    d.SavedLine = std::max(1, d.NLines); // the last line, as the current one becomes
    selectOnly(s, 1);
    d.CurLine = d.NLines;
    d.CurPoint = 1;
    clearLatch(s.toolbar);
    d.CaptureMode = 0;
    releaseCaptureButton(s.toolbar);
    refreshSpline(s);
}

bool addPoint(AppState& s) {
    Dep2D& d = s.dep;
    const int line = d.CurLine;
    const int n = d.NPoints(line), p = d.CurPoint;
    if (n < 2 || n >= PointsMax || p < 1 || p > n) return false;
    if (p < n) {
        for (int k = n; k >= p + 1; --k) copyPoint(d, line, k, k + 1);
        midpoint(d, line, p + 1, p, p + 2);
    } else {
        // On the last point: the new one goes before it, the selection stays on it.
        d.CurPoint = p + 1;
        copyPoint(d, line, p, p + 1);
        midpoint(d, line, p, p - 1, p + 1);
        selectOnly(s, d.CurPoint);
    }
    d.NPoints(line) = n + 1;
    if (n + 1 >= PointsMax) {
        d.CaptureMode = 0;
        leaveCaptureFull(s.toolbar);
    }
    lineMoved(s);
    return true;
}

bool deletePoint(AppState& s) {
    Dep2D& d = s.dep;
    const int line = d.CurLine;
    const int n = d.NPoints(line), p = d.CurPoint;
    if (n <= 2 || p < 1 || p > n) return false;
    for (int k = p + 1; k <= n; ++k) copyPoint(d, line, k, k - 1);
    d.NPoints(line) = n - 1;
    if (n - 1 < p) d.CurPoint = n - 1;
    selectOnly(s, d.CurPoint);
    if (n - 1 < PointsMax) s.toolbar.buttons(CaptureSlot).enabled = true;
    lineMoved(s);
    return true;
}

bool sortPoints(AppState& s) {
    Dep2D& d = s.dep;
    const int line = d.CurLine, n = d.NPoints(line);
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
    if (s.dep.CurLine >= s.dep.NLines) return false;
    enterLine(s, s.dep.CurLine + 1, +1);
    return true;
}

bool previousLine(AppState& s) {
    if (s.dep.CurLine <= 1) return false;
    enterLine(s, s.dep.CurLine - 1, -1);
    return true;
}

void startScaleMode(AppState& s) {
    s.dep.ScaleMode = -1;
    latchScaleButton(s.toolbar);
}

void setCaptureMode(AppState& s, bool on) {
    s.dep.CaptureMode = on ? 1 : 0;
    if (on)
        latchCaptureButton(s.toolbar);
    else
        releaseCaptureButton(s.toolbar);
}

void setSplineShown(AppState& s, bool on) {
    s.dep.SplineShown = on ? 1 : 0;
    if (on)
        SPLINEINTERPOLATION(SplinePolyline, s.dep, s.spline);
    else
        s.dep.SplinePointMode = 0;
}

void setSplinePointMode(AppState& s, bool on) {
    Dep2D& d = s.dep;
    if (on) {
        d.SavedLine = d.CurLine;
        d.SavedPoint = d.CurPoint;
        d.CurPoint = 1;
    }
    d.SplinePointMode = on ? 1 : 0;
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
    Dep2D& d = s.dep;
    if (d.NPoints(d.CurLine) < d.CurPoint) return {}; // no such point yet
    const TypedNumber typed = readTypedNumber(text);
    if (!typed.value) return refused(typed.refusal);
    const float X = x ? *typed.value : d.ArgX(d.CurLine, d.CurPoint);
    const float Y = x ? d.ValY(d.CurLine, d.CurPoint) : *typed.value;
    if (!chartPointPlaceable(s.cal, X, Y)) return refused(notPlaceable(X, Y));
    d.ArgX(d.CurLine, d.CurPoint) = X;
    d.ValY(d.CurLine, d.CurPoint) = Y;
    d.ArgLine = d.CurLine;
    d.ArgPoint = d.CurPoint;
    INVERTARGANDPARTOMOUSEXY(s.cal, d);
    refreshSpline(s);
    return {true, std::nullopt};
}

} // namespace

TypedEdit typeBundleParameter(AppState& s, std::string_view text) {
    const TypedNumber typed = readTypedNumber(text);
    if (!typed.value) return refused(typed.refusal);
    s.dep.LineParam(s.dep.CurLine) = *typed.value;
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
    (xGrid ? s.dep.XGrid : s.dep.YGrid) = std::min(count, 100);
    return true;
}

} // namespace vex
