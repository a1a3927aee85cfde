// Takes the screenshots of the uninstaller for docs/: the real flow over its backdrop, removing
// the installation that tools/setup-screenshots.sh made just before; the status dialog is
// captured after its first file and just before it closes.
//
//   uninstall_screens OUTPUT_FOLDER
#include "background_window.h"
#include "dialog_driver.h"
#include "uninstall_resource.h"
#include "screen_capture.h"
#include "uninstall_state.h"

#include <string>
#include <thread>

namespace {

std::string folder;
const DWORD thisProcess = GetCurrentProcessId();
const UINT afterFirstFile = WM_APP + 1;
bool lastFileCaptured = false;

bool isStatusDialog(HWND window) {
    return GetDlgItem(window, IDC_UNINSTALL_PROGRESS) != nullptr;
}

// A message posted when the deletion starts is taken off the queue after the first file.
LRESULT CALLBACK watchQueue(int code, WPARAM wParam, LPARAM lParam) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        if (message->message == WM_COMMAND && LOWORD(message->wParam) == CMD_DELETE_FILES) {
            PostMessageA(message->hwnd, afterFirstFile, 0, 0);
        } else if (message->message == afterFirstFile) {
            captureScreen(folder + "uninstall-2-status-first-file.bmp");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The dialog is about to be hidden: every file has been handled.
LRESULT CALLBACK watchClosing(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !lastFileCaptured && call->message == WM_WINDOWPOSCHANGING &&
        isStatusDialog(call->hwnd) &&
        (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_HIDEWINDOW) != 0) {
        lastFileCaptured = true;
        captureScreen(folder + "uninstall-3-status-last-file.bmp");
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void drive() {
    const MessageBoxSeen question = waitForMessageBox(thisProcess);
    Sleep(400);
    captureScreen(folder + "uninstall-1-confirm.bmp");
    answerMessageBox(question, IDYES);
    const MessageBoxSeen outcome = waitForMessageBox(thisProcess);
    Sleep(400);
    captureScreen(folder + "uninstall-4-done.bmp");
    answerMessageBox(outcome, IDOK);
}

}  // namespace

int main(int argc, char** argv) {
    folder = outputFolder(argc, argv);
    HHOOK queueHook = SetWindowsHookExA(WH_GETMESSAGE, watchQueue, nullptr, GetCurrentThreadId());
    HHOOK closingHook = SetWindowsHookExA(WH_CALLWNDPROC, watchClosing, nullptr, GetCurrentThreadId());
    const BackgroundParameters parameters = uninstallBackgroundParameters(confirmAndUninstall);
    std::thread driver(drive);
    const int code = runBackgroundProgram(GetModuleHandleA(nullptr), parameters);
    driver.join();
    UnhookWindowsHookEx(queueHook);
    UnhookWindowsHookEx(closingHook);
    return code;
}
