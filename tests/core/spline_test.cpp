#include "core/numerics/spline.h"
#include "core/numerics/spline_solves.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <utility>
#include <vector>

namespace vex {
namespace {

using Fn = std::function<double(double)>;

struct Table {
    std::vector<double> x, y;
    int n() const { return static_cast<int>(x.size()); }
    double at(double xv) const { return F3INP2(x.data(), y.data(), xv, n()); }
};

// Irregular, increasing abscissae like hand-captured points.
std::vector<double> irregularX(int n) {
    std::vector<double> x;
    for (int i = 0; i < n; ++i) x.push_back(12.0 + 4.5 * i + 1.5 * std::sin(1.7 * i));
    return x;
}

Table tableOf(const std::vector<double>& x, const Fn& f) {
    Table t{x, {}};
    for (double xi : x) t.y.push_back(f(xi));
    return t;
}

// One-sided second-order derivative estimates at a node, from its left and right.
double leftSlope(const Table& t, double xm, double h) {
    return (3.0 * t.at(xm) - 4.0 * t.at(xm - h) + t.at(xm - 2.0 * h)) / (2.0 * h);
}
double rightSlope(const Table& t, double xm, double h) {
    return (-3.0 * t.at(xm) + 4.0 * t.at(xm + h) - t.at(xm + 2.0 * h)) / (2.0 * h);
}

// Slope at x(m) of the parabola through points j..j+2 (1-based), by Lagrange.
double parabolaSlope(const Table& t, int j, double xv) {
    const double* x = &t.x[static_cast<std::size_t>(j - 1)];
    const double* y = &t.y[static_cast<std::size_t>(j - 1)];
    double s = 0.0;
    for (int a = 0; a < 3; ++a) {
        const int b = (a + 1) % 3, c = (a + 2) % 3;
        s += y[a] * ((xv - x[b]) + (xv - x[c])) / ((x[a] - x[b]) * (x[a] - x[c]));
    }
    return s;
}

// The slope the curve must have at node m: the mean of the slopes there of
// the parabolas through three consecutive points that contain the node.
double ruleSlope(const Table& t, int m) {
    const int n = t.n();
    const double xm = t.x[static_cast<std::size_t>(m - 1)];
    if (m == 1) return parabolaSlope(t, 1, xm);
    if (m == n) return parabolaSlope(t, n - 2, xm);
    if (m == 2 || m == n - 1) {
        const int j = m == 2 ? 1 : n - 3;
        return (parabolaSlope(t, j, xm) + parabolaSlope(t, j + 1, xm)) / 2.0;
    }
    double sum = 0.0;
    for (int j = m - 2; j <= m; ++j) sum += parabolaSlope(t, j, xm);
    return sum / 3.0;
}

const Fn line = [](double x) { return 0.75 * x + 3.0; };
const Fn parabola = [](double x) { return 0.02 * x * x - 1.3 * x + 40.0; };
const Fn cubic = [](double x) { return 0.001 * x * x * x - 0.05 * x * x + 0.4 * x + 7.0; };
const Fn wave = [](double x) { return 300.0 + 80.0 * std::sin(x / 15.0); };

TEST(SplineKernel, ShortTablesAreThePolynomialThroughAllPointsAlsoOutside) {
    const Table one{{20.0}, {7.5}};
    for (double xv : {-100.0, 20.0, 1.0e6}) EXPECT_EQ(one.at(xv), 7.5);

    const std::vector<std::pair<int, Fn>> cases = {{2, line}, {3, parabola}, {4, cubic}};
    for (const auto& [n, f] : cases) {
        SCOPED_TRACE(n);
        const Table t = tableOf(irregularX(n), f);
        for (double xv = t.x.front() - 30.0; xv <= t.x.back() + 30.0; xv += 0.37)
            EXPECT_NEAR(t.at(xv), f(xv), 1e-9 * (1.0 + std::abs(f(xv))));
    }
    // An empty table has no value and reads nothing.
    EXPECT_TRUE(std::isnan(F3INP2(nullptr, nullptr, 1.0, 0)));
}

TEST(SplineKernel, LongTablesStayStraightReproduceAParabolaAndAreFlatOutside) {
    for (int n : {2, 3, 4, 5, 6, 9, 200}) {
        SCOPED_TRACE(n);
        const Table straight = tableOf(irregularX(n), line);
        const Table bent = tableOf(irregularX(n), parabola);
        const double x1 = straight.x.front(), xn = straight.x.back();
        for (double xv = x1; xv <= xn; xv += 0.173) {
            EXPECT_NEAR(straight.at(xv), line(xv), 1e-7 * (1.0 + std::abs(line(xv))));
            if (n >= 3) {
                EXPECT_NEAR(bent.at(xv), parabola(xv), 1e-5 * (1.0 + std::abs(parabola(xv))));
            }
        }
        if (n >= 5) {
            EXPECT_EQ(bent.at(x1 - 0.01), bent.y.front());
            EXPECT_EQ(bent.at(x1 - 1.0e4), bent.y.front());
            EXPECT_EQ(bent.at(xn + 0.01), bent.y.back());
            EXPECT_EQ(bent.at(xn + 1.0e4), bent.y.back());
        }
    }
}

TEST(SplineKernel, PiecewiseCubicPassesThroughNodesWithRuleSlopesOnBothSides) {
    for (int n : {5, 6, 8}) {
        SCOPED_TRACE(n);
        const Table t = tableOf(irregularX(n), wave);
        const double h = 1e-3;
        for (int m = 1; m <= n; ++m) {
            SCOPED_TRACE(m);
            const double xm = t.x[static_cast<std::size_t>(m - 1)];
            EXPECT_EQ(t.at(xm), t.y[static_cast<std::size_t>(m - 1)]);

            const double expected = ruleSlope(t, m);
            if (m > 1) {
                EXPECT_NEAR(leftSlope(t, xm, h), expected, 1e-4);
            }
            if (m < n) {
                EXPECT_NEAR(rightSlope(t, xm, h), expected, 1e-4);
            }
        }
    }
}

TEST(SplineKernel, StraightRunKeepsItsSlopeAtItsEnd) {
    // P1 is exactly straight, so nodes 2 and 3 take its slope and the first
    // two intervals stay on the line, whatever the points after it do.
    const Table t{{0.0, 1.0, 2.0, 3.0, 4.0, 5.0}, {0.0, 1.0, 2.0, 5.0, 3.0, 0.0}};
    for (double xv : {0.25, 0.5, 1.25, 1.5, 1.9}) EXPECT_NEAR(t.at(xv), xv, 1e-12);
    EXPECT_NEAR(rightSlope(t, 2.0, 1e-4), 1.0, 1e-6);
}

TEST(SplineKernel, ThreeParabolaMeanUsesTheFloatThird) {
    // With steep slopes the float third (1 + 3e-8 when tripled) moves the
    // curve measurably: y = 1e6 x² on 0..5, checked in the middle of [2, 3].
    const Table t = tableOf({0.0, 1.0, 2.0, 3.0, 4.0, 5.0}, [](double x) { return 1e6 * x * x; });
    const double excess = 3.0 * 0.3333333432674408 - 1.0;
    const double s2 = 4e6 * (1.0 + excess), s3 = 6e6 * (1.0 + excess);
    // Hermite cubic on [2, 3] at its midpoint.
    const double expected = (t.y[2] + t.y[3]) / 2.0 + (s2 - s3) / 8.0;
    EXPECT_NEAR(t.at(2.5), expected, 1e-4);
    EXPECT_GT(std::abs(expected - 6.25e6), 1e-3);
}

TEST(SplineKernel, LineAndParabolaHelpersPickTheirPointsByScanning) {
    // Four points with a kink: each bracket has its own line; outside, the end pairs.
    const std::vector<double> x{0.0, 1.0, 2.0, 3.0}, y{0.0, 2.0, 2.0, 5.0};
    EXPECT_DOUBLE_EQ(GK1E(x.data(), y.data(), 0.5, 4), 1.0);
    EXPECT_DOUBLE_EQ(GK1E(x.data(), y.data(), 1.5, 4), 2.0);
    EXPECT_DOUBLE_EQ(GK1E(x.data(), y.data(), 2.5, 4), 3.5);
    EXPECT_DOUBLE_EQ(GK1E(x.data(), y.data(), -1.0, 4), -2.0);
    EXPECT_DOUBLE_EQ(GK1E(x.data(), y.data(), 4.0, 4), 8.0);

    // x = 1.5 is equally near both triples: the first one wins.
    const std::vector<double> z{0.0, 0.0, 0.0, 6.0};
    EXPECT_DOUBLE_EQ(F3EXTPARAB(x.data(), z.data(), 1.5, 4), 0.0);
    EXPECT_NEAR(F3EXTPARAB(x.data(), z.data(), 2.2, 4), 3.0 * 1.2 * 0.2, 1e-12);
    EXPECT_NEAR(F3EXTPARAB(x.data(), z.data(), 3.5, 4), 3.0 * 2.5 * 1.5, 1e-12);
    EXPECT_DOUBLE_EQ(F3EXTPARAB(x.data(), z.data(), -0.5, 4), 0.0);
}

TEST(SplineSolver, KeepsRowOrderAndZeroesUnknownsOfZeroPivots) {
    // [[0, 1], [1, 0]] (column-major): no row exchange, so x1 is lost as 0.
    double a[4] = {0.0, 1.0, 1.0, 0.0};
    double b[2] = {3.0, 4.0};
    double x[2] = {-1.0, -1.0};
    MGAUS1(a, b, x, 2);
    EXPECT_EQ(x[0], 0.0);
    EXPECT_EQ(x[1], 3.0);
}

// The fast solves must give MGAUS1's doubles to the bit: a difference too
// small to show in one drawn curve's floats would still move some curve.
TEST(SplineSolver, TheCurvesOwnSolvesAreMgaus1ToTheBit) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> column(0.0, 6000.0), value(0.0, 4500.0),
        slope(-40.0, 40.0), near(-1e-3, 1e-3);
    auto same = [](double a, double b) {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
               (std::isnan(a) && std::isnan(b));
    };
    for (int trial = 0; trial < 20000; ++trial) {
        // Every tenth case crowds the columns, where rounding matters most;
        // every hundredth puts both nodes of the cubic in one column.
        const double x0 = std::round(column(random) * 4.0) / 4.0;
        const double x1 = trial % 10 == 0 ? x0 + near(random) : column(random);
        const double x2 = column(random);
        const double xs[3] = {x0, x1, x2};
        const double ys[3] = {value(random), value(random), value(random)};
        double a3[9] = {1, 1, 1, x0, x1, x2, x0 * x0, x1 * x1, x2 * x2};
        double b3[3] = {ys[0], ys[1], ys[2]}, c3[3];
        MGAUS1(a3, b3, c3, 3);
        const std::array<double, 3> p = parabolaSolve(xs, ys);
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(same(p[i], c3[i])) << trial << " parabola " << i;

        const double xk1 = trial % 100 == 0 ? x0 : x1;
        const double left = slope(random), right = slope(random);
        double a4[16] = {1,
                         1,
                         0,
                         0,
                         x0,
                         xk1,
                         1,
                         1,
                         x0 * x0,
                         xk1 * xk1,
                         2.0 * x0,
                         2.0 * xk1,
                         x0 * x0 * x0,
                         xk1 * xk1 * xk1,
                         3.0 * (x0 * x0),
                         3.0 * (xk1 * xk1)};
        double b4[4] = {ys[0], ys[1], left, right}, c4[4];
        MGAUS1(a4, b4, c4, 4);
        const std::array<double, 4> h = hermiteSolve(x0, xk1, ys[0], ys[1], left, right);
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(same(h[i], c4[i])) << trial << " cubic " << i;
    }
}

Dep2D lineData(int lineNumber, const std::vector<float>& x, const std::vector<float>& y) {
    Dep2D d;
    d.NPoints(lineNumber) = static_cast<std::int32_t>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        d.PixX(lineNumber, static_cast<int>(i) + 1) = x[i];
        d.PixY(lineNumber, static_cast<int>(i) + 1) = y[i];
    }
    return d;
}

