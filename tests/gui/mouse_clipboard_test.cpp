#include "core/coords/chart_values.h"
#include "core/coords/search_box.h"
#include "core/ui/command_ids.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_view.h"
#include "mouse_window.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <cmath>
#include <string>

namespace vex {
namespace {

using testing::MouseWindow;
using testing::WindowFixture;

class DoubleClickCounter : public QObject {
  public:
    explicit DoubleClickCounter(int& count) : count_(count) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonDblClick) ++count_;
        return false;
    }

  private:
    int& count_;
};

// --- The mouse on the real canvas ------------------------------------------

TEST(MouseInViewCapture, ClicksAddPointsWhereClickedAndShowThemInThePanel) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.pixelCalibration();
    f.run(cmd::PointsCaptureMode);
    ASSERT_EQ(f.state().work.CaptureMode, 1);

    const ViewState& v = f.state().view;
    const QPoint first(200 - v.ScrollX, 150 - v.ScrollY); // stored (200, 150) at the fitted view
    f.click(first);
    ASSERT_EQ(f.state().doc.NPoints(1), 1);
    EXPECT_FLOAT_EQ(f.state().doc.PixX(1, 1), 200.0f);
    EXPECT_FLOAT_EQ(f.state().doc.PixY(1, 1), 150.0f);
    EXPECT_EQ(f.editText(ctl::XEdit), "150");
    EXPECT_EQ(f.editText(ctl::YEdit), "350");
    EXPECT_TRUE(f.state().overlay.PointHitBox(1, 1).contains(first.x(), first.y()));

    // Magnified and scrolled, a click stores (pointer + scroll) / magnification.
    f.zoomIn({400, 300});
    ASSERT_GT(v.ViewScale, 1.0f);
    const QPoint second(321, 222);
    f.click(second);
    ASSERT_EQ(f.state().doc.NPoints(1), 2);
    const double x = (second.x() + v.ScrollX) / double(v.ViewScale);
    const double y = (second.y() + v.ScrollY) / double(v.ViewScale);
    EXPECT_NEAR(f.state().doc.PixX(1, 2), x, 1e-3);
    EXPECT_NEAR(f.state().doc.PixY(1, 2), y, 1e-3);
    EXPECT_TRUE(f.shows(ctl::XEdit, x - 50.0));
    EXPECT_TRUE(f.shows(ctl::YEdit, 500.0 - y));
    EXPECT_EQ(f.state().work.CurPoint, 2);
    EXPECT_TRUE(f.state().overlay.PointHitBox(1, 2).contains(second.x(), second.y()));
    EXPECT_EQ(f.prompts.unexpected(), 0);
}

TEST(MouseInViewCapture, TheClickThatFillsTheLineEndsCaptureMode) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.placePoints(1, PointsMax - 1, 60, 2, 100);
    f.run(cmd::PointsCaptureMode);
    ASSERT_EQ(f.state().work.CaptureMode, 1);
    ASSERT_TRUE(f.state().toolbar.latched);

    f.click({300, 400});
    EXPECT_EQ(f.state().doc.NPoints(1), PointsMax);
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    auto* captureButton =
        qobject_cast<QAbstractButton*>(f.window->panel().control(ctl::CaptureMode));
    EXPECT_FALSE(captureButton->isChecked());
    EXPECT_FALSE(captureButton->isEnabled());
    EXPECT_FALSE(f.state().toolbar.latched);
    EXPECT_FALSE(f.state().toolbar.buttons(CaptureSlot).enabled);
    EXPECT_TRUE(f.state().toolbar.buttons(ScaleSlot).enabled);

    // Out of capture mode the next click selects or pans; it adds nothing.
    f.click({320, 420});
    EXPECT_EQ(f.state().doc.NPoints(1), PointsMax);
}

