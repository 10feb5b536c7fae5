#pragma once
// The family tools as commands on the session: a new line read across the
// family, added as an ordinary line.

#include "core/family/read_across.h"
#include "core/state/app_state.h"

#include <optional>

namespace vex {

// Adds the line (its parameter p) after the last one and makes it current.
// Refused, with nothing changed, when a point would not sit on the picture.
std::optional<UserMessage> addLineAtParameter(AppState& s, double p, const LineAtParameter& line);

} // namespace vex
