#include "core/ui/command_ids.h"
#include "gui/view/image_host.h"
#include "gui/view/image_view.h"
#include "gui/view/overlay_painter.h"
#include "gui/view/picture.h"
#include "modal_helper.h"
#include "window_fixture.h"

#include "../core/bmp_bytes.h"
#include "../core/temp_dir.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <sys/stat.h>

#include <filesystem>
#include <vector>

namespace vex {
namespace {

using testing::TempDir;
using testing::WindowFixture;

// A picture with four flat quadrants, so that any pixel says where it came from.
QImage quadrants(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           x < w / 2 ? (y < h / 2 ? qRgb(200, 200, 200) : qRgb(40, 40, 160))
                                     : (y < h / 2 ? qRgb(250, 230, 120) : qRgb(90, 160, 90)));
    return image;
}

struct ViewFixture : WindowFixture {
    TempDir& dir = files;
    ImageView& view() { return window->view(); }
    QImage shot() { return view().viewport()->grab().toImage(); }
    QColor at(int x, int y) { return shot().pixelColor(x, y); }
    bool load(const QImage& image, const char* name = "chart.bmp") {
        return loadPicture(image, name);
    }
};

TEST(ImageViewLoading, FitsThePictureAndSetsTheScrollRanges) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(2000, 1000)));
    const ViewState& v = f.state().view;
    const int cw = f.view().viewport()->width(), ch = f.view().viewport()->height();
    EXPECT_EQ(v.CanvasWidth, cw);
    EXPECT_EQ(v.CanvasHeight, ch);
    EXPECT_FLOAT_EQ(v.FitZoom, std::min(float(cw) / 2000, float(ch) / 1000));
    EXPECT_FLOAT_EQ(v.MaxZoom, 50 * v.FitZoom);
    EXPECT_EQ(f.state().doc.ImageWidth, 2000);
    EXPECT_EQ(f.state().work.ProjectNamed, 0); // the next Save asks for a name
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    EXPECT_EQ(f.state().doc.ImagePath, f.dir.file("chart.bmp"));
    // Wider than the window in proportion: fits horizontally, negative range vertically.
    EXPECT_EQ(v.ScrollMinX, 0);
    EXPECT_EQ(v.ScrollMinY, int(1000 * v.FitZoom - float(ch)));
    EXPECT_EQ(f.view().verticalScrollBar()->minimum(), v.ScrollMinY);

    // The stretched picture: quadrant colours at their places, white beyond it.
    const int pw = int(2000 * v.FitZoom), ph = int(1000 * v.FitZoom);
    EXPECT_EQ(f.at(pw / 4, ph / 4 + 20), QColor(200, 200, 200));
    EXPECT_EQ(f.at(3 * pw / 4, 3 * ph / 4), QColor(90, 160, 90));
    if (ph + 20 < ch) {
        EXPECT_EQ(f.at(pw / 2, ph + 10), QColor(Qt::white));
    }
}

