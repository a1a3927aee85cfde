// End to end: the real selvara-tray.exe in its own process, on a clock the test sets by message.
// The expected times are those of the published January table of the default town (Zagreb,
// 1 January 2026: Asr 14:07, Maghrib 16:24), which the timetable tests hold byte for byte.
#include "calculation_settings.h"
#include "registry_contract.h"
#include "reminder_settings.h"
#include "scratch_folder.h"
#include "settings.h"
#include "tray_contract.h"
#include "utc_minutes.h"
#include "window_driver.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const DWORD waitMs = 20000;

LPARAM utcMinute(int year, int month, int day, int hour, int minute) {
    return static_cast<LPARAM>(utcMinutes(year, month, day, hour, minute));
}

HWND waitForTray(DWORD processId) {
    for (DWORD waited = 0; waited < waitMs; waited += 20) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, trayWindowClass, nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId)
                return window;
        }
        Sleep(20);
    }
    return nullptr;
}

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

class TrayProcess : public ::testing::Test {
protected:
    void SetUp() override {
        directory = makeScratchFolder("tray_run");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Selvara");
        // The default town on its fixed zone, and a reminder ten minutes before Asr.
        SettingsRecord place = defaultSettings();
        ASSERT_TRUE(saveSettingsFile(file("praytime.cfg").c_str(), place));
        ASSERT_TRUE(saveCalculationSettingsFile(file("selvara.ini").c_str(), place, defaultCalculationSettings()));
        ReminderSettings reminders = defaultReminderSettings();
        reminders.minutesBefore[slotAsr] = 10;
        ASSERT_TRUE(saveReminderSettingsFile(file("selvara.ini").c_str(), reminders));
    }
    void TearDown() override {
        for (RunningProgram* program : {&first, &second}) {
            if (program->process.hProcess != nullptr) {
                TerminateProcess(program->process.hProcess, 1);
                WaitForSingleObject(program->process.hProcess, waitMs);
            }
            releaseProgram(*program);
        }
        for (const char* name : {"praytime.cfg", "selvara.ini", "log.txt", "log2.txt"})
            DeleteFileA(file(name).c_str());
        RemoveDirectoryA(directory.c_str());
    }
    std::string file(const char* name) const { return directory + "\\" + name; }

    bool start(RunningProgram& program, const char* logName) {
        const std::string exe = hostPathToWindows(SELVARA_TRAY_EXE);
        std::string commandLine = "\"" + exe + "\" --test-log " + file(logName);
        std::vector<char> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                              &startup, &program.process) != 0;
    }

    // Starts the program and waits for its window and its icon (the log's first line).
    HWND startTray() {
        if (!start(first, "log.txt"))
            return nullptr;
        const HWND tray = waitForTray(first.process.dwProcessId);
        for (DWORD waited = 0; tray != nullptr && waited < waitMs && readLines(file("log.txt")).empty(); waited += 20)
            Sleep(20);
        return tray;
    }
    // Closes the program and gives its log after the first line (the icon added on the real clock).
    std::vector<std::string> closeAndReadLog() {
        closeRunningTray(waitMs);
        WaitForSingleObject(first.process.hProcess, waitMs);
        std::vector<std::string> lines = readLines(file("log.txt"));
        if (!lines.empty())
            lines.erase(lines.begin());
        return lines;
    }

    std::string directory;
    RunningProgram first;
    RunningProgram second;
};

TEST_F(TrayProcess, TooltipEventsSingleInstanceAndClose) {
    // Its icon is added (the log's first line) before the clock is set.
    const HWND tray = startTray();
    ASSERT_NE(tray, nullptr);

    // 13:00 on the town's clock (+01:00): Asr is next.
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 12, 0));
    EXPECT_EQ(remoteText(tray), "Asr in 1:07 (14:07) - Zagreb");
    // 13:57: the reminder; 14:07: Asr itself, with the chime.
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 12, 57));
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 13, 7));
    EXPECT_EQ(remoteText(tray), "Maghrib in 2:17 (16:24) - Zagreb");
    // Asleep from 14:08 to 17:00: Maghrib (16:24) is not sounded late.
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 16, 0));
    EXPECT_EQ(remoteText(tray), "Isha in 0:54 (17:54) - Zagreb");

    // A second start ends at once and leaves the first running.
    ASSERT_TRUE(start(second, "log2.txt"));
    ASSERT_EQ(WaitForSingleObject(second.process.hProcess, waitMs), WAIT_OBJECT_0);
    DWORD secondExit = 1;
    GetExitCodeProcess(second.process.hProcess, &secondExit);
    EXPECT_EQ(secondExit, 0u);
    EXPECT_EQ(findRunningTray(), tray);

    // What the uninstaller does: ask it to close and wait.
    EXPECT_TRUE(closeRunningTray(waitMs));
    EXPECT_EQ(WaitForSingleObject(first.process.hProcess, waitMs), WAIT_OBJECT_0);
    EXPECT_EQ(findRunningTray(), nullptr);

    // The icon was added at the start (on the real clock, so its tooltip is not compared), then
    // the test clock's events in their order.
    std::vector<std::string> lines = readLines(file("log.txt"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("icon added | ", 0), 0u) << lines.front();
    lines.erase(lines.begin());
    const std::vector<std::string> expected = {
        "notify Asr in 10 minutes | Asr 14:07 - Zagreb",
        "notify Asr | Asr 14:07 - Zagreb",
        "sound chime",
    };
    EXPECT_EQ(lines, expected);
}

