// The capture workflow on two charts that need the calibration's options: a
// log-log chart, with both axes logarithmic, and a chart photographed at an
// angle (drawn flat, then seen through a perspective), calibrated
// projectively. Each time: the markers dragged onto the frame's corners, the
// ranges typed and the options chosen in the dialog, two curves clicked,
// Export Table, and the values compared with the drawn ones within a pixel.

#include "capture_workflow.h"
#include "core/coords/mapping.h"
#include "core/io/text_table.h"
#include "core/ui/command_ids.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTest>
#include <QTransform>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace vex {
namespace {

using testing::Workflow;

constexpr int PictureWidth = 900, PictureHeight = 600;
constexpr double FrameLeft = 100, FrameTop = 60, FrameRight = 820, FrameBottom = 540;

struct Curve {
    const char* parameter;
    std::function<double(double)> y;
    std::vector<double> capturedAt; // X of the points the user clicks
};

// What the user does in "Coordinate system".
struct DialogChoice {
    std::array<const char*, 4> ranges; // Xmin, Xmax, Ymin, Ymax
    bool logX = false;
    bool logY = false;
    bool projective = false;
};

int fillDialog(QDialog& d, const DialogChoice& choice) {
    if (!testing::typeRanges(d, choice.ranges)) return QDialog::Rejected;
    // The keyboard, as a user without a mouse would: Space ticks a box, Down
    // picks the next mapping.
    const std::pair<const char*, bool> boxes[] = {{"Logarithmic X axis", choice.logX},
                                                  {"Logarithmic Y axis", choice.logY}};
    for (const auto& [name, on] : boxes) {
        QCheckBox* box = nullptr;
        for (QCheckBox* b : d.findChildren<QCheckBox*>())
            if (b->accessibleName() == QString::fromLatin1(name)) box = b;
        EXPECT_NE(box, nullptr) << name;
        if (box == nullptr) return QDialog::Rejected;
        EXPECT_EQ(box->text(), QString::fromLatin1(name));
        if (!on) continue;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_TRUE(box->isChecked()) << name;
    }
    auto* mapping = d.findChild<QComboBox*>();
    EXPECT_TRUE(mapping != nullptr && mapping->accessibleName() == "Mapping:");
    if (mapping == nullptr) return QDialog::Rejected;
    EXPECT_EQ(mapping->currentText(), "Bilinear");
    if (choice.projective) {
        mapping->setFocus();
        QTest::keyClick(mapping, Qt::Key_Down);
        EXPECT_EQ(mapping->currentText(), "Projective");
    }
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("ok")), Qt::LeftButton);
    return d.result();
}

// Opens the picture, drags the markers onto the frame's corners, confirms
// Set the Scale with the dialog filled in, and captures the curves on lines
// 1, 2, ..., each at the picture position `at` gives for (x, y).
void calibrateAndCapture(Workflow& f, const QImage& picture, const QPointF (&corners)[4],
                         const DialogChoice& choice, const std::vector<Curve>& curves,
                         const std::function<QPointF(double, double)>& at) {
    ASSERT_TRUE(f.loadPicture(picture));
    f.run(cmd::SetTheScale);
    f.dragMarkersOnto(corners);
    f.prompts.onDialog([&choice](QDialog& d) { return fillDialog(d, choice); });
    QTest::mouseClick(f.panel().control(ctl::Ok), Qt::LeftButton);
    ASSERT_EQ(f.state().work.ScaleMode, 0);
    EXPECT_TRUE(f.prompts.shown().empty());

    f.run(cmd::PointsCaptureMode);
    for (std::size_t c = 0; c < curves.size(); ++c) {
        if (c > 0) f.run(cmd::AddLine);
        for (double x : curves[c].capturedAt) f.clickOn(f.screenOfPicture(at(x, curves[c].y(x))));
        f.type(ctl::BundleParameter, QString::fromLatin1(curves[c].parameter));
    }
}

// ---- The log-log chart: X 1..1000 and Y 0.1..100, three decades each.

QPointF logLogPicture(double x, double y) {
    return {FrameLeft + std::log10(x) / 3.0 * (FrameRight - FrameLeft),
            FrameBottom - (std::log10(y) + 1.0) / 3.0 * (FrameBottom - FrameTop)};
}

