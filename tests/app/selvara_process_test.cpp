// End to end: the real selvara.exe in its own process, driven as a user would.
#include "selvara_resource.h"
#include "calculation_method.h"
#include "test_files.h"
#include "scratch_folder.h"
#include "settings.h"
#include "timetable.h"
#include "window_driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const int windowTimeoutMs = 20000;

class SelvaraProcess : public ::testing::Test {
protected:
    void SetUp() override {
        directory = makeScratchFolder("selvara_run");
        DeleteFileA((directory + "\\praytime.cfg").c_str());
        DeleteFileA((directory + "\\selvara.ini").c_str());
        DeleteFileA((directory + "\\PrayingTimes.txt").c_str());
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Selvara");
    }
    void TearDown() override {
        releaseProgram(program);
        DeleteFileA((directory + "\\praytime.cfg").c_str());
        DeleteFileA((directory + "\\selvara.ini").c_str());
        DeleteFileA((directory + "\\PrayingTimes.txt").c_str());
        DeleteFileA((directory + "\\expected.txt").c_str());
        RemoveDirectoryA(directory.c_str());
    }

    std::string directory;
    RunningProgram program;
};

TEST_F(SelvaraProcess, TypeAPlaceCreateTheTimetableReadItAndClose) {
    const std::string exe = hostPathToWindows(SELVARA_EXE);
    ASSERT_TRUE(startProgram(exe, directory, program)) << exe;
    WaitForInputIdle(program.process.hProcess, windowTimeoutMs);
    program.window = waitForProgramWindow(program.process.dwProcessId, "Selvara", IDC_TABS, windowTimeoutMs);
    ASSERT_NE(program.window, nullptr) << "main window of selvara.exe";
    HWND tabs = GetDlgItem(program.window, IDC_TABS);
    HWND page = waitForPage(tabs, IDC_CREATE, windowTimeoutMs);
    ASSERT_NE(page, nullptr);

    EXPECT_EQ(remoteText(GetDlgItem(page, IDC_LATITUDE)), "45.49");
    EXPECT_EQ(remoteText(GetDlgItem(page, IDC_TOWN)), "Zagreb");

    setRemoteText(GetDlgItem(page, IDC_LATITUDE), "21.42");
    setRemoteText(GetDlgItem(page, IDC_LONGITUDE), "39.83");
    setRemoteText(GetDlgItem(page, IDC_TOWN), "Makkah");
    setRemoteText(GetDlgItem(page, IDC_TIME_ZONE), "3");
    SendMessageA(GetDlgItem(page, IDC_MONTH), CB_SETCURSEL, 2, 0);  // March
    SendMessageA(GetDlgItem(page, IDC_YEAR), CB_SETCURSEL, 1, 0);   // next year
    SYSTEMTIME today;
    GetLocalTime(&today);
    clickRemoteButton(page, IDC_CREATE);

    HWND textPage = waitForPage(tabs, IDC_TIMETABLE_TEXT, windowTimeoutMs);
    ASSERT_NE(textPage, nullptr) << "the timetable page comes forward";
    EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 1);
    const std::string shown = remoteText(GetDlgItem(textPage, IDC_TIMETABLE_TEXT));

    const std::string expectedPath = directory + "\\expected.txt";
    ASSERT_TRUE(writeTimetable(expectedPath.c_str(), 3.0, 39.83, 21.42, today.wYear + 1, 3, 1, 0));
    const std::string expected = readWholeFile(expectedPath);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(readWholeFile(directory + "\\PrayingTimes.txt"), expected);

    // Back to the calculation page: the stored place is shown.
    SendMessageA(tabs, TCM_SETCURFOCUS, 0, 0);
    page = waitForPage(tabs, IDC_CREATE, windowTimeoutMs);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(remoteText(GetDlgItem(page, IDC_TOWN)), "Makkah");

    EXPECT_EQ(closeProgram(program, windowTimeoutMs), 0);
    const std::string settings = readWholeFile(directory + "\\praytime.cfg");
    ASSERT_EQ(settings.size(), 280u);
    SettingsRecord saved = defaultSettings();
    decodeSettings(reinterpret_cast<const unsigned char*>(settings.data()), settings.size(), saved);
    EXPECT_EQ(saved.latitude, 21.42);
    EXPECT_EQ(saved.longitude, 39.83);
    EXPECT_STREQ(saved.townName, "Makkah");
    EXPECT_EQ(saved.timeZone, 3);
}

