#pragma once
// The interpolating curve of a line: y (image row) as a function of x (image
// column) through the line's stored positions. Five or more points give a
// piecewise cubic whose slope at each point is the mean of the slopes of the
// local three-point parabolas there; shorter tables use the constant, the
// straight line, the parabola or the cubic through all their points.
//
// The work is done in double precision; results are stored as float. Tables
// are expected in increasing x order and are neither sorted nor checked:
// other orders give meaningless curves. Points in one image column cannot
// both lie on a curve y(x); where a parabola or cubic would need them to, a
// straight line through neighbours in different columns stands in, so the
// curve steps across the column and stays finite.

#include "core/data/dep2d.h"
#include "core/numerics/spline_samples.h"

namespace vex {

// Modes of SPLINEINTERPOLATION.
inline constexpr int SplinePolyline = 0; // the curve as drawn: SplineDrawSamples samples
inline constexpr int SplineResample = 1; // resampleCount samples, to rebuild the line
inline constexpr int SplineAtPoint = 2;  // SplinePointY at SplinePointX

inline constexpr int SplineDrawSamples = 100;

// Straight line through the neighbouring pair that holds xv, scanning from the
// left; the first pair left of the table, the last pair from xn on. A pair in
// one column gives its left point's y left of the column, its right point's y
// from there on. Fewer than two points fall back to F3INP2.
double GK1E(const double* x, const double* y, double xv, int n);

// Parabola through the consecutive triple nearest to xv (least sum of squared
// distances, the first on a tie); the first triple left of the table, the last
// triple right of it. Fewer than three points fall back to F3INP2.
double F3EXTPARAB(const double* x, const double* y, double xv, int n);

// Solves A·X = B for a small m×m system, A column-major. Gaussian elimination
// without row exchanges; a zero pivot above the last row gives X(i) = 0.
// A and B are overwritten.
void MGAUS1(double* A, double* B, double* X, int m);

// The curve through the n points (x, y) evaluated at xv. One point gives its
// y everywhere, two to four points the polynomial through all of them (also
// outside the table; four points in fewer than four columns the parabola of
// the nearest three); five or more the piecewise cubic, flat outside the
// table. An empty table reads nothing and gives NaN.
double F3INP2(const double* x, const double* y, double xv, int n);

// Samples the curve of `line` into out (see the mode constants). The
// samples run evenly from the line's first to its last point in stored order.
// At most PointSlots samples are taken; a count of 1 gives the first point, a
// count below 1 none. An empty line gives no samples and leaves SplinePointY.
void SPLINEINTERPOLATION(int mode, const Dep2D& d, int line, SplineSamples& out,
                         int resampleCount = 0);

} // namespace vex