// Two quick clicks as the window system reports them: the view gets the
// second press as a double click.
TEST(MouseInViewCapture, AQuickPairAtOnePlaceAddsOnePointAndAtTwoPlacesTwo) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.run(cmd::PointsCaptureMode);
    ASSERT_EQ(f.state().work.CaptureMode, 1);
    int doubleClicks = 0;
    DoubleClickCounter counter(doubleClicks);
    f.viewport()->installEventFilter(&counter);

    f.quickClicks({200, 150}, {200, 150});
    ASSERT_EQ(doubleClicks, 1);
    EXPECT_EQ(f.state().doc.NPoints(1), 1);

    f.quickClicks({300, 150}, {302, 151}); // close enough for a double click
    ASSERT_EQ(doubleClicks, 2);
    ASSERT_EQ(f.state().doc.NPoints(1), 3);
    EXPECT_FLOAT_EQ(f.state().doc.PixX(1, 2) + 2.0f, f.state().doc.PixX(1, 3));
}

TEST(MouseInViewCapture, TheCrossCursorEndsWithCaptureModeWhicheverWayItEnds) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.placePoints(1, 3, 60, 40, 100);
    auto cursor = [&] { return f.viewport()->cursor().shape(); };
    int moves = 0;
    auto startCapture = [&] {
        if (f.state().work.CaptureMode != 1) f.run(cmd::PointsCaptureMode);
        ASSERT_EQ(f.state().work.CaptureMode, 1);
        QTest::mouseMove(f.viewport(), {400 + 10 * ++moves, 300});
        ASSERT_EQ(cursor(), Qt::CrossCursor);
    };

    startCapture();
    f.run(cmd::PointsCaptureMode); // from the menu
    EXPECT_EQ(cursor(), Qt::ArrowCursor);

    startCapture();
    f.prompts.answer(Answer::Yes); // remove the line
    f.run(cmd::DeleteLine);
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_EQ(cursor(), Qt::ArrowCursor);

    f.placePoints(1, PointsMax - 1, 60, 2, 100);
    startCapture();
    f.click({300, 400}); // the line is full
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_EQ(cursor(), Qt::ArrowCursor);
}

TEST(MouseInViewMarkers, DraggingAMarkerInSetTheScaleModeMovesIt) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.run(cmd::SetTheScale);
    ASSERT_NE(f.state().work.ScaleMode, 0);
    const Calibration start = f.state().doc;
    const QPoint from = f.onScreen(start.MarkerPixX(3), start.MarkerPixY(3));

    f.drag(from, from + QPoint(37, -21));
    EXPECT_FLOAT_EQ(f.state().doc.MarkerPixX(3), start.MarkerPixX(3) + 37);
    EXPECT_FLOAT_EQ(f.state().doc.MarkerPixY(3), start.MarkerPixY(3) - 21);
    for (int k : {1, 2, 4}) {
        EXPECT_EQ(f.state().doc.MarkerPixX(k), start.MarkerPixX(k)) << k;
        EXPECT_EQ(f.state().doc.MarkerPixY(k), start.MarkerPixY(k)) << k;
    }
    EXPECT_FALSE(f.state().mouse.MarkerDragging);
    // Drawn, and so hit, at its new place.
    EXPECT_TRUE(f.state().overlay.MarkerHitBox(3).contains(from.x() + 37, from.y() - 21));
    EXPECT_EQ(f.state().view.ScrollX, 0);
}

TEST(MouseInViewPointDrag, PressingOnTheCurrentPointAndDraggingMovesIt) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.pixelCalibration();
    f.placePoints(1, 3, 100, 100, 300);
    f.state().work.CurPoint = 2;
    f.viewport()->repaint();
    const float x3 = f.state().doc.PixX(1, 3), y3 = f.state().doc.PixY(1, 3);
    const float x2 = f.state().doc.PixX(1, 2), y2 = f.state().doc.PixY(1, 2);

    f.drag(f.pointOnScreen(1, 2), f.pointOnScreen(1, 2) + QPoint(40, -30));
    EXPECT_FLOAT_EQ(f.state().doc.PixX(1, 2), x2 + 40);
    EXPECT_FLOAT_EQ(f.state().doc.PixY(1, 2), y2 - 30);
    EXPECT_TRUE(f.shows(ctl::XEdit, x2 + 40 - 50));
    EXPECT_TRUE(f.shows(ctl::YEdit, 500 - (y2 - 30)));
    EXPECT_NEAR(f.state().doc.ArgX(1, 2), x2 + 40 - 50, 1e-3);
    EXPECT_EQ(f.state().doc.PixX(1, 3), x3);
    EXPECT_EQ(f.state().doc.PixY(1, 3), y3);
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    EXPECT_FALSE(f.state().mouse.PointDragging);
}

