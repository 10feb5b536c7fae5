// The tracer on charts the tests draw, each with a hard case of its own: a
// grid, a frame, a legend and text in every chart; anti-aliasing, a crossing
// curve of another colour, dashes, steep and turning curves, a blurred noisy
// rotated scan. Every traced point must lie on the true curve (half a pixel
// on a clean chart, a pixel on the scan), never on anything else, and the
// trace must cover the curve with no gap over 3 % of the chart's width
// except where another curve hides it.

#include "core/trace/curve_tracer.h"
#include "core/trace/trace_sampling.h"
#include "drawn_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vex {
namespace {

using testing::distanceToPolyline;
using testing::DrawnPicture;
using testing::graph;
using testing::rgb;

constexpr int Width = 1000, Height = 750;
constexpr double Left = 100, Right = 900, Top = 80, Bottom = 650;
constexpr double LargestGap = 0.03 * (Right - Left);
const std::uint32_t Blue = rgb(20, 40, 220), Red = rgb(220, 30, 30), Black = rgb(0, 0, 0);

// Paper with a light grid, a black frame, a legend (a short line of `legend`
// colour and a label) and a title of black blocks standing for text.
DrawnPicture chart(std::uint32_t legend) {
    DrawnPicture p(Width, Height);
    for (double x = Left + 80; x < Right; x += 80)
        p.stroke({{x, Top}, {x, Bottom}}, 1, rgb(200, 200, 200));
    for (double y = Top + 57; y < Bottom; y += 57)
        p.stroke({{Left, y}, {Right, y}}, 1, rgb(200, 200, 200));
    p.stroke({{Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}, {Left, Top}}, 1.2, Black);
    p.stroke({{720, 110}, {780, 110}}, 2, legend);
    for (int k = 0; k < 5; ++k)
        p.stroke({{795.0 + 14 * k, 104}, {795.0 + 14 * k, 116}}, 2.5, Black);
    for (int k = 0; k < 12; ++k) p.stroke({{380.0 + 20 * k, 40}, {392.0 + 20 * k, 40}}, 9, Black);
    return p;
}

// How well a trace follows `truth`: the largest distance from it, the
// largest gap along it between traced points (projected), and how much of
// it the trace leaves out at its ends.
struct Fit {
    double worst = 0.0;
    double largestGap = 0.0;
    double missedAtEnds = 0.0;
    PlanePoint worstAt;
};

// The index of the truth's vertex nearest p.
std::size_t footOn(const std::vector<PlanePoint>& truth, PlanePoint p) {
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < truth.size(); ++i)
        if (std::hypot(truth[i].x - p.x, truth[i].y - p.y) <
            std::hypot(truth[nearest].x - p.x, truth[nearest].y - p.y))
            nearest = i;
    return nearest;
}

Fit fitOf(const std::vector<PlanePoint>& path, const std::vector<PlanePoint>& truth) {
    Fit fit;
    std::vector<double> along; // arc position of each traced point's foot on the truth
    std::vector<double> s(truth.size(), 0.0);
    for (std::size_t i = 1; i < truth.size(); ++i)
        s[i] = s[i - 1] + std::hypot(truth[i].x - truth[i - 1].x, truth[i].y - truth[i - 1].y);
    for (const PlanePoint& p : path) {
        if (distanceToPolyline(p, truth) > fit.worst) fit.worstAt = p;
        fit.worst = std::max(fit.worst, distanceToPolyline(p, truth));
        along.push_back(s[footOn(truth, p)]);
    }
    std::sort(along.begin(), along.end());
    if (along.empty()) return {1e9, 1e9, 1e9, {}};
    for (std::size_t i = 1; i < along.size(); ++i)
        fit.largestGap = std::max(fit.largestGap, along[i] - along[i - 1]);
    fit.missedAtEnds = std::max(along.front(), s.back() - along.back());
    return fit;
}

// A trace from a click near the first point of the truth at or right of x
// that is drawn (not in a dash's gap, not under another curve).
TraceResult traceAt(const DrawnPicture& p, const std::vector<PlanePoint>& truth, double x,
                    std::uint32_t colour = Blue) {
    PlanePoint near = truth.back();
    for (const PlanePoint& q : truth)
        if (q.x >= x && p.pixel(int(q.x), int(q.y)) == colour) {
            near = q;
            break;
        }
    // A click a pixel and a half off the middle, as a hand gives it.
    return traceCurve(p.view(), {{near.x + 1.0, near.y - 1.0}, std::nullopt});
}

double wave(double x) {
    return 400 - 180 * std::sin((x - Left) / 170.0) + 0.0002 * (x - 500) * (x - 500);
}

