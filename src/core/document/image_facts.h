#pragma once
// The picture a project is on, and the fitted zoom its positions were taken at.

#include <cstdint>
#include <string>

namespace vex {

struct ImageFacts {
    std::string ImagePath; // path of the picture last loaded (no padding, no NUL)
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;
    // The FitZoom that stored positions were taken at; 0 when unknown. Saved
    // with a project so that a view of another size can put the points back
    // on the same picture pixels.
    float PositionsFitZoom = 0.0f;

    friend bool operator==(const ImageFacts&, const ImageFacts&) = default;
};

} // namespace vex
