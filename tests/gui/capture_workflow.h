#pragma once
// A main window driven as a user drives it: marker drags, clicks on the
// picture, typing into the panel, the wheel, and Export Table.
#include "core/io/text_table.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <cmath>
#include <functional>
#include <string>

namespace vex::testing {

struct Workflow : WindowFixture {
    QWidget* viewport() { return window->view().viewport(); }
    FunctionPanel& panel() { return window->panel(); }

    // The nearest viewport pixel of a picture pixel, at the present zoom and scroll.
    QPoint screenOfPicture(QPointF picture) {
        const ViewState& v = state().view;
        return {static_cast<int>(std::lround(picture.x() * v.FitZoom * v.ViewScale - v.ScrollX)),
                static_cast<int>(std::lround(picture.y() * v.FitZoom * v.ViewScale - v.ScrollY))};
    }
    QPoint markerOnScreen(int k) {
        const ViewState& v = state().view;
        return {static_cast<int>(v.ViewScale * state().doc.MarkerPixX(k) - float(v.ScrollX)),
                static_cast<int>(v.ViewScale * state().doc.MarkerPixY(k) - float(v.ScrollY))};
    }

    void drag(QPoint from, QPoint to) {
        QTest::mousePress(viewport(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 5; ++step)
            QTest::mouseMove(viewport(), from + (to - from) * step / 5);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, to);
    }
    void clickOn(QPoint at) {
        ASSERT_TRUE(viewport()->rect().contains(at)) << at.x() << "," << at.y();
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, at);
    }
    void type(int control, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(panel().control(control));
        ASSERT_TRUE(edit->isEnabled());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void zoomIn(QPoint at) {
        QWheelEvent e(at, viewport()->mapToGlobal(at), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport(), &e);
    }

    // Drags each marker onto its picture position, markers 1 to 4 in order.
    void dragMarkersOnto(const QPointF (&corners)[4]) {
        for (int k = 1; k <= 4; ++k) drag(markerOnScreen(k), screenOfPicture(corners[k - 1]));
    }

    ImportedTable exportTable(const std::string& path) {
        prompts.chooseFile(QString::fromStdString(path));
        run(cmd::ExportTable);
        ImportedTable table;
        const TableReadResult read = parseTextTable(readBytes(path), path, table);
        EXPECT_EQ(read.code, TableLoaded);
        EXPECT_FALSE(read.failure.has_value());
        return table;
    }
};

// Types Xmin, Xmax, Ymin and Ymax into the Coordinate system dialog the way
// a user does; false when an edit is missing.
inline bool typeRanges(QDialog& dialog, const std::array<const char*, 4>& texts) {
    const char* names[] = {"xmin", "xmax", "ymin", "ymax"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(names[i]));
        EXPECT_NE(edit, nullptr) << names[i];
        if (edit == nullptr) return false;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(texts[i]));
    }
    return true;
}

// The paper of a chart of X 0..10 and Y 0..100: light grid lines at every
// tenth and a black frame, `at` placing chart values on the picture.
inline void drawGridAndFrame(QPainter& p, const std::function<QPointF(double, double)>& at) {
    p.setPen(QPen(QColor(200, 200, 200), 1));
    for (int i = 1; i < 10; ++i) {
        p.drawLine(at(i, 0), at(i, 100));
        p.drawLine(at(0, 10.0 * i), at(10, 10.0 * i));
    }
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(QRectF(at(0, 100), at(10, 0)));
}

} // namespace vex::testing
