#pragma once
// How the user likes the view, kept for the next start.

#include "core/settings/settings_store.h"

namespace vex {

inline constexpr std::string_view ViewPreferencesKey = "SOFTWARE\\Vexilor\\View";

// Whether the magnifier shows while points and markers are placed; on
// unless the user turned it off.
bool readMagnifierShown(const SettingsStore& store);
bool writeMagnifierShown(SettingsStore& store, bool shown);

} // namespace vex
