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

PlanePoint imageToChart(Calibration& c, double pixX, double pixY, std::ostream& diagnostics) {
    // A strongly converging quadrilateral gets the narrow box; NaN falls there too.
    const double bound = c.PerspectiveDistance >= 1000.0f ? WideSearchBox : NarrowSearchBox;
    const double lo[2] = {-bound, -bound};
    const double hi[2] = {bound, bound};
    double ab[2] = {0.5, 0.5};
    const Calibration& calibration = c;
    NEWTON(
        2, 0, ab, lo, hi,
        [&calibration, pixX, pixY](int, const double* p, double* f) {
            INVERTMOUSEXYTOARGANDPAR(calibration, pixX, pixY, p, f);
        },
        kSolveTolerance, 1, diagnostics);
    // The status is deliberately not examined: the best point is the answer either way.
    c.LastSolvedA = static_cast<float>(ab[0]);
    c.LastSolvedB = static_cast<float>(ab[1]);
    return {c.Xmin + ab[0] * (static_cast<double>(c.Xmax) - c.Xmin),
            c.Ymax - ab[1] * (static_cast<double>(c.Ymax) - c.Ymin)};
}

void INVERTARGANDPARTOMOUSEXY(const Calibration& c, Dep2D& d) {
    const PlanePoint p =
        chartToImage(c, d.ArgX(d.ArgLine, d.ArgPoint), d.ValY(d.ArgLine, d.ArgPoint));
    d.PixX(d.ArgLine, d.ArgPoint) = static_cast<float>(p.x);
    d.PixY(d.ArgLine, d.ArgPoint) = static_cast<float>(p.y);
}

void SOLUTION_NEWTON(Calibration& c, Dep2D& d, std::ostream& diagnostics) {
    const PlanePoint chart =
        imageToChart(c, d.PixX(d.ArgLine, d.ArgPoint), d.PixY(d.ArgLine, d.ArgPoint), diagnostics);
    d.ArgX(d.ArgLine, d.ArgPoint) = static_cast<float>(chart.x);
    d.ValY(d.ArgLine, d.ArgPoint) = static_cast<float>(chart.y);
}

void SOLUTION_NEWTON(Calibration& c, Dep2D& d) {
    SOLUTION_NEWTON(c, d, std::cout);
}

} // namespace vex
