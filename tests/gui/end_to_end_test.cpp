// The whole capture workflow on a chart whose data the test knows: open the
// picture, calibrate by dragging the markers onto the plot corners and typing
// the ranges, capture two curves by clicking on them, export the table, save
// the project, load it into a fresh window and export again.

#include "capture_workflow.h"
#include "core/io/text_table.h"
#include "core/ui/command_ids.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace vex {
namespace {

using testing::readBytes;
using testing::Workflow;

// The chart: a 900 × 600 picture whose plot frame runs from pixel (100, 60)
// to (820, 540) and means X 0..10, Y 0..100.
constexpr int PictureWidth = 900, PictureHeight = 600;
constexpr double FrameLeft = 100, FrameTop = 60, FrameRight = 820, FrameBottom = 540;
constexpr double Xmin = 0, Xmax = 10, Ymin = 0, Ymax = 100;

struct Curve {
    float parameter;
    std::function<double(double)> y;
    std::vector<double> capturedAt; // X of the points the user clicks
};

const std::vector<Curve>& curves() {
    static const std::vector<Curve> all = {
        {2.5f, [](double x) { return 10.0 + 8.0 * x; }, {1.0, 3.0, 5.0, 7.0, 9.0}},
        {7.25f, [](double x) { return 90.0 - 0.75 * x * x; }, {0.5, 2.0, 4.0, 6.0, 8.0, 9.5}},
    };
    return all;
}

QPointF pictureOf(double x, double y) {
    return {FrameLeft + (x - Xmin) / (Xmax - Xmin) * (FrameRight - FrameLeft),
            FrameBottom - (y - Ymin) / (Ymax - Ymin) * (FrameBottom - FrameTop)};
}

QImage drawChart() {
    QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    testing::drawGridAndFrame(p, pictureOf);
    const QColor colours[] = {Qt::blue, QColor(0, 140, 0)};
    for (std::size_t c = 0; c < curves().size(); ++c) {
        QPainterPath path(pictureOf(0, curves()[c].y(0)));
        for (int i = 1; i <= 200; ++i) {
            const double x = Xmax * i / 200.0;
            path.lineTo(pictureOf(x, curves()[c].y(x)));
        }
        p.setPen(QPen(colours[c], 2));
        p.drawPath(path);
    }
    return image;
}

// Typing the ranges the way a user does, then OK.
int typeRanges(QDialog& dialog) {
    if (!testing::typeRanges(dialog, {"0", "10", "0", "100"})) return QDialog::Rejected;
    dialog.accept();
    return QDialog::Accepted;
}

// One screen pixel of the fitted view in chart units, with room for the
// half-pixel roundings of the marker drags and the clicks.
struct Tolerance {
    double x, y;
};
Tolerance pixelTolerance(float fitZoom) {
    return {1.5 * (Xmax - Xmin) / ((FrameRight - FrameLeft) * fitZoom),
            1.5 * (Ymax - Ymin) / ((FrameBottom - FrameTop) * fitZoom)};
}

void expectKnownData(const ImportedTable& t, Tolerance tol, const char* which) {
    SCOPED_TRACE(which);
    ASSERT_EQ(t.NLines, static_cast<int>(curves().size()));
    for (int j = 1; j <= t.NLines; ++j) {
        const Curve& curve = curves()[static_cast<std::size_t>(j - 1)];
        EXPECT_EQ(t.LineParam(j), curve.parameter) << "line " << j;
        ASSERT_EQ(t.NPoints(j), static_cast<int>(curve.capturedAt.size())) << "line " << j;
        for (int k = 1; k <= t.NPoints(j); ++k) {
            const double x = curve.capturedAt[static_cast<std::size_t>(k - 1)];
            EXPECT_NEAR(t.ArgX(j, k), x, tol.x) << "line " << j << " point " << k;
            EXPECT_NEAR(t.ValY(j, k), curve.y(x), tol.y) << "line " << j << " point " << k;
        }
    }
}

TEST(EndToEnd, CalibrateCaptureExportSaveLoadAndExportAgain) {
    Workflow f;
    const std::string picture = f.files.file("chart.bmp");
    ASSERT_TRUE(drawChart().save(QString::fromStdString(picture), "BMP"));

    // File → Open BMP image.
    f.prompts.chooseFile(QString::fromStdString(picture));
    f.run(cmd::OpenBmpImage);
    QCoreApplication::processEvents();
    ASSERT_NE(f.state().work.ImageLoaded, 0);
    ASSERT_EQ(f.state().doc.ImageWidth, PictureWidth);
    const float fitZoom = f.state().view.FitZoom;

    // Set the Scale: each marker onto its corner of the plot frame.
    f.run(cmd::SetTheScale);
    ASSERT_NE(f.state().work.ScaleMode, 0);
    const QPointF corners[] = {{FrameLeft, FrameTop},
                               {FrameRight, FrameTop},
                               {FrameRight, FrameBottom},
                               {FrameLeft, FrameBottom}};
    for (int k = 1; k <= 4; ++k) {
        const QPoint target = f.screenOfPicture(corners[k - 1]);
        f.drag(f.markerOnScreen(k), target);
        EXPECT_NEAR(f.state().doc.MarkerPixX(k), corners[k - 1].x() * fitZoom, 1.0) << k;
        EXPECT_NEAR(f.state().doc.MarkerPixY(k), corners[k - 1].y() * fitZoom, 1.0) << k;
    }
    QWidget* ok = f.panel().control(ctl::Ok);
    ASSERT_TRUE(ok->isVisible());
    ASSERT_TRUE(ok->isEnabled());
    f.prompts.onDialog(typeRanges);
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(f.state().work.ScaleMode, 0);
    EXPECT_EQ(f.state().doc.Xmax, 10.0f);
    EXPECT_EQ(f.state().doc.Ymax, 100.0f);
    EXPECT_EQ(f.state().doc.Xmin, 0.0f);
    EXPECT_EQ(f.state().doc.Ymin, 0.0f);

    // Points Capture Mode: curve 1 at the fitted view.
    f.run(cmd::PointsCaptureMode);
    ASSERT_EQ(f.state().work.CaptureMode, 1);
    const Curve& first = curves()[0];
    for (double x : first.capturedAt) f.clickOn(f.screenOfPicture(pictureOf(x, first.y(x))));
    f.type(ctl::BundleParameter, "2.5");

    // Add Line starts capture on the new line; curve 2 magnified once.
    f.run(cmd::AddLine);
    ASSERT_EQ(f.state().work.CurLine, 2);
    ASSERT_EQ(f.state().work.CaptureMode, 1);
    f.zoomIn(f.viewport()->rect().center());
    ASSERT_GT(f.state().view.ViewScale, 1.0f);
    const Curve& second = curves()[1];
    for (double x : second.capturedAt) f.clickOn(f.screenOfPicture(pictureOf(x, second.y(x))));
    f.type(ctl::BundleParameter, "7.25");

    const Tolerance tol = pixelTolerance(fitZoom);
    const ImportedTable exported = f.exportTable(f.files.file("curves.dat"));
    expectKnownData(exported, tol, "export after capture");

    // Save the project, load it into a fresh window and export again.
    const std::string project = f.files.file("curves.vxr");
    f.prompts.chooseFile(QString::fromStdString(project));
    f.run(cmd::SaveProjectAs);
    EXPECT_TRUE(f.prompts.shown().empty());
    EXPECT_EQ(f.prompts.unexpected(), 0);
    EXPECT_TRUE(f.prompts.scriptUsedUp());

    Workflow g;
    g.prompts.chooseFile(QString::fromStdString(project));
    g.run(cmd::LoadProject);
    QCoreApplication::processEvents();
    EXPECT_TRUE(g.prompts.shown().empty());
    ASSERT_NE(g.state().work.ImageLoaded, 0);
    const ImportedTable reloaded = g.exportTable(g.files.file("again.dat"));
    expectKnownData(reloaded, tol, "export after loading the project");
    // The project keeps the positions far closer than the capture's resolution.
    for (int j = 1; j <= reloaded.NLines; ++j)
        for (int k = 1; k <= reloaded.NPoints(j); ++k) {
            EXPECT_NEAR(reloaded.ArgX(j, k), exported.ArgX(j, k), tol.x / 20) << j << "," << k;
            EXPECT_NEAR(reloaded.ValY(j, k), exported.ValY(j, k), tol.y / 20) << j << "," << k;
        }
    EXPECT_EQ(g.prompts.unexpected(), 0);
}

} // namespace
} // namespace vex
