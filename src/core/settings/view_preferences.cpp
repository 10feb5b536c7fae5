#include "core/settings/view_preferences.h"

namespace vex {
namespace {

constexpr std::string_view kMagnifier = "Magnifier";

} // namespace

bool readMagnifierShown(const SettingsStore& store) {
    std::string kept;
    if (!GETREGKEYDATA(store, ViewPreferencesKey, kMagnifier, kept, SettingsValueBufferBytes))
        return true;
    return kept != "0";
}

bool writeMagnifierShown(SettingsStore& store, bool shown) {
    return SETREGKEYDATA(store, ViewPreferencesKey, kMagnifier, shown ? "1" : "0");
}

} // namespace vex
