#include "core/coords/mapping.h"

#include "core/coords/newton.h"

#include <iostream>

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

} // namespace

PlanePoint bilinearPosition(const Calibration& c, double a, double b) {
    // Points on the Ymax edge (1 -> 2) and on the Ymin edge (4 -> 3), then between them.
    const double topX = markerX(c, 1) + a * (markerX(c, 2) - markerX(c, 1));
    const double topY = markerY(c, 1) + a * (markerY(c, 2) - markerY(c, 1));
    const double bottomX = markerX(c, 4) + a * (markerX(c, 3) - markerX(c, 4));
    const double bottomY = markerY(c, 4) + a * (markerY(c, 3) - markerY(c, 4));
    return {topX + b * (bottomX - topX), topY + b * (bottomY - topY)};
}

PlanePoint chartToImage(const Calibration& c, double X, double Y) {
    const double a = (X - c.Xmin) / (static_cast<double>(c.Xmax) - c.Xmin);
    const double b = (c.Ymax - Y) / (static_cast<double>(c.Ymax) - c.Ymin);
    return bilinearPosition(c, a, b);
}

void INVERTMOUSEXYTOARGANDPAR(const Calibration& c, double targetX, double targetY, const double* p,
                              double* f) {
    const PlanePoint at = bilinearPosition(c, p[0], p[1]);
    f[0] = at.x - targetX;
    f[1] = at.y - targetY;
}

ChartPosition imageToChart(const Calibration& c, float perspectiveDistance, double pixX,
                           double pixY, std::ostream& diagnostics) {
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
    return {{c.Xmin + ab[0] * (static_cast<double>(c.Xmax) - c.Xmin),
             c.Ymax - ab[1] * (static_cast<double>(c.Ymax) - c.Ymin)},
            static_cast<float>(ab[0]),
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
