// Command-line helper for the scripts in tools/: measures how long a dialog program takes to show
// its window, and drives a running selvara.exe for screenshots.
//
//   selvara_drive startup-time <program.exe> <window class> <runs>
//   selvara_drive wait-window                 (waits for selvara's main window)
//   selvara_drive create-timetable            (presses "Create Praying Times", waits for tab 1)
//   selvara_drive show-tab calculation|timetable|calendar|animation|author
//                                          (selects a tab, waits for a control of its page)
//   selvara_drive play-prayer <row> <ms>   (on the animation page: picks a prayer, lets it play)
//   selvara_drive open-settings <method> <hanafi 0|1>  (opens the calculation settings dialog and
//                                          chooses; the dialog stays open)
//   selvara_drive close-settings          (Cancel on the calculation settings dialog)
//   selvara_drive next-year <times>        (on the calendar page: presses the next-year button)
//   selvara_drive find-place <text>       (presses "Find...", types the text into the dialog)
//   selvara_drive close-find              (Cancel on the Find town dialog)
//   selvara_drive take-find               (OK on the Find town dialog: the selected town)
//   selvara_drive open-reminders          (presses "Reminders..."; the dialog stays open)
//   selvara_drive close-reminders         (Cancel on the Reminders dialog)
//   selvara_drive close
#include "selvara_resource.h"
#include "window_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

static const int timeoutMs = 30000;

// The tabs by name, in tab order, with a control that shows when the tab's page is up.
struct NamedTab {
    const char* name;
    int controlId;
};
static const NamedTab namedTabs[] = {
    {"calculation", IDC_CREATE},    {"timetable", IDC_TIMETABLE_TEXT}, {"calendar", IDC_HIJRI_YEAR},
    {"animation", IDC_PRAYER_LIST}, {"author", IDC_PRODUCT_LIST},
};

static int showTab(HWND tabs, const char* name) {
    const int count = static_cast<int>(sizeof namedTabs / sizeof namedTabs[0]);
    for (int index = 0; index < count; ++index) {
        if (std::strcmp(namedTabs[index].name, name) == 0) {
            // TCM_SETCURFOCUS notifies the tab control's parent inside selvara's own process, which a
            // WM_NOTIFY sent from here could not do.
            SendMessageA(tabs, TCM_SETCURFOCUS, index, 0);
            return waitForPage(tabs, namedTabs[index].controlId, timeoutMs) != nullptr ? 0 : 1;
        }
    }
    std::fprintf(stderr, "unknown tab %s\n", name);
    return 2;
}

static int startupTime(const char* exe, const char* className, int runs) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        RunningProgram program;
        LARGE_INTEGER start, shown;
        QueryPerformanceCounter(&start);
        if (!startProgram(hostPathToWindows(exe), "", program)) {
            std::fprintf(stderr, "cannot start %s\n", exe);
            return 1;
        }
        program.window = waitForProgramWindow(program.process.dwProcessId, className, 0, timeoutMs);
        QueryPerformanceCounter(&shown);
        if (program.window == nullptr) {
            std::fprintf(stderr, "no window of class %s\n", className);
            releaseProgram(program);
            return 1;
        }
        const double ms = 1000.0 * (shown.QuadPart - start.QuadPart) / frequency.QuadPart;
        millis.push_back(ms);
        std::printf("run %d: %.1f ms\n", run + 1, ms);
        closeProgram(program, timeoutMs);
        releaseProgram(program);
    }
    std::sort(millis.begin(), millis.end());
    const size_t n = millis.size();
    const double median = n % 2 ? millis[n / 2] : (millis[n / 2 - 1] + millis[n / 2]) / 2;
    std::printf("median: %.1f ms over %zu runs (min %.1f, max %.1f)\n", median, n, millis.front(),
                millis.back());
    return 0;
}

static HWND waitMainWindow() {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = findAnyWindow("Selvara");
        if (window != nullptr && GetDlgItem(window, IDC_TABS) != nullptr) {
            return window;
        }
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) {
            return nullptr;
        }
        Sleep(20);
    }
}

static const char settingsCaption[] = "Calculation settings";

static HWND waitSettingsDialog() {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND dialog = FindWindowA("#32770", settingsCaption);
        if (dialog != nullptr && IsWindowVisible(dialog) && GetDlgItem(dialog, IDC_METHOD) != nullptr) {
            return dialog;
        }
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) {
            return nullptr;
        }
        Sleep(20);
    }
}

static const char findCaption[] = "Find town";
static const char remindersCaption[] = "Reminders";

// Presses a button of the calculation page and waits for the dialog of that caption.
static HWND openPageDialog(HWND tabs, int buttonId, const char* caption) {
    HWND page = waitForPage(tabs, buttonId, timeoutMs);
    if (page == nullptr) {
        return nullptr;
    }
    clickRemoteButton(page, buttonId);
    const DWORD start = GetTickCount();
    HWND dialog = nullptr;
    while ((dialog = FindWindowA("#32770", caption)) == nullptr || !IsWindowVisible(dialog)) {
        if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) {
            return nullptr;
        }
        Sleep(20);
    }
    return dialog;
}

