#include "core/ui/toolbar_pictures.h"

#include <algorithm>

namespace vex {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{0, 0, 128};

bool isWhite(Rgb c) {
    return c == kWhite;
}

// A white picture with a one-pixel frame in `pen`, the tile placed at (at, at).
RgbImage framedTile(const RgbImage& strip, int column, Rgb pen, int at) {
    RgbImage image(ToolbarPicture, ToolbarPicture, kWhite);
    for (int i = 0; i < ToolbarPicture; ++i) {
        image.set(i, 0, pen);
        image.set(i, ToolbarPicture - 1, pen);
        image.set(0, i, pen);
        image.set(ToolbarPicture - 1, i, pen);
    }
    const int left = column * ToolbarTile;
    for (int y = 0; y < ToolbarTile && y < strip.height; ++y)
        for (int x = 0; x < ToolbarTile && left + x < strip.width; ++x)
            image.set(at + x, at + y, strip.at(left + x, y));
    return image;
}

Rgb hotBackground(int x, int y) {
    const int s = x + 2 * y + 217;
    const int b = std::min(s, 255), m = std::min(s - 38, 255);
    return {m, m, b};
}

Rgb pressedBackground(int x, int y) {
    const int s = 5 * x + 10 * y;
    const int p = s < 512 ? s / 4 + 128 : 255;
    const int q = s < 256 ? s / 4 + 192 : 255;
    return {p, p, q};
}

Rgb greyed(Rgb c, Rgb face) {
    const int g = (c.r + c.g + c.b) / 3;
    return {(face.r + g) / 2, (face.g + g) / 2, (face.b + g) / 2};
}

} // namespace

RgbImage toolbarPicture(const RgbImage& strip, int column, ToolbarRow row, Rgb face) {
    const bool framedNavy = row == ToolbarRow::Hot || row == ToolbarRow::Pressed;
    RgbImage image =
        framedTile(strip, column, framedNavy ? kNavy : kWhite, row == ToolbarRow::Pressed ? 3 : 2);
    for (int y = 0; y < ToolbarPicture; ++y) {
        for (int x = 0; x < ToolbarPicture; ++x) {
            const Rgb c = image.at(x, y);
            switch (row) {
            case ToolbarRow::Normal:
                if (isWhite(c)) image.set(x, y, face);
                break;
            case ToolbarRow::Hot:
                if (isWhite(c)) image.set(x, y, hotBackground(x, y));
                break;
            case ToolbarRow::Pressed:
                if (isWhite(c)) image.set(x, y, pressedBackground(x, y));
                break;
            case ToolbarRow::Disabled:
                image.set(x, y, isWhite(c) ? face : greyed(c, face));
                break;
            }
        }
    }
    return image;
}

std::vector<RgbImage> buildToolbarImageList(const RgbImage& strip, Rgb face) {
    std::vector<RgbImage> list;
    list.reserve(std::size_t{4} * ToolbarColumns);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < ToolbarColumns; ++column)
            list.push_back(toolbarPicture(strip, column, static_cast<ToolbarRow>(row), face));
    return list;
}

} // namespace vex
