#include "core/numerics/spline.h"

#include "core/numerics/spline_solves.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>

namespace vex {
namespace {

// The slope means use the float values of their factors, as the curve always
// has: one third is not exact here, and the drawn curves depend on it.
constexpr double OneThird = 0.3333333432674408;
constexpr double Half = 0.5;

constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

struct Parabola {
    double c0 = 0.0;
    double c1 = 0.0;
    double c2 = 0.0;

    double at(double xv) const { return c0 + c1 * xv + c2 * (xv * xv); }
    double slope(double xv) const { return 2.0 * c2 * xv + c1; }
};

// Straight line through the points a and b (0-based), which differ in x.
Parabola lineThrough(const double* x, const double* y, int a, int b) {
    const double slope = (y[b] - y[a]) / (x[b] - x[a]);
    return {y[a] - slope * x[a], slope, 0.0};
}

// Two points in one image column have no parabola through them: the
// straight line through the first pair that differs in x stands in, so the
// curve steps from one point of the column to the other instead of being
// NaN; a triple in one column gives its first point's y.
Parabola lineInColumns(const double* x, const double* y, int j) {
    if (x[j] != x[j + 1]) return lineThrough(x, y, j, j + 1);
    if (x[j + 1] != x[j + 2]) return lineThrough(x, y, j + 1, j + 2);
    return {y[j], 0.0, 0.0};
}

bool allColumnsDiffer(const double* x, int n) {
    for (int i = 0; i < n; ++i)
        for (int k = i + 1; k < n; ++k)
            if (x[i] == x[k]) return false;
    return true;
}

// Parabola through the points j, j+1, j+2 (0-based j).
Parabola parabolaThrough(const double* x, const double* y, int j) {
    if (!allColumnsDiffer(x + j, 3)) return lineInColumns(x, y, j);
    const std::array<double, 3> c = parabolaSolve(x + j, y + j);
    return {c[0], c[1], c[2]};
}

double cubicAt(const std::array<double, 4>& c, double xv) {
    const double xv2 = xv * xv;
    return c[0] + c[1] * xv + c[2] * xv2 + c[3] * (xv2 * xv);
}

// Row r of a 4 × 4 column-major matrix of columns 1, x, x², x³: the value
// of the cubic at xr.
void valueRow(std::array<double, 16>& a, std::size_t r, double xr) {
    a[r] = 1.0;
    a[4 + r] = xr;
    a[8 + r] = xr * xr;
    a[12 + r] = xr * xr * xr;
}

// Cubic through the four points, evaluated anywhere.
double cubicThroughFour(const double* x, const double* y, double xv) {
    std::array<double, 16> a{}; // column-major: columns 1, x, x², x³
    std::array<double, 4> b{};
    std::array<double, 4> c{};
    for (std::size_t r = 0; r < 4; ++r) {
        valueRow(a, r, x[r]);
        b[r] = y[r];
    }
    MGAUS1(a.data(), b.data(), c.data(), 4);
    return cubicAt(c, xv);
}

// The piecewise cubic through a table of n >= 5 points: on interval k
// (1-based nodes k, k+1) the cubic with the values and slopes of both nodes.
// Every node's slope depends on the node alone, so the two intervals meeting
// at a node agree there and the curve is C1. The parabolas, slopes and cubics
// are made once each, when a sample first needs them: neighbouring samples
// share them, and each is the same arithmetic whichever sample asked.
class PiecewiseCubic {
  public:
    PiecewiseCubic(const double* x, const double* y, int n)
        : x_(x), y_(y), n_(n), stride_(static_cast<std::size_t>(n + 1)) {
        // A line's worth of points needs no allocation. The values are left
        // unset: each entry is written before it is read.
        if (stride_ > kLineStride) {
            heap_ = std::make_unique_for_overwrite<double[]>(8 * stride_);
            heapMade_ = std::make_unique<char[]>(3 * stride_);
            store_ = heap_.get();
            made_ = heapMade_.get();
        } else {
            std::fill_n(made_, 3 * stride_, char(0));
        }
        // Ordered abscissas (no NaN among them) let the searches halve.
        ordered_ = true;
        for (int i = 1; i < n && ordered_; ++i) ordered_ = x[i - 1] <= x[i];
    }
    // It points into itself: never copied or moved.
    PiecewiseCubic(const PiecewiseCubic&) = delete;
    PiecewiseCubic& operator=(const PiecewiseCubic&) = delete;

    // Makes every node's slope, and with them every parabola, in one run,
    // for a caller that samples the whole table: made in order, one after
    // the other, their solves overlap instead of waiting on the cubic of
    // each sample. The same arithmetic as when made one at a time.
    void makeAllSlopes() {
        for (int m = 1; m <= n_; ++m) slope(m);
    }

    double at(double xv) {
        const double* x = x_;
        const int n = n_;
        // Flat outside the table; the right end wins if both tests hold.
        if (xv >= x[n - 1]) return y_[n - 1];
        if (xv <= x[0]) return y_[0];
        if (ordered_) return orderedAt(xv);
        if (const int node = innerNodeAt(xv); node > 0) return y_[node];
        const int k = intervalOf(xv);
        return cubicAt(cubic(k), xv);
    }

