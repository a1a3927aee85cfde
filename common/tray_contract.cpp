#include "tray_contract.h"

#include <cstdio>

const char trayWindowClass[] = "SelvaraReminder";
const char trayMutexName[] = "SelvaraReminderSession";

HWND findRunningTray() {
    return FindWindowA(trayWindowClass, nullptr);
}

bool closeRunningTray(DWORD waitMs) {
    const HWND window = findRunningTray();
    if (window == nullptr) {
        return true;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(window, WM_CLOSE, 0, 0);
    bool ended = false;
    if (process != nullptr) {
        ended = WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0;
        CloseHandle(process);
    } else {
        // No handle to wait on: watch the window instead.
        const DWORD pollMs = 50;
        for (DWORD waited = 0; waited < waitMs && !ended; waited += pollMs) {
            Sleep(pollMs);
            ended = findRunningTray() == nullptr;
        }
    }
    return ended || findRunningTray() == nullptr;
}

void notifyTraySettingsChanged() {
    const HWND window = findRunningTray();
    if (window != nullptr) {
        PostMessageA(window, traySettingsChangedMessage, 0, 0);
    }
}

bool startTrayProgram(const char* directory) {
    char path[MAX_PATH];
    const int length = snprintf(path, sizeof path, "%s\\%s", directory, installedFiles[trayProgramFile]);
    if (length < 0 || static_cast<size_t>(length) >= sizeof path) {
        return false;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
