#pragma once
// The two small systems the curve solves for every sample, solved as MGAUS1
// solves them, to the last bit, in a fraction of its time: the same
// operations in the same order, leaving out only what cannot change a bit
// (a product or quotient by one, an entry never read again).

#include <array>

namespace vex {

// Coefficients (1, x, x²) of the parabola through three points in three
// different columns: MGAUS1 on the rows (1, x, x² | y).
std::array<double, 3> parabolaSolve(const double* x, const double* y);

// Coefficients (1, x, x², x³) of the cubic with values yk, yk1 and slopes
// left, right at xk, xk1: MGAUS1 on the rows (1, x, x², x³ | value) at both
// nodes, then (0, 1, 2x, 3x² | slope) at both.
std::array<double, 4> hermiteSolve(double xk, double xk1, double yk, double yk1, double left,
                                   double right);

} // namespace vex
