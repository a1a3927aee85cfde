// The installer's process-wide state: the wizard's choices, the extraction's working state and
// the seams through which tests stand in for the disk and the shell.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "background_window.h"
#include "install_manifest.h"  // productGroupName, setupCaption

constexpr int driveStringChars = 100;
constexpr int driveEntryBytes = 5;  // "C:\" and a zero, one spare
constexpr int driveTableEntries = driveStringChars / 4 + 1;
constexpr unsigned long requiredSpaceKB = 3000;  // units of 1000 bytes
constexpr size_t directoryNameMaxChars = 99;
constexpr size_t rootFolderChars = 3;           // "C:\"
constexpr size_t shortcutUpEntryMinChars = 22;  // the Start-menu browser's up limit

extern const char defaultDirectoryName[];  // "Selvara"

struct WizardState {
    char drives[driveTableEntries][driveEntryBytes];
    int driveCount;
    int selectedDrive;
    unsigned long freeSpaceKB;  // units of 1000 bytes of the selected drive
    char baseFolder[setupPathBytes];
    char directoryName[setupPathBytes];
    char installDirectory[setupPathBytes];
    char startMenuFolder[setupPathBytes];
    char folderToOpen[setupPathBytes];
    HBITMAP banner;
    int bannerWidthPx;
    int bannerHeightPx;
    HBRUSH pageBrush;
    HIMAGELIST browserImages;
    int folderImage;
    int upImage;
    int newDirectoryImage;
    int lastItem;
    bool editUpdateGuard;
    bool desktopShortcut;  // check box 110 when Finish was pressed
    bool startReminder;    // check box 111 ("Start the reminder with Windows") when Finish was pressed
};

extern WizardState wizard;

// Installation directory = base folder + "\" (only when the base folder is longer than a drive
// root) + directory name, bounded by the buffer.
void composeInstallDirectory(char* out, size_t outBytes);

// Seam for the free space of a drive: the system's GetDiskFreeSpaceA unless a test replaces it.
typedef BOOL(WINAPI* DiskFreeSpaceQuery)(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                         LPDWORD freeClusters, LPDWORD totalClusters);
extern DiskFreeSpaceQuery diskFreeSpaceQuery;

// Seam for the module that holds the archive resource (NULL: the program's own).
extern HMODULE archiveModule;

// Asks the shell to open a folder (default verb, shown without activation). The installer links
// the real one (shell_open.cpp); test builds link one that only records the request.
void openFolderAtEnd(const char* folder);

// Starts the installed reminder (selvara-tray.exe in the installation directory). The installer
// links the real one (shell_open.cpp); test builds link one that only records the request.
void startReminderAtEnd(const char* installDirectory);
