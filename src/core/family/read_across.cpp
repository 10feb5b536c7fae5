#include "core/family/read_across.h"

#include "core/family/line_curve.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"
#include "core/numerics/spline.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

struct AtX {
    double parameter;
    double y;
    int line;
};

// Each line that reaches X, by parameter; of lines with one parameter, the first.
std::vector<AtX> linesAt(const Dep2D& d, const std::vector<LineCurve>& curves, double X,
                         bool extrapolate) {
    std::vector<AtX> at;
    for (int j = 1; j <= d.NLines; ++j) {
        const LineCurve& c = curves[static_cast<std::size_t>(j - 1)];
        if (!c.reaches(X, extrapolate)) continue;
        at.push_back({d.LineParam(j), c.at(X), j});
    }
    std::stable_sort(at.begin(), at.end(),
                     [](const AtX& a, const AtX& b) { return a.parameter < b.parameter; });
    at.erase(std::unique(at.begin(), at.end(),
                         [](const AtX& a, const AtX& b) { return a.parameter == b.parameter; }),
             at.end());
    return at;
}

UserMessage refused(int number, std::array<std::string, 4> args = {}) {
    return {number, MessageKind::Warning, std::move(args)};
}

std::string shown(double v) {
    return listDirectedReal(static_cast<float>(v));
}

// Linear through the two lines either side of p (the two nearest at an end).
AcrossReading linear(const std::vector<AtX>& at, double p) {
    std::size_t hi = 1;
    while (hi + 1 < at.size() && at[hi].parameter < p) ++hi;
    const AtX& a = at[hi - 1];
    const AtX& b = at[hi];
    const double t = (p - a.parameter) / (b.parameter - a.parameter);
    return {a.y + t * (b.y - a.y), AcrossMethod::Linear, {a.line, b.line}, std::nullopt};
}

AcrossReading smooth(const std::vector<AtX>& at, double p) {
    std::vector<double> ps, ys;
    AcrossReading r{std::nullopt, AcrossMethod::Smooth, {}, std::nullopt};
    for (const AtX& a : at) {
        ps.push_back(a.parameter);
        ys.push_back(a.y);
        r.linesUsed.push_back(a.line);
    }
    r.y = F3INP2(ps.data(), ys.data(), p, static_cast<int>(ps.size()));
    return r;
}

AcrossReading readAcrossCurves(const Dep2D& d, const std::vector<LineCurve>& curves, double X,
                               double p, bool extrapolate) {
    AcrossReading r;
    if (!std::isfinite(X) || !std::isfinite(p)) {
        r.refusal = refused(msg::FamilyValueNotANumber);
        return r;
    }
    const std::vector<AtX> at = linesAt(d, curves, X, extrapolate);
    if (at.size() < 2) {
        r.refusal = refused(msg::FamilyTooFewLinesAtX, {shown(X)});
        return r;
    }
    const double low = at.front().parameter, high = at.back().parameter;
    const bool inside = p >= low && p <= high;
    if (!inside && !extrapolate) {
        r.refusal = refused(msg::FamilyParameterOutside, {shown(p), shown(low), shown(high)});
        return r;
    }
    // Beyond the parameters the straight continuation, never the level
    // that the curve keeps outside its points.
    return at.size() >= 3 && inside ? smooth(at, p) : linear(at, p);
}

} // namespace

AcrossReading readAcross(const Dep2D& d, double X, double p, bool extrapolate) {
    return readAcrossCurves(d, curvesOf(d), X, p, extrapolate);
}

LineAtParameter lineAtParameter(const Dep2D& d, double p, const std::vector<double>& grid,
                                bool extrapolate) {
    LineAtParameter line;
    if (d.NLines >= LinesMax) {
        line.refusal = refused(msg::FamilyFull, {std::to_string(LinesMax)});
        return line;
    }
    if (grid.size() > static_cast<std::size_t>(PointsMax) || grid.empty()) {
        line.refusal = refused(msg::FamilyLineGridTooLarge,
                               {std::to_string(grid.size()), std::to_string(PointsMax)});
        return line;
    }
    const std::vector<LineCurve> curves = curvesOf(d);
    for (double X : grid) {
        const AcrossReading r = readAcrossCurves(d, curves, X, p, extrapolate);
        if (r.refusal) {
            line.refusal = r.refusal;
            return line;
        }
        line.x.push_back(X);
        line.y.push_back(*r.y);
    }
    return line;
}

} // namespace vex
