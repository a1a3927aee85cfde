// The directory browser: drive, folder and directory name of the installation. It works directly
// on the wizard's base folder, selected drive and directory name; Cancel keeps what was changed.
#include "dispatch.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

constexpr int nameEditChars = 512;
constexpr int nameReadChars = 100;

static void showFreeSpace(HWND dialog) {
    char line[128];
    std::snprintf(line, sizeof line, " Available: %lu KB, Required: %d KB", wizard.freeSpaceKB,
                  static_cast<int>(requiredSpaceKB));
    SetDlgItemTextA(dialog, IDC_BROWSE_FREE_SPACE, line);
}

static const FolderListBinding folderList = {IDC_BROWSE_FOLDERS, wizard.baseFolder, sizeof wizard.baseFolder,
                                             folderListDirectory};

static void refill(HWND dialog) {
    refillFolderList(dialog, folderList);
}

static LRESULT onInitDialog(HWND dialog, UINT, WPARAM, LPARAM) {
    HWND drives = GetDlgItem(dialog, IDC_BROWSE_DRIVES);
    for (int d = 0; d < wizard.driveCount; ++d) {
        if (wizard.drives[d][0] == '\0') {
            continue;
        }
        const LRESULT item =
            SendMessageA(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wizard.drives[d]));
        SendMessageA(drives, CB_SETITEMDATA, item, d);
        if (d == wizard.selectedDrive) {
            SendMessageA(drives, CB_SETCURSEL, item, 0);
        }
    }
    showFreeSpace(dialog);
    HWND list = GetDlgItem(dialog, IDC_BROWSE_FOLDERS);
    setUpBrowserImages(list);
    refill(dialog);
    lstrcpynA(wizard.directoryName, defaultDirectoryName, sizeof wizard.directoryName);
    SetDlgItemTextA(dialog, IDC_BROWSE_NAME, defaultDirectoryName);
    return TRUE;
}

static LRESULT onNameUpdate(HWND dialog, WORD, WORD notification, HWND) {
    if (notification != EN_UPDATE || wizard.editUpdateGuard) {
        return 0;
    }
    char text[nameEditChars] = "";
    GetDlgItemTextA(dialog, IDC_BROWSE_NAME, text, sizeof text);
    const size_t length = std::strlen(text);
    if (length <= directoryNameMaxChars) {
        lstrcpynA(wizard.directoryName, text, sizeof wizard.directoryName);
        return 0;
    }
    wizard.editUpdateGuard = true;
    SetDlgItemTextA(dialog, IDC_BROWSE_NAME, wizard.directoryName);
    MessageBeep(0xFFFFFFFF);
    wizard.editUpdateGuard = false;
    return 0;
}

static LRESULT onDriveChosen(HWND dialog, WORD, WORD notification, HWND control) {
    if (notification != CBN_SELENDOK) {
        return 0;
    }
    const LRESULT selection = SendMessageA(control, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) {
        return 0;
    }
    const LRESULT drive = SendMessageA(control, CB_GETITEMDATA, selection, 0);
    if (drive < 0 || drive >= wizard.driveCount) {
        return 0;
    }
    wizard.selectedDrive = static_cast<int>(drive);
    lstrcpynA(wizard.baseFolder, wizard.drives[drive], sizeof wizard.baseFolder);
    refill(dialog);
    computeFreeSpace(wizard.selectedDrive);
    showFreeSpace(dialog);
    return 0;
}

static LRESULT onNotify(HWND dialog, UINT, WPARAM, LPARAM lParam) {
    return folderListNotify(dialog, reinterpret_cast<const NMHDR*>(lParam), folderList);
}

static LRESULT onOk(HWND dialog, WORD, WORD, HWND) {
    char name[nameReadChars + 1] = "";
    GetDlgItemTextA(dialog, IDC_BROWSE_NAME, name, nameReadChars);
    lstrcpynA(wizard.directoryName, name, sizeof wizard.directoryName);
    if (wizard.directoryName[0] == '\0') {
        MessageBoxA(dialog, "You forget to select a directory", "Warning", MB_OK | MB_ICONWARNING);
        SetFocus(GetDlgItem(dialog, IDC_BROWSE_NAME));
        return TRUE;
    }
    if (wizard.freeSpaceKB < requiredSpaceKB) {
        MessageBoxA(dialog, notEnoughSpaceText, nullptr, MB_YESNO | MB_ICONERROR);
        return TRUE;
    }
    EndDialog(dialog, 0);
    return TRUE;
}

static LRESULT onCancel(HWND dialog, WORD, WORD, HWND) {
    EndDialog(dialog, 0);
    return TRUE;
}

static const CommandEntry browseCommandEntries[] = {
    {IDOK, onOk},
    {IDCANCEL, onCancel},
    {IDC_BROWSE_NAME, onNameUpdate},
    {IDC_BROWSE_DRIVES, onDriveChosen},
};
static const CommandMap browseCommands = {entryCount(browseCommandEntries), browseCommandEntries,
                                          fallbackReturnZero};

static LRESULT onCommand(HWND dialog, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(browseCommands, dialog, wParam, lParam);
}

static const MessageEntry browseMessageEntries[] = {
    {WM_INITDIALOG, onInitDialog},
    {WM_NOTIFY, onNotify},
    {WM_COMMAND, onCommand},
};
static const MessageMap browseMessages = {entryCount(browseMessageEntries), browseMessageEntries,
                                          fallbackReturnZero};

static INT_PTR CALLBACK browseProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(browseMessages, dialog, message, wParam, lParam);
}

INT_PTR showDirectoryBrowser(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_BROWSE, owner, browseProc, 0);
}