const std::vector<Curve>& logLogCurves() {
    static const std::vector<Curve> all = {
        {"1", [](double x) { return 0.2 * std::pow(x, 0.8); }, {1.5, 4, 12, 60, 300, 800}},
        {"2", [](double x) { return 80.0 / (1.0 + x * x / 1600.0) + 0.5; }, {2, 10, 40, 150, 700}},
    };
    return all;
}

QImage drawLogLogChart() {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int decade = 0; decade < 3; ++decade)
        for (int m = 2; m <= 9; ++m) {
            const double v = m * std::pow(10.0, decade);
            p.drawLine(logLogPicture(v, 0.1), logLogPicture(v, 100));
            p.drawLine(logLogPicture(1, v / 10), logLogPicture(1000, v / 10));
        }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(QPointF(FrameLeft, FrameTop), QPointF(FrameRight, FrameBottom)));
    const QColor colours[] = {Qt::blue, QColor(0, 140, 0)};
    for (std::size_t c = 0; c < logLogCurves().size(); ++c) {
        QPainterPath path(logLogPicture(1, logLogCurves()[c].y(1)));
        for (int i = 1; i <= 300; ++i) {
            const double x = std::pow(10.0, 3.0 * i / 300.0);
            path.lineTo(logLogPicture(x, logLogCurves()[c].y(x)));
        }
        p.setPen(QPen(colours[c], 2));
        p.drawPath(path);
    }
    return image;
}

// Within a pixel and a half of the fitted view, in decades.
void expectLogLogData(const ImportedTable& t, float fitZoom, const char* which) {
    SCOPED_TRACE(which);
    const double decadesX = 1.5 * 3.0 / ((FrameRight - FrameLeft) * fitZoom);
    const double decadesY = 1.5 * 3.0 / ((FrameBottom - FrameTop) * fitZoom);
    ASSERT_EQ(t.NLines, 2);
    for (int j = 1; j <= 2; ++j) {
        const Curve& curve = logLogCurves()[static_cast<std::size_t>(j - 1)];
        ASSERT_EQ(t.NPoints(j), static_cast<int>(curve.capturedAt.size()));
        for (int k = 1; k <= t.NPoints(j); ++k) {
            const double x = curve.capturedAt[static_cast<std::size_t>(k - 1)];
            // Chart units, not their logarithms: a logarithm would be negative here.
            ASSERT_GT(t.ArgX(j, k), 0.0f);
            ASSERT_GT(t.ValY(j, k), 0.0f);
            EXPECT_NEAR(std::log10(t.ArgX(j, k)), std::log10(x), decadesX) << j << "," << k;
            EXPECT_NEAR(std::log10(t.ValY(j, k)), std::log10(curve.y(x)), decadesY)
                << j << "," << k;
        }
    }
}

TEST(ChartScales, ALogLogChartIsReadInChartUnitsAndKeptWithTheProject) {
    Workflow f;
    const QPointF corners[4] = {{FrameLeft, FrameTop},
                                {FrameRight, FrameTop},
                                {FrameRight, FrameBottom},
                                {FrameLeft, FrameBottom}};
    calibrateAndCapture(f, drawLogLogChart(), corners, {{"1", "1000", "0.1", "100"}, true, true},
                        logLogCurves(), logLogPicture);
    EXPECT_EQ(f.state().doc.XScale, AxisScale::Logarithmic);
    EXPECT_EQ(f.state().doc.YScale, AxisScale::Logarithmic);
    const float fitZoom = f.state().view.FitZoom;
    expectLogLogData(f.exportTable(f.files.file("loglog.dat")), fitZoom, "after capture");

    const std::string project = f.files.file("loglog.vxr");
    f.prompts.chooseFile(QString::fromStdString(project));
    f.run(cmd::SaveProjectAs);
    Workflow g;
    g.prompts.chooseFile(QString::fromStdString(project));
    g.run(cmd::LoadProject);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.prompts.shown().empty());
    expectLogLogData(g.exportTable(g.files.file("again.dat")), fitZoom, "after loading");
}

// ---- The photographed chart: X 0..10, Y 0..100 on a flat page, seen at an angle.

const QTransform& photograph() {
    static const QTransform warp = [] {
        QTransform t;
        const QPolygonF flat({{FrameLeft, FrameTop},
                              {FrameRight, FrameTop},
                              {FrameRight, FrameBottom},
                              {FrameLeft, FrameBottom}});
        const QPolygonF seen({{150, 80}, {800, 45}, {845, 570}, {85, 515}});
        EXPECT_TRUE(QTransform::quadToQuad(flat, seen, t));
        return t;
    }();
    return warp;
}

