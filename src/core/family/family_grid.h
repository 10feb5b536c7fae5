#pragma once
// The X values the family is read at: from / to / step, a number of points
// from / to, or every X any line has.

#include "core/data/dep2d.h"
#include "core/messages/user_message.h"

#include <optional>
#include <variant>
#include <vector>

namespace vex {

inline constexpr int FamilyGridMaxRows = 10000;

struct GridByStep {
    double from = 0.0;
    double to = 0.0;
    double step = 0.0;
};
struct GridByCount {
    double from = 0.0;
    double to = 0.0;
    int count = 0;
};
struct GridOfAllX {};
using GridChoice = std::variant<GridByStep, GridByCount, GridOfAllX>;

struct FamilyGrid {
    std::vector<double> x;
    std::optional<UserMessage> refusal; // why no grid could be made
};

// The grid, ascending; a refusal for values that are not finite, a step
// that is not positive, fewer than two points or more than FamilyGridMaxRows.
FamilyGrid familyGrid(const GridChoice& choice, const Dep2D& d);

} // namespace vex
