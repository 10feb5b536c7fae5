// What helps the user place a point precisely: the magnifier beside the
// pointer and the chart values under it.
#include "core/io/formatted_value.h"
#include "core/settings/view_preferences.h"
#include "mouse_window.h"

#include <QLabel>

namespace vex {
namespace {

using testing::MouseWindow;

// Each pixel of the picture has a colour of its own, so a pixel on the
// screen tells which picture pixel it shows.
QImage pixelsThatTellWhereTheyAre(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 16 + y / 256));
    return image;
}
QPoint whereFrom(QRgb c) {
    return {qBlue(c) / 16 * 256 + qRed(c), qBlue(c) % 16 * 256 + qGreen(c)};
}

TEST(Magnifier, ShowsTheSpotAClickStoresEnlargedBesideThePointerWhileCapturing) {
    MouseWindow f;
    f.settings.createKey(ViewPreferencesKey);
    ASSERT_TRUE(f.loadPicture(pixelsThatTellWhereTheyAre(700, 500)));
    const QWidget& magnifier = f.window->view().magnifier();
    const ViewState& v = f.state().view;
    const QPoint at(250, 180);
    QTest::mouseMove(f.viewport(), at);
    EXPECT_FALSE(magnifier.isVisible()); // only while placing

    f.run(cmd::PointsCaptureMode);
    QTest::mouseMove(f.viewport(), at + QPoint(1, 0));
    QTest::mouseMove(f.viewport(), at);
    ASSERT_TRUE(magnifier.isVisible());
    EXPECT_FALSE(magnifier.geometry().adjusted(-5, -5, 5, 5).contains(at));
    const QImage shown = const_cast<QWidget&>(magnifier).grab().toImage();
    const int c = shown.width() / 2;
    f.click(at);
    ASSERT_EQ(f.state().doc.NPoints(1), 1);
    const double toPicture = double(v.ViewScale) / v.Zoom;
    const QPoint stored(int(f.state().doc.PixX(1, 1) * toPicture),
                        int(f.state().doc.PixY(1, 1) * toPicture));
    EXPECT_EQ(whereFrom(shown.pixel(c, c)), stored);
    // About six times the view: a row across shows a sixth of its width in pixels.
    const int across = whereFrom(shown.pixel(shown.width() - 2, c - 10)).x() -
                       whereFrom(shown.pixel(1, c - 10)).x();
    EXPECT_NEAR(across, shown.width() / (6.0 * v.Zoom), 2.0);

    // Dragging the point shows it where it is; Ctrl+L turns the magnifier
    // off for this run and the next.
    QTest::mousePress(f.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(f.viewport(), at + QPoint(30, 20));
    EXPECT_TRUE(magnifier.isVisible());
    EXPECT_FALSE(magnifier.geometry().adjusted(-5, -5, 5, 5).contains(at + QPoint(30, 20)));
    QTest::mouseRelease(f.viewport(), Qt::LeftButton, {}, at + QPoint(30, 20));
    QTest::keyClick(f.window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(magnifier.isVisible());
    QTest::mouseMove(f.viewport(), at);
    EXPECT_FALSE(magnifier.isVisible());
    EXPECT_FALSE(readMagnifierShown(f.settings));
    MainWindow next(Platform{f.prompts, f.settings, f.clipboard});
    EXPECT_FALSE(next.magnifierToggle().isChecked());
}

TEST(PointerReadout, TellsTheChartValuesAClickWouldStoreAndKeepsOffThePointer) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture(700, 500));
    f.pixelCalibration();
    const QLabel& readout = f.window->view().pointerReadout();
    const QPoint at(321, 222);
    QTest::mouseMove(f.viewport(), at);
    ASSERT_TRUE(readout.isVisible());
    const QString told = readout.text();
    f.run(cmd::PointsCaptureMode);
    f.click(at);
    ASSERT_EQ(f.state().doc.NPoints(1), 1);
    const auto written = [](float v) {
        return QString::fromStdString(WRITEFORMATTEDVALUE(1, 0, v));
    };
    EXPECT_EQ(told, "X = " + written(f.state().doc.ArgX(1, 1)) +
                        "; Y = " + written(f.state().doc.ValY(1, 1)));

    // Near its corner the readout moves to the other one.
    const QPoint corner(10, f.viewport()->height() - 10);
    QTest::mouseMove(f.viewport(), corner);
    ASSERT_TRUE(readout.isVisible());
    EXPECT_FALSE(readout.geometry().adjusted(-20, -20, 20, 20).contains(corner));

    // Not while the markers are set, nor once the pointer has left.
    f.run(cmd::PointsCaptureMode);
    f.run(cmd::SetTheScale);
    QTest::mouseMove(f.viewport(), at);
    EXPECT_FALSE(readout.isVisible());
}

} // namespace
} // namespace vex
