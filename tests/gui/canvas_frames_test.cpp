// The canvas paints the same pixels as it did when these frames were
// recorded, at the fitted view, one notch in, at three quarters, at one
// picture pixel to a screen pixel and at the largest zoom, whatever path
// draws the picture there. Frames are recorded again with
// VEXILOR_RECORD_FRAMES=folder (then look at them before committing).
#include "core/state/clear_param.h"
#include "core/state/shown_spline.h"
#include "core/view/view_math.h"
#include "gui/view/image_view.h"
#include "gui/view/picture.h"

#include "../../bench/no_shell.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace vex {
namespace {

constexpr int kCanvasW = 960, kCanvasH = 720, kPictureW = 3000, kPictureH = 2250;

// A chart with the sharp details scaling could blur or shift: a grid of
// thin lines, thick curves, and single dark pixels.
QImage chart() {
    QImage image(kPictureW, kPictureH, QImage::Format_RGB32);
    image.fill(qRgb(252, 250, 244));
    QPainter p(&image);
    p.setPen(QPen(QColor(170, 170, 170), 1));
    for (int x = 0; x < kPictureW; x += 75) p.drawLine(x, 0, x, kPictureH);
    for (int y = 0; y < kPictureH; y += 75) p.drawLine(0, y, kPictureW, y);
    p.setRenderHint(QPainter::Antialiasing);
    for (int c = 0; c < 5; ++c) {
        p.setPen(QPen(QColor(30 * c, 40, 200 - 30 * c), 2 + c));
        QPolygonF curve;
        for (int x = 0; x < kPictureW; x += 10)
            curve << QPointF(x, kPictureH * (0.15 + 0.15 * c) + 90 * std::sin(x / 170.0 + c));
        p.drawPolyline(curve);
    }
    p.end();
    for (int k = 0; k < 4000; ++k)
        image.setPixel((k * 7919) % kPictureW, (k * 104729) % kPictureH, qRgb(0, 0, 0));
    return image;
}

struct Scene {
    AppState s;
    Picture picture;
    bench::NoShell shell;
    ImageView view{s, picture, shell};

    Scene() {
        view.setFramesSettledAtOnce(true);
        CLEARPARAM(s);
        picture.setImage(chart());
        s.work.ImageLoaded = -1;
        s.view.CanvasWidth = kCanvasW;
        s.view.CanvasHeight = kCanvasH;
        fitPicture(s.view, s.doc, kPictureW, kPictureH);
        const float f = s.view.FitZoom;
        const float corners[4][2] = {{80, 60}, {2930, 70}, {2920, 2190}, {70, 2180}};
        for (int k = 1; k <= 4; ++k) {
            s.doc.MarkerPixX(k) = corners[k - 1][0] * f;
            s.doc.MarkerPixY(k) = corners[k - 1][1] * f;
        }
        s.doc.NLines = 3;
        for (int j = 1; j <= 3; ++j) {
            s.doc.NPoints(j) = 40;
            for (int k = 1; k <= 40; ++k) {
                s.doc.PixX(j, k) = (120 + 70.0f * float(k)) * f;
                s.doc.PixY(j, k) = (400 + 500.0f * float(j) + 90 * std::sin(float(k) / 4)) * f;
            }
        }
        s.work.CurLine = 2;
        s.work.CurPoint = 20;
        s.work.SplineShown = 1;
        rebuildShownSpline(s);
    }

    QImage frameAt(float viewScale) {
        s.view.ViewScale = viewScale;
        s.view.Zoom = s.view.FitZoom * viewScale;
        s.view.ScrollX = int(kPictureW * s.view.Zoom * 0.4f - kCanvasW / 2.0f);
        s.view.ScrollY = int(kPictureH * s.view.Zoom * 0.55f - kCanvasH / 2.0f);
        applyScrollRangeRule(s.view, s.doc);
        QImage frame(kCanvasW, kCanvasH, QImage::Format_RGB32);
        QPainter painter(&frame);
        view.paintCanvas(painter, QRect(0, 0, kCanvasW, kCanvasH));
        return frame;
    }
};

// The largest difference of one colour channel between the two frames.
int largestDifference(const QImage& a, const QImage& b) {
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

TEST(CanvasFrames, EveryZoomPaintsTheRecordedPixels) {
    Scene scene;
    const float one = 1.0f / scene.s.view.FitZoom;
    const struct {
        const char* name;
        float viewScale;
    } zooms[] = {{"fit", 1.0f},
                 {"notch", 1.25f},
                 {"three_quarters", 0.75f * one},
                 {"one_to_one", one},
                 {"largest", 50.0f}};
    const char* record = std::getenv("VEXILOR_RECORD_FRAMES");
    for (const auto& z : zooms) {
        const QImage frame = scene.frameAt(z.viewScale);
        const QString file = QStringLiteral("%1.png").arg(QLatin1String(z.name));
        if (record) {
            ASSERT_TRUE(frame.save(QString::fromLocal8Bit(record) + "/" + file));
            continue;
        }
        const QImage recorded(QStringLiteral(VEXILOR_TEST_DATA_DIR "/frames/") + file);
        ASSERT_FALSE(recorded.isNull()) << z.name;
        ASSERT_EQ(recorded.size(), frame.size());
        EXPECT_EQ(largestDifference(frame, recorded.convertToFormat(QImage::Format_RGB32)), 0)
            << z.name;
    }
}

} // namespace
} // namespace vex
