// The directory page's checks of a directory before anything is written: the room the longest
// installed name needs, and the levels to create one by one.
#include "install_directory_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(InstallDirectoryCheck, TheLongestInstalledNameDecides) {
    EXPECT_EQ(longestInstalledNameChars(), std::string("selvara-tray.exe").size());
    // 259 characters in all: the directory, a backslash and the 16 of "selvara-tray.exe".
    const std::string fits = "C:\\" + std::string(259 - 3 - 1 - 16, 'x');
    EXPECT_TRUE(installDirectoryFits(fits.c_str()));
    EXPECT_FALSE(installDirectoryFits((fits + "y").c_str()));
    EXPECT_TRUE(installDirectoryFits("C:\\Program files\\Selvara"));
    EXPECT_FALSE(installDirectoryFits(std::string(600, 'z').c_str()));
}

std::vector<std::string> levels(const char* directory) {
    size_t ends[16];
    const int count = directoryLevelEnds(directory, ends, 16);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i)
        result.push_back(std::string(directory, ends[i]));
    return result;
}

TEST(InstallDirectoryCheck, LevelsToCreateInOrder) {
    using Levels = std::vector<std::string>;
    EXPECT_EQ(levels("C:\\NoSuchParent\\Selvara"), (Levels{"C:\\NoSuchParent", "C:\\NoSuchParent\\Selvara"}));
    EXPECT_EQ(levels("C:\\Selvara"), (Levels{"C:\\Selvara"}));
    EXPECT_EQ(levels("C:\\a\\b\\"), (Levels{"C:\\a", "C:\\a\\b"}));
    EXPECT_EQ(levels("C:\\"), Levels{});
    EXPECT_EQ(levels("C:\\a\\\\b"), (Levels{"C:\\a", "C:\\a\\\\b"}));
    EXPECT_EQ(levels("\\\\server\\share\\Selvara\\x"), (Levels{"\\\\server\\share\\Selvara", "\\\\server\\share\\Selvara\\x"}));
    EXPECT_EQ(levels("Selvara"), (Levels{"Selvara"}));
    EXPECT_EQ(levels(""), Levels{});
}

}  // namespace
