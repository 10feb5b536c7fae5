#include "core/coords/chart_values.h"
#include "core/coords/search_box.h"
#include "core/ui/command_ids.h"
#include "core/ui/panel_commands.h"
#include "core/ui/panel_rules.h"
#include "core/view/mouse_modes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace vex {
namespace {

// The reset calibration maps the stored rectangle (50, 10)..(600, 500) onto
// X 0..1 and Y 1..0, so chart values of stored positions are known by hand.
double chartX(double pixX) {
    return (pixX - 50.0) / 550.0;
}
double chartY(double pixY) {
    return (500.0 - pixY) / 490.0;
}
constexpr double kChartTol = 1e-5;

struct ScreenPoint {
    int x, y;
};

// A picture loaded at the fitted view with room to scroll, points placed by
// hand and the hit boxes a paint would have left for them.
struct Canvas {
    AppState s;

    Canvas() {
        s.work.PerspectiveDistance = DEFINECOORDLIMITED(s.doc);
        s.work.ImageLoaded = -1;
        s.view.ScrollMinX = -200;
        s.view.ScrollMaxX = 300;
        s.view.ScrollMinY = -100;
        s.view.ScrollMaxY = 150;
    }

    // n points 20 stored pixels apart from x0 on row y, chart values up to date.
    void addLine(int line, int n, float x0, float y) {
        s.doc.NPoints(line) = n;
        for (int k = 1; k <= n; ++k) {
            s.doc.PixX(line, k) = x0 + 20.0f * static_cast<float>(k - 1);
            s.doc.PixY(line, k) = y;
        }
        s.doc.NLines = std::max(s.doc.NLines, line);
        recomputeAllChartValues(s.doc, s.work.PerspectiveDistance);
    }

    ScreenPoint screen(float x, float y) const {
        return {static_cast<int>(s.view.ViewScale * x - static_cast<float>(s.view.ScrollX)),
                static_cast<int>(s.view.ViewScale * y - static_cast<float>(s.view.ScrollY))};
    }
    ScreenPoint pointOnScreen(int line, int k) const {
        return screen(s.doc.PixX(line, k), s.doc.PixY(line, k));
    }
    ScreenPoint markerOnScreen(int k) const {
        return screen(s.doc.MarkerPixX(k), s.doc.MarkerPixY(k));
    }

    // What the overlay records: a box of half-size 3 about each point and marker.
    void paint() {
        for (int line = 1; line <= s.doc.NLines; ++line)
            for (int k = 1; k <= s.doc.NPoints(line); ++k) {
                const ScreenPoint p = pointOnScreen(line, k);
                s.overlay.PointHitBox(line, k) = {p.x - 3, p.y + 3, p.x + 3, p.y - 3};
            }
        for (int k = 1; k <= 4; ++k) {
            const ScreenPoint p = markerOnScreen(k);
            s.overlay.MarkerHitBox(k) = {p.x - 3, p.y + 3, p.x + 3, p.y - 3};
        }
    }

    void select(std::initializer_list<int> points) {
        s.mouse.SelectionCount = static_cast<int>(points.size());
        int j = 0;
        for (int p : points) s.mouse.Selection(++j) = p;
    }
    std::vector<int> selection() const {
        std::vector<int> out;
        for (int j = 1; j <= s.mouse.SelectionCount; ++j) out.push_back(s.mouse.Selection(j));
        return out;
    }

