// The installer's pages and browsers, each in its own file, and the helpers they share.
#pragma once

#include <windows.h>

#include <cstddef>

#include "background_window.h"

// Page results: 0 go on, 1 cancelled.
INT_PTR showAgreementPage(HWND owner);
INT_PTR showDirectoryPage(HWND owner);
INT_PTR showCopyPage(HWND owner);
INT_PTR showShortcutPage(HWND owner);
INT_PTR showDirectoryBrowser(HWND owner);
INT_PTR showShortcutBrowser(HWND owner);

// The start command's handler: the four pages, the closing message, the end of the program.
void runWizard(HWND backgroundWindow);

// The installer's background window, whose start command runs `runFlow` (runWizard in setupvara.exe;
// tests put their own flows in). setup_background.cpp.
BackgroundParameters setupBackgroundParameters(void (*runFlow)(HWND window));

// Drives and free space (drives.cpp).
void enumerateDrives();
void computeFreeSpace(int driveIndex);

// Folder lists of both browsers (folder_list.cpp). The folder is extended and restored in place.
enum FolderListMode {
    folderListDirectory = 0,
    folderListShortcut = 1
};
void setUpBrowserImages(HWND list);
void fillFolderList(HWND dialog, HWND list, char* folder, size_t folderBytes, FolderListMode mode);
// Item `item` of the list double-clicked: the folder goes into it or, for the up entry, up.
void enterListItem(HWND list, int item, char* folder, size_t folderBytes, FolderListMode mode);

// A browser's folder list: its control, the folder it shows (extended and restored in place) and
// its mode.
struct FolderListBinding {
    int listId;
    char* folder;
    size_t folderBytes;
    FolderListMode mode;
};
void refillFolderList(HWND dialog, const FolderListBinding& binding);
// A browser's WM_NOTIFY: a double click on the binding's list enters the selected item and fills
// the list again. Returns 0 (the notification's result).
LRESULT folderListNotify(HWND dialog, const NMHDR* header, const FolderListBinding& binding);

// Look shared by the pages (page_look.cpp).
void loadBanner();
INT_PTR paintBanner(HWND page);
INT_PTR colourPageControl(HDC dc);
// "Are you sure you want to cancel the setup?"; true on Yes.
bool confirmCancelSetup(HWND page);
extern const char notEnoughSpaceText[];

// Registration on Finish (finish_installation.cpp, shell_links.cpp).
void finishInstallation(HWND shortcutPage);
HRESULT createShortcut(const char* targetPath, const char* linkPath, const char* description);
