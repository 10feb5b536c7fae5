#pragma once
// A main window driven by the mouse on its canvas, as a user drives it.
#include "core/coords/chart_values.h"
#include "core/coords/search_box.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace vex::testing {

struct MouseWindow : WindowFixture {
    QWidget* viewport() { return window->view().viewport(); }
    QString editText(int id) {
        return qobject_cast<QLineEdit*>(window->panel().control(id))->text();
    }

    // Markers at their reset places with ranges as wide as the rectangle they
    // span, so that a stored position (x, y) reads as X = x - 50, Y = 500 - y.
    void pixelCalibration() {
        Calibration& c = state().doc;
        c.resetMarkersAndRanges();
        c.Xmax = 550.0f;
        c.Ymax = 490.0f;
        DEFINECOORDLIMITED(c);
    }

    // Where a stored position shows on the viewport.
    QPoint onScreen(float x, float y) {
        const ViewState& v = state().view;
        return {static_cast<int>(v.ViewScale * x - static_cast<float>(v.ScrollX)),
                static_cast<int>(v.ViewScale * y - static_cast<float>(v.ScrollY))};
    }
    QPoint pointOnScreen(int line, int k) {
        return onScreen(state().doc.PixX(line, k), state().doc.PixY(line, k));
    }

    void click(QPoint at) { QTest::mouseClick(viewport(), Qt::LeftButton, {}, at); }
    // Press, move there in a few steps with the button held, release.
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(viewport(), button, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(viewport(), from + (to - from) * step / 4);
        QTest::mouseRelease(viewport(), button, {}, to);
    }
    void zoomIn(QPoint at) {
        QWheelEvent e(at, viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport(), &e);
    }

    // n points along a row of the picture on `line`, chart values up to date.
    void placePoints(int line, int n, float x0, float dx, float y) {
        Dep2D& d = state().doc;
        d.NLines = std::max(d.NLines, line);
        d.NPoints(line) = n;
        for (int k = 1; k <= n; ++k) {
            d.PixX(line, k) = x0 + dx * static_cast<float>(k - 1);
            d.PixY(line, k) = y + 0.25f * static_cast<float>(k * k);
        }
        recomputeAllChartValues(state().doc, state().work.PerspectiveDistance);
        window->dialogPartnership();
        viewport()->repaint();
    }

    // An edit shows a value as an integer when that is within a thousandth of it.
    ::testing::AssertionResult shows(int id, double value) {
        const double shown = editText(id).toDouble();
        if (std::abs(shown - value) <= 1e-3 * std::abs(value) + 1e-6)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << editText(id).toStdString() << " for " << value;
    }

    // Press, release, press, release as the window system reports them,
    // quickly enough for a double click.
    void quickClicks(QPoint first, QPoint second) {
        QWindow* w = window->windowHandle();
        auto send = [&](QPoint at, QEvent::Type type, Qt::MouseButtons held) {
            const QPointF local = w->mapFromGlobal(viewport()->mapToGlobal(at));
            qt_handleMouseEvent(w, local, w->mapToGlobal(local), held, Qt::LeftButton, type, {},
                                ++QTest::lastMouseTimestamp);
        };
        send(first, QEvent::MouseButtonPress, Qt::LeftButton);
        send(first, QEvent::MouseButtonRelease, Qt::NoButton);
        send(second, QEvent::MouseButtonPress, Qt::LeftButton);
        send(second, QEvent::MouseButtonRelease, Qt::NoButton);
        QTest::lastMouseTimestamp += QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QCoreApplication::processEvents();
    }

    QStringList messages() const {
        QStringList texts;
        for (const auto& m : prompts.shown()) texts << m.text;
        return texts;
    }
};

} // namespace vex::testing
