// The registry contract between the installer, the uninstaller and the main program: key paths,
// value names and the few operations on them. All keys lie under HKEY_LOCAL_MACHINE; all values
// are REG_SZ stored with their terminating zero.
#pragma once

#include <windows.h>

#include <cstddef>

#include "install_manifest.h"  // productName: subkey, default value, display name

extern const char appPathsParentKey[];   // ...\CurrentVersion\App Paths
extern const char uninstallParentKey[];  // ...\CurrentVersion\Uninstall
extern const char appPathsKey[];         // App Paths\Selvara
extern const char uninstallKey[];        // Uninstall\Selvara
extern const char shellFoldersKey[];     // ...\Explorer\Shell Folders (read only)

extern const char pathValueName[];             // App Paths: the installation directory
extern const char displayNameValueName[];      // Uninstall: "Selvara"
extern const char uninstallStringValueName[];  // Uninstall: <dir>\uninstall.exe, not quoted
extern const char shortcutFolderValueName[];   // Uninstall: the Start-menu group folder
extern const char programFolderValueName[];    // Uninstall: the installation directory
extern const char commonProgramsValueName[];   // Shell Folders: all-users Start-menu programs
extern const char commonDesktopValueName[];    // Shell Folders: all-users desktop

constexpr size_t registryTextBytes = 512;

// Writes the App Paths key: default value "Selvara", "Path" = installDirectory. Silent on failure.
void registerAppPath(const char* installDirectory);

// Writes the Uninstall key: "DisplayName", "UninstallString", "Scdir", "Progdir", in that order.
void registerUninstall(const char* installDirectory, const char* uninstallCommand, const char* groupFolder);

// One all-users shell folder ("Common Programs", "Common Desktop") without a trailing backslash.
// Returns 1 and fills `out` (always terminated) on success, 0 when it is missing or empty.
int readShellFolder(char* out, size_t outBytes, const char* valueName);

// Reads one value of an open key into a zero-filled buffer of registryTextBytes, then copies it
// (terminated) into `out`. The value's type is not checked. False when the query fails.
bool readRegistryText(HKEY key, const char* valueName, char* out, size_t outBytes);

// Deletes the Uninstall key and then the App Paths key; results are not checked.
void deleteProductKeys();

// Start with Windows: a value under the user's Run key (HKEY_CURRENT_USER) that names the reminder
// program, quoted. Set replaces it; remove deletes it (absent already: nothing happens).
extern const char runKey[];                // Software\...\CurrentVersion\Run
extern const char reminderRunValueName[];  // "Selvara reminder"
bool setReminderRunValue(const char* trayProgramPath);
void removeReminderRunValue();
bool hasReminderRunValue();
