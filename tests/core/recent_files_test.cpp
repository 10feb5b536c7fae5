#include "core/ui/recent_files.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(RecentFiles, NewestFirstEachOnceAtMostEightAndNoStaleEntryAfterRemoval) {
    MemorySettingsStore store;
    store.createKey(recentFilesKey(RecentList::Projects));
    std::vector<std::string> files;
    for (int i = 1; i <= 10; ++i) files = withRecentFile(files, "/c/" + std::to_string(i) + ".vxr");
    files = withRecentFile(files, "/c/8.vxr"); // opened again: to the front, not twice
    ASSERT_TRUE(writeRecentFiles(store, RecentList::Projects, files));
    const std::vector<std::string> expected{"/c/8.vxr", "/c/10.vxr", "/c/9.vxr", "/c/7.vxr",
                                            "/c/6.vxr", "/c/5.vxr",  "/c/4.vxr", "/c/3.vxr"};
    EXPECT_EQ(readRecentFiles(store, RecentList::Projects), expected);
    EXPECT_TRUE(readRecentFiles(store, RecentList::Pictures).empty()); // a list of its own

    // A shorter list leaves none of the longer one behind in the store.
    ASSERT_TRUE(
        writeRecentFiles(store, RecentList::Projects,
                         withoutRecentFile(withoutRecentFile(expected, "/c/9.vxr"), "/c/3.vxr")));
    const std::vector<std::string> shorter{"/c/8.vxr", "/c/10.vxr", "/c/7.vxr",
                                           "/c/6.vxr", "/c/5.vxr",  "/c/4.vxr"};
    EXPECT_EQ(readRecentFiles(store, RecentList::Projects), shorter);

    // Paths the store would cut short or trim are not kept as something else.
    EXPECT_EQ(withRecentFile(shorter, "/c/" + std::string(600, 'a')), shorter);
    EXPECT_EQ(withRecentFile(shorter, "/c/name "), shorter);
}

} // namespace
} // namespace vex
