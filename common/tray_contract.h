// How the other programs meet the resident reminder selvara-tray.exe: its window class, its
// single-instance mutex, the messages it answers, and the operations on a running copy.
#pragma once

#include <windows.h>

#include "install_manifest.h"

extern const char trayWindowClass[];  // the reminder's hidden window
extern const char trayMutexName[];    // one reminder per user session

// Messages to the reminder's window.
constexpr UINT traySettingsChangedMessage = WM_APP + 1;  // reread praytime.cfg and selvara.ini
constexpr UINT trayShowMenuMessage = WM_APP + 2;         // a second start: bring the menu up
constexpr UINT trayNotifyIconMessage = WM_APP + 3;       // the icon's mouse messages
constexpr UINT traySetTestClockMessage = WM_APP + 4;     // tests only: now = lParam minutes of UTC
// wParam of traySetTestClockMessage: 0 = the program wakes as its timer would; trayTestClockQuiet =
// the clock only moves, as a real clock moves under a sleeping computer or a user's change, and
// the program learns of it from the system's message that follows.
constexpr WPARAM trayTestClockQuiet = 1;

// The running reminder's window, or NULL.
HWND findRunningTray();

// Asks a running reminder to close and waits up to waitMs for its process to end. True when none
// runs any more.
bool closeRunningTray(DWORD waitMs);

// Tells a running reminder that the settings changed (nothing when none runs).
void notifyTraySettingsChanged();

// Starts the reminder from a directory (the installation directory). False when it cannot start.
bool startTrayProgram(const char* directory);
