#include "core/ui/trace_commands.h"

#include "core/coords/chart_values.h"
#include "core/trace/curve_tracer.h"
#include "core/trace/trace_sampling.h"

#include <algorithm>

namespace vex {

bool traceAllowed(const AppState& s) {
    return s.work.ImageLoaded != 0 && s.work.ScaleMode == 0;
}

void startTracing(AppState& s) {
    s.trace = TraceSession{};
    s.trace.on = true;
    s.work.CaptureMode = 0;
    s.work.SplinePointMode = 0;
}

void stopTracing(AppState& s) {
    s.trace = TraceSession{};
}

TraceOutcome traceClick(AppState& s, const TraceImage& picture, PlanePoint stored) {
    const double zoom = s.view.storedPerPicturePixel();
    const PlanePoint at{stored.x / zoom, stored.y / zoom};
    const bool bounding = !s.trace.shown.empty() && s.trace.click;
    TraceRequest request{bounding ? *s.trace.click : at, std::nullopt};
    if (bounding) request.bound = at;
    TraceResult traced = traceCurve(picture, request);
    if (traced.path.empty()) return TraceOutcome::NothingFound;
    if (traced.boundMissed) return TraceOutcome::BoundMissed;
    s.trace.click = request.click;
    s.trace.shown = std::move(traced.path);
    return TraceOutcome::Traced;
}

std::vector<PlanePoint> tracedPoints(const AppState& s, int count) {
    const std::vector<PlanePoint>& path = s.trace.shown;
    count = std::clamp(count, 1, static_cast<int>(PointsMax));
    std::vector<PlanePoint> points = pointsAlong(path, count, spacingFor(path, count));
    const double zoom = s.view.storedPerPicturePixel();
    for (PlanePoint& p : points) p = {p.x * zoom, p.y * zoom};
    return points;
}

void takeTracedPoints(AppState& s, const std::vector<PlanePoint>& stored) {
    Dep2D& d = s.doc;
    const int line = s.work.CurLine;
    const auto n = static_cast<std::int32_t>(std::min<std::size_t>(stored.size(), PointsMax));
    d.NPoints(line) = n;
    for (int k = 1; k <= n; ++k) {
        d.PixX(line, k) = static_cast<float>(stored[static_cast<std::size_t>(k - 1)].x);
        d.PixY(line, k) = static_cast<float>(stored[static_cast<std::size_t>(k - 1)].y);
    }
    recomputeLineChartValues(s.doc, s.work.PerspectiveDistance, line);
    s.work.CurPoint = 1;
    s.trace.dropShown();
}

} // namespace vex
