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

// Chart values from + t·(to − from) for |t| up to the widest search box.
bool axisKeepsChartValuesFinite(float from, float to) {
    for (const double edge : {-WideSearchBox, WideSearchBox}) {
        if (!finiteAsFloat(from + edge * (static_cast<double>(to) - from))) return false;
    }
    return true;
}

} // namespace

bool chartPointPlaceable(const Calibration& c, float perspectiveDistance, float X, float Y) {
    if (!std::isfinite(X) || !std::isfinite(Y)) return false;
    const PlanePoint position = chartToImage(c, X, Y);
    if (!finiteAsFloat(position.x) || !finiteAsFloat(position.y)) return false;

    // The inversion works on the stored floats; a solve that cannot reach the
    // position says nothing, so a silent stream takes what it would print.
    std::ostream quiet(nullptr);
    const ChartPosition found = imageToChart(c, perspectiveDistance, static_cast<float>(position.x),
                                             static_cast<float>(position.y), quiet);
    if (!finiteAsFloat(found.chart.x) || !finiteAsFloat(found.chart.y)) return false;
    const double a = (X - c.Xmin) / (static_cast<double>(c.Xmax) - c.Xmin);
    const double b = (c.Ymax - Y) / (static_cast<double>(c.Ymax) - c.Ymin);
    return std::fabs(found.a - a) <= kFoundAgain && std::fabs(found.b - b) <= kFoundAgain;
}

bool argumentRangeKeepsChartValuesFinite(float Xmin, float Xmax) {
    return axisKeepsChartValuesFinite(Xmin, Xmax);
}

bool valueRangeKeepsChartValuesFinite(float Ymin, float Ymax) {
    // The value axis runs from Ymax at the top (b = 0) to Ymin at the bottom.
    return axisKeepsChartValuesFinite(Ymax, Ymin);
}

bool rangesKeepChartValuesFinite(const Calibration& c) {
    return argumentRangeKeepsChartValuesFinite(c.Xmin, c.Xmax) &&
           valueRangeKeepsChartValuesFinite(c.Ymin, c.Ymax);
}

} // namespace vex
