#include "core/state/clear_param.h"
#include "core/ui/command_ids.h"
#include "core/ui/menu_states.h"
#include "core/ui/status_texts.h"

#include <gtest/gtest.h>

#include <set>

namespace vex {
namespace {

std::set<int> enabledItems(const MenuStates& m) {
    std::set<int> on;
    for (const auto& [id, state] : m.items())
        if (state.enabled) on.insert(id);
    return on;
}

AppState withLine(int points, bool image) {
    AppState s;
    CLEARPARAM(s);
    s.doc.NPoints(1) = points;
    s.work.ImageLoaded = image ? -1 : 0;
    return s;
}

TEST(MenuStates, StartUpLeavesOnlyTheFileAndHelpCommands) {
    for (std::int32_t lang : {0, 1, 2}) {
        AppState s;
        s.InterfaceLanguage = lang;
        MenuStates m;
        PrepContextMenu(0, s, m);
        EXPECT_EQ(enabledItems(m),
                  (std::set<int>{cmd::OpenBmpImage, cmd::PasteImage, cmd::LoadProject, cmd::Exit,
                                 cmd::About, cmd::HelpContent, cmd::LanguageRussian,
                                 cmd::LanguageEnglish}));
        EXPECT_EQ(m.at(cmd::LanguageRussian).checked, lang == 1);
        EXPECT_EQ(m.at(cmd::LanguageEnglish).checked, lang != 1);
        EXPECT_FALSE(m.at(cmd::SetTheScale).checked);
        EXPECT_FALSE(m.at(cmd::PointsCaptureMode).checked);
    }
}

TEST(MenuStates, PointsWithoutAPictureAllowOnlyProjectCommands) {
    AppState s = withLine(5, false);
    MenuStates m;
    PrepContextMenu(0, s, m);
    PrepContextMenu(1, s, m);
    for (int id : {cmd::NewProject, cmd::SaveProject, cmd::SaveProjectAs, cmd::ImportTable})
        EXPECT_TRUE(m.at(id).enabled) << id;
    for (int id : {cmd::ExportTable, cmd::AddLine, cmd::AddPoint, cmd::DeletePoint, cmd::DeleteLine,
                   cmd::SortPoints, cmd::SetTheScale, cmd::PointsCaptureMode})
        EXPECT_FALSE(m.at(id).enabled) << id;
}

TEST(MenuStates, PointCommandsFollowTheCurrentLine) {
    AppState s = withLine(2, true);
    MenuStates m;
    PrepContextMenu(1, s, m);
    EXPECT_TRUE(m.at(cmd::AddPoint).enabled);
    EXPECT_TRUE(m.at(cmd::SortPoints).enabled);
    EXPECT_FALSE(m.at(cmd::DeletePoint).enabled);
    EXPECT_FALSE(m.at(cmd::DeleteLine).enabled);
    EXPECT_TRUE(m.at(cmd::AddLine).enabled);

    s.doc.NLines = LinesMax;
    s.doc.NPoints(1) = 3;
    PrepContextMenu(1, s, m);
    EXPECT_FALSE(m.at(cmd::AddLine).enabled);
    EXPECT_TRUE(m.at(cmd::DeletePoint).enabled);

    // A full line: capture is off the menu whether the mode is on or not.
    for (std::int32_t capture : {0, 1}) {
        AppState full = withLine(PointsMax, true);
        full.work.CaptureMode = capture;
        PrepContextMenu(1, full, m);
        EXPECT_FALSE(m.at(cmd::PointsCaptureMode).enabled) << capture;
        EXPECT_FALSE(m.at(cmd::PointsCaptureMode).checked) << capture;
        EXPECT_FALSE(m.at(cmd::AddPoint).enabled);
    }
}

TEST(MenuStates, ModesRestrictTheMenu) {
    MenuStates m;
    AppState s = withLine(10, true);
    s.work.ScaleMode = -1;
    PrepContextMenu(0, s, m);
    PrepContextMenu(1, s, m);
    EXPECT_EQ(enabledItems(m),
              (std::set<int>{cmd::SetTheScale, cmd::NewProject, cmd::LoadProject, cmd::SaveProject,
                             cmd::SaveProjectAs, cmd::Exit, cmd::About, cmd::HelpContent,
                             cmd::LanguageRussian, cmd::LanguageEnglish}));
    EXPECT_TRUE(m.at(cmd::SetTheScale).checked);

    s.work.ScaleMode = 0;
    s.work.CaptureMode = 1;
    PrepContextMenu(1, s, m);
    EXPECT_FALSE(m.at(cmd::SetTheScale).enabled);
    EXPECT_TRUE(m.at(cmd::PointsCaptureMode).enabled);
    EXPECT_TRUE(m.at(cmd::PointsCaptureMode).checked);
    EXPECT_TRUE(m.at(cmd::OpenBmpImage).enabled);

    s.work.CaptureMode = 0;
    s.work.SplinePointMode = 1;
    PrepContextMenu(1, s, m);
    for (int id : {cmd::ExportTable, cmd::SetTheScale, cmd::PointsCaptureMode, cmd::AddLine,
                   cmd::DeleteLine, cmd::AddPoint, cmd::DeletePoint, cmd::SortPoints})
        EXPECT_FALSE(m.at(id).enabled) << id;
    EXPECT_TRUE(m.at(cmd::ImportTable).enabled);

    // Other modes leave everything as it was.
    const auto before = m.items();
    PrepContextMenu(7, withLine(0, false), m);
    EXPECT_EQ(m.items(), before);
}

TEST(StatusTexts, PaneZeroNamesTheMouseModeLaterModesWinning) {
    AppState s = withLine(0, true);
    StatusTexts t;
    t.pane0 = "old";
    PREPSTATUSBAR(0, s, 0, t);
    EXPECT_EQ(t.pane0, "");
    s.work.CaptureMode = 1;
    PREPSTATUSBAR(0, s, 0, t);
    EXPECT_EQ(t.pane0, "Set cursor on true position and press left button mouse to add point");
    s.work.ScaleMode = -1;
    PREPSTATUSBAR(0, s, 0, t);
    EXPECT_EQ(t.pane0, "Set cursor on true position and press left button mouse set position");
    s.work.SplinePointMode = 1;
    PREPSTATUSBAR(0, s, 0, t);
    EXPECT_EQ(t.pane0,
              "Set cursor on true position and press middle button mouse to add point on spline");
}

TEST(StatusTexts, LimitsAndCountsInBothLanguages) {
    AppState s = withLine(0, true);
    s.doc.NLines = 3;
    s.work.CurLine = 2;
    s.doc.NPoints(2) = 7;
    StatusTexts t;
    PREPSTATUSBAR(0, s, 0, t);
    EXPECT_EQ(t.pane1, "LinesMax = 20; PointsMax = 200");
    EXPECT_EQ(t.pane2, "Current lines use = 3; Current points use = 7");
    s.InterfaceLanguage = 1;
    PREPSTATUSBAR(0, s, 0, t);
    EXPECT_EQ(t.pane1, "Линий макс. = 20; Точек макс. = 200");
    EXPECT_EQ(t.pane2, "Тек. кол-во линий=3; Тек. кол-во точек на линии=7");
}

TEST(StatusTexts, ToolbarHintsTouchOnlyPaneZero) {
    AppState s = withLine(0, true);
    StatusTexts t{"state hint", "limits", "counts"};
    PREPSTATUSBAR(1, s, 6, t); // a separator has no hint
    EXPECT_EQ(t, (StatusTexts{"state hint", "limits", "counts"}));
    PREPSTATUSBAR(1, s, 5, t);
    EXPECT_EQ(t, (StatusTexts{"Save as", "limits", "counts"}));
    PREPSTATUSBAR(1, s, 7, t);
    EXPECT_EQ(t.pane0, "Set the Scale");
    s.InterfaceLanguage = 1;
    PREPSTATUSBAR(1, s, 8, t);
    EXPECT_EQ(t.pane0, "Режим добавления точек");
}

} // namespace
} // namespace vex
