#pragma once

namespace vex {

// Registers the pictures and help pages built into the program. The library
// is static, so its resources must be pulled in explicitly once.
void registerResources();

} // namespace vex
