#include "core/ui/recent_files.h"

#include <algorithm>

namespace vex {
namespace {

std::string slotName(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

// The store keeps at most a buffer's worth of a value and drops trailing
// blanks: a path it would change is better not kept than kept wrong.
bool storable(const std::string& path) {
    return !path.empty() && path.size() < SettingsValueBufferBytes && path.back() != ' ';
}

} // namespace

std::string_view recentFilesKey(RecentList list) {
    return list == RecentList::Projects ? "SOFTWARE\\Vexilor\\RecentProjects"
                                        : "SOFTWARE\\Vexilor\\RecentPictures";
}

std::vector<std::string> readRecentFiles(const SettingsStore& store, RecentList list) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < RecentFilesMax; ++i) {
        std::string path;
        if (!GETREGKEYDATA(store, recentFilesKey(list), slotName(i), path,
                           SettingsValueBufferBytes))
            continue;
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(path);
    }
    return files;
}

std::vector<std::string> withRecentFile(std::vector<std::string> files, const std::string& path) {
    if (!storable(path)) return files;
    files = withoutRecentFile(std::move(files), path);
    files.insert(files.begin(), path);
    if (files.size() > RecentFilesMax) files.resize(RecentFilesMax);
    return files;
}

std::vector<std::string> withoutRecentFile(std::vector<std::string> files,
                                           const std::string& path) {
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    return files;
}

bool writeRecentFiles(SettingsStore& store, RecentList list,
                      const std::vector<std::string>& files) {
    bool stored = true;
    for (std::size_t i = 0; i < RecentFilesMax; ++i) {
        const std::string path = i < files.size() ? files[i] : std::string();
        stored = store.setValue(recentFilesKey(list), slotName(i), path) && stored;
    }
    return stored;
}

} // namespace vex
