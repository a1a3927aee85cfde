// Takes the screenshots of the installer for docs/: the real wizard over its backdrop, driven
// from a second thread, the screen captured at each page (a tool for tools/setup-screenshots.sh).
//
//   setup_screens OUTPUT_FOLDER
#include "background_window.h"
#include "dialog_driver.h"
#include "setupvara_resource.h"
#include "screen_capture.h"
#include "wizard_pages.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <thread>

namespace {

std::string folder;
const DWORD thisProcess = GetCurrentProcessId();
bool copyPageCaptured = false;

void settle() {
    Sleep(400);
}

// The copy page is captured from inside the extraction, when the read-me's record (the fourth)
// begins.
LRESULT CALLBACK captureCopyPage(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !copyPageCaptured && call->message == WM_SETTEXT &&
        GetDlgCtrlID(call->hwnd) == IDC_COPY_STATUS && call->lParam != 0 &&
        std::strstr(reinterpret_cast<const char*>(call->lParam), "readme.wri") != nullptr) {
        copyPageCaptured = true;
        captureScreen(folder + "setup-4-copy.bmp");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void drive() {
    HWND agreement = waitForDialogWithControl(thisProcess, IDC_AGREEMENT_TEXT);
    settle();
    captureScreen(folder + "setup-1-agreement.bmp");
    pressButton(agreement, IDOK);

    HWND directory = waitForDialogWithControl(thisProcess, IDC_DIR_INSTALL_DIRECTORY);
    settle();
    captureScreen(folder + "setup-2-directory.bmp");
    pressButton(directory, IDC_DIR_BROWSE);
    HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_FOLDERS);
    settle();
    captureScreen(folder + "setup-3-browse-directory.bmp");
    pressButton(browser, IDCANCEL);
    waitForWindowGone(browser);
    pressButton(directory, IDOK);
    Sleep(300);
    if (messageBoxShown(thisProcess)) {
        answerNextMessageBox(thisProcess, IDYES);  // an earlier installation is there
    }

    HWND shortcuts = waitForDialogWithControl(thisProcess, IDC_SHORTCUT_DESKTOP, 60000);
    SendMessageA(GetDlgItem(shortcuts, IDC_SHORTCUT_DESKTOP), BM_SETCHECK, BST_CHECKED, 0);
    settle();
    captureScreen(folder + "setup-5-shortcuts.bmp");
    pressButton(shortcuts, IDC_SHORTCUT_BROWSE);
    HWND shortcutBrowser = waitForDialogWithControl(thisProcess, IDC_BROWSE_SHORTCUT_FOLDERS);
    settle();
    captureScreen(folder + "setup-6-browse-shortcuts.bmp");
    pressButton(shortcutBrowser, IDCANCEL);
    waitForWindowGone(shortcutBrowser);
    pressButton(shortcuts, IDOK);

    const MessageBoxSeen done = waitForMessageBox(thisProcess);
    settle();
    captureScreen(folder + "setup-7-done.bmp");
    answerMessageBox(done, IDOK);
}

}  // namespace

int main(int argc, char** argv) {
    folder = outputFolder(argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, captureCopyPage, nullptr, GetCurrentThreadId());
    const BackgroundParameters parameters = setupBackgroundParameters(runWizard);
    std::thread driver(drive);
    const int code = runBackgroundProgram(GetModuleHandleA(nullptr), parameters);
    driver.join();
    UnhookWindowsHookEx(hook);
    return code;
}
