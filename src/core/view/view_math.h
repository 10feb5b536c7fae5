#pragma once
// The arithmetic of the image view: where a stored position appears on the
// screen and back, how far the view may scroll, how a picture is fitted, how
// one wheel notch zooms about the pointer, and what each scroll bar request does.

#include "core/document/image_facts.h"
#include "core/view/view_state.h"

#include <cstdint>

namespace vex {

// INT of the original: truncation toward zero, kept finite and inside the
// range a window system can draw (a huge or NaN position must not overflow).
std::int32_t truncToInt(float v);

// Screen position of a stored position: INT(ViewScale * x - Scroll).
inline std::int32_t toScreen(float stored, float viewScale, std::int32_t scroll) {
    return truncToInt(viewScale * stored - static_cast<float>(scroll));
}
// Stored position of a pointer position: (m + Scroll) / ViewScale.
inline float toStored(std::int32_t pointer, float viewScale, std::int32_t scroll) {
    return static_cast<float>(pointer + scroll) / viewScale;
}

struct ScrollRange {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};

// The range covers both the current position and the picture's natural range
// 0 .. D - A: a picture larger than the window scrolls from 0 to D - A, a
// smaller one can be moved within the window between 0 and D - A (negative).
ScrollRange scrollRangeRule(float pictureExtent, std::int32_t canvasExtent, std::int32_t position);
// Applies the rule to both axes of the view for the current Zoom.
void applyScrollRangeRule(ViewState& v, const ImageFacts& image);

// A scroll bar as the window system keeps it: positions nMin .. nMax - nPage + 1.
struct ScrollBarInfo {
    std::int32_t nMin = 0;
    std::int32_t nMax = 0;
    std::int32_t nPage = 0;
    std::int32_t nPos = 0;
    friend bool operator==(const ScrollBarInfo&, const ScrollBarInfo&) = default;
};
ScrollBarInfo horizontalBar(const ViewState& v);
ScrollBarInfo verticalBar(const ViewState& v);

// Scroll bar requests.
enum class ScrollCode {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbPosition,
    ThumbTrack,
    Top,
    Bottom,
    EndScroll
};
// The new position for a request; trackPosition is used by ThumbTrack only.
std::int32_t scrollBarPosition(ScrollCode code, const ScrollBarInfo& bar, std::int32_t position,
                               std::int32_t trackPosition);

// The position after `notches` turns of the plain wheel (notches > 0 moves
// back towards the start), `step` pixels each, kept inside the bar's range.
std::int32_t wheelScrollPosition(const ScrollBarInfo& bar, std::int32_t position, int notches,
                                 std::int32_t step);

// Back to the fitted view of the picture: no magnification, no scrolling,
// the scroll ranges of the picture at FitZoom.
void backToFittedView(ViewState& v, const ImageFacts& image);

// Fits a freshly loaded picture of width × height pixels into the canvas:
// FitZoom, MaxZoom, Zoom, the picture's size, and the fitted view: no
// magnification, no scrolling, the scroll ranges of the picture at FitZoom.
void fitPicture(ViewState& v, ImageFacts& image, std::int32_t width, std::int32_t height);

// One wheel notch with CONTROL held (notches > 0 zooms in) at the pointer
// (wx, wy), at tick `now` in milliseconds: notches within 200 ms of the last
// zoom by 1.5, otherwise by 1.2; the picture point under the pointer stays put.
void zoomStep(ViewState& v, const ImageFacts& image, int notches, std::int64_t now, std::int32_t wx,
              std::int32_t wy);

} // namespace vex
