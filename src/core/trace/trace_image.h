#pragma once
// A picture as the tracer reads it: rows of 32-bit pixels 0xAARRGGBB (the
// alpha byte ignored), the first row at the top. It only looks at pixels
// someone else owns.

#include <cstddef>
#include <cstdint>

namespace vex {

struct TraceImage {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;
    std::size_t stride = 0; // pixels from one row to the next

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x)];
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

} // namespace vex