TEST(CurveTracer, FollowsAnAntiAliasedCurveOnItsCentreAndNothingElse) {
    for (const double width : {1.0, 2.0, 3.5}) {
        SCOPED_TRACE(width);
        DrawnPicture p = chart(Blue);
        const std::vector<PlanePoint> truth = graph(wave, Left, Right);
        p.stroke(truth, width, Blue);
        const TraceResult t = traceAt(p, truth, 430);
        const Fit fit = fitOf(t.path, truth);
        EXPECT_LE(fit.worst, 0.5) << fit.worstAt.x << "," << fit.worstAt.y;
        EXPECT_LE(fit.largestGap, LargestGap);
        EXPECT_LE(fit.missedAtEnds, LargestGap); // it stops at the frame, not before
        EXPECT_NEAR(t.lineWidth, width, 0.6);
        EXPECT_LT(t.path.front().x, t.path.back().x); // read left to right
    }
    // A click on the paper finds nothing to trace.
    const DrawnPicture empty = chart(Blue);
    EXPECT_TRUE(traceCurve(empty.view(), {{300, 300}, std::nullopt}).path.empty());
}

// Two straight lines of one colour crossing at 28 to 50 degrees: the trace
// keeps to the clicked one through the crossing, where a scan by columns
// averages them into a curve that is neither.
TEST(CurveTracer, StaysOnItsLineWhereALineOfTheSameColourCrossesIt) {
    for (const double slope : {0.3, 0.6, 1.2, -0.8}) {
        SCOPED_TRACE(slope);
        DrawnPicture p = chart(Blue);
        const std::vector<PlanePoint> truth =
            graph([](double x) { return 400 - 0.2 * (x - 500); }, Left, Right);
        p.stroke(truth, 2, Blue);
        p.stroke(graph([slope](double x) { return 400 + slope * (x - 500); }, Left, Right), 2,
                 Blue);
        const Fit fit = fitOf(traceAt(p, truth, 200).path, truth);
        EXPECT_LE(fit.worst, 0.6) << fit.worstAt.x << "," << fit.worstAt.y;
        EXPECT_LE(fit.largestGap, LargestGap);
        EXPECT_LE(fit.missedAtEnds, LargestGap);
    }
}

TEST(CurveTracer, BridgesTheGapsOfADashedLineAndCrossesAnotherColour) {
    const std::vector<PlanePoint> truth = graph(wave, Left, Right);
    const std::vector<PlanePoint> other =
        graph([](double x) { return 150 + 0.55 * (x - Left); }, Left, Right);
    DrawnPicture dashed = chart(Blue);
    dashed.stroke(truth, 2, Blue, 14, 9); // dashes of 7 line widths, gaps of 4.5
    DrawnPicture crossed = chart(Blue);
    crossed.stroke(truth, 2, Blue);
    crossed.stroke(other, 2.5, Red); // on top: it hides the blue where they cross
    for (const DrawnPicture* p : {&dashed, &crossed}) {
        const Fit fit = fitOf(traceAt(*p, truth, 200).path, truth);
        EXPECT_LE(fit.worst, 0.5) << fit.worstAt.x << "," << fit.worstAt.y;
        EXPECT_LE(fit.largestGap, LargestGap);
        EXPECT_LE(fit.missedAtEnds, LargestGap);
    }
    // The red curve traced in turn, through the blue.
    const Fit red = fitOf(traceAt(crossed, other, 600, Red).path, other);
    EXPECT_LE(red.worst, 0.5) << red.worstAt.x << "," << red.worstAt.y;
    EXPECT_LE(red.largestGap, LargestGap);
    EXPECT_LE(red.missedAtEnds, LargestGap);
}

