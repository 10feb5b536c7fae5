#include "core/messages/catalogue.h"
#include "core/ui/points_on_spline.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace vex {
namespace {

using Points = std::vector<std::pair<float, float>>;

// A state whose line 2 (the current one) holds the given image positions, with
// chart values and a neighbouring line that resampling must not touch.
AppState stateWithLine(const Points& pts) {
    AppState s;
    s.doc.NLines = 3;
    s.work.CurLine = 2;
    s.work.CurPoint = 3;
    for (int line : {1, 3}) {
        s.doc.NPoints(line) = 2;
        s.doc.PixX(line, 1) = 7.0f;
        s.doc.PixX(line, 2) = 9.0f;
    }
    s.doc.NPoints(2) = static_cast<std::int32_t>(pts.size());
    for (int k = 1; k <= static_cast<int>(pts.size()); ++k) {
        s.doc.PixX(2, k) = pts[static_cast<std::size_t>(k - 1)].first;
        s.doc.PixY(2, k) = pts[static_cast<std::size_t>(k - 1)].second;
        s.doc.ArgX(2, k) = 0.5f * static_cast<float>(k);
        s.doc.ValY(2, k) = -1.0f * static_cast<float>(k);
    }
    return s;
}

double parabola(double x) {
    return 0.02 * (x - 60.0) * (x - 60.0) + 40.0;
}

TEST(ResampleCount, AcceptsTwoToPointsMaxAndNamesTheSideItLeaves) {
    EXPECT_EQ(checkResampleCount(200), ResampleCheck::Ok);
    EXPECT_EQ(checkResampleCount(2), ResampleCheck::Ok);
    EXPECT_EQ(checkResampleCount(201), ResampleCheck::TooMany);
    EXPECT_EQ(checkResampleCount(INT_MAX), ResampleCheck::TooMany);
    for (std::int32_t n : {1, 0, -5, INT_MIN})
        EXPECT_EQ(checkResampleCount(n), ResampleCheck::TooFew) << n;
}

TEST(ResampleLine, SameCountMovesIrregularPointsOntoTheCurveAtEvenSpacing) {
    // Five irregular points on a parabola: the curve through them is that parabola.
    Points pts;
    for (float x : {10.0f, 17.0f, 41.0f, 66.0f, 110.0f})
        pts.emplace_back(x, static_cast<float>(parabola(x)));
    AppState s = stateWithLine(pts);
    const Dep2D before = s.doc;
    s.work.SplineNumPoints = 5;

    resampleCurrentLine(s);

    ASSERT_EQ(s.doc.NPoints(2), 5);
    const float expectedX[] = {10.0f, 35.0f, 60.0f, 85.0f, 110.0f};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_NEAR(s.doc.PixX(2, k), expectedX[k - 1], 1e-4) << k;
        EXPECT_NEAR(s.doc.PixY(2, k), parabola(expectedX[k - 1]), 1e-3) << k;
        // Chart values are the caller's business and stay as they were.
        EXPECT_EQ(s.doc.ArgX(2, k), before.ArgX(2, k));
        EXPECT_EQ(s.doc.ValY(2, k), before.ValY(2, k));
    }
    EXPECT_EQ(s.work.CurPoint, 3);
    EXPECT_EQ(s.work.CurLine, 2);
    EXPECT_EQ(s.doc.NPoints(1), before.NPoints(1));
    EXPECT_EQ(s.doc.PixX(3, 2), before.PixX(3, 2));
    EXPECT_EQ(s.spline.SplinePixCount, 5);
}

TEST(ResampleLine, UnsortedLineSpansFromItsFirstToItsLastCapturedPoint) {
    // Leftmost point 20 and rightmost 130 are in the middle of the line.
    AppState s = stateWithLine({{80.0f, 5.0f}, {20.0f, 9.0f}, {130.0f, 2.0f}, {110.0f, 4.0f}});
    s.work.SplineNumPoints = 5;

    resampleCurrentLine(s);

    ASSERT_EQ(s.doc.NPoints(2), 5);
    const float expectedX[] = {80.0f, 87.5f, 95.0f, 102.5f, 110.0f};
    for (int k = 1; k <= 5; ++k) EXPECT_NEAR(s.doc.PixX(2, k), expectedX[k - 1], 1e-4) << k;
}

TEST(ResampleLine, EndSamplesSitOnTheFirstAndLastPointsForAnyCount) {
    const Points pts{{12.0f, 30.0f}, {40.0f, 10.0f}, {61.0f, 25.0f},
                     {90.0f, 18.0f}, {95.0f, 50.0f}, {140.0f, 44.0f}};
    for (std::int32_t n : {2, 3, 200}) {
        AppState s = stateWithLine(pts);
        s.work.SplineNumPoints = n;
        resampleCurrentLine(s);
        ASSERT_EQ(s.doc.NPoints(2), n);
        EXPECT_NEAR(s.doc.PixX(2, 1), 12.0f, 1e-4) << n;
        EXPECT_NEAR(s.doc.PixY(2, 1), 30.0f, 1e-3) << n;
        EXPECT_NEAR(s.doc.PixX(2, n), 140.0f, 1e-3) << n;
        EXPECT_NEAR(s.doc.PixY(2, n), 44.0f, 1e-3) << n;
    }
}

// Two captures in one image column made every sample NaN, and Save then
// wrote NaN positions that Load refuses.
TEST(ResampleLine, PointsInOneImageColumnGiveFinitePoints) {
    const Points lines[] = {
        {{10.0f, 30.0f}, {10.0f, 50.0f}},
        {{10.0f, 30.0f}, {20.0f, 50.0f}, {20.0f, 40.0f}},
        {{10.0f, 30.0f}, {20.0f, 50.0f}, {20.0f, 40.0f}, {35.0f, 45.0f}},
        {{10.0f, 30.0f},
         {20.0f, 50.0f},
         {20.0f, 40.0f},
         {35.0f, 45.0f},
         {50.0f, 20.0f},
         {60.0f, 25.0f}},
        {{10.0f, 30.0f}, {30.0f, 50.0f}, {10.0f, 40.0f}, {40.0f, 45.0f}, {50.0f, 20.0f}},
        {{10.0f, 30.0f}, {20.0f, 50.0f}, {20.0f, 40.0f}, {20.0f, 45.0f}, {50.0f, 20.0f}},
    };
    for (const Points& pts : lines) {
        SCOPED_TRACE(pts.size());
        AppState s = stateWithLine(pts);
        s.work.SplineNumPoints = 41;
        ASSERT_FALSE(resampleCurrentLine(s));
        ASSERT_EQ(s.doc.NPoints(2), 41);
        for (int k = 1; k <= 41; ++k) {
            ASSERT_TRUE(std::isfinite(s.doc.PixX(2, k)) && std::isfinite(s.doc.PixY(2, k))) << k;
        }
        EXPECT_EQ(s.doc.PixY(2, 1), pts.front().second);
    }
}

// Stored positions near the float limit have samples beyond it.
TEST(ResampleLine, ACurveBeyondWhatAFloatHoldsLeavesTheLineAsItWas) {
    const float big = std::numeric_limits<float>::max();
    AppState s = stateWithLine({{-big, 5.0f}, {0.0f, 9.0f}, {big, 2.0f}});
    s.work.SplineNumPoints = 5;
    const Dep2D before = s.doc;
    const std::optional<UserMessage> refusal = resampleCurrentLine(s);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->number, msg::SplineSamplesUnusable);
    EXPECT_EQ(s.doc, before);
}

} // namespace
} // namespace vex
