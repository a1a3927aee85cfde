#include "window_driver.h"

#include <cstring>
#include <vector>

static const UINT sendTimeoutMs = 5000;
static const DWORD pollIntervalMs = 5;

std::string hostPathToWindows(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string windowsPath = "Z:" + path;
    for (char& c : windowsPath) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windowsPath;
}

bool startProgram(const std::string& exePath, const std::string& workingDirectory, RunningProgram& program) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> commandLine(exePath.size() + 3);
    std::snprintf(commandLine.data(), commandLine.size(), "\"%s\"", exePath.c_str());
    return CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                          &program.process) != 0;
}

namespace {

struct WindowSearch {
    DWORD processId;  // 0: any process
    const char* className;
    int childId;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (search->processId != 0 && owner != search->processId) {
        return TRUE;
    }
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, search->className) != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (search->childId != 0 && GetDlgItem(window, search->childId) == nullptr) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND waitForProgramWindow(DWORD processId, const char* className, int childId, int timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search = {processId, className, childId, nullptr};
        EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) {
            return nullptr;
        }
        Sleep(pollIntervalMs);
    }
}

HWND findAnyWindow(const char* className) {
    WindowSearch search = {0, className, 0, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findPage(HWND tabs, int controlId) {
    for (HWND child = GetWindow(tabs, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::strcmp(className, "#32770") != 0) {
            continue;
        }
        if (controlId == 0 || GetDlgItem(child, controlId) != nullptr) {
            return child;
        }
    }
    return nullptr;
}

HWND waitForPage(HWND tabs, int controlId, int timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND page = findPage(tabs, controlId);
        if (page != nullptr) {
            return page;
        }
        if (static_cast<int>(GetTickCount() - start) > timeoutMs) {
            return nullptr;
        }
        Sleep(pollIntervalMs);
    }
}

std::string remoteText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, sendTimeoutMs, &length)) {
        return std::string();
    }
    std::vector<char> text(length + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, sendTimeoutMs, &copied);
    return std::string(text.data());
}

void setRemoteText(HWND window, const char* text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        sendTimeoutMs, &result);
}

void clickRemoteButton(HWND dialog, int controlId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

int closeProgram(RunningProgram& program, int timeoutMs) {
    if (program.window != nullptr) {
        PostMessageA(program.window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(program.process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(program.process.hProcess, &exitCode);
    return static_cast<int>(exitCode);
}

void releaseProgram(RunningProgram& program) {
    if (program.process.hProcess != nullptr) {
        if (WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(program.process.hProcess, 1);
            WaitForSingleObject(program.process.hProcess, 5000);
        }
        CloseHandle(program.process.hProcess);
        CloseHandle(program.process.hThread);
    }
    program = RunningProgram();
}
