#pragma once
// The four calibration markers and the chart ranges they stand for.
// Marker 1 = (Xmin, Ymax), 2 = (Xmax, Ymax), 3 = (Xmax, Ymin), 4 = (Xmin, Ymin).

#include "core/data/one_based.h"

namespace vex {

struct Calibration {
    OneBased<float, 4> MarkerPixX; // stored positions (fitted-view pixels)
    OneBased<float, 4> MarkerPixY; // y grows downwards
    float Xmin = 0.0f;
    float Xmax = 1.0f;
    float Ymin = 0.0f;
    float Ymax = 1.0f;

    Calibration() { resetMarkersAndRanges(); }

    // New-project values.
    void resetMarkersAndRanges() {
        Xmin = 0.0f;
        Xmax = 1.0f;
        Ymin = 0.0f;
        Ymax = 1.0f;
        placeMarkers({50.0f, 600.0f, 600.0f, 50.0f}, {10.0f, 10.0f, 500.0f, 500.0f});
    }

    // Markers 1..4 at (xs[k-1], ys[k-1]).
    void placeMarkers(const float (&xs)[4], const float (&ys)[4]) {
        for (int k = 1; k <= 4; ++k) {
            MarkerPixX(k) = xs[k - 1];
            MarkerPixY(k) = ys[k - 1];
        }
    }

    friend bool operator==(const Calibration&, const Calibration&) = default;
};

} // namespace vex
