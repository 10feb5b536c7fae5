#include "core/messages/catalogue.h"
#include "core/state/clear_param.h"
#include "core/ui/command_ids.h"
#include "core/ui/panel_commands.h"
#include "core/ui/panel_rules.h"

#include <gtest/gtest.h>

#include <set>

namespace vex {
namespace {

AppState withPoints(std::initializer_list<int> counts, bool image = true) {
    AppState s;
    CLEARPARAM(s);
    s.work.ImageLoaded = image ? -1 : 0;
    int j = 0;
    for (int n : counts) {
        ++j;
        s.doc.NPoints(j) = n;
        for (int k = 1; k <= n; ++k) {
            s.doc.PixX(j, k) = 60.0f + 5.0f * float(k);
            s.doc.PixY(j, k) = 100.0f + 10.0f * float(j);
        }
    }
    s.doc.NLines = std::max(1, j);
    return s;
}

std::set<int> enabledOf(const PanelControls& c, std::initializer_list<int> ids) {
    std::set<int> on;
    for (int id : ids)
        if (c.isEnabled(id)) on.insert(id);
    return on;
}

const std::initializer_list<int> kEditing = {
    ctl::SetTheScale, ctl::CaptureMode,  ctl::AddLine,    ctl::BundleParameter, ctl::DeleteLine,
    ctl::NextLine,    ctl::PreviousLine, ctl::AddPoint,   ctl::DeletePoint,     ctl::SortPoints,
    ctl::DeleteBmp,   ctl::ImportBmp,    ctl::ShowSpline, ctl::SplineAddPoint,  ctl::PointsOnSpline,
    ctl::XEdit,       ctl::YEdit};

TEST(PanelRules, StatesFromTheData) {
    struct Case {
        const char* what;
        AppState s;
        std::set<int> enabled;
    };
    AppState splineOn = withPoints({5});
    splineOn.work.SplineShown = 1;
    AppState capturing = withPoints({5, 3});
    capturing.work.CaptureMode = 1;
    capturing.work.CurLine = 2;
    AppState pointMode = withPoints({5});
    pointMode.work.SplineShown = 1;
    pointMode.work.SplinePointMode = 1;
    Case cases[] = {
        // The controls start as built, all enabled: the edits X and Y, and Sort,
        // are never disabled by these rules while a picture is loaded.
        {"empty project with a picture",
         withPoints({0}),
         {ctl::SetTheScale, ctl::CaptureMode, ctl::DeleteBmp, ctl::ImportBmp, ctl::SortPoints,
          ctl::XEdit, ctl::YEdit}},
        {"two points",
         withPoints({2}),
         {ctl::SetTheScale, ctl::CaptureMode, ctl::AddLine, ctl::BundleParameter, ctl::DeleteLine,
          ctl::AddPoint, ctl::SortPoints, ctl::DeleteBmp, ctl::ImportBmp, ctl::ShowSpline,
          ctl::XEdit, ctl::YEdit}},
        {"spline shown",
         splineOn,
         {ctl::SetTheScale, ctl::CaptureMode, ctl::AddLine, ctl::BundleParameter, ctl::DeleteLine,
          ctl::AddPoint, ctl::DeletePoint, ctl::SortPoints, ctl::DeleteBmp, ctl::ImportBmp,
          ctl::ShowSpline, ctl::SplineAddPoint, ctl::XEdit, ctl::YEdit}},
        // Capturing on line 2 of 2: the picture and calibration commands rest.
        {"capturing",
         capturing,
         {ctl::CaptureMode, ctl::AddLine, ctl::BundleParameter, ctl::DeleteLine, ctl::PreviousLine,
          ctl::AddPoint, ctl::DeletePoint, ctl::SortPoints, ctl::ShowSpline, ctl::XEdit,
          ctl::YEdit}},
        // Spline point mode shuts down the edits, later rules winning over earlier ones.
        {"spline point mode", pointMode, {ctl::ShowSpline, ctl::SplineAddPoint}},
        {"no picture", withPoints({5}, false), {ctl::ImportBmp}},
    };
    for (Case& c : cases) {
        PanelControls controls;
        DIALOGPARTNERSHIP(c.s, controls);
        // Points on spline needs the spline; it is only ever enabled elsewhere.
        std::set<int> got = enabledOf(controls, kEditing);
        got.erase(ctl::PointsOnSpline);
        EXPECT_EQ(got, c.enabled) << c.what;
    }
}

TEST(PanelRules, ModesTheDataNoLongerAllowAreSwitchedOff) {
    AppState full = withPoints({PointsMax});
    full.work.CaptureMode = 1;
    full.work.SplineShown = 1;
    full.work.SplinePointMode = 1;
    PanelControls c;
    DIALOGPARTNERSHIP(full, c);
    EXPECT_EQ(full.work.CaptureMode, 0);
    EXPECT_EQ(full.work.SplinePointMode, 0);
    EXPECT_FALSE(c.isEnabled(ctl::CaptureMode));
    EXPECT_FALSE(c.isEnabled(ctl::SplineAddPoint));
    EXPECT_TRUE(c.isEnabled(ctl::SetTheScale)); // rule 8 after rule 6: capture is off now

    AppState single = withPoints({1});
    single.work.SplineShown = 1;
    DIALOGPARTNERSHIP(single, c);
    EXPECT_EQ(single.work.SplineShown, 0);
    EXPECT_FALSE(c.isEnabled(ctl::ShowSpline));

    AppState twentyLines = withPoints({3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    DIALOGPARTNERSHIP(twentyLines, c);
    EXPECT_FALSE(c.isEnabled(ctl::AddLine));
    EXPECT_FALSE(c.isEnabled(ctl::BundleParameter)); // goes with Add Line
}

TEST(PanelRules, ResetAndLayouts) {
    AppState s = withPoints({PointsMax, 4});
    s.work.CaptureMode = 1;
    s.work.CurLine = 2;
    s.work.XGrid = 9;
    s.view.ViewScale = 3.0f;
    PanelControls c;
    PROCESS_RESET_HDLG(s, 1, c);
    EXPECT_EQ(s.work.CurLine, 1);
    EXPECT_EQ(s.work.XGrid, 4);
    EXPECT_EQ(s.work.YGrid, 5);
    EXPECT_EQ(s.view.ViewScale, 1.0f);
    EXPECT_EQ(s.work.CaptureMode, 0);
    EXPECT_FALSE(c.isEnabled(ctl::CaptureMode)); // line 1 is full
    EXPECT_FALSE(c.isEnabled(ctl::AddPoint));
    EXPECT_FALSE(c.isVisible(ctl::Ok));
    EXPECT_FALSE(c.isVisible(ctl::Cancel));

    PROCESS_RESET_HDLG(s, 0, c);
    EXPECT_TRUE(enabledOf(c, kEditing) == std::set<int>({ctl::ImportBmp}));

    PROCESS_UDM_HDLG(0, c);
    for (int id : calibrationControls()) EXPECT_TRUE(c.isVisible(id)) << id;
    for (int id : dataControls()) EXPECT_FALSE(c.isVisible(id)) << id;
    PROCESS_UDM_HDLG(1, c);
    EXPECT_FALSE(c.isVisible(ctl::GridGroup));
    EXPECT_TRUE(c.isVisible(ctl::PointsGroup));
}

TEST(PanelCommands, AddPointOnTheLastPointGoesBeforeIt) {
    AppState s = withPoints({3});
    s.doc.PixX(1, 2) = 80;
    s.doc.PixX(1, 3) = 100;
    s.work.CurPoint = 3;
    ASSERT_TRUE(addPoint(s));
    EXPECT_EQ(s.doc.NPoints(1), 4);
    EXPECT_EQ(s.doc.PixX(1, 3), 90.0f); // midway between points 2 and 3
    EXPECT_EQ(s.doc.PixX(1, 4), 100.0f);
    EXPECT_EQ(s.work.CurPoint, 4); // still the old last point

    s.work.CurPoint = 1; // in the middle: after the current one, which stays current
    ASSERT_TRUE(addPoint(s));
    EXPECT_EQ(s.doc.PixX(1, 2), (65.0f + 80.0f) / 2);
    EXPECT_EQ(s.work.CurPoint, 1);
    // Chart values follow the moved points at once.
    AppState one = withPoints({1});
    EXPECT_FALSE(addPoint(one));
}

TEST(PanelCommands, SortKeepsEqualColumnsInOrderAndLeavesTwoPointsAlone) {
    AppState s = withPoints({4});
    const float xs[4] = {30, 10, 30, 10}, ys[4] = {1, 2, 3, 4};
    for (int k = 1; k <= 4; ++k) {
        s.doc.PixX(1, k) = xs[k - 1];
        s.doc.PixY(1, k) = ys[k - 1];
    }
    ASSERT_TRUE(sortPoints(s));
    const float sortedY[4] = {2, 4, 3, 1}; // selection sort: stable only for the first minimum
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(s.doc.PixY(1, k), sortedY[k - 1]) << k;
    EXPECT_NEAR(s.doc.ArgX(1, 1), (10.0 - 50.0) / 550.0, 1e-6); // chart values refreshed

    AppState two = withPoints({2});
    two.doc.PixX(1, 1) = 90;
    EXPECT_FALSE(sortPoints(two));
    EXPECT_EQ(two.doc.PixX(1, 1), 90.0f);
}

TEST(PanelCommands, DeletingLines) {
    AppState only = withPoints({3});
    only.doc.LineParam(1) = 7.0f;
    deleteLine(only);
    EXPECT_EQ(only.doc.NLines, 1);
    EXPECT_EQ(only.doc.NPoints(1), 0);
    EXPECT_EQ(only.doc.LineParam(1), 0.0f); // emptied: 0, where a reset gives 1
    EXPECT_EQ(only.work.SavedLine, 1);

    AppState s = withPoints({3, 4, 5, 6});
    for (int j = 1; j <= 4; ++j) s.doc.LineParam(j) = 10.0f * float(j);
    s.work.CurLine = 2;
    s.work.CaptureMode = 1;
    deleteLine(s);
    EXPECT_EQ(s.doc.NLines, 3);
    EXPECT_EQ(s.work.CurLine, 3); // the last line, not the neighbour
    EXPECT_EQ(s.doc.NPoints(2), 5);
    EXPECT_EQ(s.doc.LineParam(2), 30.0f);
    EXPECT_EQ(s.work.CaptureMode, 0);
    EXPECT_FALSE(s.toolbar.latched);
}

TEST(PanelCommands, DeletePointKeepsTwoAndMovesTheCurrentOne) {
    AppState s = withPoints({3});
    s.work.CurPoint = 3;
    ASSERT_TRUE(deletePoint(s));
    EXPECT_EQ(s.doc.NPoints(1), 2);
    EXPECT_EQ(s.work.CurPoint, 2);
    EXPECT_FALSE(deletePoint(s));
}

TEST(PanelCommands, LinesAndNavigation) {
    AppState s = withPoints({3});
    ASSERT_TRUE(addLine(s));
    EXPECT_EQ(s.doc.NLines, 2);
    EXPECT_EQ(s.work.CurLine, 2);
    EXPECT_EQ(s.doc.LineParam(2), 1.0f);
    EXPECT_EQ(s.work.CaptureMode, 1); // capture starts on the new line
    EXPECT_TRUE(s.toolbar.latched);
    EXPECT_FALSE(addLine(s)); // not while the new line is empty
    ASSERT_TRUE(previousLine(s));
    EXPECT_EQ(s.work.CurLine, 1);
    EXPECT_FALSE(previousLine(s));
    s.work.CurPoint = 3;
    ASSERT_TRUE(nextLine(s));
    EXPECT_EQ(s.work.CurPoint, 1); // the empty line has no point 3
}

// Each of these once went in and was saved as a number the project file
// cannot read back: too large for a float, or a point whose stored position
// overflows or lies beyond where the inversion can find it again.
TEST(PanelCommands, TypedValuesTheProjectCannotHoldAreRefusedWithAMessage) {
    enum class Edit { X, Y, Parameter };
    struct Case {
        Edit edit;
        const char* text;
        int message;
    };
    const Case cases[] = {
        {Edit::X, "1e999", msg::NumberTooLarge},
        {Edit::Y, "-1e999", msg::NumberTooLarge},
        {Edit::X, "3.4e38", msg::PointNotPlaceable},
        {Edit::Y, "3.4e38", msg::PointNotPlaceable},
        {Edit::X, "1e30", msg::PointNotPlaceable},
        {Edit::X, "-15", msg::PointNotPlaceable},
        {Edit::Parameter, "1e999", msg::NumberTooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AppState s = withPoints({3});
        s.work.CurPoint = 2;
        const AppState before = s;
        const TypedEdit typed = c.edit == Edit::X   ? typePointX(s, c.text)
                                : c.edit == Edit::Y ? typePointY(s, c.text)
                                                    : typeBundleParameter(s, c.text);
        EXPECT_FALSE(typed);
        EXPECT_EQ(s.doc, before.doc);
        ASSERT_TRUE(typed.refusal);
        EXPECT_EQ(typed.refusal->number, c.message);
        if (c.message == msg::NumberTooLarge) {
            EXPECT_EQ(typed.refusal->args[0], c.text);
        }
    }
    // Far outside the chart, but still where the inversion finds it.
    AppState s = withPoints({3});
    EXPECT_TRUE(typePointX(s, "-9"));
    EXPECT_TRUE(typePointY(s, "9.5"));
}

TEST(PanelCommands, TypedValuesStoreOnlyWhatReads) {
    AppState s = withPoints({2});
    s.work.CurPoint = 2;
    EXPECT_TRUE(typePointX(s, "7,5"));
    EXPECT_EQ(s.doc.ArgX(1, 2), 7.0f);
    EXPECT_NEAR(s.doc.PixX(1, 2), 50.0f + 7.0f * 550.0f, 1e-2); // the point moved on the picture
    EXPECT_FALSE(typePointX(s, ""));
    EXPECT_FALSE(typePointX(s, "abc"));
    EXPECT_EQ(s.doc.ArgX(1, 2), 7.0f);
    EXPECT_TRUE(typeBundleParameter(s, " 2.5D1"));
    EXPECT_EQ(s.doc.LineParam(1), 25.0f);
    EXPECT_TRUE(typeGridCount(s, true, "250"));
    EXPECT_EQ(s.work.XGrid, 100);
    EXPECT_TRUE(typeGridCount(s, false, "0"));
    EXPECT_EQ(s.work.YGrid, 0); // values below 1 are kept as typed
    EXPECT_FALSE(typeGridCount(s, false, "3.5"));
}

} // namespace
} // namespace vex
