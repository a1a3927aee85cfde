// The reminder's hidden window: the notification-area icon, the schedule's timer and the messages
// of the system (clock and zone changes, waking, Explorer's restart) and of the other programs.
#include "calculation_settings.h"
#include "dispatch.h"
#include "local_clock.h"
#include "program_directory.h"
#include "reminder_text.h"
#include "tray_contract.h"
#include "tray_resource.h"
#include "tray_state.h"

#include <shellapi.h>

#include <cstdarg>
#include <cstdio>

TrayState Tray;

namespace {

constexpr UINT_PTR wakeTimerId = 1;
constexpr UINT iconId = 1;
// A wake comes this much after the minute has turned, so that the clock surely shows it.
constexpr UINT wakeMarginMs = 200;
constexpr LONGLONG fileTimeTicksPerMinute = 600000000LL;  // 100 ns ticks
constexpr LONGLONG fileTimeUnixEpochMinutes = 194074560LL;  // 1601-01-01 to 1970-01-01
constexpr int mostDueEvents = 8;

void fillIconData(NOTIFYICONDATAA& data) {
    ZeroMemory(&data, sizeof data);
    data.cbSize = sizeof data;
    data.hWnd = Tray.window;
    data.uID = iconId;
}

long dateKey(int year, int month, int day) {
    return year * 10000L + month * 100L + day;
}

// The shell knows no icon of ours (it refused the first addition while it was starting, or it
// restarted and its message has not come yet): the icon is added anew. A shell that still holds
// the old icon would refuse the addition as a duplicate, so whatever it holds is removed first.
void addTrayIconAgain() {
    NOTIFYICONDATAA data;
    fillIconData(data);
    Shell_NotifyIconA(NIM_DELETE, &data);
    Tray.iconAdded = false;
    updateTrayIcon();
}

// A balloon is refused when the shell knows no icon of ours: the icon is added again and the
// balloon asked for once more, so an event in that moment is not lost.
void showNotification(const ReminderEvent& event) {
    NOTIFYICONDATAA data;
    fillIconData(data);
    data.uFlags = NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    formatNotification(event, Tray.town, data.szInfoTitle, sizeof data.szInfoTitle, data.szInfo, sizeof data.szInfo);
    bool shown = Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    if (!shown) {
        addTrayIconAgain();
        shown = Tray.iconAdded && Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }
    writeTestLog(shown ? "notify %s | %s" : "notify refused %s | %s", data.szInfoTitle, data.szInfo);
}

void fireEvent(const ReminderEvent& event) {
    showNotification(event);
    if (event.kind != ReminderKind::atTime)
        return;
    if (Tray.soundsOff && dateKey(event.year, event.month, event.day) <= Tray.soundsOffUntilDate)
        return;
    playReminderSound(event.slot);
}

LRESULT onTimer(HWND, UINT, WPARAM, LPARAM) {
    handleDueEvents();
    updateTrayIcon();
    scheduleNextWake();
    return 0;
}

LRESULT onIconMessage(HWND, UINT, WPARAM, LPARAM lParam) {
    switch (LOWORD(lParam)) {
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU: showTrayMenu(); break;
        case WM_LBUTTONDBLCLK: SendMessageA(Tray.window, WM_COMMAND, IDM_OPEN_SELVARA, 0); break;
        default: break;
    }
    return 0;
}

LRESULT onShowMenu(HWND, UINT, WPARAM, LPARAM) {
    showTrayMenu();
    return 0;
}

LRESULT onSettingsChanged(HWND, UINT, WPARAM, LPARAM) {
    reloadTraySettings();
    updateTrayIcon();
    scheduleNextWake();
    return 0;
}

// Tests only: the clock jumps to lParam (minutes of UTC) and the program wakes as the timer would,
// or with trayTestClockQuiet in wParam, only the clock moves.
LRESULT onSetTestClock(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Tray.testClock) {
        Tray.testClock = true;
        Tray.lastChecked = lParam;  // a clock being set is a start: nothing before it is due
    }
    Tray.testNow = lParam;
    if (wParam == trayTestClockQuiet)
        return 0;
    return onTimer(window, message, wParam, lParam);
}

// The clock or the zone changed: the zone's rule is read again, and what lies behind the new time
// is not sounded.
LRESULT onTimeChange(HWND, UINT, WPARAM, LPARAM) {
    reloadTraySettings();
    Tray.lastChecked = trayNow();
    updateTrayIcon();
    scheduleNextWake();
    return 0;
}

LRESULT onPowerBroadcast(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)
        onTimer(window, message, wParam, lParam);
    return TRUE;
}

LRESULT onSoundNotify(HWND, UINT, WPARAM, LPARAM) {
    onSoundFinished();
    return 0;
}

LRESULT onDestroy(HWND, UINT, WPARAM, LPARAM) {
    KillTimer(Tray.window, wakeTimerId);
    stopReminderSound();
    removeTrayIcon();
    PostQuitMessage(0);
    return 0;
}

LRESULT onCommand(HWND window, UINT, WPARAM wParam, LPARAM) {
    return runTrayCommand(window, LOWORD(wParam));
}

