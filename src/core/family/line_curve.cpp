#include "core/family/line_curve.h"

#include "core/numerics/spline.h"

#include <algorithm>
#include <numeric>

namespace vex {

LineCurve::LineCurve(const Dep2D& d, int line) {
    const int n = std::clamp(d.NPoints(line), 0, PointsMax);
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    // By X; points of equal X keep their order, as a sort of the line would.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return d.ArgX(line, a) < d.ArgX(line, b); });
    for (int k : order) {
        x_.push_back(d.ArgX(line, k));
        y_.push_back(d.ValY(line, k));
    }
}

double LineCurve::at(double X) const {
    return F3INP2(x_.data(), y_.data(), X, static_cast<int>(x_.size()));
}

std::vector<LineCurve> curvesOf(const Dep2D& d) {
    std::vector<LineCurve> curves;
    for (int j = 1; j <= d.NLines; ++j) curves.emplace_back(d, j);
    return curves;
}

} // namespace vex
