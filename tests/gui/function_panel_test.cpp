#include "core/ui/command_ids.h"
#include "gui/app/status_panes.h"
#include "gui/app/workspace.h"
#include "gui/panel/function_panel.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace vex {
namespace {

using testing::WindowFixture;

struct PanelFixture : WindowFixture {
    using WindowFixture::WindowFixture;
    FunctionPanel& panel() { return window->panel(); }
    QWidget* control(int id) { return panel().control(id); }
    bool on(int id) { return control(id)->isEnabled(); }
    void click(int id) { QTest::mouseClick(control(id), Qt::LeftButton); }
    QLineEdit* edit(int id) { return qobject_cast<QLineEdit*>(control(id)); }
    void type(int id, const QString& text) {
        edit(id)->setFocus();
        edit(id)->selectAll();
        QTest::keyClicks(edit(id), text);
    }
    void addPoints(int line, int n) {
        Dep2D& d = state().doc;
        d.NPoints(line) = n;
        for (int k = 1; k <= n; ++k) {
            d.PixX(line, k) = 60.0f + 20.0f * float(k);
            d.PixY(line, k) = 100.0f + 30.0f * float(line);
        }
        window->dialogPartnership();
    }
};

TEST(FunctionPanel, TakesItsColumnAndStartsDisabled) {
    PanelFixture f;
    EXPECT_EQ(f.window->workspace().panelWidth(), f.panel().cancelRightEdge() + 10);
    EXPECT_EQ(f.panel().width(), f.window->workspace().panelWidth());
    EXPECT_EQ(static_cast<QPushButton*>(f.control(ctl::AddLine))->text(), "Add Line");
    for (int id : {ctl::SetTheScale, ctl::CaptureMode, ctl::AddLine, ctl::AddPoint, ctl::DeleteBmp})
        EXPECT_FALSE(f.on(id)) << id;
    EXPECT_TRUE(f.on(ctl::ImportBmp));
    EXPECT_FALSE(f.control(ctl::Ok)->isVisible());
    EXPECT_FALSE(f.control(ctl::GridGroup)->isVisible());
}

TEST(FunctionPanel, RussianTemplate) {
    PanelFixture f(1);
    EXPECT_EQ(static_cast<QPushButton*>(f.control(ctl::SortPoints))->text(), "Сортировать");
    EXPECT_EQ(static_cast<QLabel*>(f.control(ctl::BundleLabel))->text(), "Параметр расслоения");
    // The Russian layout places the points group lower, as its template says.
    PanelFixture e;
    EXPECT_GT(f.control(ctl::PointsGroup)->y(), e.control(ctl::PointsGroup)->y());
}

TEST(FunctionPanel, CalibrationRunsThroughTheRangeDialog) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    EXPECT_TRUE(f.on(ctl::SetTheScale));
    f.window->command(cmd::SetTheScale); // from the menu
    EXPECT_EQ(f.state().work.ScaleMode, -1);
    EXPECT_TRUE(f.control(ctl::Ok)->isVisible());
    EXPECT_TRUE(f.control(ctl::GridGroup)->isVisible());
    EXPECT_FALSE(f.control(ctl::PointsGroup)->isVisible());
    EXPECT_TRUE(f.state().toolbar.latched);

    // A bow-tie disables OK; back in shape, OK works again.
    f.state().doc.MarkerPixX(2) = 10;
    f.window->view().viewport()->repaint();
    EXPECT_FALSE(f.on(ctl::Ok));
    f.state().doc.MarkerPixX(2) = 600;
    f.window->view().viewport()->repaint();
    ASSERT_TRUE(f.on(ctl::Ok));

    f.prompts.onDialog([](QDialog& d) {
        d.findChild<QLineEdit*>("xmax")->setText("50");
        QTest::keyClicks(d.findChild<QLineEdit*>("xmax"), "0");
        return int(QDialog::Accepted);
    });
    f.click(ctl::Ok);
    EXPECT_EQ(f.state().work.ScaleMode, 0);
    EXPECT_FALSE(f.control(ctl::Ok)->isVisible());
    EXPECT_TRUE(f.control(ctl::PointsGroup)->isVisible());
    EXPECT_FALSE(f.state().toolbar.latched);
    EXPECT_TRUE(f.prompts.scriptUsedUp());
}

TEST(FunctionPanel, GridCountsFromEditAndSpinner) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.window->command(cmd::SetTheScale);
    f.type(ctl::XGridEdit, "250");
    EXPECT_EQ(f.state().work.XGrid, 100);
    f.type(ctl::YGridEdit, "7");
    EXPECT_EQ(f.state().work.YGrid, 7);
    QTest::mouseClick(f.control(ctl::YGridSpin)->findChildren<QAbstractButton*>().at(0),
                      Qt::LeftButton);
    EXPECT_EQ(f.state().work.YGrid, 8);
    EXPECT_EQ(f.edit(ctl::YGridEdit)->text(), "8");
}

