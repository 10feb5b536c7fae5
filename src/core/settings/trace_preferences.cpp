#include "core/settings/trace_preferences.h"

#include "core/data/dep2d.h"
#include "core/io/number_text.h"
#include "core/settings/view_preferences.h"

#include <string>

namespace vex {
namespace {

constexpr std::string_view kTracePoints = "TracePoints";

} // namespace

std::int32_t readTracePointCount(const SettingsStore& store) {
    std::string kept;
    if (!GETREGKEYDATA(store, ViewPreferencesKey, kTracePoints, kept, SettingsValueBufferBytes))
        return TracePointsDefault;
    std::int32_t count = 0;
    if (!readInteger(kept, count) || count < 2 || count > PointsMax) return TracePointsDefault;
    return count;
}

bool writeTracePointCount(SettingsStore& store, std::int32_t count) {
    return SETREGKEYDATA(store, ViewPreferencesKey, kTracePoints, std::to_string(count));
}

} // namespace vex
