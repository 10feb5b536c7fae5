#include "core/io/batch_export.h"
#include "core/io/file_access.h"
#include "core/io/project_file.h"
#include "core/io/text_table.h"
#include "core/messages/catalogue.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace vex {
namespace {

using testing::TempDir;
using testing::writeBytes;

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
    EXPECT_EQ(failureNumber(Load2DepFromTxt(s, pipe).failure), msg::FileCannotOpen);
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

} // namespace
} // namespace vex
