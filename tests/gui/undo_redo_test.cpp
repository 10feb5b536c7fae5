// Undo and redo through the Edit menu and its keys, on edits made as a user
// makes them: clicks and drags on the canvas, typing, buttons, a paste.
#include "core/document/document.h"
#include "gui/app/edit_history.h"
#include "mouse_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>

#include <vector>

namespace vex {
namespace {

using testing::MouseWindow;

struct UndoWindow : MouseWindow {
    UndoWindow() {
        EXPECT_TRUE(loadBlankPicture());
        pixelCalibration(); // written straight into the state, as a loaded project would be
        window->historyStartsAfresh();
        prompts.chooseFile(QString::fromStdString(files.file("start.vxr")));
        run(cmd::SaveProjectAs);
        EXPECT_EQ(state().work.ProjectModified, 0);
    }
    Document document() { return state().doc; }
    QAction* menuItem(const QString& prefix) {
        for (QAction* menu : window->menuBar()->actions())
            if (menu->menu())
                for (QAction* item : menu->menu()->actions())
                    if (item->text().startsWith(prefix)) return item;
        return nullptr;
    }
    void key(QKeySequence keys) {
        QTest::keySequence(window.get(), keys);
        QCoreApplication::processEvents();
    }
    void type(int control, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(window->panel().control(control));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        window->view().setFocus(); // the edit's own undo keys stay in the edit
    }
};

// Which fields of two documents differ, for a readable failure.
std::string differences(const Document& a, const Document& b) {
    std::string out;
    if (static_cast<const Calibration&>(a) != b || a.NLines != b.NLines) out += " frame";
    if (static_cast<const ImageFacts&>(a) != b) out += " picture";
    for (int j = 1; j <= LineSlots; ++j) {
        if (a.NPoints(j) != b.NPoints(j) || a.LineParam(j) != b.LineParam(j))
            out += " line " + std::to_string(j);
        for (int k = 1; k <= PointSlots; ++k)
            if (a.PixX(j, k) != b.PixX(j, k) || a.PixY(j, k) != b.PixY(j, k) ||
                a.ArgX(j, k) != b.ArgX(j, k) || a.ValY(j, k) != b.ValY(j, k)) {
                out += " point " + std::to_string(j) + "," + std::to_string(k);
                break;
            }
    }
    return out;
}

TEST(UndoRedo, EveryEditOfAWorkflowStepsBackToTheStartAndForwardToTheEnd) {
    UndoWindow f;
    std::vector<Document> states{f.document()};
    std::vector<QString> names;
    auto done = [&](const char* name) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(f.document() == states.back()) << "the edit changed nothing";
        states.push_back(f.document());
        names.push_back(QString::fromLatin1(name));
        EXPECT_EQ(f.menuItem("Undo")->text().toStdString(), std::string("Undo ") + name);
    };

    f.run(cmd::PointsCaptureMode);
    for (QPoint at : {QPoint(150, 300), QPoint(250, 260), QPoint(350, 240)}) {
        f.click(at);
        done("Capture Point");
    }
    f.run(cmd::PointsCaptureMode);
    const int current = f.state().work.CurPoint;
    f.drag(f.pointOnScreen(1, current), f.pointOnScreen(1, current) + QPoint(10, -40));
    done("Move Point"); // the whole drag, one step
    f.type(ctl::YEdit, "123.5");
    done("Type Y"); // every keystroke, one step
    f.type(ctl::BundleParameter, "2900");
    done("Type Bundle Parameter");
    f.window->contextCommand(cmd::CopyTable);
    f.run(cmd::AddLine);
    done("Add Line");
    f.window->contextCommand(cmd::PasteTable); // the one line copied before