    MouseEffects press(ScreenPoint p, Modifiers keys = {}) {
        return leftButtonDown(s, p.x, p.y, keys);
    }
    MouseEffects move(ScreenPoint p, Modifiers keys = {}) { return mouseMove(s, p.x, p.y, keys); }
    // A CONTROL click on a point of line 1.
    MouseEffects toggle(int point) {
        const ScreenPoint at = pointOnScreen(1, point);
        const MouseEffects e = leftButtonDown(s, at.x, at.y, {false, true});
        leftButtonUp(s);
        return e;
    }
};

constexpr Modifiers kShift{true, false};
constexpr Modifiers kControl{false, true};

ScreenPoint offset(ScreenPoint p, int dx, int dy) {
    return {p.x + dx, p.y + dy};
}

TEST(MouseModesSelection, ShiftClickSelectsFromTheCurrentPointTowardTheOneClicked) {
    Canvas c;
    c.addLine(1, 10, 100, 200);
    c.s.work.CurPoint = 3;
    c.paint();

    c.press(c.pointOnScreen(1, 7), kShift);
    EXPECT_EQ(c.selection(), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(c.s.work.CurPoint, 3);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    EXPECT_TRUE(c.s.mouse.Panning); // a press that only selects drags the view
    leftButtonUp(c.s);

    c.press(c.pointOnScreen(1, 1), kShift); // backwards, in stepping order
    EXPECT_EQ(c.selection(), (std::vector<int>{3, 2, 1}));
    leftButtonUp(c.s);

    c.press(offset(c.pointOnScreen(1, 5), 0, 30), kShift); // no point there
    EXPECT_EQ(c.selection(), (std::vector<int>{3, 2, 1}));
    leftButtonUp(c.s);

    // On the current point: a multiple selection collapses to it, a single one drags it.
    c.press(c.pointOnScreen(1, 3), kShift);
    EXPECT_EQ(c.selection(), (std::vector<int>{3}));
    EXPECT_FALSE(c.s.mouse.PointDragging);
    leftButtonUp(c.s);
    c.press(c.pointOnScreen(1, 3), kShift);
    EXPECT_TRUE(c.s.mouse.PointDragging);
    EXPECT_FALSE(c.s.mouse.Panning);
}

// Delete and the X = / Y = edits act on the current point, so a point taken
// out of the selection does not stay current.
TEST(MouseModesSelection, ControlClickTogglesPointsAndTheCurrentPointStaysSelected) {
    Canvas c;
    c.addLine(1, 8, 100, 200);
    c.s.work.CurPoint = 2;
    c.select({2});
    c.paint();

    c.toggle(5);
    c.toggle(7);
    EXPECT_EQ(c.selection(), (std::vector<int>{2, 5, 7}));
    EXPECT_EQ(c.s.work.CurPoint, 7);

    EXPECT_TRUE(c.toggle(5).showPoint);                 // out of a three-point selection
    EXPECT_EQ(c.selection(), (std::vector<int>{2, 7})); // the order of the others kept
    EXPECT_EQ(c.s.work.CurPoint, 7);

    c.toggle(7); // the last but one: the entry left becomes the current point
    EXPECT_EQ(c.selection(), (std::vector<int>{2}));
    EXPECT_EQ(c.s.work.CurPoint, 2);

    c.toggle(4);
    c.toggle(6);
    c.toggle(2); // not the newest: the newest stays current
    EXPECT_EQ(c.selection(), (std::vector<int>{4, 6}));
    EXPECT_EQ(c.s.work.CurPoint, 6);
    const float sixthX = c.s.doc.PixX(1, 6);
    ASSERT_TRUE(deletePoint(c.s));
    for (int k = 1; k <= c.s.doc.NPoints(1); ++k) EXPECT_NE(c.s.doc.PixX(1, k), sixthX) << k;

    // CONTROL on the only selected point drags it.
    c.paint();
    c.press(c.pointOnScreen(1, c.s.work.CurPoint), kControl);
    EXPECT_TRUE(c.s.mouse.PointDragging);
}

TEST(MouseModesPress, PlainPressOnTheCurrentPointDragsItUntilReleaseOrLeave) {
    Canvas c;
    c.addLine(1, 5, 100, 200);
    c.s.work.CurPoint = 2;
    c.paint();
    const ScreenPoint at = c.pointOnScreen(1, 2);

    const MouseEffects down = c.press(at);
    EXPECT_TRUE(c.s.mouse.PointDragging);
    EXPECT_FALSE(c.s.mouse.Panning);
    EXPECT_EQ(down.cursor, CursorShape::SizeAll);

    const MouseEffects moved = c.move(offset(at, 30, -49));
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 2), 150.0f);
    EXPECT_FLOAT_EQ(c.s.doc.PixY(1, 2), 151.0f);
    EXPECT_NEAR(c.s.doc.ArgX(1, 2), chartX(150), kChartTol);
    EXPECT_NEAR(c.s.doc.ValY(1, 2), chartY(151), kChartTol);
    EXPECT_TRUE(moved.showPoint);
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 3), 140.0f); // the neighbours stay
    EXPECT_EQ(c.s.view.ScrollX, 0);

    EXPECT_EQ(leftButtonUp(c.s).cursor, CursorShape::Arrow);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    c.move(offset(at, 80, 0));
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 2), 150.0f);

    // Leaving the window ends the drag at the last position, with its chart values.
    c.paint();
    const ScreenPoint again = c.pointOnScreen(1, 2);
    c.press(again);
    ASSERT_TRUE(c.s.mouse.PointDragging);
    c.move(offset(again, 10, 20));
    mouseLeave(c.s);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    c.move(offset(again, 60, 60));
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 2), 160.0f);
    EXPECT_FLOAT_EQ(c.s.doc.PixY(1, 2), 171.0f);
    EXPECT_NEAR(c.s.doc.ArgX(1, 2), chartX(160), kChartTol);
    EXPECT_NEAR(c.s.doc.ValY(1, 2), chartY(171), kChartTol);
}

