#include "core/state/clear_param.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(ClearParam, ResetsDataModesCalibrationAndView) {
    AppState s;
    Dep2D& d = s.doc;
    WorkState& w = s.work;
    d.NLines = 7;
    d.NPoints(1) = 5;
    d.NPoints(40) = 3;
    d.LineParam(1) = 9.0f;
    d.LineParam(2) = 4.0f;
    d.PixX(3, 200) = 12.0f;
    d.ArgX(1, 1) = 2.0f;
    w.CaptureMode = 1;
    w.ScaleMode = -1;
    w.SplineShown = 1;
    w.SplinePointMode = 1;
    w.ImageLoaded = -1;
    w.SplineNumPoints = 17;
    w.ProjectModified = 1;
    w.ProjectNamed = 0;
    w.XGrid = 9;
    s.view.Zoom = 3.0f;
    s.view.ViewScale = 4.0f;
    s.view.ScrollX = -20;
    s.view.ScrollY = 30;
    s.view.ScrollMinX = -40; // the ranges of a zoomed picture
    s.view.ScrollMaxX = 2400;
    s.view.ScrollMaxY = 1800;
    s.doc.Xmin = -5.0f;
    s.doc.MarkerPixX(2) = 1.0f;
    s.work.PerspectiveDistance = 123.0f;
    s.mouse.SelectionCount = 4;
    s.mouse.Selection(1) = 3;

    CLEARPARAM(s);

    EXPECT_EQ(d.NLines, 1);
    EXPECT_EQ(d.NPoints(1), 0);
    EXPECT_EQ(d.NPoints(40), 0);
    EXPECT_EQ(d.LineParam(1), 1.0f); // a new project's line carries 1, not 0
    EXPECT_EQ(d.LineParam(2), 0.0f);
    EXPECT_EQ(d.PixX(3, 200), 0.0f);
    EXPECT_EQ(d.ArgX(1, 1), 0.0f);
    EXPECT_EQ(w.CaptureMode, 0);
    EXPECT_EQ(w.ScaleMode, 0);
    EXPECT_EQ(w.SplineShown, 0);
    EXPECT_EQ(w.SplinePointMode, 0);
    EXPECT_EQ(w.ImageLoaded, 0);
    EXPECT_EQ(w.SplineNumPoints, 0);
    EXPECT_EQ(s.view.Zoom, 1.0f);
    EXPECT_EQ(s.view.ViewScale, 1.0f);
    EXPECT_EQ(s.view.ScrollX, 0);
    EXPECT_EQ(s.view.ScrollY, 0);
    // Without a picture there is nothing to scroll to.
    EXPECT_EQ(s.view.ScrollMinX, 0);
    EXPECT_EQ(s.view.ScrollMaxX, 0);
    EXPECT_EQ(s.view.ScrollMaxY, 0);
    EXPECT_EQ(s.mouse.SelectionCount, 1);
    EXPECT_EQ(s.mouse.Selection(1), 1);

    // Calibration back to its reset values; the search box distance is kept.
    EXPECT_EQ(s.doc.Xmin, 0.0f);
    EXPECT_EQ(s.doc.Xmax, 1.0f);
    EXPECT_EQ(s.doc.Ymin, 0.0f);
    EXPECT_EQ(s.doc.Ymax, 1.0f);
    const float xs[4] = {50, 600, 600, 50};
    const float ys[4] = {10, 10, 500, 500};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(s.doc.MarkerPixX(k), xs[k - 1]);
        EXPECT_EQ(s.doc.MarkerPixY(k), ys[k - 1]);
    }
    EXPECT_EQ(s.work.PerspectiveDistance, 123.0f);

    // Not part of the reset: project flags and grid belong to other commands.
    EXPECT_EQ(w.ProjectModified, 1);
    EXPECT_EQ(w.ProjectNamed, 0);
    EXPECT_EQ(w.XGrid, 9);
}

TEST(ClearParam, StorageHasFortyLineSlotsButTheLimitIsTwenty) {
    EXPECT_EQ(LineSlots, 40);
    EXPECT_EQ(PointSlots, 200);
    EXPECT_EQ(LinesMax, 20);
    EXPECT_EQ(PointsMax, 200);
    Dep2D d;
    d.PixY(40, 200) = 1.5f; // the last slot exists
    EXPECT_EQ(d.PixY(40, 200), 1.5f);
    EXPECT_DEATH(d.PixY(41, 1) = 0.0f, "index 41 outside");
    EXPECT_DEATH(d.NPoints(0) = 0, "index 0 outside");
}

} // namespace
} // namespace vex
