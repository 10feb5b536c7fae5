#include "core/cli/batch_export.h"
#include "core/io/file_access.h"
#include "core/io/project_file.h"
#include "core/io/text_table.h"
#include "core/messages/catalogue.h"
#include "core/ui/project_routines.h"
#include "core/ui/table_commands.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <vector>

namespace vex {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
namespace fs = std::filesystem;

int failureNumber(const std::optional<UserMessage>& failure) {
    return failure ? failure->number : 0;
}

// A pipe with nobody writing, a device and a folder must be refused at once:
// opening the pipe would wait for a writer forever, and reading the device
// would never end.
TEST(FileReading, OnlyRegularFilesAreReadAndWithinTheirLimit) {
    TempDir dir;
    const std::string pipe = dir.file("pipe.vxr");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string folder = dir.file("folder.vxr");
    std::filesystem::create_directory(folder);

    std::string content = "kept";
    for (const std::string& path : {pipe, folder, std::string("/dev/zero"),
                                    std::string("/dev/null"), dir.file("missing.vxr")}) {
        EXPECT_EQ(failureNumber(readWholeFile(path, 1000, content)), msg::FileCannotOpen) << path;
        EXPECT_EQ(content, "kept") << path;
    }

    // The readers of the program take the same way.
    AppState s;
    s.ProjectPath = pipe;
    EXPECT_EQ(failureNumber(ReadAllProjectFilesVer001(s)), msg::FileCannotOpen);
    EXPECT_EQ(failureNumber(importTableCommand(s, pipe).failure), msg::FileCannotOpen);
    EXPECT_EQ(failureNumber(exportTableFromProject(pipe, dir.file("out.dat"))),
              msg::FileCannotOpen);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dat")));

    // A regular file, also reached through a symbolic link, within and beyond the limit.
    writeBytes(dir.file("table.dat"), std::string(1000, 'x'));
    std::filesystem::create_symlink(dir.file("table.dat"), dir.file("link.dat"));
    EXPECT_FALSE(readWholeFile(dir.file("link.dat"), 1000, content));
    EXPECT_EQ(content, std::string(1000, 'x'));
    content = "kept";
    EXPECT_EQ(failureNumber(readWholeFile(dir.file("table.dat"), 999, content)), msg::FileTooLarge);
    EXPECT_EQ(content, "kept");
}

unsigned permissions(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileSaving, WritesWhereThePathLeadsAndKeepsTheFilesMode) {
    TempDir dir;
    fs::create_directory(dir.file("projects"));
    const std::string real = dir.file("projects/real.vxr");
    writeBytes(real, "old");
    ::chmod(real.c_str(), 0600);
    // A chain of links, one relative: the links stay, their target gets the content.
    fs::create_symlink("projects/real.vxr", dir.file("middle.vxr"));
    fs::create_symlink(dir.file("middle.vxr"), dir.file("link.vxr"));
    ASSERT_FALSE(replaceFileContent(dir.file("link.vxr"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.vxr")));
    EXPECT_TRUE(fs::is_symlink(dir.file("middle.vxr")));
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(permissions(real), 0600u);
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"link.vxr", "middle.vxr", "projects"}));
    EXPECT_EQ(namesIn(dir.file("projects")), std::vector<std::string>{"real.vxr"});

    ::chmod(real.c_str(), 0640);
    ASSERT_FALSE(replaceFileContent(real, "newer"));
    EXPECT_EQ(permissions(real), 0640u);

    // A link to a file not made yet makes it.
    fs::create_symlink("projects/later.vxr", dir.file("later.vxr"));
    ASSERT_FALSE(replaceFileContent(dir.file("later.vxr"), "first"));
    EXPECT_TRUE(fs::is_symlink(dir.file("later.vxr")));
    EXPECT_EQ(readBytes(dir.file("projects/later.vxr")), "first");

    // A loop of links leads nowhere.
    fs::create_symlink("loop-b", dir.file("loop-a"));
    fs::create_symlink("loop-a", dir.file("loop-b"));
    EXPECT_EQ(failureNumber(replaceFileContent(dir.file("loop-a"), "x")), msg::FileCannotWrite);

    // The saved name gets the new content in a new file; another hard link to
    // the old file keeps the old content rather than risk a half-written file.
    fs::create_hard_link(real, dir.file("other-name.vxr"));
    ASSERT_FALSE(replaceFileContent(real, "newest"));
    EXPECT_EQ(readBytes(real), "newest");
    EXPECT_EQ(readBytes(dir.file("other-name.vxr")), "newer");
}

TEST(FileSaving, RefusesWhatIsNotARegularFile) {
    TempDir dir;
    const std::string pipe = dir.file("pipe.vxr"), folder = dir.file("folder.vxr");
    const std::string socketPath = dir.file("socket.vxr"), device = dir.file("device.vxr");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    std::vector<std::string> targets{pipe, folder, socketPath};
    if (::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) targets.push_back(device);
    fs::create_symlink(pipe, dir.file("link-to-pipe.vxr"));

    const auto kinds = [&] {
        std::vector<fs::file_type> k;
        for (const std::string& t : targets) k.push_back(fs::symlink_status(t).type());
        return k;
    };
    const std::vector<fs::file_type> before = kinds();
    for (const std::string& t : targets)
        EXPECT_EQ(failureNumber(replaceFileContent(t, "project")), msg::FileCannotWrite) << t;
    EXPECT_EQ(failureNumber(replaceFileContent(dir.file("link-to-pipe.vxr"), "project")),
              msg::FileCannotWrite);
    EXPECT_EQ(kinds(), before);
    EXPECT_TRUE(fs::is_symlink(dir.file("link-to-pipe.vxr")));
    EXPECT_EQ(namesIn(dir.path()).size(), targets.size() + 1); // nothing left beside them
    ::close(sock);
}

// Saving larger than the file size limit allows: the write fails as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};

TEST(FileSaving, AFailedOrKilledSaveLeavesNothingBehind) {
    TempDir dir;
    const std::string path = dir.file("work.vxr");
    writeBytes(path, "old");
    const std::string large(8192, 'x');
    {
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        FileSizeLimit limit(4096);
        EXPECT_EQ(failureNumber(replaceFileContent(path, large)), msg::FileCannotWrite);
        std::signal(SIGXFSZ, previous);
    }
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"work.vxr"});

    // A save killed halfway (by the file size signal) leaves its temporary file...
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        FileSizeLimit limit(4096);
        replaceFileContent(path, large);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(readBytes(path), "old");
    ASSERT_EQ(namesIn(dir.path()).size(), 2u);
    // ...which the next save of that file clears away, and nothing else.
    for (const char* keep : {"work.vxr.saving-notes", "other.vxr.saving-1-1", "work.vxr.bak"})
        writeBytes(dir.file(keep), "keep");
    ASSERT_FALSE(replaceFileContent(path, "new"));
    EXPECT_EQ(readBytes(path), "new");
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"other.vxr.saving-1-1", "work.vxr", "work.vxr.bak",
                                        "work.vxr.saving-notes"}));
}

} // namespace
} // namespace vex
