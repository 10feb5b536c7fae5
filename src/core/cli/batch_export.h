#pragma once
// The command-line export: a project file in, a text table out, no window.

#include "core/messages/user_message.h"

#include <optional>
#include <string>

namespace vex {

// Loads the project, computes every point's chart values from its image
// position exactly as a freshly started window does on Load Project (the
// solver's search box is the one the window starts with: loading never
// changes it), and writes the text table. Nothing is written when anything
// fails.
std::optional<UserMessage> exportTableFromProject(const std::string& projectPath,
                                                  const std::string& outputPath);

// The same project's points as CSV (line, parameter, x, y).
std::optional<UserMessage> exportCsvFromProject(const std::string& projectPath,
                                                const std::string& outputPath);

// The family table of the project as CSV, on the grid FROM:STEP:TO given as
// text; the grid's text is refused as the window refuses a grid.
std::optional<UserMessage> exportFamilyFromProject(const std::string& projectPath,
                                                   const std::string& outputPath,
                                                   const std::string& grid);

} // namespace vex