    done("Paste Table");
    f.run(cmd::SetTheScale);
    f.drag(f.onScreen(f.state().doc.MarkerPixX(3), f.state().doc.MarkerPixY(3)), {620, 520});
    done("Move Marker");
    f.prompts.onDialog([](QDialog& dialog) {
        auto* xmax = dialog.findChild<QLineEdit*>(QStringLiteral("xmax"));
        xmax->selectAll();
        QTest::keyClicks(xmax, QStringLiteral("1000"));
        dialog.accept();
        return int(QDialog::Accepted);
    });
    f.run(cmd::SetTheScale); // the calibration ends with the ranges typed
    done("Calibration");
    f.run(cmd::DeleteLine); // asks first
    EXPECT_TRUE(f.document() == states.back()) << "Delete Line went ahead unasked";
    f.prompts.answer(Answer::Yes);
    f.run(cmd::DeleteLine);
    done("Delete Line");
    ASSERT_FALSE(HasFailure());

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        EXPECT_EQ(f.menuItem("Undo")->text(), "Undo " + names[i]) << i;
        f.key(QKeySequence::Undo);
        ASSERT_TRUE(f.document() == states[i])
            << "undo to " << i << ":" << differences(f.document(), states[i]);
    }
    EXPECT_EQ(f.state().work.ProjectModified, 0); // back where it was saved
    EXPECT_FALSE(f.menuItem("Undo")->isEnabled());
    for (std::size_t i = 1; i < states.size(); ++i) {
        f.key(i % 2 ? QKeySequence(Qt::CTRL | Qt::Key_Y)
                    : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        ASSERT_TRUE(f.document() == states[i])
            << "redo to " << i << ":" << differences(f.document(), states[i]);
    }
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    EXPECT_FALSE(f.menuItem("Redo")->isEnabled());
}

TEST(UndoRedo, UndoneToTheSavedStateTheProjectClosesWithoutAsking) {
    UndoWindow f;
    f.run(cmd::PointsCaptureMode);
    f.click({200, 200});
    ASSERT_EQ(f.state().work.ProjectModified, 1);
    f.key(QKeySequence::Undo);
    EXPECT_EQ(f.state().doc.NPoints(1), 0);
    EXPECT_EQ(f.state().work.ProjectModified, 0);
    EXPECT_TRUE(f.window->close()); // no question asked: the script has no answer for one
    EXPECT_TRUE(f.prompts.shown().empty());
}

TEST(UndoRedo, ViewChangesAndNewProjectsAreNoSteps) {
    UndoWindow f;
    f.run(cmd::PointsCaptureMode);
    f.click({200, 200});
    f.zoomIn({300, 300});
    f.run(cmd::PointsCaptureMode); // a mode switch
    f.key(QKeySequence::Undo);
    EXPECT_EQ(f.state().doc.NPoints(1), 0); // the zoom and the mode were not steps of their own

    f.key(QKeySequence(Qt::CTRL | Qt::Key_Y));
    f.prompts.answer(Answer::No); // do not save before the new project
    f.run(cmd::NewProject);
    EXPECT_FALSE(f.menuItem("Undo")->isEnabled());
    EXPECT_FALSE(f.menuItem("Redo")->isEnabled());
}

TEST(PointKeys, ArrowsNudgeTheSelectionOneEditEachAndEscapePutsADragBack) {
    UndoWindow f;
    f.placePoints(1, 3, 100.0f, 50.0f, 200.0f);
    f.window->historyStartsAfresh();
    f.click(f.pointOnScreen(1, 2)); // selects point 2
    ASSERT_EQ(f.state().work.CurPoint, 2);
    QApplication::setActiveWindow(f.window.get());
    QWidget& view = f.window->view();
    view.setFocus();
    const Dep2D before = f.state().doc;
    const float scale = f.state().view.ViewScale;
    const Dep2D& d = f.state().doc;

    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_FLOAT_EQ(d.PixX(1, 2), before.PixX(1, 2) + 1.0f / scale);
    EXPECT_NEAR(d.ArgX(1, 2), d.PixX(1, 2) - 50.0f, 1e-3);
    EXPECT_TRUE(f.shows(ctl::XEdit, d.ArgX(1, 2)));
    QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(d.PixY(1, 2), before.PixY(1, 2) - 10.0f / scale);
    EXPECT_NEAR(d.ValY(1, 2), 500.0f - d.PixY(1, 2), 1e-3);
    EXPECT_EQ(f.state().view.ScrollX, 0); // the view did not scroll instead
    EXPECT_EQ(f.menuItem("Undo")->text(), "Undo Move Point");
    f.key(QKeySequence::Undo);
    EXPECT_EQ(d.PixY(1, 2), before.PixY(1, 2));
    EXPECT_NE(d.PixX(1, 2), before.PixX(1, 2)); // each key was a step of its own
    f.key(QKeySequence::Undo);
    EXPECT_EQ(d.PixX(1, 2), before.PixX(1, 2));

    // Escape in the middle of a drag: the point goes back, and nothing is a step.
    const int steps = f.window->history().stack().count();
    const QPoint from = f.pointOnScreen(1, 2);
    QTest::mousePress(f.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(f.viewport(), from + QPoint(40, 30));
    ASSERT_NE(d.PixX(1, 2), before.PixX(1, 2));
    QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(d.PixX(1, 2), before.PixX(1, 2));
    EXPECT_EQ(d.ValY(1, 2), before.ValY(1, 2));
    QTest::mouseMove(f.viewport(), from + QPoint(80, 60)); // the drag is over
    QTest::mouseRelease(f.viewport(), Qt::LeftButton, {}, from + QPoint(80, 60));
    EXPECT_EQ(d.PixX(1, 2), before.PixX(1, 2));
    EXPECT_EQ(f.window->history().stack().count(), steps);

    f.run(cmd::SetTheScale); // and a marker dragged in calibration
    const Calibration markers = f.state().doc;
    const QPoint marker = f.onScreen(markers.MarkerPixX(1), markers.MarkerPixY(1));
    QTest::mousePress(f.viewport(), Qt::LeftButton, {}, marker);
    QTest::mouseMove(f.viewport(), marker + QPoint(25, 25));
    ASSERT_NE(f.state().doc.MarkerPixX(1), markers.MarkerPixX(1));
    QTest::keyClick(&view, Qt::Key_Escape);
    QTest::mouseRelease(f.viewport(), Qt::LeftButton, {}, marker + QPoint(25, 25));
    EXPECT_EQ(static_cast<const Calibration&>(f.state().doc), markers);
    QTest::keyClick(&view, Qt::Key_Left); // no nudging while calibrating
    EXPECT_EQ(d.PixX(1, 2), before.PixX(1, 2));
}

TEST(UndoRedo, TheEditMenuSpeaksRussian) {
    MouseWindow f;
    f.window.reset();
    writeInterfaceLanguage(f.settings, 1);
    f.window = std::make_unique<MainWindow>(Platform{f.prompts, f.settings, f.clipboard});
    f.window->show();
    ASSERT_TRUE(f.loadBlankPicture());
    f.run(cmd::PointsCaptureMode);
    f.click({200, 200});
    QAction* undo = nullptr;
    for (QAction* item : f.window->menuBar()->actions().at(1)->menu()->actions())
        if (item->text().startsWith(QStringLiteral("Отменить"))) undo = item;
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text().toStdString(), "Отменить захват точки");
    EXPECT_EQ(f.menuTitles().at(1).toStdString(), "Правка");
}

} // namespace
} // namespace vex
