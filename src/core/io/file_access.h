#pragma once
// Reading and writing whole files safely: only regular files are read, and
// within a bound; a write replaces the old file only once the new one is
// complete.

#include "core/messages/user_message.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// Paths travel through the program as UTF-8 text.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// Why `path` cannot be read as a file of at most maxBytes, or nothing when
// it can. Only a regular file (symbolic links followed) qualifies: a folder,
// a pipe or a device could block the reader or never end.
std::optional<UserMessage> checkReadableFile(const std::string& path, std::size_t maxBytes);

// The whole file, or a message (cannot open, not a regular file, larger than maxBytes).
std::optional<UserMessage> readWholeFile(const std::string& path, std::size_t maxBytes,
                                         std::string& content);

// Writes to a new file beside `path`, then renames it over `path`. On any
// failure the previous file is untouched and the temporary one removed.
std::optional<UserMessage> replaceFileContent(const std::string& path, std::string_view content);

} // namespace vex
