// The shortcut page: where the Start-menu group goes, the desktop shortcut check box, and Finish,
// which registers the installation.
#include "dispatch.h"
#include "registry_contract.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <cstdio>

static LRESULT onInitDialog(HWND page, UINT, WPARAM, LPARAM) {
    wizard.startMenuFolder[0] = '\0';
    if (!readShellFolder(wizard.startMenuFolder, sizeof wizard.startMenuFolder, commonProgramsValueName)) {
        lstrcpynA(wizard.startMenuFolder, "C:", sizeof wizard.startMenuFolder);
    }
    SetDlgItemTextA(page, IDC_SHORTCUT_FOLDER, wizard.startMenuFolder);
    CheckDlgButton(page, IDC_SHORTCUT_REMINDER, BST_CHECKED);
    return TRUE;
}

static LRESULT onPaint(HWND page, UINT, WPARAM, LPARAM) {
    return paintBanner(page);
}

static LRESULT onControlColour(HWND, UINT, WPARAM wParam, LPARAM) {
    return colourPageControl(reinterpret_cast<HDC>(wParam));
}

static LRESULT onBrowse(HWND page, WORD, WORD, HWND) {
    showShortcutBrowser(page);
    char shown[setupPathBytes];
    std::snprintf(shown, sizeof shown, "%s\\%s", wizard.startMenuFolder, productGroupName);
    SetDlgItemTextA(page, IDC_SHORTCUT_FOLDER, shown);
    return TRUE;
}

static LRESULT onFinish(HWND page, WORD, WORD, HWND) {
    finishInstallation(page);
    return TRUE;
}

static LRESULT onCancel(HWND page, WORD, WORD, HWND) {
    if (MessageBoxA(page, "Cancel creating the shortcuts?", "Confirmation", MB_YESNO | MB_ICONQUESTION) ==
        IDYES) {
        EndDialog(page, 1);
    }
    return TRUE;
}

static const CommandEntry shortcutCommandEntries[] = {
    // clang-format off
    {IDOK, onFinish},
    {IDCANCEL, onCancel},
    {IDC_SHORTCUT_BROWSE, onBrowse},
    // clang-format on
};
static const CommandMap shortcutCommands = {entryCount(shortcutCommandEntries), shortcutCommandEntries,
                                            fallbackReturnZero};

static LRESULT onCommand(HWND page, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(shortcutCommands, page, wParam, lParam);
}

static const MessageEntry shortcutMessageEntries[] = {
    // clang-format off
    {WM_INITDIALOG, onInitDialog},
    {WM_PAINT, onPaint},
    {WM_CTLCOLOREDIT, onControlColour},
    {WM_CTLCOLORSTATIC, onControlColour},
    {WM_COMMAND, onCommand},
    // clang-format on
};
static const MessageMap shortcutMessages = {entryCount(shortcutMessageEntries), shortcutMessageEntries,
                                            fallbackReturnZero};

static INT_PTR CALLBACK shortcutProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(shortcutMessages, page, message, wParam, lParam);
}

INT_PTR showShortcutPage(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_SHORTCUT, owner, shortcutProc, 0);
}
