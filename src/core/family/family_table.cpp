#include "core/family/family_table.h"

#include "core/family/line_curve.h"
#include "core/io/csv_text.h"

namespace vex {

FamilyTable familyTable(const Dep2D& d, const std::vector<double>& grid, bool extrapolate) {
    FamilyTable t;
    t.x = grid;
    const std::vector<LineCurve> curves = curvesOf(d);
    for (int j = 1; j <= d.NLines; ++j) t.parameters.push_back(d.LineParam(j));
    for (double X : grid) {
        std::vector<std::optional<double>> row;
        for (const LineCurve& c : curves) {
            if (c.reaches(X, extrapolate))
                row.emplace_back(c.at(X));
            else
                row.emplace_back();
        }
        t.y.push_back(std::move(row));
    }
    return t;
}

std::string familyTableText(const FamilyTable& t, char separator) {
    std::string out = "x";
    for (float p : t.parameters) out += separator + csvNumber(p);
    out += "\r\n";
    for (std::size_t r = 0; r < t.x.size(); ++r) {
        out += csvNumber(static_cast<float>(t.x[r]));
        for (const std::optional<double>& cell : t.y[r]) {
            out += separator;
            if (cell) out += csvNumber(static_cast<float>(*cell));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace vex
