#include "core/numerics/spline_solves.h"

namespace vex {

// The first column is ones, so the first step subtracts the first row as it
// is from the others.
std::array<double, 3> parabolaSolve(const double* x, const double* y) {
    const double x1 = x[0], x2 = x[1], x3 = x[2];
    const double s1 = x1 * x1, s2 = x2 * x2, s3 = x3 * x3;
    const double a22 = x2 - x1, a23 = s2 - s1, b2 = y[1] - y[0];
    double a33 = s3 - s1, b3 = y[2] - y[0];
    if (const double a32 = x3 - x1; a32 != 0.0) {
        const double f = a22 / a32;
        a33 = f * a33 - a23;
        b3 = f * b3 - b2;
    }
    const double c2 = b3 / a33;
    const double c1 = a22 == 0.0 ? 0.0 : (b2 - (0.0 + a23 * c2)) / a22;
    double sum = 0.0 + x1 * c1;
    sum += s1 * c2;
    return {y[0] - sum, c1, c2};
}

// The first step leaves the slope rows alone (their first entry is 0) and
// subtracts the first row from the second; the second step's factor for
// both slope rows is the pivot itself (their second entry is 1).
std::array<double, 4> hermiteSolve(double xk, double xk1, double yk, double yk1, double left,
                                   double right) {
    const double sk = xk * xk, sk1 = xk1 * xk1;
    const double ck = sk * xk, ck1 = sk1 * xk1;
    const double a22 = xk1 - xk, a23 = sk1 - sk, a24 = ck1 - ck, b2 = yk1 - yk;
    const double a33 = a22 * (2.0 * xk) - a23, a34 = a22 * (3.0 * sk) - a24;
    const double b3 = a22 * left - b2;
    const double a43 = a22 * (2.0 * xk1) - a23;
    double a44 = a22 * (3.0 * sk1) - a24, b4 = a22 * right - b2;
    if (a43 != 0.0) {
        const double f = a33 / a43;
        a44 = f * a44 - a34;
        b4 = f * b4 - b3;
    }
    std::array<double, 4> c{};
    c[3] = b4 / a44;
    c[2] = a33 == 0.0 ? 0.0 : (b3 - (0.0 + a34 * c[3])) / a33;
    if (a22 == 0.0) {
        c[1] = 0.0;
    } else {
        double sum = 0.0 + a23 * c[2];
        sum += a24 * c[3];
        c[1] = (b2 - sum) / a22;
    }
    double sum = 0.0 + xk * c[1];
    sum += sk * c[2];
    sum += ck * c[3];
    c[0] = yk - sum;
    return c;
}

} // namespace vex
