#pragma once
// Telling a PDF document by its content.

#include <string>

namespace vex {

// Whether the regular file at `path` begins as a PDF document does: its
// "%PDF-" mark within the first kilobyte, where readers look for it.
bool isPdfFile(const std::string& path);

} // namespace vex
