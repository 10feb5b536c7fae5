#pragma once
// The data at its largest, 20 lines of 200 points, for the benches.
#include "core/state/app_state.h"

#include <memory>

namespace vex::bench {

inline std::unique_ptr<AppState> fullState() {
    auto s = std::make_unique<AppState>();
    Dep2D& d = s->doc;
    d.NLines = LinesMax;
    for (int j = 1; j <= LinesMax; ++j) {
        d.NPoints(j) = PointsMax;
        d.LineParam(j) = 0.125f * static_cast<float>(j);
        for (int k = 1; k <= PointsMax; ++k) {
            d.ArgX(j, k) = 1.0e-3f * static_cast<float>(k * k) - 7.5f;
            d.ValY(j, k) = 3.0e4f / static_cast<float>(k + j);
            d.PixX(j, k) = 100.0f + 29.0f * static_cast<float>(k);
            d.PixY(j, k) = 200.0f + 20.0f * static_cast<float>(j);
        }
    }
    return s;
}

} // namespace vex::bench