TEST(MouseModesPress, PressOnAnotherPointSelectsItAndMovingPansTheView) {
    Canvas c;
    c.addLine(1, 5, 100, 200);
    c.addLine(2, 5, 100, 300);
    c.s.work.CurPoint = 2;
    c.paint();
    const ScreenPoint at = c.pointOnScreen(2, 4);

    const MouseEffects down = c.press(at);
    EXPECT_EQ(c.s.work.CurLine, 2);
    EXPECT_EQ(c.s.work.CurPoint, 4);
    EXPECT_EQ(c.selection(), (std::vector<int>{4}));
    EXPECT_EQ(c.s.work.SavedLine, 1);
    EXPECT_EQ(c.s.work.SavedPoint, 2);
    EXPECT_TRUE(down.showPoint);
    EXPECT_TRUE(down.showBundleParameter);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    ASSERT_TRUE(c.s.mouse.Panning);

    const MouseEffects moved = c.move(offset(at, 25, -15));
    EXPECT_EQ(c.s.view.ScrollX, -25); // the picture follows the pointer
    EXPECT_EQ(c.s.view.ScrollY, 15);
    EXPECT_TRUE(moved.scrolled);
    EXPECT_FLOAT_EQ(c.s.doc.PixX(2, 4), 160.0f);
    leftButtonUp(c.s);

    // Where points of two lines lie on each other, the later line wins.
    c.s.view.ScrollX = c.s.view.ScrollY = 0;
    c.s.doc.PixY(2, 1) = c.s.doc.PixY(1, 3);
    c.s.doc.PixX(2, 1) = c.s.doc.PixX(1, 3);
    c.s.work.CurLine = 1;
    c.paint();
    c.press(c.pointOnScreen(1, 3));
    EXPECT_EQ(c.s.work.CurLine, 2);
    EXPECT_EQ(c.s.work.CurPoint, 1);
}

