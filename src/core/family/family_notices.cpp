#include "core/family/family_notices.h"

#include "core/family/line_curve.h"
#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace vex {
namespace {

constexpr int CrossingSamples = 200;

// The lines with points, by parameter.
std::vector<int> linesByParameter(const Dep2D& d) {
    std::vector<int> lines;
    for (int j = 1; j <= d.NLines; ++j)
        if (d.NPoints(j) > 0) lines.push_back(j);
    std::stable_sort(lines.begin(), lines.end(),
                     [&](int a, int b) { return d.LineParam(a) < d.LineParam(b); });
    return lines;
}

// Where the curves ca and cb cross over their common X, if they do: the
// difference changes sign by more than a millionth of the values.
std::optional<double> crossing(const LineCurve& ca, const LineCurve& cb) {
    const double from = std::max(ca.from(), cb.from()), to = std::min(ca.to(), cb.to());
    if (!(to > from)) return std::nullopt;
    int sign = 0;
    for (int i = 0; i <= CrossingSamples; ++i) {
        const double X = from + (to - from) * i / CrossingSamples;
        const double ya = ca.at(X), yb = cb.at(X);
        const double diff = ya - yb;
        if (std::fabs(diff) <= 1e-6 * std::max(std::fabs(ya), std::fabs(yb))) continue;
        const int s = diff > 0 ? 1 : -1;
        if (sign != 0 && s != sign) return X;
        sign = s;
    }
    return std::nullopt;
}

} // namespace

std::vector<UserMessage> familyNotices(const Dep2D& d) {
    std::vector<UserMessage> notices;
    const auto notice = [&](int number, std::array<std::string, 4> args) {
        notices.push_back({number, MessageKind::Information, std::move(args)});
    };
    const std::vector<int> lines = linesByParameter(d);
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (d.LineParam(lines[i]) == d.LineParam(lines[i - 1]))
            notice(msg::FamilyEqualParameters,
                   {std::to_string(lines[i - 1]), std::to_string(lines[i]),
                    listDirectedReal(d.LineParam(lines[i]))});
    if (!std::is_sorted(lines.begin(), lines.end()) &&
        !std::is_sorted(lines.rbegin(), lines.rend()))
        notice(msg::FamilyParametersOutOfOrder, {});
    const std::vector<LineCurve> curves = curvesOf(d);
    const auto curve = [&](int line) -> const LineCurve& {
        return curves[static_cast<std::size_t>(line - 1)];
    };
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (d.LineParam(lines[i]) == d.LineParam(lines[i - 1])) continue;
        if (const std::optional<double> X = crossing(curve(lines[i - 1]), curve(lines[i])))
            notice(msg::FamilyLinesCross, {std::to_string(lines[i - 1]), std::to_string(lines[i]),
                                           listDirectedReal(static_cast<float>(*X))});
    }
    return notices;
}

} // namespace vex