TEST(ImageViewLoading, AwkwardFilesLoadOrLeaveEverythingAsItWas) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(300, 200)));
    const AppState before = f.state();
    const QImage pictureBefore = f.window->picture().image();
    // Refused at once: a pipe nobody writes to, a device that never ends, a
    // folder, and a small file announcing more pixels than can be kept.
    const std::string data = VEXILOR_TEST_DATA_DIR "/images/";
    const std::string pipe = f.dir.file("pipe.bmp"), folder = f.dir.file("folder.bmp");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(folder);
    const std::string giant = f.dir.file("giant.bmp");
    testing::writeBytes(giant, testing::rleBmp(14000, 14000, 8, std::string("\0\1", 2)));
    struct Case {
        std::string file;
        bool loads;
        const char* saying = "";
    } cases[] = {{data + "empty.bmp", false},
                 {data + "truncated_header.bmp", false, "its header"},
                 {data + "truncated_pixels.bmp", false, "pixel data"},
                 {data + "does_not_exist.bmp", false},
                 {pipe, false},
                 {folder, false},
                 {"/dev/zero", false},
                 {giant, false, "14000 x 14000"},
                 {data + "one_pixel.bmp", true},
                 {data + "png_renamed.bmp", true}};
    for (const Case& c : cases) {
        f.prompts.clearShown();
        f.state() = before;
        f.prompts.chooseFile(QString::fromStdString(c.file));
        f.window->command(cmd::OpenBmpImage);
        QCoreApplication::processEvents();
        if (c.loads) {
            EXPECT_TRUE(f.prompts.shown().empty()) << c.file;
            EXPECT_NE(f.state().doc.ImagePath, before.doc.ImagePath) << c.file;
            EXPECT_GT(f.state().view.FitZoom, 0.0f) << c.file;
            EXPECT_TRUE(std::isfinite(f.state().view.FitZoom)) << c.file;
            f.shot(); // paints without trouble
            continue;
        }
        ASSERT_EQ(f.prompts.shown().size(), 1u) << c.file;
        EXPECT_TRUE(f.prompts.shown()[0].text.contains(QString::fromStdString(c.file))) << c.file;
        EXPECT_TRUE(f.prompts.shown()[0].text.contains(c.saying)) << c.file;
        EXPECT_EQ(f.state().view, before.view) << c.file;
        EXPECT_EQ(f.state().doc, before.doc) << c.file;
        EXPECT_EQ(f.window->picture().image(), pictureBefore) << c.file;
    }
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

// Uncompressed 24- and 32-bit BMPs are read row by row by the program
// itself: every variant comes out as Qt's own decoder makes it.
TEST(ImageViewLoading, UncompressedBmpsComeOutAsQtDecodesThem) {
    TempDir dir;
    struct Variant {
        int width, height, bitCount;
        std::uint32_t gap; // bytes between the headers and the rows
    } variants[] = {
        {7, 5, 24, 0},  {8, 3, 24, 6},      {5, -4, 24, 0}, {6, 5, 32, 0},
        {3, -3, 32, 2}, {1501, 1400, 24, 0}}; // large enough for the picture's own block
    for (const Variant& v : variants) {
        const int rows = std::abs(v.height);
        const std::uint32_t stride = (v.width * v.bitCount + 31) / 32 * 4;
        std::string file = testing::bmpHeader(v.width, v.height, v.bitCount, 0, 0, stride * rows);
        file.replace(10, 4, std::string(4, '\0'));
        const std::uint32_t offset = 54 + v.gap;
        for (int i = 0; i < 4; ++i) file[10 + i] = static_cast<char>((offset >> (8 * i)) & 0xff);
        file += std::string(v.gap, '\x5a');
        for (std::uint32_t i = 0; i < stride * std::uint32_t(rows); ++i)
            file += static_cast<char>((i * 37 + 11) % 251);
        const std::string path = dir.file("v.bmp");
        testing::writeBytes(path, file);
        Picture picture;
        ASSERT_FALSE(picture.load(QString::fromStdString(path)).has_value()) << v.width;
        const QImage qt =
            QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(qt.isNull());
        EXPECT_EQ(picture.image(), qt) << v.width << " x " << v.height << ", " << v.bitCount;
    }
}

// A run-length BMP may end its data early on purpose (or skip pixels with a
// delta): the pixels it leaves out are colour 0 of its palette at every load,
// never what the memory held before.
TEST(ImageViewLoading, PixelsARunLengthPictureLeavesOutAreColourZero) {
    ViewFixture f;
    const std::string file = f.dir.file("sparse.bmp");
    // 64 x 64, bottom-up: the last row starts with 10 white pixels, then the data ends.
    testing::writeBytes(file, testing::rleBmp(64, 64, 8, std::string("\x0a\xff\0\1", 4)));
    for (int load = 0; load < 3; ++load) {
        {
            std::vector<QImage> used; // memory of the picture's size, left full of colour 7
            for (int i = 0; i < 20; ++i) {
                used.emplace_back(64, 64, QImage::Format_Indexed8);
                used.back().fill(7);
            }
        }
        f.prompts.chooseFile(QString::fromStdString(file));
        f.window->command(cmd::OpenBmpImage);
        QCoreApplication::processEvents();
        ASSERT_TRUE(f.prompts.shown().empty());
        const QImage& picture = f.window->picture().image();
        int wrong = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                wrong += picture.pixel(x, y) != (y == 63 && x < 10 ? 0xffffffffu : 0xff000000u);
        EXPECT_EQ(wrong, 0) << "load " << load;
    }
}