  private:
    // at() for ordered abscissas, x[0] < xv < x[n-1]: one search finds the
    // interval, and tells whether an inner node lies at xv (the last one
    // not above xv is then such a node; the first of them answers).
    double orderedAt(double xv) {
        const double* above = firstAbove(xv);
        if (above - 1 > x_ && above[-1] == xv) {
            const double* first = std::lower_bound(x_ + 1, above, xv);
            return y_[first - x_];
        }
        const int k = above == x_ + n_ ? n_ - 1 : static_cast<int>(above - x_);
        return cubicAt(cubic(k), xv);
    }

    // The first abscissa after x[0] above xv (the end if none). Samples come
    // in rising order, so the search goes on from where the last one ended
    // while it is not above the next; any other order searches afresh.
    const double* firstAbove(double xv) {
        const double* end = x_ + n_;
        if (!(xv >= lastSample_)) lastAbove_ = std::upper_bound(x_ + 1, end, xv);
        while (lastAbove_ != end && !(xv < *lastAbove_)) ++lastAbove_;
        lastSample_ = xv;
        return lastAbove_;
    }

    // 0-based inner node (1 .. n-2) whose abscissa is xv, the first such; 0 if none.
    int innerNodeAt(double xv) const {
        for (int i = 1; i < n_ - 1; ++i)
            if (xv == x_[i]) return i;
        return 0;
    }

    // 1-based interval k with x(k) <= xv < x(k+1), the first i >= 2 with
    // xv < x(i) giving k = i - 1. Only a NaN abscissa finds none; the last
    // interval then gives NaN as well.
    int intervalOf(double xv) const {
        for (int i = 2; i <= n_; ++i)
            if (xv < x_[i - 1]) return i - 1;
        return n_ - 1;
    }

    bool once(int kind, int index) {
        const std::size_t at =
            static_cast<std::size_t>(kind) * stride_ + static_cast<std::size_t>(index);
        char& made = made_[at];
        if (made) return false;
        made = 1;
        return true;
    }

    // P(j): the parabola through the 1-based points j .. j+2.
    Parabola P(int j) {
        double* c = &store_[3 * static_cast<std::size_t>(j)];
        if (once(0, j)) {
            const Parabola p = parabolaThrough(x_, y_, j - 1);
            c[0] = p.c0;
            c[1] = p.c1;
            c[2] = p.c2;
        }
        return {c[0], c[1], c[2]};
    }

    // Straight when the slope of P(j) is exactly the same at its outer nodes.
    bool isStraight(const Parabola& p, int j) const {
        return p.slope(x_[j - 1]) == p.slope(x_[j + 1]);
    }

    double slope(int m) {
        double& s = store_[3 * stride_ + static_cast<std::size_t>(m)];
        if (once(1, m)) s = slopeAt(m);
        return s;
    }

    double slopeAt(int m) {
        const double xm = x_[m - 1];
        if (m == 1) return P(1).slope(xm);
        if (m == n_) return P(n_ - 2).slope(xm);
        if (m == 2) {
            const Parabola first = P(1);
            if (isStraight(first, 1)) return first.slope(xm);
            return (first.slope(xm) + P(2).slope(xm)) * Half;
        }
        // A straight run of points keeps its own slope, so it stays straight.
        const Parabola before = P(m - 2);
        if (isStraight(before, m - 2)) return before.slope(xm);
        if (m <= n_ - 2) return (before.slope(xm) + P(m - 1).slope(xm) + P(m).slope(xm)) * OneThird;
        return (before.slope(xm) + P(n_ - 2).slope(xm)) * Half; // m - 2 = n - 3 here
    }

    std::array<double, 4> cubic(int k) {
        double* c = &store_[4 * stride_ + 4 * static_cast<std::size_t>(k)];
        if (once(2, k)) {
            const std::array<double, 4> made = hermiteCubic(k);
            std::copy(made.begin(), made.end(), c);
        }
        return {c[0], c[1], c[2], c[3]};
    }

    std::array<double, 4> hermiteCubic(int k) {
        // The slopes first, left then right, as the solve takes them.
        const double left = slope(k);
        const double right = slope(k + 1);
        return hermiteSolve(x_[k - 1], x_[k], y_[k - 1], y_[k], left, right);
    }

