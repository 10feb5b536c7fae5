#include "core/view/pointer_spot.h"

#include "core/coords/mapping.h"
#include "core/io/formatted_value.h"
#include "core/view/view_math.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vex {
namespace {

PictureSpot underPointer(const AppState& s) {
    return {toStored(s.mouse.MouseX, s.view.ViewScale, s.view.ScrollX),
            toStored(s.mouse.MouseY, s.view.ViewScale, s.view.ScrollY)};
}

// Stored positions are picture pixels scaled by the fitted zoom they were taken at.
bool onPicture(const AppState& s, PictureSpot p) {
    const float toPicture = s.view.ViewScale / s.view.Zoom;
    const float px = p.x * toPicture;
    const float py = p.y * toPicture;
    return px >= 0.0f && py >= 0.0f && px < static_cast<float>(s.doc.ImageWidth) &&
           py < static_cast<float>(s.doc.ImageHeight);
}

} // namespace

PictureSpot spotInWork(const AppState& s) {
    const Interaction& m = s.mouse;
    if (m.MarkerDragging && m.DraggedMarker >= 1 && m.DraggedMarker <= 4)
        return {s.doc.MarkerPixX(m.DraggedMarker), s.doc.MarkerPixY(m.DraggedMarker)};
    const WorkState& w = s.work;
    if (m.PointDragging && w.CurPoint >= 1 && w.CurPoint <= s.doc.NPoints(w.CurLine))
        return {s.doc.PixX(w.CurLine, w.CurPoint), s.doc.PixY(w.CurLine, w.CurPoint)};
    return underPointer(s);
}

bool placesPrecisely(const AppState& s) {
    const Interaction& m = s.mouse;
    return s.work.ImageLoaded != 0 &&
           (m.MarkerDragging || m.PointDragging || m.GroupMoving != 0 || s.work.CaptureMode == 1);
}

std::optional<std::string> pointerReadout(const AppState& s) {
    if (s.work.ImageLoaded == 0 || s.work.ScaleMode != 0 || s.view.Zoom <= 0.0f) return {};
    const PictureSpot p = underPointer(s);
    if (!onPicture(s, p)) return {};
    std::ostringstream unheard; // a slow solve is no news while the pointer moves
    const PlanePoint chart =
        imageToChart(s.doc, s.work.PerspectiveDistance, p.x, p.y, unheard).chart;
    if (!std::isfinite(chart.x) || !std::isfinite(chart.y)) return {};
    return "X = " + WRITEFORMATTEDVALUE(1, 0, static_cast<float>(chart.x)) +
           "; Y = " + WRITEFORMATTEDVALUE(1, 0, static_cast<float>(chart.y));
}

namespace {

constexpr int kGap = 20; // between the spot and the magnifier's nearest edge

int besideSpot(int spot, int size, int canvas) {
    if (spot + kGap + size <= canvas) return spot + kGap;
    if (spot - kGap - size >= 0) return spot - kGap - size;
    // No room on either side: past the spot into the larger side, off the canvas's edge.
    return canvas - spot >= spot ? spot + kGap : spot - kGap - size;
}

} // namespace

CanvasCorner magnifierCorner(int spotX, int spotY, int size, int canvasWidth, int canvasHeight) {
    return {besideSpot(spotX, size, canvasWidth), besideSpot(spotY, size, canvasHeight)};
}

double magnifierScale(float zoom) {
    constexpr double kTimesTheView = 6.0;
    constexpr double kMost = 32.0; // about five picture pixels across
    return std::min(kTimesTheView * static_cast<double>(zoom), kMost);
}

} // namespace vex
