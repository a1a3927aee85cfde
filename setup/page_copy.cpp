// The copy page: starts the extraction once it is shown (by posting itself a command) and ends
// with the extraction's result. Its Cancel only raises the cancel flag.
#include "dispatch.h"
#include "extract_archive.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

static LRESULT onInitDialog(HWND page, UINT, WPARAM, LPARAM) {
    PostMessageA(page, WM_COMMAND, CMD_EXTRACT_ARCHIVE, 0);
    return TRUE;
}

static LRESULT onPaint(HWND page, UINT, WPARAM, LPARAM) {
    return paintBanner(page);
}

static LRESULT onControlColour(HWND, UINT, WPARAM wParam, LPARAM) {
    return colourPageControl(reinterpret_cast<HDC>(wParam));
}

static LRESULT onExtract(HWND page, WORD, WORD, HWND) {
    extractArchive(page);
    return TRUE;
}

static LRESULT onCancel(HWND, WORD, WORD, HWND) {
    cancelExtraction();
    return TRUE;
}

static const CommandEntry copyCommandEntries[] = {
    {CMD_EXTRACT_ARCHIVE, onExtract},
    {IDCANCEL, onCancel},
};
static const CommandMap copyCommands = {entryCount(copyCommandEntries), copyCommandEntries,
                                        fallbackReturnZero};

static LRESULT onCommand(HWND page, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(copyCommands, page, wParam, lParam);
}

static const MessageEntry copyMessageEntries[] = {
    {WM_INITDIALOG, onInitDialog},
    {WM_PAINT, onPaint},
    {WM_CTLCOLOREDIT, onControlColour},
    {WM_COMMAND, onCommand},
};
static const MessageMap copyMessages = {entryCount(copyMessageEntries), copyMessageEntries,
                                        fallbackReturnZero};

static INT_PTR CALLBACK copyProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(copyMessages, page, message, wParam, lParam);
}

INT_PTR showCopyPage(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_COPY, owner, copyProc, 0);
}
