#pragma once
// The main window's title: the project's file name, when the project has
// one, before the program's caption. "[*]" marks where the window shows that
// there are unsaved changes.

#include <cstdint>
#include <string>

namespace vex {

struct AppState;

std::string windowTitleText(const AppState& s);

} // namespace vex
