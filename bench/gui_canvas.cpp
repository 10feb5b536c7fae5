// One frame of the image view: a 1920 × 1080 canvas showing a 6000 × 4500
// picture with a full overlay (20 lines × 200 points, the curve, the grid,
// the markers), painted into an offscreen image at the fitted view, at four
// times that, and at the largest zoom.
#include "core/state/clear_param.h"
#include "core/state/shown_spline.h"
#include "core/view/view_math.h"
#include "gui/view/image_view.h"
#include "gui/view/picture.h"
#include "gui_bench_main.h"
#include "no_shell.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCanvasW = 1920, kCanvasH = 1080, kPictureW = 6000, kPictureH = 4500;

using vex::bench::NoShell;

QImage chartPicture() {
    QImage image(kPictureW, kPictureH, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::lightGray, 3));
    for (int x = 0; x < kPictureW; x += 150) p.drawLine(x, 0, x, kPictureH);
    for (int y = 0; y < kPictureH; y += 150) p.drawLine(0, y, kPictureW, y);
    p.setPen(QPen(Qt::black, 6));
    for (int c = 0; c < 8; ++c)
        for (int x = 0; x < kPictureW; x += 20)
            p.drawPoint(x, int(kPictureH * (0.1 + 0.1 * c + 0.05 * std::sin(x / 400.0))));
    return image;
}

struct Scene {
    vex::AppState s;
    vex::Picture picture;
    NoShell shell;
    vex::ImageView view{s, picture, shell};
    QImage frame{kCanvasW, kCanvasH, QImage::Format_ARGB32_Premultiplied};

    Scene() {
        vex::CLEARPARAM(s);
        picture.setImage(chartPicture());
        s.work.ImageLoaded = -1;
        s.view.CanvasWidth = kCanvasW;
        s.view.CanvasHeight = kCanvasH;
        vex::fitPicture(s.view, s.doc, kPictureW, kPictureH);
        const float f = s.view.FitZoom;
        const float corners[4][2] = {{100, 100}, {5900, 120}, {5880, 4400}, {120, 4380}};
        for (int k = 1; k <= 4; ++k) {
            s.doc.MarkerPixX(k) = corners[k - 1][0] * f;
            s.doc.MarkerPixY(k) = corners[k - 1][1] * f;
        }
        s.doc.NLines = vex::LinesMax;
        for (int j = 1; j <= vex::LinesMax; ++j) {
            s.doc.NPoints(j) = vex::PointsMax;
            for (int k = 1; k <= vex::PointsMax; ++k) {
                s.doc.PixX(j, k) = (100 + 29.0f * float(k)) * f;
                s.doc.PixY(j, k) = (200 + 200.0f * float(j) + 100 * std::sin(float(k) / 15.0f)) * f;
            }
        }
        s.work.CurLine = 5;
        s.work.CurPoint = 100;
        s.work.SplineShown = 1;
        vex::rebuildShownSpline(s);
    }

    void zoomTo(float viewScale) {
        s.view.ViewScale = viewScale;
        s.view.Zoom = s.view.FitZoom * viewScale;
        // Look at the middle of the picture.
        s.view.ScrollX = int(kPictureW * s.view.Zoom / 2 - kCanvasW / 2);
        s.view.ScrollY = int(kPictureH * s.view.Zoom / 2 - kCanvasH / 2);
        vex::applyScrollRangeRule(s.view, s.doc);
    }

    void paint() {
        QPainter painter(&frame);
        view.paintCanvas(painter, QRect(0, 0, kCanvasW, kCanvasH));
    }

    // The view as a window of its own, its canvas the bench's size: frames
    // then go through the widget's backing store as on the screen.
    void showAsWindow() {
        if (view.isVisible()) return;
        const int bar = view.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        view.resize(kCanvasW + bar, kCanvasH + bar);
        view.show();
        QCoreApplication::processEvents();
    }
};

Scene& scene() {
    static Scene instance;
    return instance;
}

void paintAt(benchmark::State& state, float viewScale) {
    Scene& sc = scene();
    sc.view.setFramesSettledAtOnce(true); // steady: the reduced copy is ready
    sc.zoomTo(viewScale);
    for (auto _ : state) {
        sc.paint();
        benchmark::DoNotOptimize(sc.frame.constBits());
    }
}

// A steady frame through the real widget: painted into its backing store
// and flushed, as a repaint after a point moves.
void widgetFrameAt(benchmark::State& state, float viewScale) {
    Scene& sc = scene();
    sc.view.setFramesSettledAtOnce(true); // steady: the reduced copy is ready
    sc.showAsWindow();
    sc.zoomTo(viewScale);
    for (auto _ : state) sc.view.viewport()->repaint();
}
void BM_WidgetFrameAtFitZoom(benchmark::State& state) {
    widgetFrameAt(state, 1.0f);
}
void BM_WidgetFrameAtOneToOne(benchmark::State& state) {
    widgetFrameAt(state, 1.0f / scene().s.view.FitZoom);
}
void BM_WidgetFrameAtMaxZoom(benchmark::State& state) {
    widgetFrameAt(state, 50.0f);
}
BENCHMARK(BM_WidgetFrameAtFitZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetFrameAtOneToOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetFrameAtMaxZoom)->Unit(benchmark::kMillisecond);

void BM_FrameAtFitZoom(benchmark::State& state) {
    paintAt(state, 1.0f);
}
void BM_FrameAtFourTimes(benchmark::State& state) {
    paintAt(state, 4.0f);
}
void BM_FrameAtMaxZoom(benchmark::State& state) {
    paintAt(state, 50.0f);
}

// The frame after a CONTROL + wheel notch near the fitted view: each
// iteration is at another zoom than the one before.
void BM_FrameAfterZoomNotchNearFit(benchmark::State& state) {
    Scene& sc = scene();
    sc.view.setFramesSettledAtOnce(false);
    bool in = false;
    for (auto _ : state) {
        sc.zoomTo(in ? 1.25f : 1.0f);
        in = !in;
        sc.paint();
        benchmark::DoNotOptimize(sc.frame.constBits());
    }
}
// The same about the zoom at which every paint scaled the full picture.
void BM_FrameAfterZoomNotchNearOne(benchmark::State& state) {
    Scene& sc = scene();
    sc.view.setFramesSettledAtOnce(false);
    const float one = 1.0f / sc.s.view.FitZoom;
    bool in = false;
    for (auto _ : state) {
        sc.zoomTo(in ? one * 0.8f : one * 0.64f);
        in = !in;
        sc.paint();
        benchmark::DoNotOptimize(sc.frame.constBits());
    }
}
// A steady frame between zoom 0.5 and 1.
void BM_FrameAtThreeQuarters(benchmark::State& state) {
    paintAt(state, 0.75f / scene().s.view.FitZoom);
}

BENCHMARK(BM_FrameAfterZoomNotchNearFit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAfterZoomNotchNearOne)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAtThreeQuarters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAtFitZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAtFourTimes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAtMaxZoom)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return vex::bench::runGuiBenchmarks(argc, argv);
}
