#include "core/view/overlay_geometry.h"
#include "core/view/view_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vex {
namespace {

TEST(ViewMath, ScreenPositionsTruncateTowardZeroAndStayDrawable) {
    EXPECT_EQ(toScreen(10.7f, 1.0f, 0), 10);
    EXPECT_EQ(toScreen(-0.7f, 1.0f, 0), 0); // toward zero, not down
    EXPECT_EQ(toScreen(10.0f, 2.5f, 30), -5);
    EXPECT_FLOAT_EQ(toStored(-5, 2.5f, 30), 10.0f);
    EXPECT_EQ(truncToInt(std::numeric_limits<float>::infinity()), 1 << 30);
    EXPECT_EQ(truncToInt(-1e38f), -(1 << 30));
    EXPECT_EQ(truncToInt(std::nanf("")), 0);
}

TEST(ViewMath, ScrollRangeCoversPositionAndNaturalRange) {
    EXPECT_EQ(scrollRangeRule(2000.0f, 800, 0), (ScrollRange{0, 1200}));  // larger picture
    EXPECT_EQ(scrollRangeRule(500.0f, 800, 0), (ScrollRange{-300, 0}));   // smaller picture
    EXPECT_EQ(scrollRangeRule(500.0f, 800, 40), (ScrollRange{-300, 40})); // position beyond
    EXPECT_EQ(scrollRangeRule(2000.0f, 800, -50), (ScrollRange{-50, 1200}));
    EXPECT_EQ(scrollRangeRule(800.9f, 800, 0), (ScrollRange{0, 0})); // INT of 0.9
}

TEST(ViewMath, ScrollCodes) {
    const ScrollBarInfo bar{-300, 800, 800, 0}; // lowest -300, highest 0, canvas 800
    EXPECT_EQ(scrollBarPosition(ScrollCode::LineUp, bar, -300, 0), -300);
    EXPECT_EQ(scrollBarPosition(ScrollCode::LineUp, bar, -10, 0), -11);
    EXPECT_EQ(scrollBarPosition(ScrollCode::LineDown, bar, 0, 0), 1); // top is nMax - nPage + 1
    EXPECT_EQ(scrollBarPosition(ScrollCode::LineDown, bar, 1, 0), 1);
    EXPECT_EQ(scrollBarPosition(ScrollCode::PageUp, bar, 0, 0), -300);
    EXPECT_EQ(scrollBarPosition(ScrollCode::PageDown, bar, -300, 0), 1);
    EXPECT_EQ(scrollBarPosition(ScrollCode::ThumbTrack, bar, 0, -120), -120);
    EXPECT_EQ(scrollBarPosition(ScrollCode::ThumbTrack, bar, 0, 50), 1);
    EXPECT_EQ(scrollBarPosition(ScrollCode::Top, bar, -200, 0), 0);    // 0 although nMin < 0
    EXPECT_EQ(scrollBarPosition(ScrollCode::Bottom, bar, -200, 0), 0); // nMax - nPage
    EXPECT_EQ(scrollBarPosition(ScrollCode::ThumbPosition, bar, -7, 99), -7);
    EXPECT_EQ(scrollBarPosition(ScrollCode::EndScroll, bar, -7, 99), -7);
}

struct Fitted {
    ViewState v;
    ImageFacts image;
    Fitted(int canvasW, int canvasH, int w, int h) {
        v.CanvasWidth = canvasW;
        v.CanvasHeight = canvasH;
        fitPicture(v, image, w, h);
    }
};

TEST(ViewMath, FittingUsesTheTighterSide) {
    Fitted f(800, 600, 1600, 900); // width decides: 0.5
    EXPECT_FLOAT_EQ(f.v.FitZoom, 0.5f);
    EXPECT_FLOAT_EQ(f.v.MaxZoom, 25.0f);
    EXPECT_FLOAT_EQ(f.v.Zoom, 0.5f);
    EXPECT_EQ(f.v.ScrollMinX, 0);    // the fitting side
    EXPECT_EQ(f.v.ScrollMinY, -150); // 450 - 600
    EXPECT_EQ(f.image.ImageWidth, 1600);

    Fitted tiny(800, 600, 1, 1); // a one-pixel picture does not break the arithmetic
    EXPECT_FLOAT_EQ(tiny.v.FitZoom, 600.0f);
    EXPECT_EQ(tiny.v.ScrollMinX, -200);
}

TEST(ViewMath, ZoomFactorFollowsTheTimeBetweenNotches) {
    Fitted f(800, 600, 800, 600);
    zoomStep(f.v, f.image, 1, 10000, 0, 0);
    EXPECT_FLOAT_EQ(f.v.Zoom, 1.2f);
    zoomStep(f.v, f.image, 1, 10150, 0, 0); // 150 ms later: quick
    EXPECT_FLOAT_EQ(f.v.Zoom, 1.8f);
    EXPECT_FLOAT_EQ(f.v.ViewScale, 1.8f);
    zoomStep(f.v, f.image, 1, 10450, 0, 0); // 300 ms later: slow again
    EXPECT_FLOAT_EQ(f.v.Zoom, 1.8f * 1.2f);
}

TEST(ViewMath, ZoomClampsAndSnapsBack) {
    Fitted f(800, 600, 800, 600);
    std::int64_t t = 0;
    for (int i = 0; i < 40; ++i) zoomStep(f.v, f.image, 1, t += 100, 400, 300);
    EXPECT_FLOAT_EQ(f.v.Zoom, f.v.MaxZoom);
    EXPECT_LE(f.v.ViewScale, 50.0f);
    // At the clamp the anchoring still runs: the same zoom, the same picture point.
    const std::int32_t before = f.v.ScrollX;
    zoomStep(f.v, f.image, 1, t += 100, 10, 10);
    EXPECT_FLOAT_EQ(f.v.Zoom, f.v.MaxZoom);
    EXPECT_NEAR(f.v.ScrollX, before, 1);

    for (int i = 0; i < 40; ++i) zoomStep(f.v, f.image, -1, t += 100, 400, 300);
    EXPECT_FLOAT_EQ(f.v.Zoom, f.v.FitZoom);
    EXPECT_FLOAT_EQ(f.v.ViewScale, 1.0f);
    EXPECT_EQ(f.v.ScrollX, 0);
    EXPECT_EQ(f.v.ScrollY, 0);
}

TEST(ViewMath, APictureFittedAfterAZoomScrollsOnlyItsFittedRange) {
    Fitted f(800, 600, 800, 600);
    std::int64_t t = 0;
    for (int i = 0; i < 3; ++i) zoomStep(f.v, f.image, 1, t += 1000, 700, 500);
    ASSERT_GT(f.v.ScrollMaxX, 0);
    ASSERT_GT(f.v.ScrollX, 0);

    fitPicture(f.v, f.image, 400, 400); // FitZoom 1.5: 600 x 600 in the 800 x 600 canvas
    EXPECT_FLOAT_EQ(f.v.ViewScale, 1.0f);
    EXPECT_EQ(horizontalBar(f.v), (ScrollBarInfo{-200, 800, 800, 0}));
    EXPECT_EQ(verticalBar(f.v), (ScrollBarInfo{0, 600, 600, 0}));
    // Page after page the picture stays on the canvas.
    std::int32_t x = f.v.ScrollX;
    for (int i = 0; i < 3; ++i)
        x = scrollBarPosition(ScrollCode::PageDown, horizontalBar(f.v), x, 0);
    EXPECT_LE(x, 1);
}

TEST(ViewMath, ThePicturePointUnderThePointerStaysPut) {
    Fitted f(800, 600, 1600, 1200); // FitZoom 0.5
    const int wx = 300, wy = 200;
    const float pictureX = float(wx + f.v.ScrollX) / f.v.Zoom;
    const float pictureY = float(wy + f.v.ScrollY) / f.v.Zoom;
    std::int64_t t = 0;
    for (int i = 0; i < 5; ++i) {
        zoomStep(f.v, f.image, 1, t += 1000, wx, wy);
        EXPECT_NEAR(float(wx + f.v.ScrollX) / f.v.Zoom, pictureX, 2.0f / f.v.Zoom + 0.5f);
        EXPECT_NEAR(float(wy + f.v.ScrollY) / f.v.Zoom, pictureY, 2.0f / f.v.Zoom + 0.5f);
    }
}

TEST(OverlayGeometry, SizesFollowTheMagnification) {
    EXPECT_EQ(overlaySizes(1.0f).w, 2);
    EXPECT_EQ(overlaySizes(1.0f).r, 3); // 6 × 6 point squares
    EXPECT_EQ(overlaySizes(1.0f).R, 4);
    EXPECT_EQ(overlaySizes(5.0f).r, 15);
    EXPECT_EQ(overlaySizes(50.0f).r, 15);
    EXPECT_EQ(overlaySizes(50.0f).w, 5);
    EXPECT_EQ(overlaySizes(50.0f).R, 20);
}

TEST(OverlayGeometry, LineColoursRepeatAfterTenAndStopAfterTwenty) {
    Rgb c;
    ASSERT_TRUE(lineColourFor(1, c));
    EXPECT_EQ(c, (Rgb{0, 0, 255}));
    ASSERT_TRUE(lineColourFor(12, c));
    EXPECT_EQ(c, (Rgb{255, 255, 0}));
    ASSERT_TRUE(lineColourFor(20, c));
    EXPECT_EQ(c, (Rgb{255, 0, 128}));
    EXPECT_FALSE(lineColourFor(21, c));
    EXPECT_EQ(c, (Rgb{255, 0, 128})); // line 21 keeps the colour of line 20
}

void place(Calibration& c, std::array<std::pair<float, float>, 4> m) {
    for (int k = 1; k <= 4; ++k) {
        c.MarkerPixX(k) = m[static_cast<std::size_t>(k - 1)].first;
        c.MarkerPixY(k) = m[static_cast<std::size_t>(k - 1)].second;
    }
}

TEST(OverlayGeometry, ShapeCheckAcceptsConvexLayoutsAndCatchesFolds) {
    Calibration c;
    EXPECT_EQ(checkCalibrationShape(c).S, 0);
    for (float a : cornerAngles(c)) EXPECT_NEAR(a, 90.0f, 1e-3);

    place(c, {{{600, 10}, {50, 10}, {600, 500}, {50, 500}}}); // bow-tie: 2 left of 1
    const ShapeCheck bow = checkCalibrationShape(c);
    EXPECT_GT(bow.S, 0);
    EXPECT_TRUE(bow.orderError);

    place(c, {{{50, 10}, {600, 10}, {50, 500}, {600, 500}}}); // crossed lower edge
    EXPECT_GT(checkCalibrationShape(c).S, 0);

    place(c, {{{50, 10}, {600, 10}, {200, 150}, {50, 500}}}); // corner 3 pulled inward: folded
    const ShapeCheck dent = checkCalibrationShape(c);
    EXPECT_EQ(dent.folded[2] + dent.folded[0], 1);
}

TEST(OverlayGeometry, SharpCornersAreFlagged) {
    Calibration c;
    // Marker 2 pulled far right along the top: corner 2 becomes sharp.
    place(c, {{{50, 10}, {1500, 10}, {600, 500}, {50, 500}}});
    ASSERT_EQ(checkCalibrationShape(c).S, 0);
    const std::array<float, 4> a = cornerAngles(c);
    EXPECT_TRUE(cornerAngleIsBad(a[1]));
    EXPECT_FALSE(cornerAngleIsBad(a[0]));
    EXPECT_TRUE(cornerAngleIsBad(29.9f));
    EXPECT_FALSE(cornerAngleIsBad(30.0f));
    EXPECT_TRUE(cornerAngleIsBad(150.1f));
    EXPECT_NEAR(GETTRIANGLE_2NDPOINT_ANGLE(0, 0, 0, 0, 1, 1), 90.0f,
                1.0f); // coincident points stay finite
}

TEST(OverlayGeometry, HitBoxesHoldTheLargerYOnTop) {
    const HitBox box{10, 26, 16, 20};
    EXPECT_TRUE(box.contains(10, 20));
    EXPECT_TRUE(box.contains(16, 26));
    EXPECT_FALSE(box.contains(17, 23));
    EXPECT_FALSE(box.contains(12, 27));
}

} // namespace
} // namespace vex
