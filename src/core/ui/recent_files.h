#pragma once
// The files the user opened last, newest first, kept in the settings store:
// one list of projects and one of pictures.

#include "core/settings/settings_store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

inline constexpr std::size_t RecentFilesMax = 8;

enum class RecentList { Projects, Pictures };

std::string_view recentFilesKey(RecentList list);

// The stored list; unreadable or empty slots are skipped.
std::vector<std::string> readRecentFiles(const SettingsStore& store, RecentList list);

// `path` moved (or added) to the front, the oldest beyond the limit dropped.
// A path the store could not give back whole is not kept.
std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string& path);
std::vector<std::string> withoutRecentFile(std::vector<std::string> files, const std::string& path);

// Stores every slot, the unused ones empty, so a shorter list leaves no
// older entry behind. False when the store refused a value.
bool writeRecentFiles(SettingsStore& store, RecentList list, const std::vector<std::string>& files);

} // namespace vex
