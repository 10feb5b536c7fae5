#pragma once
// The four calibration markers and the chart ranges they stand for.
// Marker 1 = (Xmin, Ymax), 2 = (Xmax, Ymax), 3 = (Xmax, Ymin), 4 = (Xmin, Ymin).

#include "core/data/one_based.h"

#include <cstdint>

namespace vex {

// How chart values run along an axis between the markers: in equal steps of
// the value, or of its logarithm (a decade axis; both ends then positive).
enum class AxisScale : std::uint8_t { Linear, Logarithmic };

// How the quadrilateral of the markers maps onto the chart rectangle:
// bilinearly (exact for straight, rotated and sheared scans), or through the
// perspective that takes the rectangle to the quadrilateral (exact for a
// photographed page).
enum class QuadMapping : std::uint8_t { Bilinear, Projective };

struct Calibration {
    OneBased<float, 4> MarkerPixX; // stored positions (fitted-view pixels)
    OneBased<float, 4> MarkerPixY; // y grows downwards
    float Xmin = 0.0f;
    float Xmax = 1.0f;
    float Ymin = 0.0f;
    float Ymax = 1.0f;
    AxisScale XScale = AxisScale::Linear;
    AxisScale YScale = AxisScale::Linear;
    QuadMapping Mapping = QuadMapping::Bilinear;

    Calibration() { resetMarkersAndRanges(); }

    // New-project values.
    void resetMarkersAndRanges() {
        Xmin = 0.0f;
        Xmax = 1.0f;
        Ymin = 0.0f;
        Ymax = 1.0f;
        XScale = AxisScale::Linear;
        YScale = AxisScale::Linear;
        Mapping = QuadMapping::Bilinear;
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