TEST_F(SelvaraProcess, EscapeInAFieldClosesAndSaves) {
    const std::string exe = hostPathToWindows(SELVARA_EXE);
    ASSERT_TRUE(startProgram(exe, directory, program));
    program.window = waitForProgramWindow(program.process.dwProcessId, "Selvara", IDC_TABS, windowTimeoutMs);
    ASSERT_NE(program.window, nullptr);
    HWND page = waitForPage(GetDlgItem(program.window, IDC_TABS), IDC_CREATE, windowTimeoutMs);
    ASSERT_NE(page, nullptr);
    // The key goes through the program's own modal loop, as a typed key would.
    PostMessageA(GetDlgItem(page, IDC_TOWN), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ASSERT_EQ(WaitForSingleObject(program.process.hProcess, windowTimeoutMs), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(program.process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    const std::string settings = readWholeFile(directory + "\\praytime.cfg");
    ASSERT_EQ(settings.size(), 280u);
    EXPECT_EQ(settings.substr(16, 7), std::string("Zagreb\0", 7));
    EXPECT_EQ(settings.substr(276), std::string("\x01\0\0\0", 4));
}

TEST_F(SelvaraProcess, EndingTheProcessOtherwiseSavesNothing) {
    const std::string exe = hostPathToWindows(SELVARA_EXE);
    ASSERT_TRUE(startProgram(exe, directory, program));
    program.window = waitForProgramWindow(program.process.dwProcessId, "Selvara", IDC_TABS, windowTimeoutMs);
    ASSERT_NE(program.window, nullptr);
    TerminateProcess(program.process.hProcess, 3);
    WaitForSingleObject(program.process.hProcess, windowTimeoutMs);
    EXPECT_EQ(GetFileAttributesA((directory + "\\praytime.cfg").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA((directory + "\\selvara.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The calculation settings dialog of a running program: opened with the page's button, found as
// the program's dialog with the method list.
HWND openSettingsDialog(const RunningProgram& program, HWND page) {
    clickRemoteButton(page, IDC_CALCULATION_SETTINGS);
    return waitForProgramWindow(program.process.dwProcessId, "#32770", IDC_METHOD, windowTimeoutMs);
}

bool waitUntilGone(HWND window) {
    for (int waited = 0; waited < windowTimeoutMs; waited += 20) {
        if (!IsWindow(window) || !IsWindowVisible(window)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

// Whether the list's selected item is `text` (compared by index: Wine hands another process only
// the first letter of CB_GETLBTEXT).
bool selectedItemIs(HWND list, const char* text) {
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index >= 0 && index == SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(text));
}

TEST_F(SelvaraProcess, ChooseKarachiAndHanafiCreateAndFindThemAfterARestart) {
    const std::string exe = hostPathToWindows(SELVARA_EXE);
    ASSERT_TRUE(startProgram(exe, directory, program));
    program.window = waitForProgramWindow(program.process.dwProcessId, "Selvara", IDC_TABS, windowTimeoutMs);
    ASSERT_NE(program.window, nullptr);
    HWND tabs = GetDlgItem(program.window, IDC_TABS);
    HWND page = waitForPage(tabs, IDC_CREATE, windowTimeoutMs);
    ASSERT_NE(page, nullptr);

    HWND dialog = openSettingsDialog(program, page);
    ASSERT_NE(dialog, nullptr) << "the calculation settings dialog";
    HWND methods = GetDlgItem(dialog, IDC_METHOD);
    const LRESULT karachi = SendMessageA(methods, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>("karachi"));
    ASSERT_GE(karachi, 0);
    SendMessageA(methods, CB_SETCURSEL, karachi, 0);
    SendMessageA(GetDlgItem(dialog, IDC_ASR_STANDARD), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(GetDlgItem(dialog, IDC_ASR_HANAFI), BM_SETCHECK, BST_CHECKED, 0);
    setRemoteText(GetDlgItem(dialog, IDC_ADJUST_FIRST), "-3");  // Fajr three minutes earlier
    clickRemoteButton(dialog, IDOK);
    ASSERT_TRUE(waitUntilGone(dialog));

    setRemoteText(GetDlgItem(page, IDC_LATITUDE), "24.86");
    setRemoteText(GetDlgItem(page, IDC_LONGITUDE), "67.01");
    setRemoteText(GetDlgItem(page, IDC_TOWN), "Karachi");
    setRemoteText(GetDlgItem(page, IDC_TIME_ZONE), "5");
    SendMessageA(GetDlgItem(page, IDC_MONTH), CB_SETCURSEL, 6, 0);  // July
    SendMessageA(GetDlgItem(page, IDC_YEAR), CB_SETCURSEL, 1, 0);   // next year
    SYSTEMTIME today;
    GetLocalTime(&today);
    clickRemoteButton(page, IDC_CREATE);
    HWND textPage = waitForPage(tabs, IDC_TIMETABLE_TEXT, windowTimeoutMs);
    ASSERT_NE(textPage, nullptr);

    TimetableRequest request;
    request.latitudeDeg = 24.86;
    request.longitudeDeg = 67.01;
    request.zoneMinutes = 300;
    request.options.methodIndex = findCalculationMethod("karachi");
    request.options.asrShadowFactor = hanafiAsrShadowFactor;
    request.options.adjustMinutes[0] = -3;
    request.year = today.wYear + 1;
    request.month = 7;
    const std::string expectedPath = directory + "\\expected.txt";
    ASSERT_TRUE(writeTimetableRequest(expectedPath.c_str(), request));
    const std::string expected = readWholeFile(expectedPath);
    EXPECT_EQ(remoteText(GetDlgItem(textPage, IDC_TIMETABLE_TEXT)), expected);
    EXPECT_EQ(closeProgram(program, windowTimeoutMs), 0);
    releaseProgram(program);

    // A new run shows the same choices.
    ASSERT_TRUE(startProgram(exe, directory, program));
    program.window = waitForProgramWindow(program.process.dwProcessId, "Selvara", IDC_TABS, windowTimeoutMs);
    ASSERT_NE(program.window, nullptr);
    page = waitForPage(GetDlgItem(program.window, IDC_TABS), IDC_CREATE, windowTimeoutMs);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(remoteText(GetDlgItem(page, IDC_METHOD_SUMMARY)),
              "Method: karachi;  Asr: Hanafi;  minutes added");
    dialog = openSettingsDialog(program, page);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(selectedItemIs(GetDlgItem(dialog, IDC_METHOD), "karachi"));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDC_ASR_HANAFI), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(remoteText(GetDlgItem(dialog, IDC_ADJUST_FIRST)), "-3");
    clickRemoteButton(dialog, IDCANCEL);
    ASSERT_TRUE(waitUntilGone(dialog));
    EXPECT_EQ(closeProgram(program, windowTimeoutMs), 0);
}

TEST_F(SelvaraProcess, AHostileSettingsFileStartsWithTheDefaults) {
    std::string hostile =
        "[Calculation]\r\nMethod=" + std::string(1 << 20, '\xFF') + "\r\nAsrSchool=hanafi\x01\r\n";
    hostile += "FajrMinutes=99999999999999999999\r\n[Zone]\r\nDaylightChanges=-1\r\nMinutes=1e9\r\n";
    std::FILE* file = std::fopen((directory + "\\selvara.ini").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(hostile.data(), 1, hostile.size(), file);
    std::fclose(file);

    const std::string exe = hostPathToWindows(SELVARA_EXE);
    ASSERT_TRUE(startProgram(exe, directory, program));
    program.window = waitForProgramWindow(program.process.dwProcessId, "Selvara", IDC_TABS, windowTimeoutMs);
    ASSERT_NE(program.window, nullptr) << "the program starts";
    HWND page = waitForPage(GetDlgItem(program.window, IDC_TABS), IDC_CREATE, windowTimeoutMs);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(remoteText(GetDlgItem(page, IDC_METHOD_SUMMARY)), "Method: selvara;  Asr: standard");
    EXPECT_EQ(remoteText(GetDlgItem(page, IDC_TIME_ZONE)), "1");
    EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_DAYLIGHT), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(closeProgram(program, windowTimeoutMs), 0);
    char method[32] = {};
    GetPrivateProfileStringA("Calculation", "Method", "", method, sizeof method,
                             (directory + "\\selvara.ini").c_str());
    EXPECT_STREQ(method, "selvara") << "closing writes the defaults over the damaged values";
}

}  // namespace