TEST(ImageViewLoading, AnImportAtAMagnificationStartsAtTheFittedView) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(800, 600)));
    f.state().view.ViewScale = 3.0f;
    f.state().view.ScrollX = 400;
    ASSERT_TRUE(f.load(quadrants(400, 400), "second.bmp"));
    EXPECT_EQ(f.state().view.ViewScale, 1.0f);
    EXPECT_EQ(f.state().view.ScrollX, 0);
    EXPECT_FLOAT_EQ(f.state().view.Zoom, f.state().view.FitZoom);
}

TEST(ImageViewLoading, AfterAZoomANewPictureScrollsOnlyItsFittedRange) {
    ViewFixture f;
    std::int64_t now = 1000;
    f.view().setTickSource([&] { return now; });
    auto zoomIn = [&] {
        for (int i = 0; i < 3; ++i) {
            now += 1000;
            const QPoint at(300, 200);
            QWheelEvent e(at, f.view().viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(f.view().viewport(), &e);
        }
        ASSERT_GT(f.state().view.ScrollMaxX, 0);
    };
    // Three page clicks on each bar leave the picture's top left corner in view.
    auto pagesStayOnThePicture = [&](const char* after) {
        for (QScrollBar* bar : {f.view().horizontalScrollBar(), f.view().verticalScrollBar()})
            for (int i = 0; i < 3; ++i) bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(f.at(10, 10), QColor(200, 200, 200)) << after;
        EXPECT_LE(f.view().horizontalScrollBar()->maximum(), 1) << after;
    };

    ASSERT_TRUE(f.load(quadrants(800, 600)));
    zoomIn();
    ASSERT_TRUE(f.load(quadrants(800, 600), "second.bmp"));
    pagesStayOnThePicture("a second picture");

    zoomIn();
    f.prompts.answer(Answer::No); // drop the work on it
    f.run(cmd::NewProject);
    for (int i = 0; i < 3; ++i)
        f.view().horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ASSERT_TRUE(f.load(quadrants(800, 600), "third.bmp"));
    pagesStayOnThePicture("a new project");
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

TEST(ImageViewOverlay, MarkersPointsAndGridAtTheirPlaces) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(600, 400)));
    AppState& s = f.state();
    s.doc.NPoints(1) = 2;
    s.doc.PixX(1, 1) = 200, s.doc.PixY(1, 1) = 150;
    s.doc.PixX(1, 2) = 300, s.doc.PixY(1, 2) = 160;
    s.work.CurPoint = 2;
    EXPECT_EQ(f.at(50, 10), QColor(0, 127, 127)); // marker 1 outside calibration: teal
    EXPECT_EQ(f.at(200, 150), QColor(255, 0, 0)); // a point square
    // The selection frame around the current point is green, outside its red square.
    const QImage shot = f.shot();
    const int r = overlaySizes(1.0f).r;
    EXPECT_EQ(shot.pixelColor(300 - r - 2, 160), QColor(0, 150, 0));
    EXPECT_EQ(s.overlay.PointHitBox(1, 1), (HitBox{200 - r, 150 + r, 200 + r, 150 - r}));
    EXPECT_EQ(s.overlay.MarkerHitBox(3), (HitBox{600 - r, 500 + r, 600 + r, 500 - r}));

    // Grid: XGrid 4 draws vertical lines at a quarter, a half, three quarters.
    int orange = 0;
    const int x = 50 + (600 - 50) / 4;
    for (int y = 20; y < 490; ++y)
        if (shot.pixelColor(x, y) == QColor(255, 102, 0)) ++orange;
    EXPECT_GT(orange, 100);

    s.work.ScaleMode = -1; // calibration: light green markers
    EXPECT_EQ(f.at(600, 500), QColor(180, 255, 180));
}

// The box of the pixels of `colour` within `area` of `image`.
QRect extentOf(const QImage& image, const QRect& area, const QColor& colour) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