TEST(MouseModesPanning, EmptyCanvasPansWithinTheScrollRangeWithoutLocks) {
    Canvas c;
    c.addLine(1, 3, 100, 200);
    c.paint();
    c.press({400, 400});
    ASSERT_TRUE(c.s.mouse.Panning);
    c.move({380, 390}, kControl); // no modifier locks while panning
    EXPECT_EQ(c.s.view.ScrollX, 20);
    EXPECT_EQ(c.s.view.ScrollY, 10);
    c.move({1000, -1000});
    EXPECT_EQ(c.s.view.ScrollX, c.s.view.ScrollMinX);
    EXPECT_EQ(c.s.view.ScrollY, c.s.view.ScrollMaxY);
    // Held at the end of the range, further moves cost no repaint.
    const MouseEffects further = c.move({1100, -1100});
    EXPECT_FALSE(further.repaint || further.scrolled);
    c.move({-1000, 1000});
    EXPECT_EQ(c.s.view.ScrollX, c.s.view.ScrollMaxX);
    EXPECT_EQ(c.s.view.ScrollY, c.s.view.ScrollMinY);
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 1), 100.0f);

    leftButtonUp(c.s);
    EXPECT_FALSE(c.s.mouse.Panning);
    const ViewState after = c.s.view;
    c.move({0, 0});
    EXPECT_EQ(c.s.view, after);
}

TEST(MouseModesMarkers, ControlKeepsTheXAndShiftTheYOfADraggedMarker) {
    Canvas c;
    c.s.work.ScaleMode = -1;
    c.paint();
    const Calibration start = c.s.doc;
    const float searchDistance = c.s.work.PerspectiveDistance;
    const ScreenPoint at = c.markerOnScreen(2);

    const MouseEffects hover = c.move(offset(at, 1, -1));
    EXPECT_EQ(c.s.mouse.HoveredMarker, 2);
    EXPECT_TRUE(hover.startPromptTimer);

    const MouseEffects down = c.press(at);
    ASSERT_TRUE(c.s.mouse.MarkerDragging);
    EXPECT_EQ(c.s.mouse.DraggedMarker, 2);
    EXPECT_TRUE(down.removePrompt);
    EXPECT_FALSE(c.s.mouse.Panning);

    c.move(offset(at, 40, 35), kControl);
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixX(2), start.MarkerPixX(2));
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixY(2), start.MarkerPixY(2) + 35);
    c.move(offset(at, 40, 35), kShift);
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixX(2), start.MarkerPixX(2) + 40);
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixY(2), start.MarkerPixY(2));
    c.move(offset(at, -20, 15));
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixX(2), start.MarkerPixX(2) - 20);
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixY(2), start.MarkerPixY(2) + 15);
    for (int k : {1, 3, 4}) EXPECT_EQ(c.s.doc.MarkerPixX(k), start.MarkerPixX(k)) << k;

    // Leaving the window drops the marker where it was last moved to.
    mouseLeave(c.s);
    EXPECT_FALSE(c.s.mouse.MarkerDragging);
    c.move(offset(at, 100, 100));
    EXPECT_FLOAT_EQ(c.s.doc.MarkerPixX(2), start.MarkerPixX(2) - 20);
    // Only closing the range dialog chooses the search box again.
    EXPECT_EQ(c.s.work.PerspectiveDistance, searchDistance);
}

