#include "core/ui/command_ids.h"
#include "core/ui/toolbar_pictures.h"
#include "gui/app/status_panes.h"
#include "gui/app/toolbar_widget.h"
#include "gui/panel/function_panel.h"
#include "gui/platform/prompt_tip.h"
#include "gui/view/image_view.h"
#include "window_fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace vex {
namespace {

using testing::WindowFixture;

struct ToolbarFixture : WindowFixture {
    ToolbarWidget& bar() { return window->toolbar(); }
    QPoint centre(int slot) {
        const ToolBarButton& b = state().toolbar.buttons(slot);
        return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    }
    void click(int slot) { QTest::mouseClick(&bar(), Qt::LeftButton, {}, centre(slot)); }
    void hover(int slot) { QTest::mouseMove(&bar(), centre(slot)); }
};

TEST(ToolbarWidget, DrawsEachSlotFromItsRow) {
    ToolbarFixture f;
    const QColor face = f.bar().palette().color(QPalette::Button);
    QImage shot = f.bar().grab().toImage();
    const ToolBarButton& load = f.state().toolbar.buttons(3);
    EXPECT_EQ(shot.pixelColor(load.left + 1, 5), face); // normal: the white around the tile is face
    const ToolBarButton& save = f.state().toolbar.buttons(4); // disabled at start
    EXPECT_EQ(f.bar().picture(2 + 3 * ToolbarColumns).toImage().pixelColor(10, 10),
              shot.pixelColor(save.left + 10, 4 + 10));
    f.hover(3);
    shot = f.bar().grab().toImage();
    EXPECT_EQ(shot.pixelColor(load.left, 4 + 5), QColor(0, 0, 128)); // hot: the navy frame
    EXPECT_EQ(f.window->statusPanes().paneText(0), "Load");
}

TEST(ToolbarWidget, CaptureLatchesAndReleasesThroughTheSameCommand) {
    ToolbarFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    ASSERT_TRUE(f.state().toolbar.buttons(CaptureSlot).enabled);
    f.click(CaptureSlot);
    EXPECT_EQ(f.state().work.CaptureMode, 1);
    EXPECT_TRUE(f.state().toolbar.latched);
    EXPECT_FALSE(f.state().toolbar.buttons(ScaleSlot).enabled);
    EXPECT_TRUE(f.window->panel().control(ctl::CaptureMode)->property("checked").toBool());
    f.click(CaptureSlot);
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_FALSE(f.state().toolbar.latched);
    EXPECT_TRUE(f.state().toolbar.buttons(ScaleSlot).enabled);
}

// The mode buttons react exactly when the menu offers their commands.
TEST(ToolbarWidget, ModeButtonsFollowTheMenuInAndOutOfSplinePointMode) {
    ToolbarFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    Dep2D& d = f.state().doc;
    d.NPoints(1) = 4;
    for (int k = 1; k <= 4; ++k)
        d.PixX(1, k) = 100.0f + 50.0f * float(k), d.PixY(1, k) = 200.0f + 9.0f * float(k);
    f.click(CaptureSlot);
    ASSERT_EQ(f.state().work.CaptureMode, 1);
    auto panelClick = [&](int id) {
        QTest::mouseClick(f.window->panel().control(id), Qt::LeftButton);
    };
    auto agreeWithMenu = [&] {
        EXPECT_EQ(f.state().toolbar.buttons(ScaleSlot).enabled, f.enabled(cmd::SetTheScale));
        EXPECT_EQ(f.state().toolbar.buttons(CaptureSlot).enabled,
                  f.enabled(cmd::PointsCaptureMode));
    };
    panelClick(ctl::ShowSpline);
    panelClick(ctl::SplineAddPoint); // ends capture
    ASSERT_EQ(f.state().work.SplinePointMode, 1);
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_FALSE(f.state().toolbar.latched);
    EXPECT_EQ(f.state().toolbar.buttons(CaptureSlot).state, 0);
    EXPECT_FALSE(f.state().toolbar.buttons(ScaleSlot).enabled);
    EXPECT_FALSE(f.state().toolbar.buttons(CaptureSlot).enabled);
    agreeWithMenu();
    f.click(CaptureSlot); // nothing to latch
    EXPECT_EQ(f.state().work.CaptureMode, 0);
    EXPECT_FALSE(f.state().toolbar.latched);

    panelClick(ctl::ShowSpline); // clearing the curve ends the point mode
    ASSERT_EQ(f.state().work.SplinePointMode, 0);
    EXPECT_TRUE(f.state().toolbar.buttons(ScaleSlot).enabled);
    EXPECT_TRUE(f.state().toolbar.buttons(CaptureSlot).enabled);
    agreeWithMenu();
}

TEST(ToolbarWidget, ReleasingTheLatchedScaleEndsCalibrationOnce) {
    ToolbarFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.click(ScaleSlot);
    ASSERT_EQ(f.state().work.ScaleMode, -1);
    EXPECT_TRUE(f.window->panel().control(ctl::Ok)->isVisible());

    // An unusable layout: the release does nothing at all.
    f.state().doc.MarkerPixX(2) = 10;
    f.window->view().viewport()->repaint();
    f.click(ScaleSlot);
    EXPECT_EQ(f.state().work.ScaleMode, -1);
    EXPECT_TRUE(f.state().toolbar.latched);

    f.state().doc.MarkerPixX(2) = 600;
    f.window->view().viewport()->repaint();
    int dialogs = 0;
    f.prompts.onDialog([&](QDialog&) {
        ++dialogs;
        return int(QDialog::Rejected);
    });
    f.click(ScaleSlot);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(f.state().work.ScaleMode, 0);
    EXPECT_FALSE(f.state().toolbar.latched);
    EXPECT_TRUE(f.state().toolbar.buttons(CaptureSlot).enabled);
    EXPECT_EQ(f.prompts.unexpected(), 0); // no second calibration was started
}

TEST(ToolbarWidget, LeavingRestoresTheStateHint) {
    ToolbarFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.run(cmd::PointsCaptureMode);
    f.hover(2);
    EXPECT_EQ(f.window->statusPanes().paneText(0), "New");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&f.bar(), &leave);
    EXPECT_EQ(f.window->statusPanes().paneText(0),
              "Set cursor on true position and press left button mouse to add point");
    EXPECT_EQ(f.state().toolbar.buttons(CaptureSlot).state, 1); // still drawn latched
}

