#include "core/view/overlay_geometry.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

constexpr float kPi = 3.1415925f; // the program's own value of pi
constexpr float kShortestSquare = 0.001f;

constexpr Rgb kLineColours[10] = {{0, 0, 255},  {255, 255, 0}, {255, 0, 255}, {0, 255, 255},
                                  {128, 64, 0}, {128, 0, 128}, {128, 128, 0}, {128, 0, 0},
                                  {64, 0, 64},  {255, 0, 128}};

float squared(float dx, float dy) {
    return std::max(dx * dx + dy * dy, kShortestSquare);
}

// Angle at the apex between two sides of squared lengths a2, b2 with the
// opposite side d2, by the law of cosines.
float angleFromSides(float a2, float b2, float d2) {
    const float cosine =
        std::clamp((a2 + b2 - d2) / (2.0f * std::sqrt(a2) * std::sqrt(b2)), -1.0f, 1.0f);
    return std::acos(cosine) * 180.0f / kPi;
}

float angleAt(float ax, float ay, float px, float py, float qx, float qy) {
    return angleFromSides(squared(px - ax, py - ay), squared(qx - ax, qy - ay),
                          squared(px - qx, py - qy));
}

} // namespace

OverlaySizes overlaySizes(float viewScale) {
    return {std::min(5, static_cast<int>(2.0f * viewScale)),
            std::min(15, static_cast<int>(3.0f * viewScale)),
            std::min(20, static_cast<int>(4.0f * viewScale))};
}

bool lineColourFor(int line, Rgb& colour) {
    if (line < 1 || line > 20) return false;
    colour = kLineColours[(line - 1) % 10];
    return true;
}

float GETTRIANGLE_2NDPOINT_ANGLE(float x0, float y0, float x1, float y1, float x2, float y2) {
    return angleAt(x1, y1, x0, y0, x2, y2);
}

std::int32_t CHECKNEGATIVEANGLE(float x0, float y0, float x1, float y1, float x2, float y2,
                                float x3, float y3) {
    const float alpha = angleAt(x0, y0, x1, y1, x2, y2);
    const float beta = angleAt(x0, y0, x2, y2, x3, y3);
    const float gamma = angleAt(x0, y0, x1, y1, x3, y3);
    return gamma + 0.001f < alpha + beta ? 1 : 0;
}

ShapeCheck checkCalibrationShape(const Calibration& c) {
    auto x = [&c](int k) { return c.MarkerPixX(k); };
    auto y = [&c](int k) { return c.MarkerPixY(k); };
    ShapeCheck check;
    for (int corner = 1; corner <= 4; ++corner) {
        const int a = corner, b = corner % 4 + 1, m = (corner + 1) % 4 + 1,
                  d = (corner + 2) % 4 + 1;
        check.folded[static_cast<std::size_t>(corner - 1)] =
            CHECKNEGATIVEANGLE(x(a), y(a), x(b), y(b), x(m), y(m), x(d), y(d));
    }
    // Screen y grows downwards.
    check.orderError = !(x(2) > x(1)) || !(x(3) > x(4)) || !(y(3) > y(2)) || !(y(4) > y(1));
    check.diagonalError = (x(1) >= x(3) && y(1) >= y(3)) || (x(4) >= x(2) && y(4) <= y(2));
    check.S = check.folded[0] + check.folded[1] + check.folded[2] + check.folded[3] +
              (check.orderError ? 1 : 0) + (check.diagonalError ? 1 : 0);
    return check;
}

std::array<float, 4> cornerAngles(const Calibration& c) {
    std::array<float, 4> angles{};
    for (int corner = 1; corner <= 4; ++corner) {
        const int before = (corner + 2) % 4 + 1, after = corner % 4 + 1;
        angles[static_cast<std::size_t>(corner - 1)] = GETTRIANGLE_2NDPOINT_ANGLE(
            c.MarkerPixX(before), c.MarkerPixY(before), c.MarkerPixX(corner), c.MarkerPixY(corner),
            c.MarkerPixX(after), c.MarkerPixY(after));
    }
    return angles;
}

} // namespace vex
