#include "core/io/file_access.h"

#include "core/messages/catalogue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace vex {
namespace {

std::optional<UserMessage> judgeReadable(const struct stat& st, std::size_t maxBytes,
                                         const std::string& path) {
    if (!S_ISREG(st.st_mode)) return fileMessage(msg::FileCannotOpen, path);
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return fileMessage(msg::FileTooLarge, path);
    return std::nullopt;
}

// Reads to the end, but never more than maxBytes: the file may grow while it is read.
std::optional<UserMessage> readBounded(int fd, std::size_t maxBytes, const std::string& path,
                                       std::string& data) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fileMessage(msg::FileCannotOpen, path);
        if (got == 0) return std::nullopt;
        if (data.size() + static_cast<std::size_t>(got) > maxBytes)
            return fileMessage(msg::FileTooLarge, path);
        data.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

UserMessage fileMessage(int number, const std::string& path) {
    UserMessage m;
    m.number = number;
    m.kind = MessageKind::Warning;
    m.args[0] = path;
    return m;
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<UserMessage> checkReadableFile(const std::string& path, std::size_t maxBytes) {
    struct stat st {};
    if (::stat(pathFromUtf8(path).c_str(), &st) != 0) return fileMessage(msg::FileCannotOpen, path);
    return judgeReadable(st, maxBytes, path);
}

std::optional<UserMessage> ReadableFile::open(const std::string& path, std::size_t maxBytes) {
    // Looked at before opening, so that no device is ever opened; looked at
    // again once open, in case the path was swapped in between. O_NONBLOCK
    // keeps even that open from waiting for a pipe's writer.
    if (auto refusal = checkReadableFile(path, maxBytes)) return refusal;
    const int fd = ::open(pathFromUtf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return fileMessage(msg::FileCannotOpen, path);
    struct stat st {};
    std::optional<UserMessage> failure = ::fstat(fd, &st) != 0
                                             ? fileMessage(msg::FileCannotOpen, path)
                                             : judgeReadable(st, maxBytes, path);
    if (failure) {
        ::close(fd);
        return failure;
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(st.st_size);
    return std::nullopt;
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool ReadableFile::readAt(std::uint64_t offset, std::size_t count, std::string& out) const {
    out.resize(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got =
            ::pread(fd_, out.data() + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    out.resize(done);
    return true;
}

std::optional<UserMessage> readWholeFile(const std::string& path, std::size_t maxBytes,
                                         std::string& content) {
    ReadableFile file;
    if (auto refusal = file.open(path, maxBytes)) return refusal;
    std::string data;
    if (auto failure = readBounded(file.fd_, maxBytes, path, data)) return failure;
    content = std::move(data);
    return std::nullopt;
}

} // namespace vex
