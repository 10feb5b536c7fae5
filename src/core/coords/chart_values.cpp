#include "core/coords/chart_values.h"

#include "core/coords/mapping.h"

namespace vex {

void recomputeLineChartValues(Document& doc, float perspectiveDistance, int line) {
    for (int k = 1; k <= doc.NPoints(line); ++k)
        SOLUTION_NEWTON(doc, perspectiveDistance, doc, line, k);
}

void recomputeAllChartValues(Document& doc, float perspectiveDistance) {
    for (int j = 1; j <= doc.NLines; ++j) recomputeLineChartValues(doc, perspectiveDistance, j);
}

} // namespace vex