// A shape given by its corners covers them up to, not including, the right
// and bottom ones: a point square of half-size 3 is 6 by 6 pixels.
TEST(ImageViewOverlay, ShapesCoverTheirCornersUpToTheRightAndBottomOnes) {
    AppState s;
    s.work.CurLine = 2; // no selection frame on line 1
    s.doc.NPoints(1) = 1;
    s.doc.PixX(1, 1) = 300, s.doc.PixY(1, 1) = 250;
    s.work.SplineShown = s.work.SplinePointMode = 1;
    s.spline.SplinePointX = 150, s.spline.SplinePointY = 300;
    QImage image(700, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    LOADANDCORRECTIMAGE(painter, image.rect(), s, s.overlay);
    painter.end();

    const int r = overlaySizes(1.0f).r, R = overlaySizes(1.0f).R;
    const QRect square = extentOf(image, {280, 230, 40, 40}, QColor(255, 0, 0));
    EXPECT_EQ(square, QRect(300 - r, 250 - r, 2 * r, 2 * r));
    int red = 0;
    for (int y = 230; y < 270; ++y)
        for (int x = 280; x < 320; ++x) red += image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_EQ(red, 4 * r * r); // filled
    // The curve point: an ellipse in the box (x - R - 1, y - R - 1) .. (x + R + 1, y + R + 1).
    const QRect curvePoint = extentOf(image, {120, 270, 60, 60}, QColor(0, 0, 0));
    EXPECT_EQ(curvePoint, QRect(150 - R - 1, 300 - R - 1, 2 * R + 2, 2 * R + 2));
}

TEST(ImageViewOverlay, InvalidAndSharpQuadrilaterals) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(600, 400)));
    AppState& s = f.state();
    s.work.ScaleMode = -1;
    QSignalSpy usable(&f.view(), &ImageView::calibrationShapeChecked);

    // A bow-tie: marker 2 left of marker 1. The outline turns thick black.
    s.doc.MarkerPixX(1) = 500;
    s.doc.MarkerPixX(2) = 100;
    QImage shot = f.shot();
    EXPECT_EQ(shot.pixelColor(300, 500), QColor(0, 0, 0));
    EXPECT_EQ(shot.pixelColor(300, 501), QColor(0, 0, 0)); // 4 pixels wide
    ASSERT_FALSE(usable.isEmpty());
    EXPECT_FALSE(usable.last().at(0).toBool());

    // A usable layout with a corner of about 26 degrees at marker 2: the two
    // sides that meet there show red; a right-angled side stays green.
    s.doc.resetMarkersAndRanges();
    s.doc.MarkerPixX(2) = 900;
    s.doc.MarkerPixX(3) = 300;
    s.doc.MarkerPixY(3) = 300;
    s.doc.MarkerPixY(4) = 300;
    shot = f.shot();
    EXPECT_TRUE(usable.last().at(0).toBool());
    EXPECT_EQ(shot.pixelColor(600, 155), QColor(255, 0, 0)); // side 2 -> 3
    EXPECT_EQ(shot.pixelColor(450, 10), QColor(255, 0, 0));  // side 1 -> 2
    EXPECT_EQ(shot.pixelColor(50, 150), QColor(0, 160, 0));  // side 4 -> 1
}

