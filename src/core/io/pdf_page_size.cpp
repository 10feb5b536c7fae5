#include "core/io/pdf_page_size.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

std::int64_t pixelsAlong(double points, int dpi) {
    constexpr double kLongestSide = 1e9;
    const double pixels = std::round(points * dpi / 72.0);
    if (!(pixels >= 1.0)) return 1; // also a side that is not a number
    return static_cast<std::int64_t>(std::min(pixels, kLongestSide));
}

} // namespace

PagePixels pdfPagePixels(double widthPoints, double heightPoints, int dpi) {
    return {pixelsAlong(widthPoints, dpi), pixelsAlong(heightPoints, dpi)};
}

} // namespace vex
