// Writes examples/chart.bmp and examples/example.vxr: a pump chart of
// efficiency against flow for three speeds, scanned slightly askew, and a
// project in which the chart is calibrated and the three curves captured.
#include "core/coords/chart_values.h"
#include "core/io/project_file.h"
#include "core/state/clear_param.h"
#include "core/ui/project_routines.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 1100, kHeight = 780;
constexpr double kPlotLeft = 120, kPlotTop = 70, kPlotRight = 1040, kPlotBottom = 680;
constexpr double kXmax = 50.0, kYmax = 100.0;
constexpr double kTiltDegrees = 1.2; // the scan is a little askew

struct Curve {
    double speed;
    double peak, spread;
};
const std::vector<Curve> kCurves = {{1450, 62, 0.055}, {2900, 78, 0.034}, {3500, 84, 0.028}};

// Efficiency in per cent at flow q for one speed: a smooth hump.
double efficiency(const Curve& c, double q) {
    const double best = 1.0 / c.spread / 1.25;
    return c.peak * (2 * q / best - (q / best) * (q / best)) * std::exp(-0.002 * q);
}

QPointF plotPoint(double q, double eta) {
    return {kPlotLeft + q / kXmax * (kPlotRight - kPlotLeft),
            kPlotBottom - eta / kYmax * (kPlotBottom - kPlotTop)};
}

QTransform tilt() {
    QTransform t;
    t.translate(kWidth / 2.0, kHeight / 2.0);
    t.rotate(kTiltDegrees);
    t.translate(-kWidth / 2.0, -kHeight / 2.0);
    return t;
}

QImage drawChart() {
    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(QColor(248, 246, 240));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(tilt());

    QFont font("DejaVu Sans", 13);
    p.setFont(font);
    p.setPen(QPen(QColor(190, 190, 190), 1));
    for (int q = 0; q <= 50; q += 5) p.drawLine(plotPoint(q, 0), plotPoint(q, kYmax));
    for (int e = 0; e <= 100; e += 10) p.drawLine(plotPoint(0, e), plotPoint(kXmax, e));
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawRect(QRectF(plotPoint(0, kYmax), plotPoint(kXmax, 0)));
    for (int q = 0; q <= 50; q += 10)
        p.drawText(QRectF(plotPoint(q, 0) + QPointF(-30, 8), QSizeF(60, 24)), Qt::AlignCenter,
                   QString::number(q));
    for (int e = 0; e <= 100; e += 20)
        p.drawText(QRectF(plotPoint(0, e) + QPointF(-62, -12), QSizeF(52, 24)),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(e));
    p.drawText(QRectF(kPlotLeft, kPlotBottom + 40, kPlotRight - kPlotLeft, 30), Qt::AlignCenter,
               "Flow Q, m³/h");
    p.save();
    p.translate(40, (kPlotTop + kPlotBottom) / 2);
    p.rotate(-90);
    p.drawText(QRectF(-150, -15, 300, 30), Qt::AlignCenter, "Efficiency η, %");
    p.restore();
    QFont title = font;
    title.setPointSize(16);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRectF(kPlotLeft, 20, kPlotRight - kPlotLeft, 36), Qt::AlignCenter,
               "Pump efficiency at three speeds");

    p.setFont(font);
    const QColor ink[3] = {QColor(20, 60, 160), QColor(170, 40, 40), QColor(30, 120, 50)};
    for (std::size_t i = 0; i < kCurves.size(); ++i) {
        QPainterPath path(plotPoint(0, efficiency(kCurves[i], 0)));
        for (double q = 0.25; q <= kXmax; q += 0.25) {
            const double e = efficiency(kCurves[i], q);
            if (e < 0) break;
            path.lineTo(plotPoint(q, e));
        }
        p.setPen(QPen(ink[i], 3));
        p.drawPath(path);
        // A legend in the free upper right corner of the plot.
        const QPointF at = plotPoint(37, 96 - 5.0 * static_cast<double>(i));
        p.drawLine(at, at + QPointF(40, 0));
        p.setPen(QColor(30, 30, 30));
        p.drawText(at + QPointF(50, 6), QString("n = %1 rpm").arg(kCurves[i].speed));
    }
    p.end();

    // A little paper grain, as a scanner leaves it.
    QRandomGenerator noise(20261207);
    for (int n = 0; n < kWidth * kHeight / 40; ++n) {
        const int x = int(noise.bounded(kWidth)), y = int(noise.bounded(kHeight));
        const QColor c = image.pixelColor(x, y);
        const int d = int(noise.bounded(17)) - 8;
        image.setPixelColor(x, y,
                            QColor(std::clamp(c.red() + d, 0, 255),
                                   std::clamp(c.green() + d, 0, 255),
                                   std::clamp(c.blue() + d, 0, 255)));
    }
    return image;
}

// The project: markers on the plot corners, and points on the curves, all
// in picture pixels, saved as taken at a fitted zoom of 1.
vex::AppState project(const std::string& picturePath) {
    vex::AppState s;
    vex::CLEARPARAM(s);
    const QTransform t = tilt();
    const QPointF corners[4] = {plotPoint(0, kYmax), plotPoint(kXmax, kYmax), plotPoint(kXmax, 0),
                                plotPoint(0, 0)};
    for (int k = 1; k <= 4; ++k) {
        const QPointF at = t.map(corners[k - 1]);
        s.doc.MarkerPixX(k) = float(at.x());
        s.doc.MarkerPixY(k) = float(at.y());
    }
    s.doc.Xmin = 0;
    s.doc.Xmax = float(kXmax);
    s.doc.Ymin = 0;
    s.doc.Ymax = float(kYmax);
    s.doc.NLines = int(kCurves.size());
    for (int j = 1; j <= s.doc.NLines; ++j) {
        const Curve& c = kCurves[std::size_t(j - 1)];
        s.doc.LineParam(j) = float(c.speed);
        int k = 0;
        for (double q = 2; q <= kXmax; q += 4) {
            const double e = efficiency(c, q);
            if (e < 2) break;
            const QPointF at = t.map(plotPoint(q, e));
            ++k;
            s.doc.PixX(j, k) = float(at.x());
            s.doc.PixY(j, k) = float(at.y());
        }
        s.doc.NPoints(j) = k;
    }
    vex::recomputeAllChartValues(s.doc, s.work.PerspectiveDistance);
    s.doc.ImagePath = picturePath;
    s.doc.ImageWidth = kWidth;
    s.doc.ImageHeight = kHeight;
    s.doc.PositionsFitZoom = 1.0f;
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexilor_example_generator OUTDIR\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!drawChart().save(dir + "/chart.bmp", "BMP")) {
        std::fprintf(stderr, "cannot write chart.bmp\n");
        return 1;
    }
    vex::AppState s = project("chart.bmp"); // found beside the project wherever it is
    s.ProjectPath = (dir + "/example.vxr").toStdString();
    if (vex::WriteAllProjectFilesVer001(s)) {
        std::fprintf(stderr, "cannot write example.vxr\n");
        return 1;
    }
    return 0;
}
