#pragma once
// What the overlay over the picture needs besides pixels: the sizes that
// follow the magnification, the colours of the lines, the check of the
// calibration quadrilateral, and the hit boxes the mouse is tested against.

#include "core/coords/calibration.h"
#include "core/data/dep2d.h"
#include "core/data/one_based.h"

#include <array>
#include <cstdint>

namespace vex {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A box on the screen as drawn; `top` holds the larger y.
struct HitBox {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool contains(std::int32_t x, std::int32_t y) const {
        return bottom <= y && y <= top && left <= x && x <= right;
    }
    friend bool operator==(const HitBox&, const HitBox&) = default;
};

// Left behind by each paint of the overlay.
struct OverlayRecord {
    OneBased<HitBox, 4> MarkerHitBox;
    OneBased2<HitBox, LineSlots, PointSlots> PointHitBox;
    OneBased<std::int32_t, 4> CornerFolded;
    OneBased<float, 4> CornerAngle;
    Rgb LineColour; // kept from one line, and one paint, to the next
};

// Thick pen width, half-size of markers and point squares, radius of the spline point.
struct OverlaySizes {
    int w, r, R;
};
OverlaySizes overlaySizes(float viewScale);

// Colour of line L (1-based); lines 11..20 repeat 1..10. Above 20 there is
// no colour of its own: the previous one stays.
bool lineColourFor(int line, Rgb& colour);

// Angle in degrees at (x1, y1) between the directions to (x0, y0) and (x2, y2).
float GETTRIANGLE_2NDPOINT_ANGLE(float x0, float y0, float x1, float y1, float x2, float y2);
// 1 when, seen from point 0, the direction to point 2 does not lie between
// the directions to points 1 and 3.
std::int32_t CHECKNEGATIVEANGLE(float x0, float y0, float x1, float y1, float x2, float y2,
                                float x3, float y3);

struct ShapeCheck {
    std::array<std::int32_t, 4> folded{}; // corners 1..4
    bool orderError = false;
    bool diagonalError = false;
    int S = 0; // folds + order error + diagonal error; 0 = a usable quadrilateral
};
ShapeCheck checkCalibrationShape(const Calibration& c);

// Angles at the four corners (corner 1 between markers 4 and 2, and so on).
std::array<float, 4> cornerAngles(const Calibration& c);
inline bool cornerAngleIsBad(float degrees) {
    return degrees < 30.0f || degrees > 150.0f;
}

} // namespace vex
