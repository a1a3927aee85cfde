// selvara-tray.exe: one resident reminder per user session. A second start brings the first one's
// menu up and ends. The only argument, --test-log FILE, is for tests: every notification and sound
// request is written to FILE instead of being played, and the clock is then set by message.
#include "program_directory.h"
#include "tray_contract.h"
#include "tray_state.h"

#include <windows.h>

#include <cstring>

namespace {

const char testLogOption[] = "--test-log ";

// The file named after --test-log, or NULL.
std::FILE* openTestLog(const char* commandLine) {
    const char* option = std::strstr(commandLine, testLogOption);
    if (option == nullptr)
        return nullptr;
    char path[MAX_PATH];
    lstrcpynA(path, option + sizeof testLogOption - 1, sizeof path);
    return std::fopen(path, "w");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    HANDLE mutex = CreateMutexA(nullptr, TRUE, trayMutexName);
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another reminder runs: its menu comes up instead.
        const HWND running = findRunningTray();
        if (running != nullptr) {
            DWORD processId = 0;
            GetWindowThreadProcessId(running, &processId);
            AllowSetForegroundWindow(processId);
            PostMessageA(running, trayShowMenuMessage, 0, 0);
        }
        CloseHandle(mutex);
        return 0;
    }
    initProgramPaths();
    Tray.testLog = openTestLog(commandLine != nullptr ? commandLine : "");
    if (!registerTrayWindowClass(instance) || createTrayWindow(instance) == nullptr) {
        if (mutex != nullptr)
            CloseHandle(mutex);
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (Tray.testLog != nullptr)
        std::fclose(Tray.testLog);
    if (mutex != nullptr) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return 0;
}
