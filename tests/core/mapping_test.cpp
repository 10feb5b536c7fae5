#include "core/coords/mapping.h"
#include "core/coords/newton.h"
#include "core/coords/placeable.h"
#include "core/coords/search_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

namespace vex {
namespace {

constexpr double kTol = 1.0E-4; // the solver's residual tolerance, in stored pixels

void setMarkers(Calibration& c, std::initializer_list<std::pair<float, float>> corners) {
    int k = 1;
    for (auto [x, y] : corners) {
        c.MarkerPixX(k) = x;
        c.MarkerPixY(k) = y;
        ++k;
    }
}

TEST(Mapping, ResetCalibrationExamples) {
    Calibration c;
    const float distance = DEFINECOORDLIMITED(c);
    EXPECT_EQ(distance, 10000.0f); // exact rectangle: wide box

    std::ostringstream quiet;
    struct Case {
        double px, py, X, Y;
    } cases[] = {
        {50, 10, 0, 1}, {600, 500, 1, 0}, {325, 255, 0.5, 0.5}, {600, 10, 1, 1}, {50, 500, 0, 0}};
    for (const Case& k : cases) {
        const PlanePoint chart = imageToChart(c, distance, k.px, k.py, quiet).chart;
        // 1e-4 px on a 550 × 490 pixel rectangle is ~2e-7 chart units.
        EXPECT_NEAR(chart.x, k.X, 1e-6) << k.px << "," << k.py;
        EXPECT_NEAR(chart.y, k.Y, 1e-6) << k.px << "," << k.py;
        const PlanePoint image = chartToImage(c, k.X, k.Y);
        EXPECT_EQ(image.x, k.px); // closed form is exact here
        EXPECT_EQ(image.y, k.py);
    }
    EXPECT_TRUE(quiet.str().empty());
}

TEST(Mapping, PointRoutinesWorkOnTheArgumentPointOnly) {
    Calibration c;
    Dep2D d;
    d.ArgX(3, 7) = 0.25f;
    d.ValY(3, 7) = 0.75f;
    INVERTARGANDPARTOMOUSEXY(c, d, 3, 7);
    EXPECT_FLOAT_EQ(d.PixX(3, 7), 50.0f + 0.25f * 550.0f);
    EXPECT_FLOAT_EQ(d.PixY(3, 7), 10.0f + 0.25f * 490.0f);
    EXPECT_EQ(d.PixX(3, 6), 0.0f);

    d.ArgX(3, 7) = 99.0f; // stale value, recomputed from the image position
    d.ValY(3, 7) = 99.0f;
    const ChartPosition found = SOLUTION_NEWTON(c, DEFINECOORDLIMITED(c), d, 3, 7);
    EXPECT_NEAR(d.ArgX(3, 7), 0.25f, 1e-6);
    EXPECT_NEAR(d.ValY(3, 7), 0.75f, 1e-6);
    EXPECT_NEAR(found.a, 0.25, 1e-6);
    EXPECT_NEAR(found.b, 0.25, 1e-6);
}

// Random convex quadrilaterals in their usual orientation and random ranges:
// chart -> image -> chart and image -> chart -> image agree within the tolerance.
TEST(Mapping, RoundTripsOnRandomQuadrilaterals) {
    std::mt19937 rng(20261207);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::ostringstream quiet;
    for (int trial = 0; trial < 400; ++trial) {
        const double left = 20 + 200 * unit(rng), top = 20 + 200 * unit(rng);
        const double width = 100 + 1500 * unit(rng), height = 100 + 1000 * unit(rng);
        const double jitter = 0.15;
        auto j = [&](double size) { return (unit(rng) - 0.5) * 2 * jitter * size; };
        Calibration c;
        setMarkers(c, {{float(left + j(width)), float(top + j(height))},
                       {float(left + width + j(width)), float(top + j(height))},
                       {float(left + width + j(width)), float(top + height + j(height))},
                       {float(left + j(width)), float(top + height + j(height))}});
        c.Xmin = float(-1000 + 2000 * unit(rng));
        c.Xmax = c.Xmin + float(std::pow(10.0, -2 + 6 * unit(rng)));
        c.Ymin = float(-1000 + 2000 * unit(rng));
        c.Ymax = c.Ymin + float(std::pow(10.0, -2 + 6 * unit(rng)));
        const float distance = DEFINECOORDLIMITED(c);

        for (int p = 0; p < 10; ++p) {
            const double a = -0.5 + 2.0 * unit(rng), b = -0.5 + 2.0 * unit(rng);
            const PlanePoint image = bilinearPosition(c, a, b);

            // image -> chart -> image: the residual criterion itself.
            const PlanePoint chart = imageToChart(c, distance, image.x, image.y, quiet).chart;
            const PlanePoint back = chartToImage(c, chart.x, chart.y);
            ASSERT_NEAR(back.x, image.x, 2 * kTol) << "trial " << trial;
            ASSERT_NEAR(back.y, image.y, 2 * kTol) << "trial " << trial;

            // chart -> image -> chart: errors scale with chart units per pixel.
            const double X = c.Xmin + a * (double(c.Xmax) - c.Xmin);
            const double Y = c.Ymax - b * (double(c.Ymax) - c.Ymin);
            const PlanePoint there = chartToImage(c, X, Y);
            const PlanePoint again = imageToChart(c, distance, there.x, there.y, quiet).chart;
            const double unitsPerPixelX = (double(c.Xmax) - c.Xmin) / (width * (1 - 2 * jitter));
            const double unitsPerPixelY = (double(c.Ymax) - c.Ymin) / (height * (1 - 2 * jitter));
            ASSERT_NEAR(again.x, X, 4 * kTol * unitsPerPixelX + 1e-9 * std::fabs(X));
            ASSERT_NEAR(again.y, Y, 4 * kTol * unitsPerPixelY + 1e-9 * std::fabs(Y));
        }
    }
    EXPECT_TRUE(quiet.str().empty()) << "no solve should hit its limit:\n" << quiet.str();
}

bool convex(const Calibration& c) {
    double sign = 0.0;
    for (int k = 1; k <= 4; ++k) {
        const int n = k % 4 + 1, m = n % 4 + 1;
        const double cross = (double(c.MarkerPixX(n)) - c.MarkerPixX(k)) *
                                 (double(c.MarkerPixY(m)) - c.MarkerPixY(n)) -
                             (double(c.MarkerPixY(n)) - c.MarkerPixY(k)) *
                                 (double(c.MarkerPixX(m)) - c.MarkerPixX(n));
        if (cross * sign < 0.0) return false;
        sign = cross;
    }
    return true;
}

TEST(ProjectiveMapping, RoundTripsOnRandomConvexQuadrilaterals) {
    std::mt19937 rng(20261209);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::ostringstream quiet;
    int tried = 0;
    while (tried < 400) {
        const double jitter = 0.3 * unit(rng);
        auto j = [&](double size) { return (unit(rng) - 0.5) * 2 * jitter * size; };
        Calibration c;
        c.Mapping = QuadMapping::Projective;
        setMarkers(c, {{float(100 + j(800)), float(100 + j(600))},
                       {float(900 + j(800)), float(100 + j(600))},
                       {float(900 + j(800)), float(700 + j(600))},
                       {float(100 + j(800)), float(700 + j(600))}});
        if (!convex(c)) continue;
        ++tried;
        c.Xmin = float(-1000 + 2000 * unit(rng));
        c.Xmax = c.Xmin + float(std::pow(10.0, -2 + 6 * unit(rng)));
        c.Ymin = float(-1000 + 2000 * unit(rng));
        c.Ymax = c.Ymin + float(std::pow(10.0, -2 + 6 * unit(rng)));
        const double w = double(c.Xmax) - c.Xmin, h = double(c.Ymax) - c.Ymin;

        // The markers go exactly to the chart's corners.
        const double corners[4][2] = {
            {c.Xmin, c.Ymax}, {c.Xmax, c.Ymax}, {c.Xmax, c.Ymin}, {c.Xmin, c.Ymin}};
        for (int k = 1; k <= 4; ++k) {
            const PlanePoint at =
                imageToChart(c, 10000.0f, c.MarkerPixX(k), c.MarkerPixY(k), quiet).chart;
            ASSERT_NEAR(at.x, corners[k - 1][0], 1e-9 * w) << tried << " marker " << k;
            ASSERT_NEAR(at.y, corners[k - 1][1], 1e-9 * h) << tried << " marker " << k;
        }
        for (int p = 0; p < 10; ++p) {
            const double X = c.Xmin + (-0.25 + 1.5 * unit(rng)) * w;
            const double Y = c.Ymin + (-0.25 + 1.5 * unit(rng)) * h;
            const PlanePoint image = chartToImage(c, X, Y);
            const PlanePoint back = imageToChart(c, 10000.0f, image.x, image.y, quiet).chart;
            ASSERT_NEAR(back.x, X, 1e-9 * w) << tried;
            ASSERT_NEAR(back.y, Y, 1e-9 * h) << tried;
        }
    }
    EXPECT_TRUE(quiet.str().empty());
}

// A rectangle photographed at an angle: the chart (u, v) is seen through a
// perspective the test sets up itself. Through the four corners the
// projective map reads every point back exactly; the bilinear map, exact
// only at the corners, is off by percents of the range inside.
TEST(ProjectiveMapping, ReadsAPhotographedChartExactlyWhereTheBilinearMapErrs) {
    const auto photo = [](double u, double v) {
        const double w = 1.0 + 0.35 * u + 0.12 * v;
        return PlanePoint{(120 + 700 * u + 60 * v) / w, (90 + 40 * u + 520 * v) / w};
    };
    Calibration c;
    c.Xmin = 0.0f, c.Xmax = 200.0f, c.Ymin = -50.0f, c.Ymax = 50.0f;
    const PlanePoint m[4] = {photo(0, 0), photo(1, 0), photo(1, 1), photo(0, 1)};
    setMarkers(c, {{float(m[0].x), float(m[0].y)},
                   {float(m[1].x), float(m[1].y)},
                   {float(m[2].x), float(m[2].y)},
                   {float(m[3].x), float(m[3].y)}});
    std::ostringstream quiet;
    double worstBilinear = 0.0;
    for (int i = 0; i <= 10; ++i) {
        for (int k = 0; k <= 10; ++k) {
            const double u = i / 10.0, v = k / 10.0;
            const PlanePoint image = photo(u, v);
            const double X = 200.0 * u, Y = 50.0 - 100.0 * v;
            c.Mapping = QuadMapping::Projective;
            const PlanePoint exact = imageToChart(c, 10000.0f, image.x, image.y, quiet).chart;
            // The markers are floats: a thousandth of a pixel of rounding.
            EXPECT_NEAR(exact.x, X, 1e-4) << u << "," << v;
            EXPECT_NEAR(exact.y, Y, 1e-4) << u << "," << v;
            c.Mapping = QuadMapping::Bilinear;
            const PlanePoint bilinear =
                imageToChart(c, DEFINECOORDLIMITED(c), image.x, image.y, quiet).chart;
            worstBilinear = std::max({worstBilinear, std::fabs(bilinear.x - X) / 200.0,
                                      std::fabs(bilinear.y - Y) / 100.0});
        }
    }
    EXPECT_GT(worstBilinear, 0.01);
}

TEST(LogarithmicAxes, ChartValuesAreInChartUnitsAndRoundTrip) {
    Calibration c; // markers from (50, 10) to (600, 500)
    c.XScale = c.YScale = AxisScale::Logarithmic;
    c.Xmin = 10.0f, c.Xmax = 10000.0f, c.Ymin = 0.01f, c.Ymax = 100.0f;
    std::ostringstream quiet;
    // 100 is a third of the way along three decades; 1 half-way down four.
    const PlanePoint image = chartToImage(c, 100.0, 1.0);
    EXPECT_NEAR(image.x, 50.0 + 550.0 / 3.0, 1e-9);
    EXPECT_NEAR(image.y, 255.0, 1e-5); // 0.01 is not exact as a float
    const PlanePoint chart = imageToChart(c, 10000.0f, image.x, image.y, quiet).chart;
    EXPECT_NEAR(chart.x, 100.0, 1e-4);
    EXPECT_NEAR(chart.y, 1.0, 1e-6);
    EXPECT_EQ(float(imageToChart(c, 10000.0f, 600.0, 10.0, quiet).chart.x), 10000.0f);

    std::mt19937 rng(7);
    std::uniform_real_distribution<double> decades(-1.0, 5.0);
    for (int i = 0; i < 200; ++i) {
        const double X = std::pow(10.0, decades(rng)), Y = std::pow(10.0, decades(rng) - 2);
        const PlanePoint at = chartToImage(c, X, Y);
        const PlanePoint back = imageToChart(c, 10000.0f, at.x, at.y, quiet).chart;
        ASSERT_NEAR(back.x / X, 1.0, 1e-6) << X;
        ASSERT_NEAR(back.y / Y, 1.0, 1e-6) << Y;
    }
    // Values a logarithmic axis cannot hold are not placed.
    for (const float bad : {0.0f, -5.0f}) {
        EXPECT_FALSE(chartPointPlaceable(c, 10000.0f, bad, 1.0f));
        EXPECT_FALSE(chartPointPlaceable(c, 10000.0f, 100.0f, bad));
    }
    EXPECT_TRUE(chartPointPlaceable(c, 10000.0f, 100.0f, 1.0f));
    // Far off a wide log range the chart values stay positive and finite.
    c.Xmin = 1.0E-3f, c.Xmax = 1.0E3f;
    const PlanePoint far = imageToChart(c, 10000.0f, 6000.0, -5000.0, quiet).chart;
    EXPECT_TRUE(std::isfinite(float(far.x)) && float(far.x) > 0.0f);
    EXPECT_TRUE(std::isfinite(float(far.y)) && float(far.y) > 0.0f);
    EXPECT_FALSE(rangesKeepChartValuesFinite([] {
        Calibration n;
        n.XScale = AxisScale::Logarithmic;
        return n; // Xmin = 0
    }()));
}

TEST(Mapping, PointBeyondTheNarrowBoxSticksToItsEdge) {
    Calibration c;
    // Edges converging to the right: the meeting point is close, so the box is narrow.
    setMarkers(c, {{0, 0}, {100, 20}, {100, 80}, {0, 100}});
    const float distance = DEFINECOORDLIMITED(c);
    ASSERT_EQ(distance, 150.0f);

    const PlanePoint target = bilinearPosition(c, 3.0, 0.5); // a = 3 lies outside -2..2
    std::ostringstream diagnostics;
    const ChartPosition found = imageToChart(c, distance, target.x, target.y, diagnostics);
    const PlanePoint chart = found.chart;
    // The best point met: the box edge, or the difference probe just beyond it
    // (one step of 4e-4 of the box width of 4).
    EXPECT_NEAR(found.a, 2.0, 2e-3);
    EXPECT_TRUE(std::isfinite(chart.x) && std::isfinite(chart.y));
    EXPECT_NEAR(chart.x, 2.0, 2e-3);

    // Four diagnostic lines, the first one the notice.
    const std::string text = diagnostics.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    EXPECT_NE(text.find("best point:"), std::string::npos);
}

TEST(Mapping, CollinearMarkersGiveABoundedAnswer) {
    Calibration c;
    setMarkers(c, {{10, 10}, {20, 20}, {30, 30}, {40, 40}});
    std::ostringstream diagnostics;
    const ChartPosition found = imageToChart(c, DEFINECOORDLIMITED(c), 100, 7, diagnostics);
    EXPECT_TRUE(std::isfinite(found.chart.x));
    EXPECT_TRUE(std::isfinite(found.chart.y));
    EXPECT_LE(std::fabs(found.a), 10.001);
    EXPECT_LE(std::fabs(found.b), 10.001);
}

TEST(Mapping, FoldedMarkersStillFindThePoint) {
    // A bow tie: the lower markers are swapped, so at the chart centre the map
    // folds and the first Newton step's matrix is singular.
    Calibration c;
    setMarkers(c, {{100, 100}, {500, 100}, {100, 400}, {500, 400}});
    const float distance = DEFINECOORDLIMITED(c);
    for (const auto& [a, b] : {std::pair{0.25, 0.25}, {0.8, 0.1}, {0.3, 0.9}}) {
        const PlanePoint target = bilinearPosition(c, a, b);
        std::ostringstream diagnostics;
        const ChartPosition solved = imageToChart(c, distance, target.x, target.y, diagnostics);
        // The fold gives two answers; either one must land on the target.
        const PlanePoint found = bilinearPosition(c, solved.a, solved.b);
        EXPECT_NEAR(found.x, target.x, 1e-2) << a << "," << b;
        EXPECT_NEAR(found.y, target.y, 1e-2) << a << "," << b;
    }
}

TEST(SearchBox, DistanceFollowsWhereOppositeEdgesMeet) {
    Calibration c;
    // Upper and lower edges meeting left of marker 1 count as 2000; the
    // nearer of the two distances wins over the 10000 of the vertical sides.
    setMarkers(c, {{0, 20}, {100, 0}, {100, 100}, {0, 80}});
    EXPECT_EQ(DEFINECOORDLIMITED(c), 2000.0f);
    // Side edges meeting above at y = -1000: (20 + 0) / 2 + 1000.
    setMarkers(c, {{0, 20}, {100, 0}, {110, 100}, {0, 80}});
    EXPECT_FLOAT_EQ(DEFINECOORDLIMITED(c), 1010.0f);

    // Sheared parallelogram: parallel edges meet at infinity, the other pair decides.
    setMarkers(c, {{0, 0}, {100, 10}, {100, 110}, {0, 100}});
    EXPECT_EQ(DEFINECOORDLIMITED(c), 10000.0f);

    // Side edges converging upwards, above marker 1.
    setMarkers(c, {{20, 0}, {80, 0}, {100, 100}, {0, 100}});
    EXPECT_FLOAT_EQ(DEFINECOORDLIMITED(c), 150.0f); // they meet at y = -150, the top edge is at 0
}

TEST(SearchBox, CoincidentMarkersGiveNaNAndTheNarrowBox) {
    Calibration c;
    setMarkers(c, {{50, 10}, {600, 10}, {600, 500}, {50, 10}}); // marker 4 on marker 1
    const float distance = DEFINECOORDLIMITED(c);
    EXPECT_TRUE(std::isnan(distance));

    // The inversion still answers, inside the narrow box.
    std::ostringstream diagnostics;
    const ChartPosition found = imageToChart(c, distance, 300, 200, diagnostics);
    EXPECT_TRUE(std::isfinite(found.chart.x));
    EXPECT_LE(std::fabs(found.a), 2.001);
    EXPECT_LE(std::fabs(found.b), 2.001);
}

TEST(Simq, PivotsOnTheLargestEntryAndSolves) {
    // Column-major: a zero on the diagonal needs the row exchange.
    double A[9] = {0, 2, 1, 1, 1, 1, 2, 3, 1};
    double B[3] = {5, 9, 4}; // solution (1, 1, 2)... checked below
    const double A0[9] = {0, 2, 1, 1, 1, 1, 2, 3, 1};
    const double B0[3] = {5, 9, 4};
    int ks = -1;
    SIMQ(A, B, 3, ks);
    ASSERT_EQ(ks, 0);
    for (int i = 0; i < 3; ++i) {
        double sum = 0;
        for (int j = 0; j < 3; ++j) sum += A0[i + 3 * j] * B[j];
        EXPECT_NEAR(sum, B0[i], 1e-12);
    }
}

TEST(Simq, ReportsASingularMatrix) {
    double A[4] = {1, 2, 2, 4}; // second column twice the first
    double B[2] = {1, 1};
    int ks = 0;
    SIMQ(A, B, 2, ks);
    EXPECT_EQ(ks, 1);
    double Z[4] = {0, 0, 0, 0};
    double C[2] = {1, 1};
    SIMQ(Z, C, 2, ks);
    EXPECT_EQ(ks, 1);
}

TEST(Newton, StopsAtTheIterationLimitWithTheBestPoint) {
    // x² + 1 = 0 has no root: the best point is where |f| is least, at 0.
    const double lo[1] = {-1}, hi[1] = {1};
    double x[1] = {0.7};
    int calls = 0;
    std::ostringstream diagnostics;
    const int ier = NEWTON(
        1, 0, x, lo, hi,
        [&calls](int, const double* p, double* f) {
            ++calls;
            f[0] = p[0] * p[0] + 1.0;
        },
        1e-4, 1, diagnostics);
    EXPECT_EQ(ier, NewtonIterationLimit);
    EXPECT_NEAR(x[0], 0.0, 1e-3);
    // 32 iterates, 31 one-column Jacobians, one evaluation at the best point.
    EXPECT_EQ(calls, 32 + 31 + 1);
    EXPECT_FALSE(diagnostics.str().empty());
}

TEST(Newton, ConvergesOnASmoothSystemWithoutDiagnostics) {
    const double lo[2] = {-5, -5}, hi[2] = {5, 5};
    double x[2] = {0.5, 0.5};
    std::ostringstream diagnostics;
    const int ier = NEWTON(
        2, 0, x, lo, hi,
        [](int, const double* p, double* f) {
            f[0] = p[0] * p[0] + p[1] - 3.0; // root (1, 2)
            f[1] = p[0] - p[1] + 1.0;
        },
        1e-9, 1, diagnostics);
    EXPECT_EQ(ier, NewtonConverged);
    EXPECT_NEAR(x[0], 1.0, 1e-8);
    EXPECT_NEAR(x[1], 2.0, 1e-8);
    EXPECT_TRUE(diagnostics.str().empty());
}

} // namespace
} // namespace vex
