#include "core/state/clear_param.h"
#include "core/ui/command_ids.h"
#include "core/ui/toolbar_mouse.h"
#include "core/ui/toolbar_pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace vex {
namespace {

constexpr Rgb kFace{239, 239, 239};
constexpr Rgb kWhite{255, 255, 255};

// A strip whose tile 1 has a black pixel at tile (0, 0) and a red one at (21, 21).
RgbImage strip() {
    RgbImage s(1360, 22, kWhite);
    s.set(ToolbarTile + 0, 0, {0, 0, 0});
    s.set(ToolbarTile + 21, 21, {200, 30, 60});
    return s;
}

TEST(ToolbarPictures, EachRowFollowsItsPixelRule) {
    const RgbImage normal = toolbarPicture(strip(), 1, ToolbarRow::Normal, kFace);
    EXPECT_EQ(normal.at(0, 0), kFace); // the white frame too becomes face
    EXPECT_EQ(normal.at(10, 10), kFace);
    EXPECT_EQ(normal.at(2, 2), (Rgb{0, 0, 0})); // tile placed at (2, 2)
    EXPECT_EQ(normal.at(23, 23), (Rgb{200, 30, 60}));

    const RgbImage hot = toolbarPicture(strip(), 1, ToolbarRow::Hot, kFace);
    EXPECT_EQ(hot.at(0, 5), (Rgb{0, 0, 128})); // navy frame stays
    // s = x + 2y + 217: (5, 5) gives 232 -> (194, 194, 232); (20, 20) saturates.
    EXPECT_EQ(hot.at(5, 5), (Rgb{194, 194, 232}));
    EXPECT_EQ(hot.at(20, 20), (Rgb{239, 239, 255}));
    EXPECT_EQ(hot.at(2, 2), (Rgb{0, 0, 0}));

    const RgbImage pressed = toolbarPicture(strip(), 1, ToolbarRow::Pressed, kFace);
    EXPECT_EQ(pressed.at(3, 3), (Rgb{0, 0, 0})); // one pixel lower right
    EXPECT_EQ(pressed.at(24, 24), (Rgb{200, 30, 60}));
    // s = 5x + 10y: 120 at (4, 10); 210 at (2, 20); past the blue limit of 256
    // at (20, 20) with 300 and at (26, 26) with 390.
    EXPECT_EQ(pressed.at(4, 10), (Rgb{158, 158, 222}));
    EXPECT_EQ(pressed.at(2, 20), (Rgb{180, 180, 244}));
    EXPECT_EQ(pressed.at(20, 20), (Rgb{203, 203, 255}));
    EXPECT_EQ(pressed.at(26, 26), (Rgb{225, 225, 255}));

    const RgbImage disabled = toolbarPicture(strip(), 1, ToolbarRow::Disabled, kFace);
    EXPECT_EQ(disabled.at(10, 10), kFace);
    EXPECT_EQ(disabled.at(2, 2), (Rgb{119, 119, 119})); // (239 + 0) / 2
    // grey (200 + 30 + 60) / 3 = 96, mixed with the face: (239 + 96) / 2 = 167
    EXPECT_EQ(disabled.at(23, 23), (Rgb{167, 167, 167}));
}

TEST(ToolbarPictures, TheListHoldsFourRowsOfForty) {
    const std::vector<RgbImage> list = buildToolbarImageList(strip(), kFace);
    ASSERT_EQ(list.size(), 160u);
    EXPECT_EQ(list[1].at(2, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(list[40 + 1].at(0, 5), (Rgb{0, 0, 128}));
    EXPECT_EQ(list[80 + 1].at(3, 3), (Rgb{0, 0, 0}));
    EXPECT_EQ(list[120 + 1].at(2, 2), (Rgb{119, 119, 119}));
}

std::set<int> enabledCommands(const ToolbarState& t) {
    std::set<int> on;
    for (int i = 1; i <= ToolbarSlots; ++i)
        if (t.buttons(i).enabled) on.insert(t.buttons(i).command);
    return on;
}

TEST(ToolbarModel, ModesEnableTheirButtons) {
    AppState s;
    CLEARPARAM(s);
    ToolbarState t;
    PrepareToolBarIcons(0, s, t);
    EXPECT_EQ(enabledCommands(t), std::set<int>{cmd::LoadProject});
    EXPECT_EQ(t.buttons(8).right, 204);

    PrepareToolBarIcons(1, s, t); // no picture: the mode buttons stay off
    EXPECT_EQ(enabledCommands(t), (std::set<int>{cmd::NewProject, cmd::LoadProject,
                                                 cmd::SaveProject, cmd::SaveProjectAs}));
    s.work.ImageLoaded = -1;
    PrepareToolBarIcons(1, s, t);
    EXPECT_TRUE(t.buttons(ScaleSlot).enabled);
    EXPECT_TRUE(t.buttons(CaptureSlot).enabled);
    s.doc.NPoints(1) = PointsMax; // a full line
    PrepareToolBarIcons(1, s, t);
    EXPECT_FALSE(t.buttons(CaptureSlot).enabled);
    s.doc.NPoints(1) = 3;
    s.work.SplinePointMode = 1;
    PrepareToolBarIcons(1, s, t);
    EXPECT_FALSE(t.buttons(ScaleSlot).enabled);
    s.work.SplinePointMode = 0;
    s.work.ScaleMode = -1;
    PrepareToolBarIcons(1, s, t);
    EXPECT_FALSE(t.buttons(CaptureSlot).enabled);

    s.work.ImageLoaded = 0;
    s.doc.NPoints(1) = 0;
    PrepareToolBarIcons(2, s, t);
    EXPECT_EQ(enabledCommands(t), std::set<int>{cmd::LoadProject});
    s.doc.NPoints(1) = 1;
    PrepareToolBarIcons(2, s, t);
    EXPECT_TRUE(t.buttons(2).enabled);
}

int centreX(const ToolbarState& t, int slot) {
    return (t.buttons(slot).left + t.buttons(slot).right) / 2;
}

TEST(ToolbarMouse, OnlyEnabledButtonsReactButPromptsShowEverywhere) {
    AppState s;
    ToolbarState t;
    PrepareToolBarIcons(0, s, t);
    ToolbarEffects e = toolbarMouseMove(t, centreX(t, 4), 15); // Save, disabled
    EXPECT_EQ(t.hotIndex, 0);
    EXPECT_EQ(t.tooltipId, 170);
    EXPECT_TRUE(e.restartTooltipTimer);
    toolbarPress(t, centreX(t, 4), 15);
    e = toolbarRelease(t, centreX(t, 4), 15, true);
    EXPECT_EQ(e.command, 0);
    toolbarMouseMove(t, centreX(t, 3), 15); // Load
    EXPECT_EQ(t.hotIndex, 3);
    EXPECT_EQ(t.buttons(3).state, 1);
    toolbarPress(t, centreX(t, 3), 15);
    EXPECT_EQ(t.buttons(3).state, 2);
    e = toolbarRelease(t, centreX(t, 3), 15, true);
    EXPECT_EQ(e.command, cmd::LoadProject);
    EXPECT_EQ(t.buttons(3).state, 0);

    e = toolbarMouseMove(t, 300, 15); // empty space: no prompt, no highlight
    EXPECT_TRUE(e.removeTooltip);
    EXPECT_EQ(t.tooltipId, 0);
    e = toolbarLeave(t);
    EXPECT_EQ(e.statusMode, 0);
}

TEST(ToolbarMouse, TheModeButtonsLatch) {
    AppState s;
    s.work.ImageLoaded = -1;
    ToolbarState t;
    PrepareToolBarIcons(1, s, t);
    const int capture = centreX(t, CaptureSlot), scale = centreX(t, ScaleSlot);

    ToolbarEffects e = toolbarRelease(t, capture, 15, true);
    EXPECT_EQ(e.command, cmd::PointsCaptureMode);
    EXPECT_TRUE(t.latched);
    EXPECT_FALSE(t.buttons(ScaleSlot).enabled);
    toolbarMouseMove(t, 300, 15); // drawn hot while latched, wherever the pointer is
    EXPECT_EQ(t.buttons(CaptureSlot).state, 1);
    e = toolbarRelease(t, capture, 15, true);
    EXPECT_EQ(e.command, cmd::PointsCaptureMode); // both clicks send the command
    EXPECT_FALSE(t.latched);
    EXPECT_TRUE(t.buttons(ScaleSlot).enabled);

    e = toolbarRelease(t, scale, 15, true);
    EXPECT_EQ(e.command, cmd::SetTheScale);
    EXPECT_TRUE(t.latched);
    EXPECT_FALSE(t.buttons(CaptureSlot).enabled);
    // Releasing it while the layout is unusable changes nothing.
    e = toolbarRelease(t, scale, 15, false);
    EXPECT_EQ(e.command, 0);
    EXPECT_FALSE(e.endCalibration);
    EXPECT_TRUE(t.latched);
    EXPECT_EQ(t.buttons(ScaleSlot).state, 1);
    // Released while usable: calibration ends once, through OK, and no command follows.
    e = toolbarRelease(t, scale, 15, true);
    EXPECT_TRUE(e.endCalibration);
    EXPECT_EQ(e.command, 0);
    EXPECT_FALSE(t.latched);
    EXPECT_TRUE(t.buttons(CaptureSlot).enabled);
}

TEST(ToolbarMouse, SeparatorsKeepTheHint) {
    AppState s;
    ToolbarState t;
    PrepareToolBarIcons(1, s, t);
    toolbarMouseMove(t, centreX(t, 2), 15);
    EXPECT_EQ(t.tooltipId, 168);
    toolbarMouseMove(t, centreX(t, 1), 15); // the first separator keeps the last prompt
    EXPECT_EQ(t.tooltipId, 168);
    ToolbarEffects e = toolbarMouseMove(t, centreX(t, 6), 15);
    EXPECT_EQ(t.tooltipId, 0);
    EXPECT_EQ(t.hotIndex, 0); // a separator is never hot, so the status pane keeps its text
    EXPECT_EQ(e.statusMode, 1);
}

} // namespace
} // namespace vex