TEST(MouseInViewPanning, TheLeftButtonPansOutsideCaptureModeAndTheBarsFollow) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.pixelCalibration();
    f.zoomIn({400, 300});
    f.zoomIn({400, 300});
    f.placePoints(1, 3, 150, 100, 200);
    f.state().work.CurPoint = 1;
    f.viewport()->repaint();
    const ViewState& v = f.state().view;
    QScrollBar* hBar = f.window->view().horizontalScrollBar();
    QScrollBar* vBar = f.window->view().verticalScrollBar();
    ASSERT_LT(v.ScrollMinX + 60, v.ScrollX);
    ASSERT_LT(v.ScrollMinY + 60, v.ScrollY);

    // Empty canvas: the picture follows the pointer.
    for (int k = 1; k <= 3; ++k)
        ASSERT_FALSE(f.state().overlay.PointHitBox(1, k).contains(500, 400));
    ASSERT_TRUE(f.viewport()->rect().contains(f.pointOnScreen(1, 3) + QPoint(20, 10)));
    int sx = v.ScrollX, sy = v.ScrollY;
    f.drag({500, 400}, {530, 420});
    EXPECT_EQ(v.ScrollX, sx - 30);
    EXPECT_EQ(v.ScrollY, sy - 20);
    EXPECT_EQ(hBar->value(), v.ScrollX);
    EXPECT_EQ(vBar->value(), v.ScrollY);

    // A press that selects another point pans too, and the point stays put.
    const float x3 = f.state().doc.PixX(1, 3);
    sx = v.ScrollX;
    sy = v.ScrollY;
    f.drag(f.pointOnScreen(1, 3), f.pointOnScreen(1, 3) + QPoint(20, 10));
    EXPECT_EQ(f.state().work.CurPoint, 3);
    EXPECT_EQ(f.state().doc.PixX(1, 3), x3);
    EXPECT_EQ(v.ScrollX, sx - 20);
    EXPECT_EQ(v.ScrollY, sy - 10);

    // Leaving the view ends the pan where the pointer left it.
    sx = v.ScrollX;
    f.drag({300, 300}, {300 + 4000, 300 + 4000});
    EXPECT_EQ(v.ScrollX, sx);
    EXPECT_FALSE(f.state().mouse.Panning);

    // Far beyond the picture, in strokes inside the view: stopped at the ends of the range.
    const QSize area = f.window->view().viewport()->size();
    for (int i = 0; i < 10; ++i) f.drag({5, 5}, {area.width() - 5, area.height() - 5});
    EXPECT_EQ(v.ScrollX, v.ScrollMinX);
    EXPECT_EQ(v.ScrollY, v.ScrollMinY);
    EXPECT_EQ(hBar->value(), hBar->minimum());
    EXPECT_EQ(vBar->value(), vBar->minimum());
    EXPECT_EQ(f.state().doc.NPoints(1), 3); // nothing was captured
}

// --- The pop-up menu's Copy and Paste ---------------------------------------