TEST(ImageViewZoom, ControlWheelZoomsAboutThePointerAndSnapsBack) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(800, 600)));
    std::int64_t now = 1000;
    f.view().setTickSource([&] { return now; });
    const ViewState fitted = f.state().view;
    auto wheel = [&](int delta, Qt::KeyboardModifiers mods, QPoint at = {200, 150}) {
        QWheelEvent e(at, f.view().viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.view().viewport(), &e);
    };
    wheel(120, Qt::NoModifier); // the plain wheel scrolls, never zooms
    EXPECT_EQ(f.state().view.Zoom, fitted.Zoom);
    EXPECT_EQ(f.state().view.ViewScale, fitted.ViewScale);

    const QColor underPointer = f.at(200, 150);
    wheel(120, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(f.state().view.Zoom, fitted.FitZoom * 1.2f);
    EXPECT_EQ(f.at(200, 150), underPointer); // the same part of the picture stays there
    now += 150;
    wheel(120, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(f.state().view.ViewScale, 1.2f * 1.5f);
    EXPECT_EQ(f.view().horizontalScrollBar()->value(), f.state().view.ScrollX);

    wheel(60, Qt::ControlModifier); // half a notch from a fine wheel: wait for the rest
    EXPECT_FLOAT_EQ(f.state().view.ViewScale, 1.2f * 1.5f);
    now += 1000;
    wheel(-120, Qt::ControlModifier); // turned back: a whole notch out, the half forgotten
    EXPECT_FLOAT_EQ(f.state().view.ViewScale, 1.5f);
    for (int i = 0; i < 10; ++i) {
        now += 1000;
        wheel(-120, Qt::ControlModifier);
    }
    EXPECT_FLOAT_EQ(f.state().view.Zoom, fitted.FitZoom);
    EXPECT_EQ(f.state().view.ScrollX, 0);
}

// After a zoom notch the frame is drawn at once from a halved copy, and the
// reduced picture made meanwhile in another thread follows: the view then
// shows what a frame made all at once shows.
TEST(ImageViewZoom, AfterQuickNotchesTheReducedPictureFollows) {
    QImage stripes(2400, 1800, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, ((x / 3 + y / 5) % 2) ? qRgb(20, 20, 60) : qRgb(250, 248, 240));
    ViewFixture f;
    f.view().setFramesSettledAtOnce(false);
    ASSERT_TRUE(f.load(stripes));
    for (int notch = 0; notch < 2; ++notch) {
        f.view().zoomFromKeyboard(1);
        f.shot(); // each frame asks for its own reduced copy
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.view().reducing(); }, 10000));
    const QImage shown = f.shot();

    ViewFixture settled; // frames made all at once
    ASSERT_TRUE(settled.load(stripes));
    settled.state().view = f.state().view;
    settled.view().updateScrollBars();
    EXPECT_EQ(shown, settled.shot());
}

TEST(ImageViewZoom, KeysZoomAboutTheCentreAndThePlainWheelScrolls) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(800, 600)));
    std::int64_t now = 1000;
    f.view().setTickSource([&] { return now += 1000; }); // every step a slow one
    QApplication::setActiveWindow(f.window.get());
    const ViewState fitted = f.state().view;
    const QPoint centre(fitted.CanvasWidth / 2, fitted.CanvasHeight / 2);
    auto key = [&](Qt::Key k) { QTest::keyClick(f.window.get(), k, Qt::ControlModifier); };
    // Each key makes the step a wheel notch at the view's centre makes.
    auto expectStep = [&](Qt::Key k, int notches) {
        ViewState expected = f.state().view;
        zoomStep(expected, f.state().doc, notches, now + 1000, centre.x(), centre.y());
        key(k);
        EXPECT_FLOAT_EQ(f.state().view.Zoom, expected.Zoom);
        EXPECT_EQ(f.state().view.ScrollX, expected.ScrollX);
        EXPECT_EQ(f.state().view.ScrollY, expected.ScrollY);
    };
    expectStep(Qt::Key_Equal, 1);
    expectStep(Qt::Key_Plus, 1);
    expectStep(Qt::Key_Equal, 1);
    expectStep(Qt::Key_Minus, -1);
    EXPECT_FLOAT_EQ(f.state().view.ViewScale, 1.2f * 1.2f);

    auto wheel = [&](Qt::KeyboardModifiers mods) {
        QWheelEvent e(centre, f.view().viewport()->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                      mods, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(f.view().viewport(), &e);
    };
    QScrollBar& across = *f.view().horizontalScrollBar();
    QScrollBar& down = *f.view().verticalScrollBar();
    const ViewState zoomed = f.state().view;
    const int step = QApplication::wheelScrollLines() * 20;
    wheel(Qt::NoModifier); // down: the picture moves up
    EXPECT_EQ(f.state().view.ScrollY, std::min(zoomed.ScrollY + step, down.maximum()));
    EXPECT_GT(f.state().view.ScrollY, zoomed.ScrollY);
    EXPECT_EQ(f.state().view.ScrollX, zoomed.ScrollX);
    EXPECT_EQ(down.value(), f.state().view.ScrollY);
    wheel(Qt::ShiftModifier);
    EXPECT_EQ(f.state().view.ScrollX, std::min(zoomed.ScrollX + step, across.maximum()));
    EXPECT_GT(f.state().view.ScrollX, zoomed.ScrollX);
    for (int i = 0; i < 100; ++i) wheel(Qt::NoModifier); // never past the end
    EXPECT_EQ(f.state().view.ScrollY, down.maximum());
    EXPECT_FLOAT_EQ(f.state().view.ViewScale, 1.2f * 1.2f);

    key(Qt::Key_0);
    EXPECT_EQ(f.state().view.Zoom, fitted.Zoom);
    EXPECT_EQ(f.state().view.ViewScale, 1.0f);
    EXPECT_EQ(f.state().view.ScrollX, 0);
    EXPECT_EQ(f.state().view.ScrollY, 0);
    EXPECT_EQ(f.shot(), [&] {
        ViewFixture fresh;
        EXPECT_TRUE(fresh.load(quadrants(800, 600)));
        return fresh.shot();
    }());
}

