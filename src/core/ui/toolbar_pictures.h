#pragma once
// The toolbar's button pictures, made once from a strip of 22 × 22 tiles
// on white: four rows of 28 × 28 pictures (normal, hot, pressed, disabled),
// each row with its own frame and its own rule for the white background.
// On a screen of two device pixels to a pixel, the same from a strip of
// 44 × 44 tiles, every rule applied at the finer grid.

#include "core/view/overlay_geometry.h"

#include <cstdint>
#include <vector>

namespace vex {

inline constexpr int ToolbarTile = 22;
inline constexpr int ToolbarPicture = 28;
inline constexpr int ToolbarColumns = 40;

enum class ToolbarRow { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };

// A plain RGB picture, row by row.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    RgbImage() = default;
    RgbImage(int w, int h, Rgb fill)
        : width(w), height(h),
          pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    Rgb at(int x, int y) const { return pixels[index(x, y)]; }
    void set(int x, int y, Rgb c) { pixels[index(x, y)] = c; }
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

// Picture `column` of `row`, from the strip, with `face` as the button colour.
// For a screen of `scale` device pixels to a pixel, the strip is the one
// drawn at that scale and the picture has 28 · scale device pixels a side.
RgbImage toolbarPicture(const RgbImage& strip, int column, ToolbarRow row, Rgb face, int scale = 1);

// All 160 pictures: index row · 40 + column.
std::vector<RgbImage> buildToolbarImageList(const RgbImage& strip, Rgb face, int scale = 1);

} // namespace vex
