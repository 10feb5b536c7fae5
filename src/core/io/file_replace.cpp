// Saving a file whole: write a new file beside the target, sync it, rename
// it over the target.
#include "core/io/file_access.h"

#include "core/messages/catalogue.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace vex {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSavingInfix = ".saving-";

// The file a save really writes: `path` with every symbolic link on the way
// to it followed, as opening it would. Nothing for a loop of links.
std::optional<fs::path> finalTarget(fs::path path) {
    constexpr int kMostLinks = 40;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

// The folder a file is in ("." for a bare name).
fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// What a save keeps of the file it replaces.
struct Existing {
    bool exists = false;
    mode_t permissions = 0;
    gid_t group = 0;
};

// The existing target's facts, or nothing when it must not be replaced
// (not a regular file, or not to be examined).
std::optional<Existing> examineTarget(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno == ENOENT) return Existing{};
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) return std::nullopt;
    return Existing{true, static_cast<mode_t>(st.st_mode & 07777), st.st_gid};
}

// "<name>.saving-<process>-<number>": the process lets a later save tell a
// dead save's file from one being written right now.
std::string temporaryNameFor(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    return target.filename().string() + std::string(kSavingInfix) + std::to_string(::getpid()) +
           "-" + std::to_string(counter++);
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The process that wrote `name`, when it is a temporary file of a save of `target`.
std::optional<pid_t> savingProcess(std::string_view name, const fs::path& target) {
    const std::string prefix = target.filename().string() + std::string(kSavingInfix);
    if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    constexpr std::size_t kLongestProcessNumber = 9;
    if (dash > kLongestProcessNumber || // no dash at all is npos
        !allDigits(rest.substr(0, dash)) || !allDigits(rest.substr(dash + 1)))
        return std::nullopt;
    return static_cast<pid_t>(std::atol(std::string(rest.substr(0, dash)).c_str()));
}

bool processGone(pid_t process) {
    return process == ::getpid() || (::kill(process, 0) != 0 && errno == ESRCH);
}

// Removes the temporary files that saves of `target` killed halfway left
// behind: regular files of exactly the writer's pattern whose process is
// gone. Anything else is left alone.
void removeLeftovers(const fs::path& target) {
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::optional<pid_t> writer = savingProcess(it->path().filename().string(), target);
        if (writer && processGone(*writer) && it->is_regular_file(ec) && !it->is_symlink(ec))
            fs::remove(it->path(), ec);
    }
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t wrote = ::write(fd, content.data(), content.size());
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

// A new file is made as any other (the umask decides); a replacement gets
// the old file's group and permissions.
bool fillTemporary(int fd, std::string_view content, const Existing& existing) {
    if (existing.exists) {
        // The group only where the user may give it; the permissions always.
        [[maybe_unused]] const int grouped = ::fchown(fd, static_cast<uid_t>(-1), existing.group);
        if (::fchmod(fd, existing.permissions) != 0) return false;
    }
    return writeAll(fd, content) && ::fsync(fd) == 0;
}

// The rename is on disk only once the folder is; a failure here cannot undo
// the save, so it is not reported.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Makes the temporary file, trying again should the name be taken.
int createTemporary(const fs::path& target, const Existing& existing, fs::path& temp) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        temp = folderOf(target) / temporaryNameFor(target);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              existing.exists ? 0600 : 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

std::optional<UserMessage> replaceFileContent(const std::string& path, std::string_view content) {
    const UserMessage failure = fileMessage(msg::FileCannotWrite, path);
    const std::optional<fs::path> target = finalTarget(pathFromUtf8(path));
    if (!target) return failure;
    const std::optional<Existing> existing = examineTarget(*target);
    if (!existing) return failure;
    removeLeftovers(*target);

    fs::path temp;
    const int fd = createTemporary(*target, *existing, temp);
    if (fd < 0) return failure;
    bool ok = fillTemporary(fd, content, *existing);
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return failure;
    }
    syncFolder(folderOf(*target));
    return std::nullopt;
}

} // namespace vex