// Explorer restarted: its broadcast brings the icon back. The shell losing the icon before the
// reminder's balloon: the icon is added again and the balloon shown, not lost.
TEST_F(TrayProcess, IconAddedAgainAfterExplorerRestartAndBeforeABalloon) {
    const HWND tray = startTray();
    ASSERT_NE(tray, nullptr);
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 12, 0));
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, waitMs,
                        &result);

    // What a shell that restarted without telling anyone knows: no icon of the reminder's.
    NOTIFYICONDATAA icon = {};
    icon.cbSize = sizeof icon;
    icon.hWnd = tray;
    icon.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 12, 57));

    const std::vector<std::string> expected = {
        "icon added | Asr in 1:07 (14:07) - Zagreb",
        "icon added | Asr in 0:10 (14:07) - Zagreb",
        "notify Asr in 10 minutes | Asr 14:07 - Zagreb",
    };
    EXPECT_EQ(closeAndReadLog(), expected);
}

// The clock moves under the program (trayTestClockQuiet), then the system's message comes: a
// change of the clock, forward past two events and back before them, and two wakes from sleep,
// one a minute after Asr (still sounded, once for both resume messages) and one two minutes after
// Maghrib (not sounded late).
TEST_F(TrayProcess, ClockChangeAndWakeFromSleep) {
    const HWND tray = startTray();
    ASSERT_NE(tray, nullptr);
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 12, 0));
    EXPECT_EQ(remoteText(tray), "Asr in 1:07 (14:07) - Zagreb");

    // 15:00, a minute on, then back to 13:00: the tooltip follows; the reminder at 13:57 still comes.
    SendMessageA(tray, traySetTestClockMessage, trayTestClockQuiet, utcMinute(2026, 1, 1, 14, 0));
    SendMessageA(tray, WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(remoteText(tray), "Maghrib in 1:24 (16:24) - Zagreb");
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 14, 1));
    SendMessageA(tray, traySetTestClockMessage, trayTestClockQuiet, utcMinute(2026, 1, 1, 12, 0));
    SendMessageA(tray, WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(remoteText(tray), "Asr in 1:07 (14:07) - Zagreb");
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 12, 57));

    // Asleep until 14:08 (Asr a minute late), then until 16:26 (Maghrib two minutes late).
    SendMessageA(tray, traySetTestClockMessage, trayTestClockQuiet, utcMinute(2026, 1, 1, 13, 8));
    SendMessageA(tray, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    SendMessageA(tray, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    EXPECT_EQ(remoteText(tray), "Maghrib in 2:16 (16:24) - Zagreb");
    SendMessageA(tray, traySetTestClockMessage, trayTestClockQuiet, utcMinute(2026, 1, 1, 15, 26));
    SendMessageA(tray, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
    EXPECT_EQ(remoteText(tray), "Isha in 1:28 (17:54) - Zagreb");
    // The next event after the wake comes at its time.
    SendMessageA(tray, traySetTestClockMessage, 0, utcMinute(2026, 1, 1, 16, 54));

    const std::vector<std::string> expected = {
        "notify Asr in 10 minutes | Asr 14:07 - Zagreb",
        "notify Asr | Asr 14:07 - Zagreb",
        "sound chime",
        "notify Isha | Isha 17:54 - Zagreb",
        "sound chime",
    };
    EXPECT_EQ(closeAndReadLog(), expected);
}

// Start with Windows: the value under the user's Run key names the program, quoted.
TEST(TrayRunValue, WrittenAndRemoved) {
    removeReminderRunValue();
    EXPECT_FALSE(hasReminderRunValue());
    ASSERT_TRUE(setReminderRunValue("C:\\Program Files\\Selvara\\selvara-tray.exe"));
    EXPECT_TRUE(hasReminderRunValue());
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "Selvara reminder", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_STREQ(value, "\"C:\\Program Files\\Selvara\\selvara-tray.exe\"");
    removeReminderRunValue();
    EXPECT_FALSE(hasReminderRunValue());
}

}  // namespace
