#include "core/view/view_math.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

constexpr float kDrawableLimit = 1073741824.0f; // 2^30: far beyond any screen, safe to add to
constexpr float kFastZoom = 1.5f;
constexpr float kSlowZoom = 1.2f;
constexpr std::int64_t kQuickNotchMs = 200;
constexpr float kLargestViewScale = 50.0f;

ScrollBarInfo barFor(std::int32_t lowest, std::int32_t highest, std::int32_t canvas,
                     std::int32_t position) {
    return {lowest, highest + canvas, canvas, position};
}

} // namespace

std::int32_t truncToInt(float v) {
    if (std::isnan(v)) return 0;
    return static_cast<std::int32_t>(std::clamp(v, -kDrawableLimit, kDrawableLimit));
}

ScrollRange scrollRangeRule(float pictureExtent, std::int32_t canvasExtent, std::int32_t position) {
    const std::int32_t natural = truncToInt(pictureExtent - static_cast<float>(canvasExtent));
    return {std::min({position, 0, natural}), std::max({position, 0, natural})};
}

void applyScrollRangeRule(ViewState& v, const ImageFacts& image) {
    const ScrollRange x =
        scrollRangeRule(static_cast<float>(image.ImageWidth) * v.Zoom, v.CanvasWidth, v.ScrollX);
    const ScrollRange y =
        scrollRangeRule(static_cast<float>(image.ImageHeight) * v.Zoom, v.CanvasHeight, v.ScrollY);
    v.ScrollMinX = x.lowest;
    v.ScrollMaxX = x.highest;
    v.ScrollMinY = y.lowest;
    v.ScrollMaxY = y.highest;
}

ScrollBarInfo horizontalBar(const ViewState& v) {
    return barFor(v.ScrollMinX, v.ScrollMaxX, v.CanvasWidth, v.ScrollX);
}

ScrollBarInfo verticalBar(const ViewState& v) {
    return barFor(v.ScrollMinY, v.ScrollMaxY, v.CanvasHeight, v.ScrollY);
}

std::int32_t scrollBarPosition(ScrollCode code, const ScrollBarInfo& bar, std::int32_t position,
                               std::int32_t trackPosition) {
    const std::int32_t top = bar.nMax - bar.nPage + 1;
    switch (code) {
    case ScrollCode::LineUp:
        return std::max(position - 1, bar.nMin);
    case ScrollCode::LineDown:
        return std::min(position + 1, top);
    case ScrollCode::PageUp:
        return std::max(position - bar.nPage, bar.nMin);
    case ScrollCode::PageDown:
        return std::min(position + bar.nPage, top);
    case ScrollCode::ThumbTrack:
        return std::min(trackPosition, top);
    case ScrollCode::Top:
        return 0; // even when the range reaches below 0
    case ScrollCode::Bottom:
        return bar.nMax - bar.nPage;
    case ScrollCode::ThumbPosition:
    case ScrollCode::EndScroll:
        return position;
    }
    return position;
}

void fitPicture(ViewState& v, ImageFacts& image, std::int32_t width, std::int32_t height) {
    const float rx = static_cast<float>(v.CanvasWidth) / static_cast<float>(width);
    const float ry = static_cast<float>(v.CanvasHeight) / static_cast<float>(height);
    v.FitZoom = rx > ry ? ry : rx;
    v.MaxZoom = 50.0f * v.FitZoom;
    image.ImageWidth = width;
    image.ImageHeight = height;
    // Whatever the zoom and position of the picture before, markers and
    // points are drawn at the fitted view, unscrolled, with the picture under
    // them; a range kept from a zoom would let the picture scroll out of sight.
    backToFittedView(v, image);
}

void backToFittedView(ViewState& v, const ImageFacts& image) {
    v.Zoom = v.FitZoom;
    v.ViewScale = 1.0f;
    v.ScrollX = v.ScrollY = 0;
    applyScrollRangeRule(v, image);
}

std::int32_t wheelScrollPosition(const ScrollBarInfo& bar, std::int32_t position, int notches,
                                 std::int32_t step) {
    const std::int64_t wanted = std::int64_t{position} - std::int64_t{notches} * step;
    const std::int64_t top =
        std::max<std::int64_t>(bar.nMin, std::int64_t{bar.nMax} - bar.nPage + 1);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(wanted, bar.nMin, top));
}

void zoomStep(ViewState& v, const ImageFacts& image, int notches, std::int64_t now, std::int32_t wx,
              std::int32_t wy) {
    const float f = now - v.LastWheelTick <= kQuickNotchMs ? kFastZoom : kSlowZoom;
    const float w = static_cast<float>(image.ImageWidth);
    const float h = static_cast<float>(image.ImageHeight);
    auto extent = [](float picture, float zoom, std::int32_t canvas) {
        return truncToInt(picture * zoom - static_cast<float>(canvas)) + canvas;
    };
    const std::int32_t oldW = extent(w, v.Zoom, v.CanvasWidth);
    const std::int32_t oldH = extent(h, v.Zoom, v.CanvasHeight);

    if (notches > 0) {
        v.ViewScale = std::min(v.ViewScale * f, kLargestViewScale);
        v.Zoom = std::min(v.Zoom * f, v.MaxZoom);
    } else {
        v.Zoom = v.Zoom / f;
        v.ViewScale = std::max(v.ViewScale / f, 1.0f);
        if (v.Zoom < v.FitZoom) {
            // Back to the fitted view, unscrolled.
            v.Zoom = v.FitZoom;
            v.ScrollX = v.ScrollY = 0;
            v.ScrollMaxX = v.ScrollMaxY = 0;
            v.ScrollMinX = truncToInt(w * v.Zoom - static_cast<float>(v.CanvasWidth));
            v.ScrollMinY = truncToInt(h * v.Zoom - static_cast<float>(v.CanvasHeight));
            v.LastWheelTick = now;
            return;
        }
    }
    const std::int32_t newW = extent(w, v.Zoom, v.CanvasWidth);
    const std::int32_t newH = extent(h, v.Zoom, v.CanvasHeight);
    // Keep the picture point under the pointer where it is.
    auto anchored = [](std::int32_t pointer, std::int32_t scroll, std::int32_t oldExtent,
                       std::int32_t newExtent) {
        if (oldExtent == 0) return scroll;
        return truncToInt(static_cast<float>(pointer + scroll) / static_cast<float>(oldExtent) *
                              static_cast<float>(newExtent) -
                          static_cast<float>(pointer));
    };
    v.ScrollX = std::max(v.ScrollMinX, anchored(wx, v.ScrollX, oldW, newW));
    v.ScrollY = std::max(v.ScrollMinY, anchored(wy, v.ScrollY, oldH, newH));
    applyScrollRangeRule(v, image);
    v.LastWheelTick = now;
}

} // namespace vex
