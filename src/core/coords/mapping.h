#pragma once
// The two directions between image positions and chart values. The four
// markers span a quadrilateral in the image that maps bilinearly onto the
// chart rectangle: chart to image is closed form, image to chart is solved
// with the bounded Newton iteration.

#include "core/coords/calibration.h"
#include "core/data/dep2d.h"

#include <iosfwd>

namespace vex {

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// Half widths of the inversion's search box for the normalised coordinates:
// the wide box for a nearly rectangular calibration, the narrow one otherwise.
inline constexpr double WideSearchBox = 10.0;
inline constexpr double NarrowSearchBox = 2.0;

// Image position of the normalised chart position (a, b): a = 0 on the side
// of markers 1 and 4, 1 on the side of 2 and 3; b = 0 on the Ymax side (1, 2),
// 1 on the Ymin side (4, 3). Values outside 0..1 extrapolate.
PlanePoint bilinearPosition(const Calibration& c, double a, double b);

// Chart values to image position, closed form.
PlanePoint chartToImage(const Calibration& c, double X, double Y);

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