const MessageEntry trayMessageEntries[] = {
    {WM_TIMER, onTimer},
    {trayNotifyIconMessage, onIconMessage},
    {trayShowMenuMessage, onShowMenu},
    {traySettingsChangedMessage, onSettingsChanged},
    {traySetTestClockMessage, onSetTestClock},
    {WM_TIMECHANGE, onTimeChange},
    {WM_POWERBROADCAST, onPowerBroadcast},
    {MM_MCINOTIFY, onSoundNotify},
    {WM_COMMAND, onCommand},
    {WM_DESTROY, onDestroy},
};
const MessageMap trayMessages = {entryCount(trayMessageEntries), trayMessageEntries, fallbackDefWindowProc};

LRESULT CALLBACK trayWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == Tray.taskbarCreatedMessage && message != 0) {
        addTrayIconAgain();  // the new Explorer knows no icons
        return 0;
    }
    return dispatchMessageMap(trayMessages, window, message, wParam, lParam);
}

}  // namespace

void writeTestLog(const char* format, ...) {
    if (Tray.testLog == nullptr)
        return;
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(Tray.testLog, format, arguments);
    va_end(arguments);
    std::fputc('\n', Tray.testLog);
    std::fflush(Tray.testLog);
}

UtcMinute trayNow() {
    if (Tray.testClock)
        return Tray.testNow;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    return static_cast<LONGLONG>(ticks.QuadPart) / fileTimeTicksPerMinute - fileTimeUnixEpochMinutes;
}

void reloadTraySettings() {
    loadSettings();
    loadCalculationSettings();
    ReminderSettings reminders;
    loadReminderSettings(reminders);
    lstrcpynA(Tray.town, Settings.townName, sizeof Tray.town);
    TIME_ZONE_INFORMATION information = {};
    const bool computerKnown = GetTimeZoneInformation(&information) != TIME_ZONE_ID_INVALID;
    SYSTEMTIME today;
    GetLocalTime(&today);
    Tray.request = chosenTimetableRequest(Settings, Calculation, computerZoneRule(information), computerKnown,
                                          Tray.clock, today.wYear, today.wMonth);
    Tray.schedule.source = timetableRequestDay;
    Tray.schedule.context = &Tray.request;
    Tray.schedule.settings = reminders;
}

void updateTrayIcon() {
    NOTIFYICONDATAA data;
    fillIconData(data);
    data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    data.uCallbackMessage = trayNotifyIconMessage;
    data.hIcon = LoadIconA(Tray.instance, MAKEINTRESOURCEA(IDI_TRAY_ICON));
    const UtcMinute now = trayNow();
    ReminderEvent next{};
    if (nextTimeAfter(Tray.schedule.source, Tray.schedule.context, now, next))
        formatTooltip(data.szTip, sizeof data.szTip, next, now, Tray.town);
    // The window's own title carries the tooltip too, so that another process can read it.
    SetWindowTextA(Tray.window, data.szTip);
    if (Tray.addingIcon) {
        // Called again from a message that came in while the shell was adding the icon: the
        // addition under way stands, the next wake brings the tooltip up to date.
        return;
    }
    if (!Tray.iconAdded) {
        Tray.addingIcon = true;
        Tray.iconAdded = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
        Tray.addingIcon = false;
        writeTestLog("icon %s | %s", Tray.iconAdded ? "added" : "refused", data.szTip);
    } else {
        Shell_NotifyIconA(NIM_MODIFY, &data);
    }
}

void removeTrayIcon() {
    if (!Tray.iconAdded)
        return;
    NOTIFYICONDATAA data;
    fillIconData(data);
    Shell_NotifyIconA(NIM_DELETE, &data);
    Tray.iconAdded = false;
}

void handleDueEvents() {
    const UtcMinute now = trayNow();
    if (now <= Tray.lastChecked)
        return;
    ReminderEvent events[mostDueEvents];
    const int count = dueEvents(Tray.schedule, Tray.lastChecked, now, events, mostDueEvents);
    Tray.lastChecked = now;
    for (int i = 0; i < count; ++i)
        fireEvent(events[i]);
}

// One wake a minute, just after the minute turns: the tooltip counts down, and every event falls
// on a minute. Between wakes the program sleeps in GetMessage.
void scheduleNextWake() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    const UINT msToNextMinute = (60 - now.wSecond) * 1000 - now.wMilliseconds;
    SetTimer(Tray.window, wakeTimerId, msToNextMinute + wakeMarginMs, nullptr);
}

bool registerTrayWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = trayWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TRAY_ICON));
    windowClass.lpszClassName = trayWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

HWND createTrayWindow(HINSTANCE instance) {
    Tray.instance = instance;
    Tray.taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    // A top-level window that is never shown (a message-only window would not hear broadcasts
    // such as TaskbarCreated and WM_TIMECHANGE).
    Tray.window = CreateWindowExA(0, trayWindowClass, productName, WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, nullptr);
    if (Tray.window == nullptr)
        return nullptr;
    reloadTraySettings();
    Tray.lastChecked = trayNow();  // times already past at the start are not sounded
    updateTrayIcon();
    scheduleNextWake();
    return Tray.window;
}
