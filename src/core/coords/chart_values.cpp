#include "core/coords/chart_values.h"

#include "core/coords/mapping.h"

namespace vex {

void recomputeAllChartValues(Calibration& c, Dep2D& d) {
    for (int j = 1; j <= d.NLines; ++j) {
        for (int k = 1; k <= d.NPoints(j); ++k) {
            d.ArgLine = j;
            d.ArgPoint = k;
            SOLUTION_NEWTON(c, d);
        }
    }
}

} // namespace vex
