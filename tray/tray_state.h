// The reminder's process-wide record and the operations its files share.
#pragma once

#include "chosen_request.h"
#include "reminder_schedule.h"
#include "settings.h"

#include <windows.h>

#include <cstdio>

struct TrayState {
    HINSTANCE instance;
    HWND window;
    UINT taskbarCreatedMessage;  // Explorer started again: add the icon again
    bool iconAdded;
    bool addingIcon;  // inside NIM_ADD, which lets sent messages in while it waits for the shell
    // The schedule: the settings as the main window has them, and the request built from them.
    char town[townNameSize];
    ChosenClock clock;
    TimetableRequest request;
    ReminderSchedule schedule;
    UtcMinute lastChecked;  // every event up to here has been handled
    // Sounds off until tomorrow: events of this local date and earlier stay silent.
    bool soundsOff;
    long soundsOffUntilDate;  // year * 10000 + month * 100 + day
    bool playing;             // an audio file plays ("Stop the adhan")
    // Tests only: a clock set by message and a log of every notification and sound request.
    bool testClock;
    UtcMinute testNow;
    std::FILE* testLog;
};
extern TrayState Tray;

// Window class, icon, timer (tray_window.cpp).
bool registerTrayWindowClass(HINSTANCE instance);
HWND createTrayWindow(HINSTANCE instance);
UtcMinute trayNow();
void reloadTraySettings();
void updateTrayIcon();  // adds the icon when missing, sets the tooltip
void handleDueEvents();
void scheduleNextWake();
void removeTrayIcon();

// The icon's menu (tray_menu.cpp): built from the state, then shown at the cursor.
HMENU buildTrayMenu();
void showTrayMenu();
LRESULT runTrayCommand(HWND window, WORD command);  // a menu command

// Sounds (tray_sound.cpp).
void playReminderSound(int slot);
void stopReminderSound();
void onSoundFinished();

// A line in the test log, when there is one.
void writeTestLog(const char* format, ...);
