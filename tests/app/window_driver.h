// Drives a running selvara.exe (or any dialog program) from another process: start it, find its
// main window, read and set control texts, press buttons, switch tabs, close it.
#pragma once

#include <windows.h>

#include <string>

// Z:\... for a path of the host file system; a Windows path is returned unchanged.
std::string hostPathToWindows(const std::string& path);

struct RunningProgram {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

// Starts the program in `workingDirectory` (empty: the caller's).
bool startProgram(const std::string& exePath, const std::string& workingDirectory, RunningProgram& program);

// Polls until a visible top-level window of the process with this class exists (and, when
// childId is not 0, has that child). NULL after timeoutMs.
HWND waitForProgramWindow(DWORD processId, const char* className, int childId, int timeoutMs);

// A visible top-level window of this class in any process; NULL if none.
HWND findAnyWindow(const char* className);

// The page shown inside the tab control; with controlId, only a page that holds that control.
HWND findPage(HWND tabs, int controlId);
HWND waitForPage(HWND tabs, int controlId, int timeoutMs);

std::string remoteText(HWND window);
void setRemoteText(HWND window, const char* text);
void clickRemoteButton(HWND dialog, int controlId);

// Ends the program through WM_CLOSE and waits; returns its exit code, or -1 on timeout.
int closeProgram(RunningProgram& program, int timeoutMs);
void releaseProgram(RunningProgram& program);
