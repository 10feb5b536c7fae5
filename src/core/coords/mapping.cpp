#include "core/coords/mapping.h"

#include "core/coords/newton.h"
#include "core/coords/projective.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>
#include <optional>

namespace vex {
namespace {

// Residual tolerance in stored-position pixels, as the single-precision constant it was.
constexpr double kSolveTolerance = static_cast<double>(1.0E-4f);

double markerX(const Calibration& c, int k) {
    return c.MarkerPixX(k);
}
double markerY(const Calibration& c, int k) {
    return c.MarkerPixY(k);
}

// The projective map in use; none for the bilinear one, or when the markers
// span no quadrilateral (the bilinear map then stands in).
std::optional<Homography> perspectiveMap(const Calibration& c) {
    if (c.Mapping != QuadMapping::Projective) return std::nullopt;
    return squareToMarkers(c);
}

// The share of the way from `from` to `to` that v lies at, along the scale.
double shareAlong(AxisScale scale, double from, double to, double v) {
    if (scale == AxisScale::Linear) return (v - from) / (to - from);
    return (std::log(v) - std::log(from)) / (std::log(to) - std::log(from));
}

// The value at share t of the way from `from` to `to`. A logarithmic value
// is kept within the positive normal floats, so that a position far off the
// chart still has chart values that can be stored and placed again.
double valueAtShare(AxisScale scale, double from, double to, double t) {
    if (scale == AxisScale::Linear) return from + t * (to - from);
    const double v = std::exp(std::log(from) + t * (std::log(to) - std::log(from)));
    if (std::isnan(v)) return v;
    return std::clamp(v, static_cast<double>(std::numeric_limits<float>::min()),
                      static_cast<double>(std::numeric_limits<float>::max()));
}

PlanePoint between(const PlanePoint& a, const PlanePoint& b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

PlanePoint markerAt(const Calibration& c, int k) {
    return {markerX(c, k), markerY(c, k)};
}

// The projective solution, kept inside the widest search box as the
// bilinear one is: near the vanishing line a and b grow without bound.
double insideWideBox(double v) {
    if (std::isnan(v)) return 0.5;
    return std::clamp(v, -WideSearchBox, WideSearchBox);
}

} // namespace

PlanePoint bilinearPosition(const Calibration& c, double a, double b) {
    // Points on the Ymax edge (1 -> 2) and on the Ymin edge (4 -> 3), then between them.
    const double topX = markerX(c, 1) + a * (markerX(c, 2) - markerX(c, 1));
    const double topY = markerY(c, 1) + a * (markerY(c, 2) - markerY(c, 1));
    const double bottomX = markerX(c, 4) + a * (markerX(c, 3) - markerX(c, 4));
    const double bottomY = markerY(c, 4) + a * (markerY(c, 3) - markerY(c, 4));
    return {topX + b * (bottomX - topX), topY + b * (bottomY - topY)};
}

PlanePoint quadPosition(const Calibration& c, double a, double b) {
    if (const std::optional<Homography> map = perspectiveMap(c)) return map->apply(a, b);
    return bilinearPosition(c, a, b);
}

PlanePoint normalisedPosition(const Calibration& c, double X, double Y) {
    return {shareAlong(c.XScale, c.Xmin, c.Xmax, X), shareAlong(c.YScale, c.Ymax, c.Ymin, Y)};
}

PlanePoint chartOfNormalised(const Calibration& c, double a, double b) {
    return {valueAtShare(c.XScale, c.Xmin, c.Xmax, a), valueAtShare(c.YScale, c.Ymax, c.Ymin, b)};
}

PlanePoint chartToImage(const Calibration& c, double X, double Y) {
    const PlanePoint ab = normalisedPosition(c, X, Y);
    return quadPosition(c, ab.x, ab.y);
}

PlaneSegment segmentOfConstantA(const Calibration& c, double a) {
    if (const std::optional<Homography> map = perspectiveMap(c))
        return {map->apply(a, 0.0), map->apply(a, 1.0)};
    return {between(markerAt(c, 1), markerAt(c, 2), a), between(markerAt(c, 4), markerAt(c, 3), a)};
}

PlaneSegment segmentOfConstantB(const Calibration& c, double b) {
    if (const std::optional<Homography> map = perspectiveMap(c))
        return {map->apply(0.0, b), map->apply(1.0, b)};
    return {between(markerAt(c, 1), markerAt(c, 4), b), between(markerAt(c, 2), markerAt(c, 3), b)};
}

void INVERTMOUSEXYTOARGANDPAR(const Calibration& c, double targetX, double targetY, const double* p,
                              double* f) {
    const PlanePoint at = bilinearPosition(c, p[0], p[1]);
    f[0] = at.x - targetX;
    f[1] = at.y - targetY;
}

ChartPosition imageToChart(const Calibration& c, float perspectiveDistance, double pixX,
                           double pixY, std::ostream& diagnostics) {
    const std::optional<Homography> map = perspectiveMap(c);
    if (const std::optional<Homography> back = map ? inverted(*map) : std::nullopt) {
        const PlanePoint ab = back->apply(pixX, pixY);
        const double a = insideWideBox(ab.x), b = insideWideBox(ab.y);
        return {chartOfNormalised(c, a, b), a, b};
    }
    // A strongly converging quadrilateral gets the narrow box; NaN falls there too.
    const double bound = perspectiveDistance >= 1000.0f ? WideSearchBox : NarrowSearchBox;
    const double lo[2] = {-bound, -bound};
    const double hi[2] = {bound, bound};
    double ab[2] = {0.5, 0.5};
    NEWTON(
        2, 0, ab, lo, hi,
        [&c, pixX, pixY](int, const double* p, double* f) {
            INVERTMOUSEXYTOARGANDPAR(c, pixX, pixY, p, f);
        },
        kSolveTolerance, 1, diagnostics);
    // The status is deliberately not examined: the best point is the answer either way.
    return {chartOfNormalised(c, ab[0], ab[1]), static_cast<float>(ab[0]),
            static_cast<float>(ab[1])};
}

void INVERTARGANDPARTOMOUSEXY(const Calibration& c, Dep2D& d, int line, int point) {
    const PlanePoint p = chartToImage(c, d.ArgX(line, point), d.ValY(line, point));
    d.PixX(line, point) = static_cast<float>(p.x);
    d.PixY(line, point) = static_cast<float>(p.y);
}

ChartPosition SOLUTION_NEWTON(const Calibration& c, float perspectiveDistance, Dep2D& d, int line,
                              int point, std::ostream& diagnostics) {
    const ChartPosition found =
        imageToChart(c, perspectiveDistance, d.PixX(line, point), d.PixY(line, point), diagnostics);
    d.ArgX(line, point) = static_cast<float>(found.chart.x);
    d.ValY(line, point) = static_cast<float>(found.chart.y);
    return found;
}

ChartPosition SOLUTION_NEWTON(const Calibration& c, float perspectiveDistance, Dep2D& d, int line,
                              int point) {
    return SOLUTION_NEWTON(c, perspectiveDistance, d, line, point, std::cout);
}

} // namespace vex