TEST(SplineSampling, PolylineSpansTheCurrentLineInFloatSteps) {
    int row = 3;
    Dep2D d = lineData(row, {10.0f, 30.0f, 55.0f, 70.0f, 90.0f, 109.0f},
                       {5.0f, 9.0f, 4.0f, 12.0f, 8.0f, 1.0f});
    d.NPoints(1) = 2; // another line must not leak in
    SplineSamples s;
    SPLINEINTERPOLATION(SplinePolyline, d, row, s);
    ASSERT_EQ(s.SplinePixCount, 100);
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(s.SplinePixX(i), 9.0f + static_cast<float>(i));
    EXPECT_EQ(s.SplinePixY(1), 5.0f);
    EXPECT_EQ(s.SplinePixY(21), 9.0f);
    EXPECT_EQ(s.SplinePixY(100), 1.0f);

    // The step is rounded to a float and the samples are float sums.
    row = 1;
    d = lineData(row, {0.1f, 1.0f, 3.7f}, {0.0f, 1.0f, 2.0f});
    SPLINEINTERPOLATION(SplinePolyline, d, row, s);
    const float h = (3.7f - 0.1f) / 99.0f;
    for (int i = 0; i < 100; ++i) EXPECT_EQ(s.SplinePixX(i + 1), 0.1f + static_cast<float>(i) * h);
}

