// Opening a 6000 × 4500 24-bit BMP (81 MB) as Open BMP image does, up to
// the first frame painted at the fitted view of a 1920 × 1080 canvas.
#include "core/state/clear_param.h"
#include "core/view/view_math.h"
#include "gui/view/image_view.h"
#include "gui/view/picture.h"
#include "gui_bench_main.h"
#include "no_shell.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int kCanvasW = 1920, kCanvasH = 1080, kPictureW = 6000, kPictureH = 4500;

QString bigBmp() {
    static const QString path = [] {
        const QString file = QDir::temp().filePath(QStringLiteral("vexilor-bench-6000x4500.bmp"));
        if (!QFile::exists(file)) {
            QImage image(kPictureW, kPictureH, QImage::Format_RGB32);
            for (int y = 0; y < kPictureH; ++y) {
                auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
                for (int x = 0; x < kPictureW; ++x) row[x] = qRgb(x % 251, y % 241, (x ^ y) & 255);
            }
            image.save(file, "BMP");
        }
        return file;
    }();
    return path;
}

void BM_OpenBigBmpToFirstFrame(benchmark::State& state) {
    const QString file = bigBmp();
    QImage frame(kCanvasW, kCanvasH, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto s = std::make_unique<vex::AppState>();
        vex::CLEARPARAM(*s);
        auto picture = std::make_unique<vex::Picture>();
        if (picture->load(file)) state.SkipWithError("the picture did not load");
        s->work.ImageLoaded = -1;
        s->view.CanvasWidth = kCanvasW;
        s->view.CanvasHeight = kCanvasH;
        vex::fitPicture(s->view, s->doc, picture->width(), picture->height());
        vex::bench::NoShell shell;
        auto view = std::make_unique<vex::ImageView>(*s, *picture, shell);
        {
            QPainter painter(&frame);
            view->paintCanvas(painter, QRect(0, 0, kCanvasW, kCanvasH));
        }
        benchmark::DoNotOptimize(frame.constBits());
        // The first frame is on the screen; what follows (work the view
        // finishes beside it, then the clean-up) is not part of the figure.
        state.PauseTiming();
        view.reset();
        picture.reset();
        s.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenBigBmpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    return vex::bench::runGuiBenchmarks(argc, argv);
}
