// Drives a running selvara-tray.exe from another process for tools/tray-screenshots.sh and
// tools/measure-tray.sh (not a test):
//   tray_drive wait              waits up to 20 s for the reminder's window
//   tray_drive clock YYYY-MM-DDTHH:MM   sets its test clock (UTC)
//   tray_drive menu              brings its menu up (as a second start would), under the icon
//   tray_drive escape            presses Escape (closes the menu)
//   tray_drive tooltip           prints its tooltip
//   tray_drive close             asks it to close and waits
//   tray_drive usage             prints its CPU time (user + kernel, ms) and working set (KB)
#include "tray_contract.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int menuCursorXPx = 24;
constexpr int menuCursorYPx = 40;

int waitForTray() {
    for (int waited = 0; waited < 20000; waited += 50) {
        if (findRunningTray() != nullptr)
            return 0;
        Sleep(50);
    }
    std::fprintf(stderr, "tray_drive: no reminder window\n");
    return 1;
}

int setClock(const char* text) {
    std::tm fields = {};
    if (std::sscanf(text, "%d-%d-%dT%d:%d", &fields.tm_year, &fields.tm_mon, &fields.tm_mday, &fields.tm_hour,
                    &fields.tm_min) != 5)
        return 2;
    fields.tm_year -= 1900;
    fields.tm_mon -= 1;
    const HWND tray = findRunningTray();
    if (tray == nullptr)
        return 1;
    SendMessageA(tray, traySetTestClockMessage, 0, static_cast<LPARAM>(_mkgmtime(&fields) / 60));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    const char* command = argv[1];
    if (std::strcmp(command, "wait") == 0)
        return waitForTray();
    if (std::strcmp(command, "clock") == 0 && argc == 3)
        return setClock(argv[2]);
    const HWND tray = findRunningTray();
    if (tray == nullptr)
        return 1;
    if (std::strcmp(command, "menu") == 0) {
        // The menu opens at the cursor: near the top left, where the system tray shows the icon.
        SetCursorPos(menuCursorXPx, menuCursorYPx);
        PostMessageA(tray, trayShowMenuMessage, 0, 0);
        return 0;
    }
    if (std::strcmp(command, "escape") == 0) {
        keybd_event(VK_ESCAPE, 0, 0, 0);
        keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
        return 0;
    }
    if (std::strcmp(command, "tooltip") == 0) {
        char text[128] = {};
        SendMessageA(tray, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        return 0;
    }
    if (std::strcmp(command, "usage") == 0) {
        DWORD processId = 0;
        GetWindowThreadProcessId(tray, &processId);
        const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
        if (process == nullptr)
            return 1;
        FILETIME created, exited, kernel, user;
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        const bool known = GetProcessTimes(process, &created, &exited, &kernel, &user) &&
                           GetProcessMemoryInfo(process, &memory, sizeof memory);
        CloseHandle(process);
        if (!known)
            return 1;
        const auto ticks = [](const FILETIME& time) {
            return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        const unsigned long long cpuMs = (ticks(kernel) + ticks(user)) / 10000;
        std::printf("cpu_ms %llu working_set_kb %llu peak_working_set_kb %llu\n", cpuMs,
                    static_cast<unsigned long long>(memory.WorkingSetSize / 1024),
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
        return 0;
    }
    if (std::strcmp(command, "close") == 0)
        return closeRunningTray(20000) ? 0 : 1;
    return 2;
}