TEST(SplineSampling, ResampleCountsAndEdgeCases) {
    int row = 1;
    Dep2D d = lineData(row, {2.5f, 7.0f, 11.0f, 19.5f, 23.0f, 40.1f},
                       {3.0f, 8.0f, -2.0f, 6.0f, 1.0f, 9.5f});
    SplineSamples s;
    SPLINEINTERPOLATION(SplineResample, d, row, s, 2);
    ASSERT_EQ(s.SplinePixCount, 2);
    EXPECT_EQ(s.SplinePixX(1), 2.5f);
    EXPECT_EQ(s.SplinePixY(1), 3.0f);
    EXPECT_FLOAT_EQ(s.SplinePixX(2), 40.1f);
    EXPECT_NEAR(s.SplinePixY(2), 9.5f, 1e-4);

    SPLINEINTERPOLATION(SplineResample, d, row, s, 1); // one sample, on the first point
    ASSERT_EQ(s.SplinePixCount, 1);
    EXPECT_EQ(s.SplinePixX(1), 2.5f);
    EXPECT_EQ(s.SplinePixY(1), 3.0f);

    SPLINEINTERPOLATION(SplineResample, d, row, s,
                        500); // no more samples than slots, still end to end
    ASSERT_EQ(s.SplinePixCount, PointSlots);
    EXPECT_FLOAT_EQ(s.SplinePixX(PointSlots), 40.1f);

    for (int count : {0, -3}) {
        SPLINEINTERPOLATION(SplineResample, d, row, s, count);
        EXPECT_EQ(s.SplinePixCount, 0);
    }

    // An empty line gives no polyline and leaves the spline point alone.
    row = 2;
    d = lineData(row, {}, {});
    s.SplinePointX = 5.0f;
    s.SplinePointY = 77.0f;
    SPLINEINTERPOLATION(SplinePolyline, d, row, s);
    EXPECT_EQ(s.SplinePixCount, 0);
    SPLINEINTERPOLATION(SplineAtPoint, d, row, s);
    EXPECT_EQ(s.SplinePointY, 77.0f);

    // One point: its y everywhere.
    row = 2;
    d = lineData(row, {14.0f}, {6.5f});
    SPLINEINTERPOLATION(SplinePolyline, d, row, s);
    ASSERT_EQ(s.SplinePixCount, 100);
    for (int i = 1; i <= 100; ++i) EXPECT_EQ(s.SplinePixY(i), 6.5f);
}

TEST(SplineSampling, PointModeEvaluatesAtSplinePointX) {
    std::vector<float> x{3.0f, 8.0f, 15.0f, 21.0f, 30.0f, 34.0f}, y;
    for (float xi : x) y.push_back(static_cast<float>(parabola(xi)));
    int row = 4;
    const Dep2D d = lineData(row, x, y);
    SplineSamples s;
    s.SplinePixCount = 42;
    for (float px : {9.5f, 27.25f}) {
        s.SplinePointX = px;
        SPLINEINTERPOLATION(SplineAtPoint, d, row, s);
        EXPECT_NEAR(s.SplinePointY, parabola(px), 1e-4);
    }
    EXPECT_EQ(s.SplinePixCount, 42); // the polyline is not touched
}

} // namespace
} // namespace vex
