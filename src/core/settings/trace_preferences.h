#pragma once
// How many points Trace curve puts on a line, kept for the next trace and
// the next start.

#include "core/settings/settings_store.h"

#include <cstdint>

namespace vex {

inline constexpr std::int32_t TracePointsDefault = 50;

// The last count the user chose, 2..PointsMax; the default while none is kept.
std::int32_t readTracePointCount(const SettingsStore& store);
bool writeTracePointCount(SettingsStore& store, std::int32_t count);

} // namespace vex