    const double* x_;
    const double* y_;
    int n_;
    bool ordered_ = false;
    std::size_t stride_;
    // Where the last sample's search ended: before lastAbove_ nothing is
    // above lastSample_.
    double lastSample_ = std::numeric_limits<double>::infinity();
    const double* lastAbove_ = nullptr;
    // Parabolas by j (1 .. n-2, three coefficients each), then slopes by
    // node (1 .. n), then cubics by interval (1 .. n-1, four each).
    static constexpr std::size_t kLineStride = PointSlots + 1;
    std::array<double, 8 * kLineStride> inPlace_;
    std::array<char, 3 * kLineStride> inPlaceMade_;
    std::unique_ptr<double[]> heap_;
    std::unique_ptr<char[]> heapMade_;
    double* store_ = inPlace_.data();
    char* made_ = inPlaceMade_.data(); // which of them have been made
};

} // namespace

void MGAUS1(double* A, double* B, double* X, int m) {
    if (m < 1) return;
    auto a = [A, m](int i, int j) -> double& { return A[(i - 1) + (j - 1) * m]; };

    for (int k = 1; k < m; ++k) {
        for (int i = k + 1; i <= m; ++i) {
            if (a(i, k) == 0.0) continue;
            const double f = a(k, k) / a(i, k);
            // Columns left of k are already zero in both rows.
            for (int j = k; j <= m; ++j) a(i, j) = f * a(i, j) - a(k, j);
            B[i - 1] = f * B[i - 1] - B[k - 1];
        }
    }

    X[m - 1] = B[m - 1] / a(m, m);
    for (int i = m - 1; i >= 1; --i) {
        if (a(i, i) == 0.0) {
            X[i - 1] = 0.0;
            continue;
        }
        double sum = 0.0;
        for (int j = i + 1; j <= m; ++j) sum += a(i, j) * X[j - 1];
        X[i - 1] = (B[i - 1] - sum) / a(i, i);
    }
}

double GK1E(const double* x, const double* y, double xv, int n) {
    if (n < 2) return F3INP2(x, y, xv, n);
    if (xv == x[0]) return y[0];

    int a = n - 2; // 0-based left point of the pair
    if (xv < x[0]) {
        a = 0;
    } else if (xv < x[n - 1]) {
        for (int i = 0; i + 1 < n; ++i) {
            if (x[i] <= xv && xv < x[i + 1]) {
                a = i;
                break;
            }
        }
    }
    // A pair in one column: its left point left of the column, else its right one.
    if (x[a] == x[a + 1]) return xv < x[a] ? y[a] : y[a + 1];
    return y[a] + (xv - x[a]) * (y[a + 1] - y[a]) / (x[a + 1] - x[a]);
}

double F3EXTPARAB(const double* x, const double* y, double xv, int n) {
    if (n < 3) return F3INP2(x, y, xv, n);

    int j = 0; // 0-based first point of the triple
    if (xv < x[0]) {
        j = 0;
    } else if (xv > x[n - 1]) {
        j = n - 3;
    } else {
        double best = 1.0e35;
        for (int t = 0; t + 2 < n; ++t) {
            const double d0 = xv - x[t];
            const double d1 = xv - x[t + 1];
            const double d2 = xv - x[t + 2];
            const double sum = d0 * d0 + d1 * d1 + d2 * d2;
            if (sum < best) {
                best = sum;
                j = t;
            }
        }
    }
    return parabolaThrough(x, y, j).at(xv);
}

double F3INP2(const double* x, const double* y, double xv, int n) {
    if (n < 1) return NoValue;
    if (n == 1) return y[0];
    if (n == 2) return GK1E(x, y, xv, n);
    if (n == 3) return F3EXTPARAB(x, y, xv, n);
    // Four points in fewer columns have no cubic through them.
    if (n == 4)
        return allColumnsDiffer(x, 4) ? cubicThroughFour(x, y, xv) : F3EXTPARAB(x, y, xv, n);
    return PiecewiseCubic(x, y, n).at(xv);
}

void SPLINEINTERPOLATION(int mode, const Dep2D& d, int line, SplineSamples& out,
                         int resampleCount) {
    const int n = std::clamp(d.NPoints(line), 0, PointSlots);

    // Only the first n are read.
    std::array<double, PointSlots> x; // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::array<double, PointSlots> y; // NOLINT(cppcoreguidelines-pro-type-member-init)
    for (int p = 1; p <= n; ++p) {
        x[static_cast<std::size_t>(p - 1)] = d.PixX(line, p);
        y[static_cast<std::size_t>(p - 1)] = d.PixY(line, p);
    }

    if (mode == SplineAtPoint) {
        if (n > 0)
            out.SplinePointY = static_cast<float>(F3INP2(x.data(), y.data(), out.SplinePointX, n));
        return;
    }

    const int count = std::min(mode == SplineResample ? resampleCount : SplineDrawSamples,
                               static_cast<std::int32_t>(PointSlots));
    if (n == 0 || count < 1) {
        out.SplinePixCount = 0;
        return;
    }

    // The step is a float, as are the stored positions it lands on; a single
    // sample sits on the first point.
    const float first = d.PixX(line, 1);
    const float h = count == 1 ? 0.0f : (d.PixX(line, n) - first) / static_cast<float>(count - 1);
    out.SplinePixCount = count;
    // One table for all samples: they share its parabolas, slopes and cubics.
    std::optional<PiecewiseCubic> table;
    if (n >= 5) {
        table.emplace(x.data(), y.data(), n);
        // Samples every other interval or closer need nearly every slope.
        if (2 * count >= n) table->makeAllSlopes();
    }
    for (int i = 0; i < count; ++i) {
        const float xi = first + static_cast<float>(i) * h;
        out.SplinePixX(i + 1) = xi;
        out.SplinePixY(i + 1) =
            static_cast<float>(table ? table->at(xi) : F3INP2(x.data(), y.data(), xi, n));
    }
}

} // namespace vex
