#include "core/coords/placeable.h"

#include "core/coords/mapping.h"

#include <cmath>
#include <ostream>

namespace vex {
namespace {

// Normalised coordinates of the inversion that count as the same place.
constexpr double kFoundAgain = 1.0e-3;

bool finiteAsFloat(double v) {
    return std::isfinite(static_cast<float>(v));
}

// Chart values from + t·(to − from) for |t| up to the widest search box. A
// logarithmic axis keeps them finite however far out, given positive ends.
bool axisKeepsChartValuesFinite(float from, float to, AxisScale scale) {
    if (scale == AxisScale::Logarithmic)
        return from > 0.0f && to > 0.0f && std::isfinite(from) && std::isfinite(to);
    for (const double edge : {-WideSearchBox, WideSearchBox}) {
        if (!finiteAsFloat(from + edge * (static_cast<double>(to) - from))) return false;
    }
    return true;
}

} // namespace

bool chartPointPlaceable(const Calibration& c, float perspectiveDistance, float X, float Y) {
    if (!std::isfinite(X) || !std::isfinite(Y)) return false;
    const PlanePoint wanted = normalisedPosition(c, X, Y);
    const PlanePoint position = quadPosition(c, wanted.x, wanted.y); // chartToImage, kept halfway
    if (!finiteAsFloat(position.x) || !finiteAsFloat(position.y)) return false;

    // The inversion works on the stored floats; a solve that cannot reach the
    // position says nothing, so a silent stream takes what it would print.
    std::ostream quiet(nullptr);
    const ChartPosition found = imageToChart(c, perspectiveDistance, static_cast<float>(position.x),
                                             static_cast<float>(position.y), quiet);
    if (!finiteAsFloat(found.chart.x) || !finiteAsFloat(found.chart.y)) return false;
    return std::fabs(found.a - wanted.x) <= kFoundAgain &&
           std::fabs(found.b - wanted.y) <= kFoundAgain;
}

bool argumentRangeKeepsChartValuesFinite(float Xmin, float Xmax, AxisScale scale) {
    return axisKeepsChartValuesFinite(Xmin, Xmax, scale);
}

bool valueRangeKeepsChartValuesFinite(float Ymin, float Ymax, AxisScale scale) {
    // The value axis runs from Ymax at the top (b = 0) to Ymin at the bottom.
    return axisKeepsChartValuesFinite(Ymax, Ymin, scale);
}

bool rangesKeepChartValuesFinite(const Calibration& c) {
    return argumentRangeKeepsChartValuesFinite(c.Xmin, c.Xmax, c.XScale) &&
           valueRangeKeepsChartValuesFinite(c.Ymin, c.Ymax, c.YScale);
}

} // namespace vex