// A curve that climbs almost vertically and one that turns back in x: the
// trace keeps to them, in order along them.
TEST(CurveTracer, KeepsToSteepAndTurningCurvesInOrderAlongThem) {
    DrawnPicture p = chart(Blue);
    const std::vector<PlanePoint> steep =
        graph([](double x) { return 380 - 230 * std::tanh((x - 500) / 12.0); }, Left, Right);
    std::vector<PlanePoint> loop; // an S on its side: x goes right, back left, right again
    for (int i = 0; i <= 800; ++i) {
        const double t = i / 800.0;
        loop.push_back({250 + 420 * t - 260 * std::sin(2 * M_PI * t), 560 - 300 * t});
    }
    p.stroke(steep, 2, Blue);
    const std::vector<PlanePoint>& turning = loop;
    DrawnPicture q = chart(Blue);
    q.stroke(loop, 2, Blue);
    for (const auto& [picture, truth] : {std::pair{&p, &steep}, std::pair{&q, &turning}}) {
        const TraceResult t = traceCurve(picture->view(), {(*truth)[300], std::nullopt});
        const Fit fit = fitOf(t.path, *truth);
        EXPECT_LE(fit.worst, 0.5) << fit.worstAt.x << "," << fit.worstAt.y;
        EXPECT_LE(fit.largestGap, LargestGap);
        EXPECT_LE(fit.missedAtEnds, LargestGap);
        // In order along the curve: the feet of the points move one way.
        std::vector<std::size_t> feet;
        for (const PlanePoint& pt : t.path) feet.push_back(footOn(*truth, pt));
        const bool forward = feet.back() > feet.front();
        int reversals = 0;
        for (std::size_t i = 1; i < feet.size(); ++i)
            if (feet[i] != feet[i - 1] && (feet[i] > feet[i - 1]) != forward) ++reversals;
        EXPECT_EQ(reversals, 0);
    }
}

TEST(CurveTracer, ReadsARotatedBlurredNoisyScanWithinAPixel) {
    DrawnPicture p = chart(Blue);
    const double turn = 3.0 * M_PI / 180.0;
    const auto rotated = [turn](std::vector<PlanePoint> line) {
        for (PlanePoint& q : line) {
            const double x = q.x - 500, y = q.y - 375;
            q = {500 + x * std::cos(turn) - y * std::sin(turn),
                 375 + x * std::sin(turn) + y * std::cos(turn)};
        }
        return line;
    };
    const std::vector<PlanePoint> truth = rotated(graph(wave, Left + 20, Right - 20));
    p.stroke(truth, 2.5, Blue);
    p.stroke(rotated(graph([](double x) { return 600 - 0.4 * (x - Left); }, Left + 20, Right - 20)),
             2.5, Red);
    p.blur(2);
    p.noise(8.0, 6.0, 20261209);
    const Fit fit = fitOf(traceAt(p, truth, 300).path, truth);
    EXPECT_LE(fit.worst, 1.0);
    EXPECT_LE(fit.largestGap, LargestGap);
    EXPECT_LE(fit.missedAtEnds, LargestGap);
}

// A second click bounds the trace; points for the line are even in x, or
// even along a curve that turns back.
TEST(CurveTracer, ASecondClickBoundsTheTraceAndPointsAreSpacedToSuitTheCurve) {
    DrawnPicture p = chart(Blue);
    const std::vector<PlanePoint> truth = graph(wave, Left, Right);
    p.stroke(truth, 2, Blue);
    const PlanePoint from{300, wave(300)}, to{700, wave(700)};
    const TraceResult t = traceCurve(p.view(), {to, from});
    ASSERT_FALSE(t.boundMissed);
    EXPECT_NEAR(t.path.front().x, 300, 2.0);
    EXPECT_NEAR(t.path.back().x, 700, 2.0);
    EXPECT_TRUE(traceCurve(p.view(), {to, PlanePoint{300, 100}}).boundMissed);

    ASSERT_EQ(spacingFor(t.path, 50), TraceSpacing::EvenInX);
    const std::vector<PlanePoint> even = pointsAlong(t.path, 50, TraceSpacing::EvenInX);
    ASSERT_EQ(even.size(), 50u);
    for (std::size_t k = 0; k < even.size(); ++k) {
        EXPECT_NEAR(even[k].x,
                    t.path.front().x + double(k) * (t.path.back().x - t.path.front().x) / 49, 1e-9);
        EXPECT_LE(distanceToPolyline(even[k], truth), 0.5);
    }
    // A turning path, and a steep one whose points even in x would leave the
    // climb empty, are spaced along the curve.
    const std::vector<PlanePoint> turning{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_EQ(spacingFor(turning, 10), TraceSpacing::EvenAlongCurve);
    const std::vector<PlanePoint> climb{{0, 0}, {100, 0}, {100, 300}, {200, 300}};
    EXPECT_EQ(spacingFor(climb, 20), TraceSpacing::EvenAlongCurve);
    const std::vector<PlanePoint> along = pointsAlong(climb, 6, TraceSpacing::EvenAlongCurve);
    ASSERT_EQ(along.size(), 6u); // 100 apart along its 500
    EXPECT_NEAR(along[1].x, 100.0, 0.01);
    EXPECT_NEAR(along[2].y, 100.0, 0.01);
    EXPECT_NEAR(along[3].y, 200.0, 0.01);
    EXPECT_NEAR(along[5].x, 200.0, 0.01);
}

} // namespace
} // namespace vex
