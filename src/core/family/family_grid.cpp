#include "core/family/family_grid.h"

#include "core/io/number_text.h"
#include "core/messages/catalogue.h"

#include <algorithm>
#include <cmath>

namespace vex {
namespace {

UserMessage gridRefused(double from, double to, const std::string& spacing) {
    return {msg::FamilyGridUnusable,
            MessageKind::Warning,
            {listDirectedReal(static_cast<float>(from)), listDirectedReal(static_cast<float>(to)),
             spacing, std::to_string(FamilyGridMaxRows)}};
}

FamilyGrid byStep(const GridByStep& g) {
    const std::string spacing = "step " + listDirectedReal(static_cast<float>(g.step));
    if (!std::isfinite(g.from) || !std::isfinite(g.to) || !std::isfinite(g.step) ||
        !(g.step > 0.0) || !(g.to > g.from))
        return {{}, gridRefused(g.from, g.to, spacing)};
    // A last point within a millionth of a step of `to` is `to` itself.
    const double steps = std::floor((g.to - g.from) / g.step + 1e-6);
    if (steps + 1 > FamilyGridMaxRows) return {{}, gridRefused(g.from, g.to, spacing)};
    FamilyGrid grid;
    for (int i = 0; i <= static_cast<int>(steps); ++i) grid.x.push_back(g.from + i * g.step);
    return grid;
}

FamilyGrid byCount(const GridByCount& g) {
    const std::string spacing = std::to_string(g.count) + " points";
    if (!std::isfinite(g.from) || !std::isfinite(g.to) || !(g.to > g.from) || g.count < 2 ||
        g.count > FamilyGridMaxRows)
        return {{}, gridRefused(g.from, g.to, spacing)};
    FamilyGrid grid;
    for (int i = 0; i < g.count; ++i)
        grid.x.push_back(g.from + (g.to - g.from) * i / (g.count - 1));
    return grid;
}

FamilyGrid ofAllX(const Dep2D& d) {
    FamilyGrid grid;
    for (int j = 1; j <= d.NLines; ++j)
        for (int k = 1; k <= d.NPoints(j); ++k) grid.x.push_back(d.ArgX(j, k));
    std::sort(grid.x.begin(), grid.x.end());
    grid.x.erase(std::unique(grid.x.begin(), grid.x.end()), grid.x.end());
    if (grid.x.empty()) return {{}, UserMessage{msg::FamilyHasNoPoints, MessageKind::Warning, {}}};
    return grid;
}

} // namespace

FamilyGrid familyGrid(const GridChoice& choice, const Dep2D& d) {
    if (const auto* g = std::get_if<GridByStep>(&choice)) return byStep(*g);
    if (const auto* g = std::get_if<GridByCount>(&choice)) return byCount(*g);
    return ofAllX(d);
}

} // namespace vex
