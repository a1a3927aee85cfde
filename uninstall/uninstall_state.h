// The uninstaller's process-wide state and its two parts: the confirmation and outcome around
// the status dialog, and the status dialog that deletes.
#pragma once

#include <windows.h>

#include "background_window.h"
#include "install_manifest.h"  // installedFiles, uninstallCaption

constexpr int uninstallFileCount = installedFileCount;
constexpr size_t uninstallFileSlotBytes = installedFileNameBytes;

// The installed file names, deleted in this order (the manifest's installedFiles).
inline constexpr const char (&uninstallFiles)[uninstallFileCount][uninstallFileSlotBytes] = installedFiles;
extern char shortcutFolder[setupPathBytes];
extern char installFolder[setupPathBytes];
extern int uninstallCancelled;

// The uninstaller's background window, whose start command runs `runFlow` (confirmAndUninstall
// in uninstall.exe). uninstall_background.cpp.
BackgroundParameters uninstallBackgroundParameters(void (*runFlow)(HWND window));

// The start command's handler: asks, runs the status dialog, reports, ends the program.
void confirmAndUninstall(HWND backgroundWindow);

// Reads "Scdir" and "Progdir" of the Uninstall key; reports a failure in a message box.
bool readUninstallRegistry();

// The status dialog IDD_UINST; its result is 0 when everything was removed.
INT_PTR showUninstallStatus(HWND owner);