TEST(MouseModesGroupMove, MovesTheSelectionByThePointerOffsetOverViewScale) {
    Canvas c;
    c.s.view.ViewScale = 2.0f;
    c.s.view.ScrollX = 40;
    c.s.view.ScrollY = 30;
    c.addLine(1, 6, 100, 200);
    c.s.work.CurPoint = 3;
    c.select({3, 4, 5});
    c.paint();
    const Dep2D before = c.s.doc;
    const ScreenPoint at = c.pointOnScreen(1, 4);

    c.press(at);
    ASSERT_EQ(c.s.mouse.GroupMoving, 1);
    EXPECT_EQ(c.s.mouse.GroupAnchor, 4);
    EXPECT_FALSE(c.s.mouse.Panning);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    EXPECT_EQ(c.selection(), (std::vector<int>{3, 4, 5}));

    c.move(offset(at, 30, -20));
    for (int k = 1; k <= 6; ++k) {
        const bool moved = k >= 3 && k <= 5;
        EXPECT_FLOAT_EQ(c.s.doc.PixX(1, k), before.PixX(1, k) + (moved ? 15.0f : 0.0f)) << k;
        EXPECT_FLOAT_EQ(c.s.doc.PixY(1, k), before.PixY(1, k) - (moved ? 10.0f : 0.0f)) << k;
        // Chart values wait for the release.
        EXPECT_EQ(c.s.doc.ArgX(1, k), before.ArgX(1, k)) << k;
    }
    c.move(offset(at, 50, -20), kControl); // CONTROL: vertical only
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 4), before.PixX(1, 4));
    c.move(offset(at, 30, -20));

    leftButtonUp(c.s);
    EXPECT_EQ(c.s.mouse.GroupMoving, 0);
    for (int k = 3; k <= 5; ++k) {
        EXPECT_NEAR(c.s.doc.ArgX(1, k), chartX(before.PixX(1, k) + 15.0), kChartTol) << k;
        EXPECT_NEAR(c.s.doc.ValY(1, k), chartY(before.PixY(1, k) - 10.0), kChartTol) << k;
    }
    EXPECT_EQ(c.s.doc.ArgX(1, 6), before.ArgX(1, 6));
}

TEST(MouseModesSplinePoint, MiddleClickInsertsTheCurvePointInColumnOrder) {
    Canvas c;
    c.addLine(1, 5, 100, 0);
    for (int k = 1; k <= 5; ++k) c.s.doc.PixY(1, k) = 100.0f + 0.5f * c.s.doc.PixX(1, k);
    c.s.work.CurPoint = 3;
    c.s.work.SplineShown = 1;
    c.s.work.SplinePointMode = 1;
    auto columns = [&] {
        std::vector<float> xs;
        for (int k = 1; k <= c.s.doc.NPoints(1); ++k) xs.push_back(c.s.doc.PixX(1, k));
        return xs;
    };
    auto middle = [&](int x) {
        c.move({x, 500});
        middleButtonDown(c.s, x, 500);
    };

    middle(130); // between points 2 and 3, on the straight line through them
    EXPECT_EQ(columns(), (std::vector<float>{100, 120, 130, 140, 160, 180}));
    EXPECT_NEAR(c.s.doc.PixY(1, 3), 165.0, 1e-3);
    EXPECT_EQ(c.s.work.CurPoint, 1);

    middle(60); // left of all points: the new first point
    EXPECT_EQ(columns(), (std::vector<float>{60, 100, 120, 130, 140, 160, 180}));
    middle(250); // right of all: the new last point
    EXPECT_EQ(columns(), (std::vector<float>{60, 100, 120, 130, 140, 160, 180, 250}));
    middle(120); // on a point's column: nothing
    EXPECT_EQ(c.s.doc.NPoints(1), 8);

    c.s.work.SplinePointMode = 0;
    middle(150);
    EXPECT_EQ(c.s.doc.NPoints(1), 8);
}

TEST(MouseModesRightButton, PansInCaptureModeAndAsksForTheMenuOnlyWithoutAMode) {
    Canvas c;
    c.s.work.CaptureMode = 1;
    MouseEffects down = rightButtonDown(c.s, 300, 300);
    EXPECT_TRUE(c.s.mouse.Panning);
    EXPECT_FALSE(down.openContextMenu);
    c.move({290, 320});
    EXPECT_EQ(c.s.view.ScrollX, 10);
    EXPECT_EQ(c.s.view.ScrollY, -20);
    EXPECT_EQ(c.s.doc.NPoints(1), 0); // the right button captures nothing
    rightButtonUp(c.s);
    EXPECT_FALSE(c.s.mouse.Panning);

    c.s.work.ImageLoaded = 0; // nothing to pan
    EXPECT_FALSE(rightButtonDown(c.s, 300, 300).openContextMenu);
    EXPECT_FALSE(c.s.mouse.Panning);

    c.s.work.ImageLoaded = -1;
    c.s.work.CaptureMode = 0;
    c.s.work.ScaleMode = -1;
    down = rightButtonDown(c.s, 300, 300);
    EXPECT_FALSE(down.openContextMenu);
    EXPECT_FALSE(c.s.mouse.Panning);

    c.s.work.ScaleMode = 0;
    down = rightButtonDown(c.s, 300, 300);
    EXPECT_TRUE(down.openContextMenu);
    EXPECT_FALSE(c.s.mouse.Panning);
}

