#pragma once
// A small bounded Newton solver for square nonlinear systems and the linear
// solve it uses for each step. Both keep their work on the stack, so they can
// be called from anywhere, any number of times.

#include <functional>
#include <iosfwd>

namespace vex {

inline constexpr int NewtonMaxVariables = 20;

enum NewtonStatus : int {
    NewtonConverged = 0,
    NewtonIterationLimit = 10, // stopped after 31 steps; the best point met is returned
    NewtonSingular = 20,       // a singular step went nowhere; the best point met is returned
};

// fun(n, point, residuals): residuals at a point in real units.
using NewtonResidual = std::function<void(int, const double*, double*)>;

// Solves fun(x) = 0 for x inside the box [xlo, xhi] (xhi > xlo), starting from x.
// The work is done in unit coordinates of the box; every iterate is clamped
// to it. A residual within eps in every component counts as converged. The
// Jacobian (forward differences) is refreshed every k steps. On the iteration
// limit four diagnostic lines go to `diagnostics`; print != 0 adds one line
// per iterate there.
int NEWTON(int n, int print, double* x, const double* xlo, const double* xhi,
           const NewtonResidual& fun, double eps, int k, std::ostream& diagnostics);

// Solves A·x = B by Gaussian elimination with row pivoting. A is n×n,
// column-major, and is destroyed; B receives the solution. ks = 0 when
// solved, 1 when a pivot is zero (B is then left partly transformed).
void SIMQ(double* A, double* B, int n, int& ks);

} // namespace vex
