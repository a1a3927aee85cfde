// The Start-menu folder browser: navigates the Start-menu folder; Cancel restores it.
#include "dispatch.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <commctrl.h>

static char keptStartMenuFolder[setupPathBytes];

static const FolderListBinding folderList = {IDC_BROWSE_SHORTCUT_FOLDERS, wizard.startMenuFolder,
                                             sizeof wizard.startMenuFolder, folderListShortcut};

static void refill(HWND dialog) {
    refillFolderList(dialog, folderList);
}

static LRESULT onInitDialog(HWND dialog, UINT, WPARAM, LPARAM) {
    lstrcpynA(keptStartMenuFolder, wizard.startMenuFolder, sizeof keptStartMenuFolder);
    SetDlgItemTextA(dialog, IDC_BROWSE_SHORTCUT_RESULT, wizard.startMenuFolder);
    setUpBrowserImages(GetDlgItem(dialog, IDC_BROWSE_SHORTCUT_FOLDERS));
    refill(dialog);
    return TRUE;
}

static LRESULT onNotify(HWND dialog, UINT, WPARAM, LPARAM lParam) {
    return folderListNotify(dialog, reinterpret_cast<const NMHDR*>(lParam), folderList);
}

static LRESULT onOk(HWND dialog, WORD, WORD, HWND) {
    EndDialog(dialog, 0);
    return TRUE;
}

static LRESULT onCancel(HWND dialog, WORD, WORD, HWND) {
    lstrcpynA(wizard.startMenuFolder, keptStartMenuFolder, sizeof wizard.startMenuFolder);
    EndDialog(dialog, 0);
    return TRUE;
}

static const CommandEntry browseCommandEntries[] = {
    {IDOK, onOk},
    {IDCANCEL, onCancel},
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

INT_PTR showShortcutBrowser(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_BROWSE_SHORTCUT, owner, browseProc, 0);
}
