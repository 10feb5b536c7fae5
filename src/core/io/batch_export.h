#pragma once
// The command-line export: a project file in, a text table out, no window.

#include "core/messages/user_message.h"

#include <optional>
#include <string>

namespace vex {

// Loads the project, computes every point's chart values from its image
// position (with the search box of its markers, as after the range dialog),
// and writes the text table. Nothing is written when anything fails.
std::optional<UserMessage> exportTableFromProject(const std::string& projectPath,
                                                  const std::string& outputPath);

} // namespace vex
