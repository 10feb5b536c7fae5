#pragma once
// What looks wrong in a family, said but not refused: lines of one
// parameter, parameters out of order along the lines, and neighbouring
// lines (by parameter) whose curves cross.

#include "core/data/dep2d.h"
#include "core/messages/user_message.h"

#include <vector>

namespace vex {

std::vector<UserMessage> familyNotices(const Dep2D& d);

} // namespace vex