QPointF flatPage(double x, double y) {
    return {FrameLeft + x / 10.0 * (FrameRight - FrameLeft),
            FrameBottom - y / 100.0 * (FrameBottom - FrameTop)};
}
QPointF photoPicture(double x, double y) {
    return photograph().map(flatPage(x, y));
}

const std::vector<Curve>& photoCurves() {
    static const std::vector<Curve> all = {
        {"2.5", [](double x) { return 10.0 + 8.0 * x; }, {1, 3, 5, 7, 9}},
        {"7.25", [](double x) { return 90.0 - 0.75 * x * x; }, {0.5, 2, 4, 6, 8, 9.5}},
    };
    return all;
}

QImage drawPhotographedChart() {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(QColor(235, 230, 220)); // the desk around the page
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(photograph());
    p.fillRect(QRectF(flatPage(-0.5, 105), flatPage(10.5, -5)), Qt::white);
    testing::drawGridAndFrame(p, flatPage);
    const QColor colours[] = {Qt::blue, QColor(0, 140, 0)};
    for (std::size_t c = 0; c < photoCurves().size(); ++c) {
        QPainterPath path(flatPage(0, photoCurves()[c].y(0)));
        for (int i = 1; i <= 200; ++i)
            path.lineTo(flatPage(i / 20.0, photoCurves()[c].y(i / 20.0)));
        p.setPen(QPen(colours[c], 2));
        p.drawPath(path);
    }
    return image;
}

// Chart units of a pixel and a half of the fitted view where (x, y) is seen:
// the photograph makes the chart's pixels smaller towards the far side.
PlanePoint pixelAndAHalfAt(double x, double y, float fitZoom) {
    const QTransform back = photograph().inverted();
    const QPointF here = photoPicture(x, y);
    const double step = 1.5 / fitZoom;
    PlanePoint units;
    for (const QPointF& d : {QPointF(step, 0), QPointF(0, step)}) {
        const QPointF moved = back.map(here + d) - back.map(here);
        units.x += std::fabs(moved.x()) * 10.0 / (FrameRight - FrameLeft);
        units.y += std::fabs(moved.y()) * 100.0 / (FrameBottom - FrameTop);
    }
    return units;
}

TEST(ChartScales, APhotographedChartIsReadExactlyThroughTheProjectiveMapping) {
    Workflow f;
    const QPointF corners[4] = {photoPicture(0, 100), photoPicture(10, 100), photoPicture(10, 0),
                                photoPicture(0, 0)};
    calibrateAndCapture(f, drawPhotographedChart(), corners,
                        {{"0", "10", "0", "100"}, false, false, true}, photoCurves(), photoPicture);
    EXPECT_EQ(f.state().doc.Mapping, QuadMapping::Projective);
    const float fitZoom = f.state().view.FitZoom;
    const ImportedTable t = f.exportTable(f.files.file("photo.dat"));
    ASSERT_EQ(t.NLines, 2);

    // The same clicks read bilinearly, for comparison.
    Calibration bilinear = f.state().doc;
    bilinear.Mapping = QuadMapping::Bilinear;
    std::ostringstream quiet;
    double worstBilinear = 0.0; // in pixels and a half
    for (int j = 1; j <= 2; ++j) {
        const Curve& curve = photoCurves()[static_cast<std::size_t>(j - 1)];
        ASSERT_EQ(t.NPoints(j), static_cast<int>(curve.capturedAt.size()));
        for (int k = 1; k <= t.NPoints(j); ++k) {
            const double x = curve.capturedAt[static_cast<std::size_t>(k - 1)], y = curve.y(x);
            const PlanePoint tol = pixelAndAHalfAt(x, y, fitZoom);
            EXPECT_NEAR(t.ArgX(j, k), x, tol.x) << j << "," << k;
            EXPECT_NEAR(t.ValY(j, k), y, tol.y) << j << "," << k;
            const PlanePoint read = imageToChart(bilinear, 10000.0f, f.state().doc.PixX(j, k),
                                                 f.state().doc.PixY(j, k), quiet)
                                        .chart;
            worstBilinear = std::max(
                {worstBilinear, std::fabs(read.x - x) / tol.x, std::fabs(read.y - y) / tol.y});
        }
    }
    EXPECT_GT(worstBilinear, 3.0) << "the bilinear map should be visibly off on this photograph";
}

} // namespace
} // namespace vex