TEST(MouseModesCapture, ClickAppendsThePointerPositionWithItsChartValues) {
    Canvas c;
    c.addLine(1, 2, 100, 200);
    c.s.work.CaptureMode = 1;
    c.s.view.ViewScale = 2.0f;
    c.s.view.ScrollX = 30;
    c.s.view.ScrollY = -10;
    c.paint();

    // Right on point 1 as drawn: capture does not select, it appends.
    const ScreenPoint onFirst = c.pointOnScreen(1, 1);
    c.press(onFirst);
    leftButtonUp(c.s);
    EXPECT_EQ(c.s.doc.NPoints(1), 3);

    const MouseEffects e = c.press({130, 210});
    EXPECT_EQ(c.s.doc.NPoints(1), 4);
    EXPECT_EQ(c.s.work.CurPoint, 4);
    EXPECT_EQ(c.s.work.SavedPoint, 3);
    EXPECT_EQ(c.selection(), (std::vector<int>{4}));
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 4), (130 + 30) / 2.0f);
    EXPECT_FLOAT_EQ(c.s.doc.PixY(1, 4), (210 - 10) / 2.0f);
    EXPECT_NEAR(c.s.doc.ArgX(1, 4), chartX(80), kChartTol);
    EXPECT_NEAR(c.s.doc.ValY(1, 4), chartY(100), kChartTol);
    // The capture crosshair is drawn through where the point was found.
    const Document& d = c.s.doc;
    EXPECT_NEAR(c.s.mouse.LastSolvedA, (d.ArgX(1, 4) - d.Xmin) / (d.Xmax - d.Xmin), 1e-5);
    EXPECT_NEAR(c.s.mouse.LastSolvedB, (d.Ymax - d.ValY(1, 4)) / (d.Ymax - d.Ymin), 1e-5);
    EXPECT_TRUE(e.showPoint);
    EXPECT_TRUE(e.refreshPanel);
    for (int id : {ctl::DeleteLine, ctl::XEdit, ctl::YEdit})
        EXPECT_NE(std::find(e.enablePanel.begin(), e.enablePanel.end(), id), e.enablePanel.end())
            << id;
    EXPECT_FALSE(c.s.mouse.Panning);
    EXPECT_FALSE(c.s.mouse.PointDragging);
}

TEST(MouseModesCapture, TheTwoHundredthPointEndsCapture) {
    Canvas c;
    c.s.doc.NPoints(1) = PointsMax - 1;
    for (int k = 1; k < PointsMax; ++k) {
        c.s.doc.PixX(1, k) = 60.0f + static_cast<float>(k);
        c.s.doc.PixY(1, k) = 300.0f;
    }
    c.s.work.CaptureMode = 1;
    latchCaptureButton(c.s.toolbar);

    const MouseEffects first = c.press({400, 100});
    leftButtonUp(c.s);
    EXPECT_EQ(c.s.doc.NPoints(1), PointsMax);
    EXPECT_FALSE(c.s.toolbar.latched);
    EXPECT_FALSE(c.s.toolbar.buttons(CaptureSlot).enabled);
    EXPECT_EQ(c.s.toolbar.buttons(CaptureSlot).state, 0);
    EXPECT_TRUE(c.s.toolbar.buttons(ScaleSlot).enabled);
    EXPECT_TRUE(first.repaintToolbar);
    EXPECT_TRUE(first.refreshPanel);

    // The panel refresh that follows switches the mode off.
    PanelControls controls;
    DIALOGPARTNERSHIP(c.s, controls);
    EXPECT_EQ(c.s.work.CaptureMode, 0);
    EXPECT_FALSE(controls.isChecked(ctl::CaptureMode));
    EXPECT_FALSE(controls.isEnabled(ctl::CaptureMode));

    // A capture click on a full line adds nothing.
    c.s.work.CaptureMode = 1;
    c.press({420, 120});
    EXPECT_EQ(c.s.doc.NPoints(1), PointsMax);
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, PointsMax), 400.0f);
}

