// Trace curve as a user works it, on a chart the test draws: calibrate, turn
// the mode on from the panel, click a curve, Enter and the point count; then
// a second line traced between two clicks from the menu; export, and the
// values must lie on the drawn curves within a pixel and a half.

#include "capture_workflow.h"
#include "core/io/text_table.h"
#include "core/settings/view_preferences.h"
#include "core/ui/command_ids.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>
#include <QTest>

#include <cmath>
#include <functional>

namespace vex {
namespace {

using testing::Workflow;

// X 0..10 and Y 0..100 on a frame from (100, 60) to (820, 540) of 900 × 600.
constexpr double FrameLeft = 100, FrameTop = 60, FrameRight = 820, FrameBottom = 540;

QPointF pictureOf(double x, double y) {
    return {FrameLeft + x / 10.0 * (FrameRight - FrameLeft),
            FrameBottom - y / 100.0 * (FrameBottom - FrameTop)};
}

double rising(double x) {
    return 10.0 + 8.0 * x;
}
double arch(double x) {
    return 90.0 - 0.75 * x * x;
}

QImage drawChart() {
    QImage image(900, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    testing::drawGridAndFrame(p, pictureOf);
    const std::pair<std::function<double(double)>, QColor> curves[] = {{rising, Qt::blue},
                                                                       {arch, QColor(0, 140, 0)}};
    for (const auto& [f, colour] : curves) {
        QPainterPath path(pictureOf(0, f(0)));
        for (int i = 1; i <= 200; ++i) path.lineTo(pictureOf(i / 20.0, f(i / 20.0)));
        p.setPen(QPen(colour, 2));
        p.drawPath(path);
    }
    p.setPen(QPen(Qt::blue, 2)); // a legend sample the trace must not reach
    p.drawLine(pictureOf(7, 97), pictureOf(8, 97));
    return image;
}

int typeRanges(QDialog& d) {
    if (!testing::typeRanges(d, {"0", "10", "0", "100"})) return QDialog::Rejected;
    d.accept();
    return QDialog::Accepted;
}

// The count dialog: `seen` gets the count it opened with, and `count` is chosen.
ScriptedPrompts::DialogScript chooseCount(int count, int& seen) {
    return [count, &seen](QDialog& d) {
        auto* spin = d.findChild<QSpinBox*>(QStringLiteral("points"));
        EXPECT_NE(spin, nullptr);
        if (spin == nullptr) return int(QDialog::Rejected);
        seen = spin->value();
        spin->setValue(count);
        d.accept();
        return int(QDialog::Accepted);
    };
}

void expectOnCurve(const ImportedTable& t, int line, const std::function<double(double)>& f,
                   double from, double to, float fitZoom) {
    SCOPED_TRACE(line);
    const double tolX = 1.5 * 10.0 / ((FrameRight - FrameLeft) * fitZoom);
    const double tolY = 1.5 * 100.0 / ((FrameBottom - FrameTop) * fitZoom);
    ASSERT_GE(t.NPoints(line), 2);
    EXPECT_NEAR(t.ArgX(line, 1), from, 0.2);
    EXPECT_NEAR(t.ArgX(line, t.NPoints(line)), to, 0.2);
    for (int k = 1; k <= t.NPoints(line); ++k) {
        const double x = t.ArgX(line, k);
        const double slope = (f(x + 1e-3) - f(x - 1e-3)) / 2e-3;
        EXPECT_NEAR(t.ValY(line, k), f(x), tolY + std::fabs(slope) * tolX) << "point " << k;
        if (k > 1) {
            EXPECT_GT(x, t.ArgX(line, k - 1)); // even in x, left to right
        }
    }
}

TEST(TraceCurve, TracesTwoCurvesOfADrawnChartIntoLinesAndExportsThem) {
    Workflow f;
    EXPECT_FALSE(f.enabled(cmd::TraceCurve)); // no picture yet
    ASSERT_TRUE(f.loadPicture(drawChart()));
    f.settings.createKey(ViewPreferencesKey); // where the count is kept
    f.run(cmd::SetTheScale);
    EXPECT_FALSE(f.enabled(cmd::TraceCurve)); // calibrating
    const QPointF corners[4] = {pictureOf(0, 100), pictureOf(10, 100), pictureOf(10, 0),
                                pictureOf(0, 0)};
    f.dragMarkersOnto(corners);
    f.prompts.onDialog(typeRanges);
    QTest::mouseClick(f.panel().control(ctl::Ok), Qt::LeftButton);
    const float fitZoom = f.state().view.FitZoom;

    // The panel's button, a click on the blue line, Enter, 25 points.
    QTest::mouseClick(f.panel().control(ctl::TraceCurve), Qt::LeftButton);
    ASSERT_TRUE(f.state().trace.on);
    EXPECT_TRUE(f.checked(cmd::TraceCurve));
    f.clickOn(f.screenOfPicture(pictureOf(4.0, rising(4.0))));
    ASSERT_FALSE(f.state().trace.shown.empty());
    int opened = 0;
    f.prompts.onDialog(chooseCount(25, opened));
    QTest::keyClick(&f.window->view(), Qt::Key_Return);
    EXPECT_EQ(opened, 50); // the first time: the default
    ASSERT_EQ(f.state().doc.NPoints(1), 25);
    f.type(ctl::BundleParameter, "1");

    // Line 2 from the menu, bounded between x = 2 and x = 8; the count is remembered.
    f.run(cmd::AddLine);
    if (!f.state().trace.on) f.run(cmd::TraceCurve);
    ASSERT_TRUE(f.state().trace.on);
    f.clickOn(f.screenOfPicture(pictureOf(2.0, arch(2.0))));
    f.clickOn(f.screenOfPicture(pictureOf(8.0, arch(8.0))));
    f.prompts.onDialog(chooseCount(25, opened));
    QTest::keyClick(&f.window->view(), Qt::Key_Return);
    EXPECT_EQ(opened, 25);
    ASSERT_EQ(f.state().doc.NPoints(2), 25);
    EXPECT_TRUE(f.prompts.shown().empty());

    const ImportedTable t = f.exportTable(f.files.file("traced.dat"));
    ASSERT_EQ(t.NLines, 2);
    expectOnCurve(t, 1, rising, 0.0, 10.0, fitZoom);
    expectOnCurve(t, 2, arch, 2.0, 8.0, fitZoom);

    // Escape leaves the mode; one undo takes the whole second trace back.
    QTest::keyClick(&f.window->view(), Qt::Key_Escape);
    EXPECT_FALSE(f.state().trace.on);
    QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.state().doc.NPoints(2), 0);
    EXPECT_EQ(f.state().doc.NPoints(1), 25);
}

// A click on the paper says so and keeps the line as it is; a line that has
// points is replaced only after the question.
TEST(TraceCurve, AClickOnNothingSaysSoAndALinesPointsGoOnlyAfterAsking) {
    Workflow f;
    ASSERT_TRUE(f.loadPicture(drawChart()));
    f.state().doc.NPoints(1) = 0;
    f.run(cmd::TraceCurve);
    f.clickOn(f.screenOfPicture(pictureOf(6.5, 35.0))); // paper, between grid lines
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_TRUE(f.state().trace.shown.empty());

    f.clickOn(f.screenOfPicture(pictureOf(4.0, rising(4.0))));
    int opened = 0;
    f.prompts.onDialog(chooseCount(10, opened));
    QTest::keyClick(&f.window->view(), Qt::Key_Return);
    ASSERT_EQ(f.state().doc.NPoints(1), 10);
    const float first = f.state().doc.PixX(1, 1);

    f.clickOn(f.screenOfPicture(pictureOf(4.0, arch(4.0))));
    f.prompts.onDialog(chooseCount(12, opened));
    f.prompts.answer(Answer::No);
    QTest::keyClick(&f.window->view(), Qt::Key_Return);
    EXPECT_EQ(f.state().doc.NPoints(1), 10); // kept
    EXPECT_EQ(f.state().doc.PixX(1, 1), first);
    f.prompts.onDialog(chooseCount(12, opened));
    f.prompts.answer(Answer::Yes);
    QTest::keyClick(&f.window->view(), Qt::Key_Return);
    EXPECT_EQ(f.state().doc.NPoints(1), 12);
    EXPECT_TRUE(f.prompts.scriptUsedUp());
}

} // namespace
} // namespace vex
