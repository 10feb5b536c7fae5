#include "core/coords/projective.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

bool allFinite(const Homography& h) {
    return std::all_of(h.m.begin(), h.m.end(), [](double v) { return std::isfinite(v); });
}

double determinant(const std::array<double, 9>& m) {
    return m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6]) +
           m[2] * (m[3] * m[7] - m[4] * m[6]);
}

} // namespace

PlanePoint Homography::apply(double u, double v) const {
    const double w = m[6] * u + m[7] * v + m[8];
    return {(m[0] * u + m[1] * v + m[2]) / w, (m[3] * u + m[4] * v + m[5]) / w};
}

// The square-to-quadrilateral map in closed form: with the markers' sums
// sx, sy zero the quadrilateral is a parallelogram and the map affine;
// otherwise the two perspective terms g, h come from a 2 × 2 system.
std::optional<Homography> squareToMarkers(const Calibration& c) {
    const double x0 = c.MarkerPixX(1), y0 = c.MarkerPixY(1);
    const double x1 = c.MarkerPixX(2), y1 = c.MarkerPixY(2);
    const double x2 = c.MarkerPixX(3), y2 = c.MarkerPixY(3);
    const double x3 = c.MarkerPixX(4), y3 = c.MarkerPixY(4);
    const double sx = x0 - x1 + x2 - x3;
    const double sy = y0 - y1 + y2 - y3;
    double g = 0.0;
    double h = 0.0;
    if (sx != 0.0 || sy != 0.0) {
        const double dx1 = x1 - x2, dx2 = x3 - x2, dy1 = y1 - y2, dy2 = y3 - y2;
        const double det = dx1 * dy2 - dx2 * dy1;
        if (det == 0.0) return std::nullopt;
        g = (sx * dy2 - dx2 * sy) / det;
        h = (dx1 * sy - sx * dy1) / det;
    }
    const Homography map{{x1 - x0 + g * x1, x3 - x0 + h * x3, x0, //
                          y1 - y0 + g * y1, y3 - y0 + h * y3, y0, //
                          g, h, 1.0}};
    // Three markers on one line leave no quadrilateral to map onto.
    const double det = determinant(map.m);
    if (!allFinite(map) || det == 0.0 || !std::isfinite(det)) return std::nullopt;
    return map;
}

std::optional<Homography> inverted(const Homography& h) {
    const auto& m = h.m;
    // The adjugate: an inverse up to a factor, which the division by w cancels.
    const Homography adj{
        {m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
         m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
         m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]}};
    const double det = determinant(m);
    if (det == 0.0 || !std::isfinite(det) || !allFinite(adj)) return std::nullopt;
    return adj;
}

} // namespace vex