TEST(ImageViewScrolling, BarsFollowTheScrollCodes) {
    ViewFixture f;
    ASSERT_TRUE(f.load(quadrants(900, 3000))); // tall: fits vertically, negative range across
    ImageView& v = f.view();
    ASSERT_LT(f.state().view.ScrollMinX, 0);
    v.scrollBy(Qt::Horizontal, ScrollCode::PageUp);
    EXPECT_EQ(f.state().view.ScrollX, f.state().view.ScrollMinX);
    v.scrollBy(Qt::Horizontal, ScrollCode::Top);
    EXPECT_EQ(f.state().view.ScrollX, 0); // 0, not the negative minimum
    v.scrollBy(Qt::Horizontal, ScrollCode::LineDown);
    EXPECT_EQ(f.state().view.ScrollX, 1); // one beyond the highest position
    v.scrollBy(Qt::Horizontal, ScrollCode::Bottom);
    EXPECT_EQ(f.state().view.ScrollX, 0); // nMax - nPage: one less than the steps reach
    v.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(f.state().view.ScrollX, -1);
    EXPECT_EQ(v.horizontalScrollBar()->value(), -1);
    // Dragging the thumb scrolls live.
    v.horizontalScrollBar()->setSliderPosition(-30);
    EXPECT_EQ(f.state().view.ScrollX, -30);
}

TEST(DeleteKey, DeletesPointsOnlyInItsWindowAndNeverWhileTypingText) {
    int deleted = 0;
    bool allowed = true;
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    DeleteKeyFilter filter(
        &window, [&] { return allowed; }, [&] { ++deleted; });
    qApp->installEventFilter(&filter);
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Delete);
    EXPECT_EQ(deleted, 1); // once, though the key passes several widgets
    allowed = false;       // two points left: nothing happens
    QTest::keyClick(other, Qt::Key_Delete);
    EXPECT_EQ(deleted, 1);
    allowed = true;
    field->setText("123");
    field->setFocus();
    field->setCursorPosition(0);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(field->text(), "23"); // the text field got its key

    // Behind a dialog, on any of its buttons, the key deletes nothing.
    QDialog dialog(&window);
    auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
    testing::ModalAnswer pressDelete([&](QWidget& modal) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Delete);
        static_cast<QDialog&>(modal).reject();
    });
    dialog.exec();
    ASSERT_TRUE(pressDelete.seen());
    EXPECT_EQ(deleted, 1);
    // Nor in another window of the program.
    QWidget help;
    auto* page = new QWidget(&help);
    page->setFocusPolicy(Qt::StrongFocus);
    help.show();
    QApplication::setActiveWindow(&help);
    page->setFocus();
    QTest::keyClick(page, Qt::Key_Delete);
    EXPECT_EQ(deleted, 1);
    qApp->removeEventFilter(&filter);
}

} // namespace
} // namespace vex
