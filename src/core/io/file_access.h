#pragma once
// Reading and writing whole files safely: only regular files are read, and
// within a bound; a write replaces the old file only once the new one is
// complete.

#include "core/messages/user_message.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// Paths travel through the program as UTF-8 text.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// A warning about the file at `path` (the message's first argument).
UserMessage fileMessage(int number, const std::string& path);

// Why `path` cannot be read as a file of at most maxBytes, or nothing when
// it can. Only a regular file (symbolic links followed) qualifies: a folder,
// a pipe or a device could block the reader or never end.
std::optional<UserMessage> checkReadableFile(const std::string& path, std::size_t maxBytes);

// The whole file, or a message (cannot open, not a regular file, larger than maxBytes).
std::optional<UserMessage> readWholeFile(const std::string& path, std::size_t maxBytes,
                                         std::string& content);

// A regular file of at most maxBytes open for reading parts of it, by the
// rules of readWholeFile: for a file too large to hold twice in memory.
class ReadableFile {
  public:
    ReadableFile() = default;
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();

    // Nothing when open; otherwise why not (and `this` stays closed).
    std::optional<UserMessage> open(const std::string& path, std::size_t maxBytes);
    std::uint64_t size() const { return size_; }
    // Up to `count` bytes from `offset` into `out`, fewer only where the file
    // ends; false on a read error.
    bool readAt(std::uint64_t offset, std::size_t count, std::string& out) const;

  private:
    friend std::optional<UserMessage> readWholeFile(const std::string&, std::size_t, std::string&);
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Saves `content` as the file at `path`: written to a new file beside the
// target, synced, then renamed over it, so that the target holds either its
// old or its new content, never a part. Symbolic links are followed to the
// file they lead to, which is replaced while the links stay. A target that
// is not a regular file (a folder, a pipe, a device, a socket) is refused.
// The new file keeps the old one's permissions. A file with other hard links
// gets a new file under this name, and the other names keep the old content:
// rewriting it in place would keep the links but could leave it half-written.
// On any failure the previous file is untouched and nothing is left beside
// it; what a killed save left beside it is cleared by the next save.
std::optional<UserMessage> replaceFileContent(const std::string& path, std::string_view content);

} // namespace vex
