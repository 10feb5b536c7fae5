#pragma once
// The services the program gets from its surroundings, handed to the main
// window: real ones in the program, scripted ones in tests.

#include "core/settings/settings_store.h"
#include "gui/platform/clipboard_text.h"
#include "gui/platform/prompts.h"

namespace vex {

struct Platform {
    Prompts& prompts;
    SettingsStore& settings;
    ClipboardText& clipboard;
};

} // namespace vex
