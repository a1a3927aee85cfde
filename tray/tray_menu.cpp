// The icon's menu: today's six times with the next one marked, then the program's commands.
#include "registry_contract.h"
#include "reminder_text.h"
#include "tray_contract.h"
#include "tray_resource.h"
#include "tray_state.h"

#include <cstdio>

namespace {


// The six times of the day the next time falls on, the next one checked.
void appendTimes(HMENU menu) {
    const UtcMinute now = trayNow();
    ReminderEvent next{};
    if (!nextTimeAfter(Tray.schedule.source, Tray.schedule.context, now, next))
        return;
    const ScheduleDay times = Tray.schedule.source(Tray.schedule.context, next.year, next.month, next.day);
    const double hours[prayerTimeCount] = {times.times.dawn,      times.times.sunrise, times.times.noon,
                                           times.times.afternoon, times.times.sunset,  times.times.evening};
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        int clockMinute = 0;
        if (!clockMinuteOfHours(hours[slot], clockMinute))
            continue;
        char text[64];
        formatMenuTime(text, sizeof text, slot, clockMinute);
        const bool isNext = slot == next.slot;
        AppendMenuA(menu, MF_STRING | (isNext ? MF_CHECKED : MF_UNCHECKED), IDM_TIME_FIRST + slot, text);
    }
}

void openSelvara() {
    char path[MAX_PATH];
    if (!buildProgramFilePath(installedFiles[mainProgramFile], path, sizeof path))
        return;
    writeTestLog("open %s", installedFiles[mainProgramFile]);
    if (Tray.testLog == nullptr)
        ShellExecuteA(nullptr, "open", path, nullptr, programDirectory, SW_SHOWNORMAL);
}

void toggleStartWithWindows() {
    if (hasReminderRunValue()) {
        removeReminderRunValue();
        return;
    }
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length > 0 && length < sizeof path)
        setReminderRunValue(path);
}

// Sounds off until the end of the place's today.
void toggleSounds() {
    if (Tray.soundsOff) {
        Tray.soundsOff = false;
        return;
    }
    int year = 0, month = 0, day = 0, minuteOfDay = 0;
    const UtcMinute now = trayNow();
    utcDateOfMinute(now, year, month, day, minuteOfDay);
    const int zoneMinutes = Tray.schedule.source(Tray.schedule.context, year, month, day).zoneMinutes;
    utcDateOfMinute(now + zoneMinutes, year, month, day, minuteOfDay);
    Tray.soundsOff = true;
    Tray.soundsOffUntilDate = year * 10000L + month * 100L + day;
    stopReminderSound();
}

}  // namespace

HMENU buildTrayMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return nullptr;
    appendTimes(menu);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_OPEN_SELVARA, "Open Selvara");
    SetMenuDefaultItem(menu, IDM_OPEN_SELVARA, FALSE);
    AppendMenuA(menu, MF_STRING, IDM_SOUNDS, Tray.soundsOff ? "Sounds on" : "Sounds off until tomorrow");
    if (Tray.playing)
        AppendMenuA(menu, MF_STRING, IDM_STOP_ADHAN, "Stop the adhan");
    AppendMenuA(menu, MF_STRING | (hasReminderRunValue() ? MF_CHECKED : MF_UNCHECKED), IDM_START_WITH_WINDOWS,
                "Start with Windows");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_EXIT, "Exit");
    return menu;
}

void showTrayMenu() {
    HMENU menu = buildTrayMenu();
    if (menu == nullptr)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    // The window must be in the foreground, or the menu would not close when the user clicks away.
    SetForegroundWindow(Tray.window);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Tray.window, nullptr);
    PostMessageA(Tray.window, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

LRESULT runTrayCommand(HWND window, WORD command) {
    switch (command) {
        case IDM_OPEN_SELVARA: openSelvara(); break;
        case IDM_SOUNDS: toggleSounds(); break;
        case IDM_STOP_ADHAN: stopReminderSound(); break;
        case IDM_START_WITH_WINDOWS: toggleStartWithWindows(); break;
        case IDM_EXIT: DestroyWindow(window); break;
        default: break;
    }
    return 0;
}