TEST(FunctionPanel, PointButtonsAndEdits) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.addPoints(1, 3);
    f.state().work.CurPoint = 3;
    f.window->dialogPartnership();
    ASSERT_TRUE(f.on(ctl::AddPoint));
    f.click(ctl::AddPoint);
    EXPECT_EQ(f.state().doc.NPoints(1), 4);
    EXPECT_EQ(f.state().work.CurPoint, 4);
    EXPECT_EQ(f.window->statusPanes().paneText(2), "Current lines use = 1; Current points use = 4");

    // Typing stores what reads; the program's own writes into the edit store nothing.
    const float before = f.state().doc.ArgX(1, 4);
    f.panel().showCurrentPoint();
    EXPECT_EQ(f.state().doc.ArgX(1, 4), before);
    f.type(ctl::XEdit, "7,5");
    EXPECT_EQ(f.state().doc.ArgX(1, 4), 7.0f);
    f.type(ctl::YEdit, "");
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    // A number no project can hold is refused with a warning as it is typed.
    f.type(ctl::XEdit, "1e999");
    ASSERT_FALSE(f.prompts.shown().empty());
    EXPECT_EQ(f.prompts.shown().back().text,
              "The number 1e999 is too large to be stored. Nothing was changed.");
    EXPECT_EQ(f.state().doc.ArgX(1, 4), 1.0f); // the "1" it began with

    // Delete with the Delete key, while the view has the focus, down to two points.
    f.window->view().setFocus();
    for (int i = 0; i < 5; ++i) QTest::keyClick(&f.window->view(), Qt::Key_Delete);
    EXPECT_EQ(f.state().doc.NPoints(1), 2);
}

TEST(FunctionPanel, DeleteLineAsksFirst) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.addPoints(1, 3);
    f.addPoints(2, 4);
    f.state().doc.NLines = 2;
    f.state().work.CurLine = 2;
    f.window->dialogPartnership();
    f.prompts.answer(Answer::No);
    f.click(ctl::DeleteLine);
    EXPECT_EQ(f.state().doc.NLines, 2);
    EXPECT_EQ(f.prompts.shown().back().text, "Are you sure you want to remove the line №2?");
    f.prompts.answer(Answer::Yes);
    f.click(ctl::DeleteLine);
    EXPECT_EQ(f.state().doc.NLines, 1);
    EXPECT_EQ(f.state().work.CurLine, 1);
}

TEST(FunctionPanel, AddLineStartsCaptureAndFullLinesStopIt) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.addPoints(1, 3);
    f.state().work.SplineShown = 1;
    f.click(ctl::AddLine);
    EXPECT_EQ(f.state().doc.NLines, 2);
    EXPECT_TRUE(static_cast<QAbstractButton*>(f.control(ctl::CaptureMode))->isChecked());
    EXPECT_EQ(f.state().work.SplineShown, 0);
    EXPECT_FALSE(f.on(ctl::SetTheScale));

    f.addPoints(2, PointsMax);
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_FALSE(f.on(ctl::CaptureMode));
}

TEST(FunctionPanel, SplineBoxesAndPointsOnSpline) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.addPoints(1, 6);
    f.click(ctl::ShowSpline);
    EXPECT_EQ(f.state().work.SplineShown, 1);
    EXPECT_EQ(f.state().spline.SplinePixCount, 100);
    EXPECT_TRUE(f.on(ctl::SplineAddPoint));
    f.prompts.onDialog([](QDialog& d) {
        auto* count = d.findChild<QLineEdit*>("count");
        count->setFocus();
        count->selectAll();
        QTest::keyClicks(count, "25");
        return int(QDialog::Accepted);
    });
    f.click(ctl::PointsOnSpline);
    EXPECT_EQ(f.state().doc.NPoints(1), 25);
    EXPECT_EQ(f.state().spline.SplinePixCount, 100); // the drawn curve again, not the samples
    EXPECT_NEAR(f.state().doc.ArgX(1, 25), (f.state().doc.PixX(1, 25) - 50.0f) / 550.0f, 1e-5);
    EXPECT_EQ(f.state().work.ProjectModified, 1);
    f.click(ctl::SplineAddPoint);
    EXPECT_EQ(f.state().work.SplinePointMode, 1);
    EXPECT_FALSE(f.on(ctl::AddPoint));
    EXPECT_EQ(f.window->statusPanes().paneText(0),
              "Set cursor on true position and press middle button mouse to add point on spline");
    f.click(ctl::ShowSpline); // clearing the spline ends the point mode
    EXPECT_EQ(f.state().work.SplinePointMode, 0);
}

TEST(FunctionPanel, NavigatingLinesShowsTheirParameter) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.addPoints(1, 3);
    f.addPoints(2, 3);
    f.state().doc.NLines = 2;
    f.state().doc.LineParam(2) = 2900.0f;
    f.window->dialogPartnership();
    f.click(ctl::NextLine);
    EXPECT_EQ(f.state().work.CurLine, 2);
    EXPECT_EQ(f.edit(ctl::BundleParameter)->text(), "2900");
    EXPECT_FALSE(f.on(ctl::NextLine));
    EXPECT_TRUE(f.on(ctl::PreviousLine));
}

TEST(FunctionPanel, DeletingThePictureKeepsThePoints) {
    PanelFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.addPoints(1, 3);
    f.click(ctl::DeleteBmp);
    EXPECT_EQ(f.state().work.ImageLoaded, 0);
    EXPECT_TRUE(f.window->picture().isNull());
    EXPECT_EQ(f.state().doc.NPoints(1), 3);
    EXPECT_FALSE(f.on(ctl::AddPoint));
    EXPECT_TRUE(f.on(ctl::ImportBmp));
}

} // namespace
} // namespace vex
