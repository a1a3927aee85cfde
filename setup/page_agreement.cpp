// The agreement page: the licence in a read-only box, "I Agree" or Cancel.
#include "dispatch.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

constexpr int agreementTextChars = 7000;

static LRESULT onInitDialog(HWND page, UINT, WPARAM, LPARAM) {
    loadBanner();
    static char text[agreementTextChars];
    LoadStringA(programInstance, IDS_AGREEMENT, text, agreementTextChars);
    SetDlgItemTextA(page, IDC_AGREEMENT_TEXT, text);
    SetFocus(GetDlgItem(page, IDOK));
    return FALSE;
}

static LRESULT onPaint(HWND page, UINT, WPARAM, LPARAM) {
    return paintBanner(page);
}

static LRESULT onAgree(HWND page, WORD, WORD, HWND) {
    EndDialog(page, 0);
    return TRUE;
}

static LRESULT onCancel(HWND page, WORD, WORD, HWND) {
    if (confirmCancelSetup(page)) {
        EndDialog(page, 1);
    }
    return TRUE;
}

static const CommandEntry agreementCommandEntries[] = {
    {IDOK, onAgree},
    {IDCANCEL, onCancel},
};
static const CommandMap agreementCommands = {entryCount(agreementCommandEntries), agreementCommandEntries,
                                             fallbackReturnZero};

static LRESULT onCommand(HWND page, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(agreementCommands, page, wParam, lParam);
}

static const MessageEntry agreementMessageEntries[] = {
    {WM_INITDIALOG, onInitDialog},
    {WM_PAINT, onPaint},
    {WM_COMMAND, onCommand},
};
static const MessageMap agreementMessages = {entryCount(agreementMessageEntries), agreementMessageEntries,
                                             fallbackReturnZero};

static INT_PTR CALLBACK agreementProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(agreementMessages, page, message, wParam, lParam);
}

INT_PTR showAgreementPage(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_AGREEMENT, owner, agreementProc, 0);
}
