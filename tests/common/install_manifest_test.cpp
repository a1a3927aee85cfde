// The install manifest against the names the product has always installed, and the rules that
// keep the installer, the uninstaller and the packer agreeing on it.
#include "install_manifest.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

namespace {

// The installed files in archive order and the shortcuts, as the product has always had them,
// with the place list beside the animation data.
const char* const expectedFiles[] = {"selvara.exe", "panim.dat", "places.dat", "readme.wri", "selvara-tray.exe", "uninstall.exe"};
const ShortcutEntry expectedGroupShortcuts[] = {
    {"Selvara.lnk", "selvara.exe", "Selvara"},
    {"Uninstall.lnk", "uninstall.exe", "Uninstall"},
    {"Readme.lnk", "Readme.wri", "Readme"},
};

bool sameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

bool namesInstalledFile(const char* target) {
    for (const char* name : installedFiles) {
        if (sameIgnoringCase(name, target)) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(InstallManifest, ListsTheInstalledFilesInArchiveOrder) {
    ASSERT_EQ(installedFileCount, static_cast<int>(sizeof expectedFiles / sizeof expectedFiles[0]));
    for (int i = 0; i < installedFileCount; ++i) {
        EXPECT_STREQ(installedFiles[i], expectedFiles[i]) << i;
    }
}

TEST(InstallManifest, KeepsTheUninstallerLastAndTheMainProgramFirst) {
    EXPECT_STREQ(installedFiles[uninstallerFile], "uninstall.exe");
    EXPECT_STREQ(installedFiles[mainProgramFile], "selvara.exe");
}

TEST(InstallManifest, TerminatesEveryNameInsideItsSlot) {
    for (const auto& name : installedFiles) {
        EXPECT_LT(std::strlen(name), installedFileNameBytes) << name;
        EXPECT_GT(std::strlen(name), 0u);
    }
}

TEST(InstallManifest, MakesTheShortcutsTheProductHasAlwaysHad) {
    ASSERT_EQ(groupShortcutCount, 3);
    for (int i = 0; i < groupShortcutCount; ++i) {
        EXPECT_STREQ(groupShortcuts[i].linkName, expectedGroupShortcuts[i].linkName);
        EXPECT_STREQ(groupShortcuts[i].targetName, expectedGroupShortcuts[i].targetName);
        EXPECT_STREQ(groupShortcuts[i].description, expectedGroupShortcuts[i].description);
    }
    EXPECT_STREQ(desktopShortcut.linkName, "Selvara.lnk");
    EXPECT_STREQ(desktopShortcut.targetName, "selvara.exe");
    EXPECT_STREQ(desktopShortcut.description, "Selvara");
}

// "Readme.wri" and "readme.wri" are the same file to the file system; any other mismatch would
// leave a shortcut pointing at nothing.
TEST(InstallManifest, PointsEveryShortcutAtAnInstalledFile) {
    for (const ShortcutEntry& shortcut : groupShortcuts) {
        EXPECT_TRUE(namesInstalledFile(shortcut.targetName)) << shortcut.targetName;
    }
    EXPECT_TRUE(namesInstalledFile(desktopShortcut.targetName));
}

TEST(InstallManifest, NamesTheProductOnce) {
    EXPECT_STREQ(productName, "Selvara");
    EXPECT_STREQ(productGroupName, "Selvara");
    EXPECT_STREQ(setupCaption, "Selvara - Setup");
    EXPECT_STREQ(uninstallCaption, "Selvara - Uninstall");
}
