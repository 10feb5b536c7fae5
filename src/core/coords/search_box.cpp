#include "core/coords/search_box.h"

#include <cmath>

namespace vex {

float DEFINECOORDLIMITED(const Calibration& c) {
    const float x1 = c.MarkerPixX(1), x2 = c.MarkerPixX(2), x3 = c.MarkerPixX(3),
                x4 = c.MarkerPixX(4);
    const float y1 = c.MarkerPixY(1), y2 = c.MarkerPixY(2), y3 = c.MarkerPixY(3),
                y4 = c.MarkerPixY(4);

    // Upper and lower edges: where do their lines meet, right of marker 2?
    float dh = 10000.0f; // two level edges never meet
    const float s1 = (y2 - y1) / (x2 - x1);
    const float s2 = (y3 - y4) / (x3 - x4);
    if (!(s1 == 0.0f && s2 == 0.0f)) {
        const float c1 = y2 - s1 * x2;
        const float c2 = y3 - s2 * x3;
        const float xv = (c2 - c1) / (s1 - s2);
        // Written so that a NaN meeting point takes the distance formula.
        dh = !(xv <= x2) ? xv - (x2 + x3) / 2.0f : 2000.0f;
    }

    // Left and right edges: where do they meet, above marker 1?
    float dv = 10000.0f; // nor do two upright ones
    const float t1 = (x1 - x4) / (y1 - y4);
    const float t2 = (x2 - x3) / (y2 - y3);
    if (!(t1 == 0.0f && t2 == 0.0f)) {
        const float d1 = x1 - t1 * y1;
        const float d2 = x2 - t2 * y2;
        const float yv = (d2 - d1) / (t1 - t2);
        dv = !(yv >= y1) ? (y1 + y2) / 2.0f - yv : 2000.0f;
    }

    // The nearer meeting point decides; NaN selects the vertical one.
    return std::fabs(dv) >= std::fabs(dh) ? dh : dv;
}

} // namespace vex