// Presses "Find..." beside the town name and types `text` into the dialog's edit box (the list
// follows it).
static int findPlace(HWND tabs, const char* text) {
    HWND dialog = openPageDialog(tabs, IDC_FIND_PLACE, findCaption);
    if (dialog == nullptr) {
        return 1;
    }
    SendMessageA(GetDlgItem(dialog, IDC_FIND_TEXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return 0;
}

// Presses "Calculation settings...", then picks the method (as the list does: the selection and
// CBN_SELCHANGE) and the Asr rule.
static int openSettings(HWND tabs, const char* method, bool hanafi) {
    HWND page = waitForPage(tabs, IDC_CALCULATION_SETTINGS, timeoutMs);
    if (page == nullptr) {
        return 1;
    }
    clickRemoteButton(page, IDC_CALCULATION_SETTINGS);
    HWND dialog = waitSettingsDialog();
    if (dialog == nullptr) {
        return 1;
    }
    HWND list = GetDlgItem(dialog, IDC_METHOD);
    const LRESULT index =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(method));
    if (index < 0) {
        return 1;
    }
    SendMessageA(list, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_METHOD, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    SendMessageA(GetDlgItem(dialog, IDC_ASR_STANDARD), BM_SETCHECK, hanafi ? BST_UNCHECKED : BST_CHECKED, 0);
    SendMessageA(GetDlgItem(dialog, IDC_ASR_HANAFI), BM_SETCHECK, hanafi ? BST_CHECKED : BST_UNCHECKED, 0);
    return 0;
}

// Presses a button of selvara's dialog with this caption; 1 when the dialog is not up.
static int pressDialogButton(const char* caption, int buttonId) {
    HWND dialog = FindWindowA("#32770", caption);
    if (dialog == nullptr) {
        return 1;
    }
    clickRemoteButton(dialog, buttonId);
    return 0;
}

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "startup-time") == 0) {
        return startupTime(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (argc < 2) {
        std::fprintf(
            stderr,
            "usage: selvara_drive startup-time|wait-window|create-timetable|show-tab|play-prayer|open-settings|close-settings|find-place|close-find|take-find|open-reminders|close-reminders|next-year|close\n");
        return 2;
    }
    HWND window = waitMainWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "selvara's window did not appear\n");
        return 1;
    }
    HWND tabs = GetDlgItem(window, IDC_TABS);
    if (std::strcmp(argv[1], "wait-window") == 0) {
        return waitForPage(tabs, IDC_CREATE, timeoutMs) != nullptr ? 0 : 1;
    }
    if (std::strcmp(argv[1], "create-timetable") == 0) {
        HWND page = waitForPage(tabs, IDC_CREATE, timeoutMs);
        if (page == nullptr) {
            return 1;
        }
        clickRemoteButton(page, IDC_CREATE);
        return waitForPage(tabs, IDC_TIMETABLE_TEXT, timeoutMs) != nullptr ? 0 : 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "show-tab") == 0) {
        return showTab(tabs, argv[2]);
    }
    if (argc >= 4 && std::strcmp(argv[1], "play-prayer") == 0) {
        // As picking a row in the list does: the selection, then CBN_SELENDOK to the page.
        HWND page = waitForPage(tabs, IDC_PRAYER_LIST, timeoutMs);
        if (page == nullptr) {
            return 1;
        }
        HWND list = GetDlgItem(page, IDC_PRAYER_LIST);
        SendMessageA(list, CB_SETCURSEL, std::atoi(argv[2]), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PRAYER_LIST, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(list));
        Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        return 0;
    }
    if (argc >= 4 && std::strcmp(argv[1], "open-settings") == 0) {
        return openSettings(tabs, argv[2], std::atoi(argv[3]) != 0);
    }
    if (argc >= 3 && std::strcmp(argv[1], "find-place") == 0) {
        return findPlace(tabs, argv[2]);
    }
    if (std::strcmp(argv[1], "close-find") == 0) {
        return pressDialogButton(findCaption, IDCANCEL);
    }
    if (std::strcmp(argv[1], "take-find") == 0) {
        return pressDialogButton(findCaption, IDOK);
    }
    if (std::strcmp(argv[1], "open-reminders") == 0) {
        return openPageDialog(tabs, IDC_REMINDERS, remindersCaption) != nullptr ? 0 : 1;
    }
    if (std::strcmp(argv[1], "close-reminders") == 0) {
        HWND dialog = FindWindowA("#32770", remindersCaption);
        if (dialog == nullptr) {
            return 1;
        }
        clickRemoteButton(dialog, IDCANCEL);
        return 0;
    }
    if (std::strcmp(argv[1], "close-settings") == 0) {
        return pressDialogButton(settingsCaption, IDCANCEL);
    }
    if (argc >= 3 && std::strcmp(argv[1], "next-year") == 0) {
        HWND page = waitForPage(tabs, IDC_CALENDAR_NEXT_YEAR, timeoutMs);
        if (page == nullptr) {
            return 1;
        }
        const int times = std::atoi(argv[2]);
        for (int i = 0; i < times && i < 1000; ++i) {
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CALENDAR_NEXT_YEAR, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_CALENDAR_NEXT_YEAR)));
        }
        return 0;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    }
    std::fprintf(stderr, "unknown command %s\n", argv[1]);
    return 2;
}