TEST(ClipboardInView, CopyThenPasteRestoresLinesParametersAndPoints) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    Calibration& c = f.state().doc;
    c.Xmin = -3.5f;
    c.Xmax = 1250.0f;
    c.Ymin = 0.001f;
    c.Ymax = 0.0023f;
    DEFINECOORDLIMITED(c);
    f.placePoints(1, 4, 70.3f, 101.7f, 120.9f);
    f.placePoints(2, 3, 95.1f, 133.3f, 401.2f);
    f.state().doc.LineParam(1) = 2.5f;
    f.state().doc.LineParam(2) = 123456789.0f;

    f.window->contextCommand(cmd::CopyTable);
    ASSERT_TRUE(f.clipboard.get().has_value());
    const std::string text = *f.clipboard.get();
    EXPECT_EQ(text.rfind("Dep2D_CD\r\n       2\r\n", 0), 0u) << text;
    const Dep2D copied = f.state().doc;

    // Spoil the table, then paste it back.
    Dep2D& d = f.state().doc;
    d.NLines = 1;
    d.NPoints(1) = 2;
    d.LineParam(1) = 9.0f;
    d.PixX(1, 1) = 500.0f;
    f.state().work.CurLine = 1;
    f.state().work.CurPoint = 2;
    f.window->contextCommand(cmd::PasteTable);
    EXPECT_TRUE(f.prompts.shown().empty()) << f.messages().join('\n').toStdString();

    ASSERT_EQ(d.NLines, 2);
    auto sameTo7Figures = [](double a, double b) {
        return std::abs(a - b) <= 1e-6 * std::max(std::abs(a), std::abs(b));
    };
    for (int j = 1; j <= 2; ++j) {
        EXPECT_TRUE(sameTo7Figures(d.LineParam(j), copied.LineParam(j))) << j;
        ASSERT_EQ(d.NPoints(j), copied.NPoints(j));
        for (int k = 1; k <= d.NPoints(j); ++k) {
            EXPECT_TRUE(sameTo7Figures(d.ArgX(j, k), copied.ArgX(j, k)))
                << j << "," << k << ": " << d.ArgX(j, k) << " vs " << copied.ArgX(j, k);
            EXPECT_TRUE(sameTo7Figures(d.ValY(j, k), copied.ValY(j, k)))
                << j << "," << k << ": " << d.ValY(j, k) << " vs " << copied.ValY(j, k);
            EXPECT_NEAR(d.PixX(j, k), copied.PixX(j, k), 1e-2) << j << "," << k;
            EXPECT_NEAR(d.PixY(j, k), copied.PixY(j, k), 1e-2) << j << "," << k;
        }
    }
    EXPECT_EQ(f.state().work.CurLine, 1);
    EXPECT_EQ(f.state().work.CurPoint, 1);
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    EXPECT_TRUE(f.shows(ctl::XEdit, copied.ArgX(1, 1)));
    EXPECT_EQ(f.editText(ctl::BundleParameter).toDouble(), 2.5);
    // The pasted points are drawn, so they can be hit.
    const QPoint p = f.pointOnScreen(2, 3);
    EXPECT_TRUE(f.state().overlay.PointHitBox(2, 3).contains(p.x(), p.y()));
}

TEST(ClipboardInView, PasteRedrawsTheShownCurveThroughThePastedPoints) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.pixelCalibration();
    f.placePoints(1, 5, 100, 40, 300);
    QTest::mouseClick(f.window->panel().control(ctl::ShowSpline), Qt::LeftButton);
    ASSERT_EQ(f.state().work.SplineShown, 1);
    ASSERT_GT(f.state().spline.SplinePixCount, 1);

    // Five points from X 200 to 400 on the row Y 100: stored x 250..450, y 400.
    std::string table = "Dep2D_CD\r\n       1\r\n1.0\r\n5\r\n";
    for (int k = 0; k < 5; ++k) table += std::to_string(200 + 50 * k) + "\t100\r\n";
    f.clipboard.set(table);
    f.window->contextCommand(cmd::PasteTable);
    ASSERT_EQ(f.state().doc.NPoints(1), 5);
    ASSERT_EQ(f.state().work.SplineShown, 1);

    const SplineSamples& curve = f.state().spline;
    ASSERT_GT(curve.SplinePixCount, 1);
    EXPECT_NEAR(curve.SplinePixX(1), 250.0, 1e-2);
    EXPECT_NEAR(curve.SplinePixX(curve.SplinePixCount), 450.0, 1e-2);
    double farthest = 0.0;
    for (int i = 1; i <= curve.SplinePixCount; ++i)
        farthest = std::max(farthest, std::abs(curve.SplinePixY(i) - 400.0));
    EXPECT_LT(farthest, 1e-2);
}

