#include "core/ui/toolbar_pictures.h"

#include <algorithm>

namespace vex {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{0, 0, 128};

bool isWhite(Rgb c) {
    return c == kWhite;
}

// A white picture with a frame of one picture pixel (`scale` device
// pixels) in `pen`, the tile of a strip drawn at `scale` placed at (at, at).
RgbImage framedTile(const RgbImage& strip, int column, Rgb pen, int at, int scale) {
    const int size = ToolbarPicture * scale;
    const int tile = ToolbarTile * scale;
    RgbImage image(size, size, kWhite);
    for (int i = 0; i < size; ++i) {
        for (int w = 0; w < scale; ++w) {
            image.set(i, w, pen);
            image.set(i, size - 1 - w, pen);
            image.set(w, i, pen);
            image.set(size - 1 - w, i, pen);
        }
    }
    const int left = column * tile;
    for (int y = 0; y < tile && y < strip.height; ++y)
        for (int x = 0; x < tile && left + x < strip.width; ++x)
            image.set(at * scale + x, at * scale + y, strip.at(left + x, y));
    return image;
}

// The backgrounds are shades by position: at a finer scale each device
// pixel takes the shade of where it lies, not of the picture pixel it is in.
Rgb hotBackground(int x, int y, int scale) {
    const int s = (x + 2 * y + 217 * scale) / scale;
    const int b = std::min(s, 255), m = std::min(s - 38, 255);
    return {m, m, b};
}

Rgb pressedBackground(int x, int y, int scale) {
    const int s = (5 * x + 10 * y) / scale;
    const int p = s < 512 ? s / 4 + 128 : 255;
    const int q = s < 256 ? s / 4 + 192 : 255;
    return {p, p, q};
}

Rgb greyed(Rgb c, Rgb face) {
    const int g = (c.r + c.g + c.b) / 3;
    return {(face.r + g) / 2, (face.g + g) / 2, (face.b + g) / 2};
}

} // namespace

RgbImage toolbarPicture(const RgbImage& strip, int column, ToolbarRow row, Rgb face, int scale) {
    const bool framedNavy = row == ToolbarRow::Hot || row == ToolbarRow::Pressed;
    RgbImage image = framedTile(strip, column, framedNavy ? kNavy : kWhite,
                                row == ToolbarRow::Pressed ? 3 : 2, scale);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            switch (row) {
            case ToolbarRow::Normal:
                if (isWhite(c)) image.set(x, y, face);
                break;
            case ToolbarRow::Hot:
                if (isWhite(c)) image.set(x, y, hotBackground(x, y, scale));
                break;
            case ToolbarRow::Pressed:
                if (isWhite(c)) image.set(x, y, pressedBackground(x, y, scale));
                break;
            case ToolbarRow::Disabled:
                image.set(x, y, isWhite(c) ? face : greyed(c, face));
                break;
            }
        }
    }
    return image;
}

std::vector<RgbImage> buildToolbarImageList(const RgbImage& strip, Rgb face, int scale) {
    std::vector<RgbImage> list;
    list.reserve(std::size_t{4} * ToolbarColumns);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < ToolbarColumns; ++column)
            list.push_back(
                toolbarPicture(strip, column, static_cast<ToolbarRow>(row), face, scale));
    return list;
}

} // namespace vex
