// One frame of the image view: a 1920 × 1080 canvas showing a 6000 × 4500
// picture with a full overlay (20 lines × 200 points, the curve, the grid,
// the markers), painted into an offscreen image at the fitted view, at four
// times that, and at the largest zoom.
#include "core/state/clear_param.h"
#include "core/state/shown_spline.h"
#include "core/view/view_math.h"
#include "gui/platform/shell_services.h"
#include "gui/view/image_view.h"
#include "gui/view/picture.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int kCanvasW = 1920, kCanvasH = 1080, kPictureW = 6000, kPictureH = 4500;

class NoShell : public vex::ShellServices {
  public:
    void refreshAfter(const vex::RefreshNeeds&) override {}
    void prepStatusBar(int) override {}
    void resetPanel(int) override {}
    void leaveCaptureOnToolbar() override {}
    bool importPicture() override { return false; }
    void dropPicture() override {}
    void showCurrentPoint() override {}
    void showBundleParameter() override {}
    void enablePanelControl(int) override {}
    void contextCommand(int) override {}
    void recordEdit(vex::EditKind) override {}
    void pictureChanged() override {}
    void historyStartsAfresh() override {}
    void projectSaved() override {}
};

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
};

Scene& scene() {
    static Scene instance;
    return instance;
}

void paintAt(benchmark::State& state, float viewScale) {
    Scene& sc = scene();
    sc.zoomTo(viewScale);
    for (auto _ : state) {
        sc.paint();
        benchmark::DoNotOptimize(sc.frame.constBits());
    }
}

void BM_FrameAtFitZoom(benchmark::State& state) {
    paintAt(state, 1.0f);
}
void BM_FrameAtFourTimes(benchmark::State& state) {
    paintAt(state, 4.0f);
}
void BM_FrameAtMaxZoom(benchmark::State& state) {
    paintAt(state, 50.0f);
}

BENCHMARK(BM_FrameAtFitZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAtFourTimes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAtMaxZoom)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