TEST(ClipboardInView, CopyNeedsTwoPointsOnTheFirstLine) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.placePoints(1, 1, 100, 0, 100);
    f.placePoints(2, 12, 100, 20, 300);
    f.window->contextCommand(cmd::CopyTable);
    ASSERT_EQ(f.prompts.shown().size(), 1u);
    EXPECT_EQ(f.prompts.shown()[0].text, "The number of points based on less than 2.");
    EXPECT_EQ(f.prompts.shown()[0].kind, MessageKind::Error);
    EXPECT_FALSE(f.clipboard.get().has_value());
}

TEST(ClipboardInView, ABlockOfTwoHundredFiftyPointsIsCutToTwoHundred) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.pixelCalibration();
    std::string table = "Dep2D_CD\r\n       2\r\n3.5\r\n250\r\n";
    for (int k = 1; k <= 250; ++k)
        table += std::to_string(k) + ".5\t" + std::to_string(2 * k) + "\r\n";
    // The next block follows the points that were cut.
    table += "7.25\r\n2\r\n10\t20\r\n30\t40\r\n";
    f.clipboard.set(table);
    f.run(cmd::PointsCaptureMode);
    ASSERT_EQ(f.state().work.CaptureMode, 1);

    f.window->contextCommand(cmd::PasteTable);
    ASSERT_EQ(f.prompts.shown().size(), 1u) << f.messages().join('\n').toStdString();
    EXPECT_EQ(f.prompts.shown()[0].kind, MessageKind::Warning);
    EXPECT_EQ(f.prompts.shown()[0].text,
              "Error inserting table two-parameter dependence from the clipboard. The receiver "
              "allows a maximum of 200 points, and the clipboard contains 250  points. The number "
              "of points to insert will be reduced to 200.");
    const Dep2D& d = f.state().doc;
    ASSERT_EQ(d.NLines, 2);
    EXPECT_EQ(d.NPoints(1), PointsMax);
    EXPECT_EQ(d.LineParam(1), 3.5f);
    EXPECT_NEAR(d.ArgX(1, 200), 200.5, 1e-3);
    EXPECT_NEAR(d.ValY(1, 200), 400.0, 1e-3);
    EXPECT_EQ(d.NPoints(2), 2);
    EXPECT_EQ(d.LineParam(2), 7.25f);
    EXPECT_NEAR(d.ArgX(2, 2), 30.0, 1e-3);
    // Pixel positions from the chart values: X = x - 50, Y = 500 - y.
    EXPECT_NEAR(d.PixX(2, 2), 80.0, 1e-2);
    EXPECT_NEAR(d.PixY(2, 2), 460.0, 1e-2);
    // The current line is full now: capture mode has ended, on the toolbar too.
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_FALSE(f.state().toolbar.latched);
    EXPECT_FALSE(f.state().toolbar.buttons(CaptureSlot).enabled);
}

TEST(ClipboardInView, UnreadableClipboardTextLeavesTheTableWithAMessage) {
    MouseWindow f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.placePoints(1, 4, 100, 30, 200);
    f.placePoints(2, 3, 100, 30, 260);
    f.state().doc.LineParam(2) = 4.0f;
    const Dep2D before = f.state().doc;

    const std::string cases[] = {
        "Have a nice day\r\nnothing here\r\n",
        "Dep2D_CD\r\n       1\r\n2.0\r\n5\r\n1\t2\r\n3\t4\r\n",   // ends early
        "Dep2D_CD\r\n       1\r\n2.0\r\n2\r\n1\tfoo\r\n3\t4\r\n", // not a number
        "",
    };
    for (const std::string& text : cases) {
        f.prompts.clearShown();
        f.clipboard.set(text);
        f.window->contextCommand(cmd::PasteTable);
        EXPECT_EQ(f.prompts.shown().size(), 1u) << text;
        EXPECT_EQ(f.state().doc, before) << text;
    }
    EXPECT_EQ(f.prompts.shown().back().text, "There is no data in the clipboard.");
}

} // namespace
} // namespace vex
