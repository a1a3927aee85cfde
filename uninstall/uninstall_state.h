// The uninstaller's process-wide state and its two parts: the confirmation and outcome around
// the status dialog, and the status dialog that deletes.
#pragma once

#include <windows.h>

#include "background_window.h"

constexpr int uninstallFileCount = 4;
constexpr int uninstallFileSlotBytes = 30;

extern const char uninstallFiles[uninstallFileCount][uninstallFileSlotBytes];
extern const char uninstallCaption[];  // "Selvara - Uninstall"
extern char shortcutFolder[setupPathBytes];
extern char installFolder[setupPathBytes];
extern int uninstallCancelled;

// The start command's handler: asks, runs the status dialog, reports, ends the program.
void confirmAndUninstall(HWND backgroundWindow);

// Reads "Scdir" and "Progdir" of the Uninstall key; reports a failure in a message box.
bool readUninstallRegistry();

// The status dialog IDD_UINST; its result is 0 when everything was removed.
INT_PTR showUninstallStatus(HWND owner);
