#include "core/coords/chart_values.h"

#include "core/coords/mapping.h"

namespace vex {

void recomputeLineChartValues(Calibration& c, Dep2D& d, int line) {
    for (int k = 1; k <= d.NPoints(line); ++k) {
        d.ArgLine = line;
        d.ArgPoint = k;
        SOLUTION_NEWTON(c, d);
    }
}

void recomputeAllChartValues(Calibration& c, Dep2D& d) {
    for (int j = 1; j <= d.NLines; ++j) recomputeLineChartValues(c, d, j);
}

} // namespace vex