TEST(PromptTips, OneAtATimeAtTheLastPlaceWithoutTakingTheFocus) {
    ToolbarFixture f;
    auto* edit = static_cast<QLineEdit*>(f.window->panel().control(ctl::BundleParameter));
    edit->setEnabled(true);
    edit->setFocus();
    QApplication::setActiveWindow(f.window.get());
    promptTip().DrawPrompt(&f.bar(), 10, 10, 168, 2);
    promptTip().DrawPrompt(&f.bar(), 50, 12, 169, 2);
    ASSERT_TRUE(promptTip().isShown());
    EXPECT_EQ(promptTip().text(), "Load");
    EXPECT_EQ(promptTip().window()->pos(), f.bar().mapToGlobal(QPoint(60, 22)));
    QCoreApplication::processEvents();
    int tips = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowFlags() & Qt::ToolTip) == Qt::ToolTip) ++tips;
    EXPECT_EQ(tips, 1);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    promptTip().DrawPrompt(&f.bar(), 0, 0, 0, 2); // prompt 0 shows nothing new
    EXPECT_EQ(promptTip().text(), "Load");
    promptTip().KillToolTipWindow();
    EXPECT_FALSE(promptTip().isShown());
}

TEST(PromptTips, HoveringAMarkerNamesIt) {
    ToolbarFixture f;
    ASSERT_TRUE(f.loadBlankPicture());
    f.run(cmd::SetTheScale);
    QWidget* view = f.window->view().viewport();
    const QPoint marker(
        toScreen(f.state().doc.MarkerPixX(1), f.state().view.ViewScale, f.state().view.ScrollX),
        toScreen(f.state().doc.MarkerPixY(1), f.state().view.ViewScale, f.state().view.ScrollY));
    QTest::mouseMove(view, marker);
    ASSERT_TRUE(QTest::qWaitFor([] { return promptTip().isShown(); }, 2000));
    EXPECT_EQ(promptTip().text(), "Xmin;Ymax");
    QTest::mouseMove(view, marker + QPoint(100, 100));
    EXPECT_FALSE(promptTip().isShown());
}

} // namespace
} // namespace vex
