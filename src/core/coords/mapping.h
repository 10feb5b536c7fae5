#pragma once
// The two directions between image positions and chart values. The four
// markers span a quadrilateral in the image that maps onto the chart
// rectangle, bilinearly or projectively as the calibration says, and each
// axis runs linearly or logarithmically between its ends. Chart to image is
// closed form; image to chart is solved with the bounded Newton iteration
// for the bilinear map and is closed form for the projective one.

#include "core/coords/calibration.h"
#include "core/coords/plane_point.h"
#include "core/data/dep2d.h"

#include <iosfwd>

namespace vex {

// Half widths of the inversion's search box for the normalised coordinates:
// the wide box for a nearly rectangular calibration, the narrow one otherwise.
inline constexpr double WideSearchBox = 10.0;
inline constexpr double NarrowSearchBox = 2.0;

// Image position of the normalised chart position (a, b): a = 0 on the side
// of markers 1 and 4, 1 on the side of 2 and 3; b = 0 on the Ymax side (1, 2),
// 1 on the Ymin side (4, 3). Values outside 0..1 extrapolate.
PlanePoint bilinearPosition(const Calibration& c, double a, double b);

// The image position of (a, b) under the calibration's mapping.
PlanePoint quadPosition(const Calibration& c, double a, double b);

// Normalised position (a, b) of chart values, along each axis's scale: on a
// logarithmic axis the share of the logarithm's range (NaN for a value that
// is not positive).
PlanePoint normalisedPosition(const Calibration& c, double X, double Y);

// Chart values of a normalised position. On a logarithmic axis they stay
// positive floats however far out the position lies.
PlanePoint chartOfNormalised(const Calibration& c, double a, double b);

// Chart values to image position, closed form.
PlanePoint chartToImage(const Calibration& c, double X, double Y);

// The image segment along which a (or b) keeps the given value, from the
// Ymax edge to the Ymin edge (from the Xmin edge to the Xmax edge): the grid
// lines and the capture crosshair. Straight under either mapping.
struct PlaneSegment {
    PlanePoint from;
    PlanePoint to;
};
PlaneSegment segmentOfConstantA(const Calibration& c, double a);
PlaneSegment segmentOfConstantB(const Calibration& c, double b);

// Where an image position lies in the calibration: its chart values and
// its normalised position (a, b) as bilinearPosition takes it.
struct ChartPosition {
    PlanePoint chart;
    double a = 0.0;
    double b = 0.0;
};

// Image position to chart values. `perspectiveDistance` (see
// DEFINECOORDLIMITED) chooses the search box.
ChartPosition imageToChart(const Calibration& c, float perspectiveDistance, double pixX,
                           double pixY, std::ostream& diagnostics);

// The residual the solver drives to zero: the bilinear position of p = (a, b)
// minus the target image position.
void INVERTMOUSEXYTOARGANDPAR(const Calibration& c, double targetX, double targetY, const double* p,
                              double* f);

// Point (line, point) of `d`: PixX/PixY from ArgX/ValY.
void INVERTARGANDPARTOMOUSEXY(const Calibration& c, Dep2D& d, int line, int point);

// Point (line, point) of `d`: ArgX/ValY from PixX/PixY; returns where the
// point was found. Diagnostics of a solve that hits its iteration limit go
// to standard output.
ChartPosition SOLUTION_NEWTON(const Calibration& c, float perspectiveDistance, Dep2D& d, int line,
                              int point);
ChartPosition SOLUTION_NEWTON(const Calibration& c, float perspectiveDistance, Dep2D& d, int line,
                              int point, std::ostream& diagnostics);

} // namespace vex
