// The status dialog: deletes the installed files with a status line and a progress bar, then the
// shortcuts, the empty group folder and, last, the registry keys.
//
// The keys go only once every file that matters is gone, so that a cancelled or failed run can
// be repeated; a file that is still there (the program is running, say) is reported as an error.
// The resident reminder is asked to close before any file goes, and its Run value goes with the
// keys.
#include "dispatch.h"
#include "message_pump.h"
#include "progress_bar.h"
#include "registry_contract.h"
#include "tray_contract.h"
#include "uninstall_resource.h"
#include "uninstall_state.h"

#include <cstdio>

constexpr COLORREF statusGrey = RGB(194, 194, 194);
constexpr COLORREF statusBlack = RGB(0, 0, 0);
constexpr int statusXPx = 10, statusYPx = 10;
constexpr int uninstallProgressSteps = 2;
constexpr DWORD trayCloseWaitMs = 5000;  // the reminder ends within this, or its file stays
constexpr int filesThatMustGo = uninstallerFile;  // all but the uninstaller itself, which is last
static HWND progressControl = nullptr;
static HFONT dialogFont = nullptr;

static void drawStatus(HDC dc, int file, COLORREF colour) {
    char line[128];
    std::snprintf(line, sizeof line, "Deleting: %s", uninstallFiles[file]);
    SetTextColor(dc, colour);
    TextOutA(dc, statusXPx, statusYPx, line, lstrlenA(line));
}

static void installedPath(char* out, size_t outBytes, int file) {
    std::snprintf(out, outBytes, "%s\\%s", installFolder, uninstallFiles[file]);
}

static void deleteShortcuts() {
    char path[setupPathBytes + 32];
    for (const ShortcutEntry& shortcut : groupShortcuts) {
        std::snprintf(path, sizeof path, "%s\\%s", shortcutFolder, shortcut.linkName);
        DeleteFileA(path);
    }
    char desktop[setupPathBytes];
    if (readShellFolder(desktop, sizeof desktop, commonDesktopValueName)) {
        std::snprintf(path, sizeof path, "%s\\%s", desktop, desktopShortcut.linkName);
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
            DeleteFileA(path);
        }
    }
    RemoveDirectoryA(shortcutFolder);
}

static bool installedFilesRemain() {
    char path[setupPathBytes + 32];
    for (int file = 0; file < filesThatMustGo; ++file) {
        installedPath(path, sizeof path, file);
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
    }
    return false;
}

static LRESULT onDeleteFiles(HWND dialog, WORD, WORD, HWND) {
    int fileCounter = 0;
    uninstallCancelled = 0;
    // A running reminder holds its program open: it is asked to close first.
    closeRunningTray(trayCloseWaitMs);
    progressBegin(progressControl, uninstallProgressSteps, progressStyleColumns);
    HDC dc = GetDC(dialog);
    HGDIOBJ oldFont = SelectObject(dc, dialogFont);
    SetBkMode(dc, TRANSPARENT);
    while (fileCounter < uninstallFileCount && uninstallCancelled == 0) {
        if (fileCounter > 0) {
            drawStatus(dc, fileCounter - 1, statusGrey);
        }
        drawStatus(dc, fileCounter, statusBlack);
        char path[setupPathBytes + 32];
        installedPath(path, sizeof path, fileCounter);
        DeleteFileA(path);
        fileCounter += 1;
        progressStep();
        if (uninstallCancelled == 0) {
            drainMessages(dialog, uninstallCancelled);
        }
    }
    SelectObject(dc, oldFont);
    ReleaseDC(dialog, dc);
    progressEnd();
    if (uninstallCancelled != 0) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    deleteShortcuts();
    if (installedFilesRemain()) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    deleteProductKeys();
    removeReminderRunValue();
    EndDialog(dialog, 0);
    return TRUE;
}

static LRESULT onCancel(HWND, WORD, WORD, HWND) {
    uninstallCancelled = 1;
    return TRUE;
}

static const CommandEntry statusCommandEntries[] = {
    {CMD_DELETE_FILES, onDeleteFiles},
    {IDCANCEL, onCancel},
};
static const CommandMap statusCommands = {entryCount(statusCommandEntries), statusCommandEntries,
                                          fallbackReturnZero};

static LRESULT onInitDialog(HWND dialog, UINT, WPARAM, LPARAM) {
    progressControl = GetDlgItem(dialog, IDC_UNINSTALL_PROGRESS);
    dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (readUninstallRegistry()) {
        PostMessageA(dialog, WM_COMMAND, CMD_DELETE_FILES, 0);
    } else {
        EndDialog(dialog, 1);
    }
    return TRUE;
}

static LRESULT onCommand(HWND dialog, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(statusCommands, dialog, wParam, lParam);
}

static const MessageEntry statusMessageEntries[] = {
    {WM_INITDIALOG, onInitDialog},
    {WM_COMMAND, onCommand},
};
static const MessageMap statusMessages = {entryCount(statusMessageEntries), statusMessageEntries,
                                          fallbackReturnZero};

static INT_PTR CALLBACK statusProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(statusMessages, dialog, message, wParam, lParam);
}

INT_PTR showUninstallStatus(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_UINST, owner, statusProc, 0);
}
