#pragma once
// A main window driven as a user drives it: marker drags, clicks on the
// picture, typing into the panel, the wheel, and Export Table.
#include "core/io/text_table.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
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

} // namespace vex::testing
