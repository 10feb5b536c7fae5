// A screen of two device pixels to a pixel: the toolbar's pictures and the
// chart are drawn for the device pixels, not enlarged. These run in the
// pass that sets QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt).
#include "gui/app/toolbar_widget.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include <cstdlib>

namespace vex {
namespace {

using testing::WindowFixture;

// Skips on an ordinary screen; fails where two to one was asked for and not given.
#define REQUIRE_TWO_DEVICE_PIXELS(widget)                                                          \
    if ((widget).devicePixelRatioF() != 2.0) {                                                     \
        if (std::getenv("QT_SCALE_FACTOR") != nullptr) FAIL() << "no screen of ratio 2";           \
        GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";                                                 \
    }

// Whether the image is nothing but its half-size self with each pixel doubled.
bool onlyEnlarged(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

TEST(HiDpi, ToolbarPicturesAreMadeForTheDevicePixels) {
    WindowFixture f;
    REQUIRE_TWO_DEVICE_PIXELS(*f.window);
    for (int row = 0; row < 4; ++row) {
        const QPixmap& capture = f.window->toolbar().picture(row * 40 + 10);
        EXPECT_EQ(capture.devicePixelRatio(), 2.0);
        ASSERT_EQ(capture.size(), QSize(56, 56)); // 28 × 28 on the screen
        EXPECT_FALSE(onlyEnlarged(capture.toImage())) << "row " << row;
    }
}

TEST(HiDpi, AChartSlightlyReducedShowsEachPicturePixelCrisp) {
    WindowFixture f;
    REQUIRE_TWO_DEVICE_PIXELS(*f.window);
    // Black and white stripes, a picture a little larger than the view: the
    // view shows it at about three quarters, one and a half device pixels a
    // picture pixel, so no device pixel needs a grey between the two.
    QImage stripes(1400, 930, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixel(x, y, (x / 4) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    ASSERT_TRUE(f.loadPicture(stripes));
    ASSERT_LT(f.state().view.Zoom, 1.0f);
    ASSERT_GE(f.state().view.Zoom * 2.0f, 1.0f);
    const QImage canvas = f.window->view().viewport()->grab(QRect(10, 20, 30, 25)).toImage();
    ASSERT_EQ(canvas.size(), QSize(60, 50));
    int greys = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            greys +=
                canvas.pixel(x, y) != qRgb(0, 0, 0) && canvas.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(greys, 0);
}

} // namespace
} // namespace vex