TEST(MouseModesDoubleClick, OnAPointOfAMultipleSelectionSelectsThatPoint) {
    Canvas c;
    c.addLine(1, 6, 100, 200);
    c.addLine(2, 6, 100, 300);
    auto threeSelected = [&] {
        c.s.work.CurLine = 1;
        c.s.work.CurPoint = 2;
        c.s.work.SavedLine = 1;
        c.select({2, 3, 4});
        c.paint();
    };

    threeSelected();
    const ScreenPoint p = c.pointOnScreen(2, 5);
    const MouseEffects e = leftDoubleClick(c.s, p.x, p.y);
    EXPECT_EQ(c.s.work.CurLine, 2);
    EXPECT_EQ(c.s.work.CurPoint, 5);
    EXPECT_EQ(c.selection(), (std::vector<int>{5}));
    EXPECT_TRUE(e.showPoint);
    EXPECT_TRUE(e.showBundleParameter);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    leftButtonUp(c.s);

    threeSelected();
    const ScreenPoint q = c.pointOnScreen(1, 3);
    leftDoubleClick(c.s, q.x, q.y);
    EXPECT_EQ(c.s.work.CurLine, 1);
    EXPECT_EQ(c.s.work.CurPoint, 3);
    EXPECT_EQ(c.selection(), (std::vector<int>{3}));
    leftButtonUp(c.s);

    // With point 1 current, a double click beside every point must not drag it.
    threeSelected();
    c.s.work.CurPoint = 1;
    c.select({1, 2});
    leftDoubleClick(c.s, 700, 450);
    EXPECT_FALSE(c.s.mouse.PointDragging);
    c.move({720, 470});
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 1), 100.0f);
    leftButtonUp(c.s);

    // With a single selection a double click changes nothing.
    c.s.work.CurLine = 1;
    c.s.work.CurPoint = 4;
    c.select({4});
    c.paint();
    const Dep2D before = c.s.doc;
    const ScreenPoint r = c.pointOnScreen(2, 2);
    leftDoubleClick(c.s, r.x, r.y);
    EXPECT_EQ(c.s.doc, before);
    EXPECT_EQ(c.selection(), (std::vector<int>{4}));
}

} // namespace
} // namespace vex

namespace vex {
namespace {

TEST(MouseModesDoubleClick, QuickClicksWhileCapturingAreBothCapturedUnlessInOnePlace) {
    Canvas c;
    c.s.work.CaptureMode = 1;
    leftButtonDown(c.s, 100, 120, {});
    leftButtonUp(c.s);
    leftDoubleClick(c.s, 103, 121); // the second click of a quick pair
    leftButtonUp(c.s);
    ASSERT_EQ(c.s.doc.NPoints(1), 2);
    EXPECT_FLOAT_EQ(c.s.doc.PixX(1, 2), 103.0f);

    // Both clicks on one pixel: the curve gets no zero-length step.
    leftButtonDown(c.s, 140, 90, {});
    leftButtonUp(c.s);
    leftDoubleClick(c.s, 140, 90);
    EXPECT_TRUE(c.s.mouse.LeftButtonDown); // the crosshair shows while it is held
    leftButtonUp(c.s);
    EXPECT_EQ(c.s.doc.NPoints(1), 3);
}

} // namespace
} // namespace vex
