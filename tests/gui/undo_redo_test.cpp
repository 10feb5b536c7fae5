// Undo and redo through the Edit menu and its keys, on edits made as a user
// makes them: clicks and drags on the canvas, typing, buttons, a paste.
#include "core/document/document.h"
#include "gui/app/edit_history.h"
#include "mouse_window.h"

#include <QAbstractButton>
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
