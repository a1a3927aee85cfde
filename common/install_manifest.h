// What an installation consists of: the product and group names, the files put into the
// installation directory, and the shortcuts made to them. Portable (no windows.h): read by the
// packer's build step (the archive holds exactly these files, in this order), the installer's
// finish step, and the uninstaller's confirmation and status dialog.
//
// Adding an installed file is one row of installedFiles (before the uninstaller, which stays last),
// plus the file in one of the folders the packer's build step reads (setup/CMakeLists.txt).
#pragma once

#include "product_name.h"

#include <cstddef>

// "Selvara": the registry subkey and display name, the default installation directory, the
// Start-menu group, window titles.
inline constexpr char productName[] = SELVARA_PRODUCT_NAME;
inline constexpr char productGroupName[] = SELVARA_PRODUCT_NAME;  // the Start-menu group folder
inline constexpr char setupCaption[] = SELVARA_PRODUCT_NAME " - Setup";
inline constexpr char uninstallCaption[] = SELVARA_PRODUCT_NAME " - Uninstall";

// One installed file name, NUL-terminated, in a slot of this many bytes.
constexpr std::size_t installedFileNameBytes = 30;

// The installed files in archive order, which is also the uninstaller's deletion order. The
// uninstaller comes last: it is the running program, so deleting it fails and nothing after it
// would be reached. The place list came later than the others and sits beside the animation
// data, the reminder later still just before the uninstaller; the older files keep their order
// among themselves.
inline constexpr char installedFiles[][installedFileNameBytes] = {
    "selvara.exe",
    "panim.dat",
    "places.dat",  // the towns of the Find dialog, read from the program's own folder
    "readme.wri",
    "selvara-tray.exe",  // the resident reminder in the notification area
    "uninstall.exe",
};
constexpr int installedFileCount = static_cast<int>(sizeof installedFiles / sizeof installedFiles[0]);
constexpr int mainProgramFile = 0;                       // index into installedFiles
constexpr int uninstallerFile = installedFileCount - 1;  // index into installedFiles
constexpr int trayProgramFile = installedFileCount - 2;  // index into installedFiles

// A shortcut: its file name (in the Start-menu group or on the desktop), the file it opens (in the
// installation directory) and its description.
struct ShortcutEntry {
    const char* linkName;
    const char* targetName;
    const char* description;
};

// The Start-menu group's shortcuts, in the order they are made and deleted.
inline constexpr ShortcutEntry groupShortcuts[] = {
    {SELVARA_PRODUCT_NAME ".lnk", installedFiles[mainProgramFile], SELVARA_PRODUCT_NAME},
    {"Uninstall.lnk", installedFiles[uninstallerFile], "Uninstall"},
    // The read-me's target keeps the capital R it has always had, while the file is installed as
    // "readme.wri": the file system does not tell the two apart (install_manifest_test checks that
    // every target names an installed file, ignoring case).
    {"Readme.lnk", "Readme.wri", "Readme"},
};
constexpr int groupShortcutCount = static_cast<int>(sizeof groupShortcuts / sizeof groupShortcuts[0]);

// The optional shortcut on the all-users desktop.
inline constexpr ShortcutEntry desktopShortcut = groupShortcuts[0];
