// In-process fixture for the main window: the real resources, a scratch program directory, a
// fixed "today" and time zone, and helpers that drive the window with messages.
#pragma once

#include "test_files.h"  // readWholeFile

#include "app.h"
#include "calculation_settings.h"
#include "local_clock.h"
#include "selvara_resource.h"
#include "settings.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The date every page sees in these tests.
constexpr WORD fixedYear = 2026;
constexpr WORD fixedMonth = 6;
constexpr WORD fixedDay = 15;
constexpr WORD fixedDayOfWeek = 1;  // a Monday

void writeFileBytes(const std::string& path, const std::string& bytes);

// The bytes `selvara-cli.exe timetable ARGUMENTS --out FILE` writes (the Windows console tool
// itself, run as a process), FILE being a scratch file in `directory`.
std::string consoleTimetableBytes(const std::string& directory, const char* arguments);
std::string windowText(HWND window);
std::string dialogItemText(HWND dialog, int controlId);

// What a message box showed, closed by a watcher thread with OK.
struct MessageBoxSeen {
    bool shown = false;
    std::string caption;
    std::string text;
};

// Starts watching for a message box of this process before an action that may show one. Dialogs
// already shown when the watcher starts (a dialog that the box will belong to) are not taken.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxSeen result();  // waits for the watcher (at most a few seconds)

private:
    static DWORD WINAPI watch(void* self);
    HANDLE thread_;
    MessageBoxSeen seen_;
    std::vector<HWND> shownBefore_;
};

// The zone the platform reports while a test has called useZone; a test may set its transition
// dates after the call.
extern TIME_ZONE_INFORMATION fakeZone;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void createMainWindow();
    void closeMainWindow();  // WM_CLOSE, as the close box sends it
    HWND tabs() const { return GetDlgItem(window, IDC_TABS); }
    int selectedTab() const;
    void selectTab(int index);  // as a click would: selection, then TCN_SELCHANGE to the window
    void pressButton(int controlId);
    void setField(int controlId, const char* text);
    std::string field(int controlId) const { return dialogItemText(currentPage, controlId); }
    void pumpMessages();
    // This computer's zone as the platform would report it, until the test ends.
    void useZone(LONG bias, LONG standardBias, LONG daylightBias, DWORD result);

    std::string settingsPath() const { return directory + "\\praytime.cfg"; }

    std::string directory;  // the scratch program directory (a Windows path)
    HWND window = nullptr;

private:
    TimeZoneSource zoneSourceBefore_ = nullptr;
};
