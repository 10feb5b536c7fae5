#pragma once
// The options the window toolkit takes out of the command line for itself
// when it starts (-platform NAME, -style=NAME, --reverse, …), with one dash or
// two. Whatever must be decided before it starts has to see past them.

#include <string>
#include <vector>

namespace vex {

// `args` without the toolkit's options and their values; nothing after "--"
// is taken for one.
std::vector<std::string> withoutToolkitOptions(const std::vector<std::string>& args);

} // namespace vex
