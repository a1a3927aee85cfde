// The uninstaller's status dialog and its registry step in this process: a normal run deletes
// the files, the shortcuts, the empty group folder and then the keys; cancel, a file still in
// use and a missing "Progdir" leave the keys so that the uninstaller can run again.
#include "dialog_driver.h"
#include "in_process.h"
#include "install_checks.h"
#include "progress_bar.h"
#include "registry_contract.h"
#include "tray_contract.h"
#include "uninstall_resource.h"
#include "uninstall_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const installedNames[] = {"selvara.exe", "panim.dat", "places.dat", "readme.wri",
                                      "selvara-tray.exe", "uninstall.exe"};
constexpr int installedCount = static_cast<int>(sizeof installedNames / sizeof installedNames[0]);
const char* const linkNames[3] = {"Selvara.lnk", "Uninstall.lnk", "Readme.lnk"};

class StatusDialog : public ::testing::Test {
protected:
    void SetUp() override {
        programInstance = GetModuleHandleA(nullptr);
        deleteProductKeysForTest();
        folder = makeScratchFolder("selvara-uninstall");
        group = makeScratchFolder("selvara-group");
        for (const char* name : installedNames)
            writeFile(folder + "\\" + name, name);
        writeFile(folder + "\\praytime.cfg", "user data");
        writeFile(folder + "\\selvara.ini", "[Calculation]\r\nMethod=karachi\r\n");
        for (const char* name : linkNames)
            writeFile(group + "\\" + name, "link");
        registerAppPath(folder.c_str());
        registerUninstall(folder.c_str(), (folder + "\\uninstall.exe").c_str(), group.c_str());
    }
    void TearDown() override {
        deleteProductKeysForTest();
        removeScratchFolder(folder);
        removeScratchFolder(group);
    }
    static void writeFile(const std::string& path, const std::string& content) {
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr) << path;
        std::fputs(content.c_str(), file);
        std::fclose(file);
    }
    std::string folder, group;
};

TEST_F(StatusDialog, NormalRunRemovesFilesShortcutsGroupAndThenTheKeys) {
    EXPECT_EQ(showUninstallStatus(nullptr), 0);
    for (const char* name : installedNames)
        EXPECT_FALSE(fileExists(folder + "\\" + name)) << name;
    EXPECT_TRUE(fileExists(folder + "\\praytime.cfg")) << "not ours to delete";
    EXPECT_TRUE(fileExists(folder + "\\selvara.ini")) << "the user's settings, kept as praytime.cfg is";
    EXPECT_TRUE(directoryExists(folder)) << "the installation directory stays";
    EXPECT_FALSE(directoryExists(group));
    EXPECT_FALSE(keyExists(uninstallKey));
    EXPECT_FALSE(keyExists(appPathsKey));
    EXPECT_EQ(std::string(shortcutFolder), group);
    EXPECT_EQ(std::string(installFolder), folder);
}

// A running reminder is asked to close, so that its program can be deleted; its Run value goes
// with the keys.
TEST_F(StatusDialog, ARunningReminderIsClosedAndItsRunValueRemoved) {
    const std::string tray = folder + "\\selvara-tray.exe";
    ASSERT_TRUE(CopyFileA(hostPathToWindows(TRAY_EXE).c_str(), tray.c_str(), FALSE));
    ASSERT_TRUE(setReminderRunValue(tray.c_str()));
    std::string commandLine = "\"" + tray + "\" --test-log " + folder + "\\tray-log.txt";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(tray.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                               &startup, &process));
    for (int waited = 0; waited < 20000 && findRunningTray() == nullptr; waited += 20)
        Sleep(20);
    ASSERT_NE(findRunningTray(), nullptr);

    EXPECT_EQ(showUninstallStatus(nullptr), 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), WAIT_OBJECT_0) << "the reminder ended first";
    EXPECT_FALSE(fileExists(tray));
    EXPECT_FALSE(hasReminderRunValue());
    EXPECT_FALSE(keyExists(uninstallKey));
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    DeleteFileA((folder + "\\tray-log.txt").c_str());
}

TEST_F(StatusDialog, AnsweringNoToTheQuestionRemovesNothing) {
    MessageBoxAnswerer answers{IDNO, {}, {}};
    runAnsweringMessageBoxes(
        [] {
            confirmAndUninstall(nullptr);
            return INT_PTR{0};
        },
        answers);
    const std::vector<std::string> expected = {"Are you sure you want to remove Selvara software?"};
    EXPECT_EQ(answers.texts, expected) << "no status dialog and no outcome message";
    ASSERT_EQ(answers.captions.size(), 1u);
    EXPECT_EQ(answers.captions[0], "Selvara - Uninstall");
    for (const char* name : installedNames)
        EXPECT_TRUE(fileExists(folder + "\\" + name)) << name;
    for (const char* name : linkNames)
        EXPECT_TRUE(fileExists(group + "\\" + name)) << name;
    EXPECT_TRUE(keyExists(uninstallKey));
    EXPECT_TRUE(keyExists(appPathsKey));
}

TEST_F(StatusDialog, ProgressPaintsHalfAfterTwoFilesAndWrapsPastTheEnd) {
    EXPECT_EQ(showUninstallStatus(nullptr), 0);
    const ProgressArithmetic& bar = progressArithmetic();
    ASSERT_GT(bar.widthPx, 4);
    EXPECT_EQ(bar.steps, 2);
    // Every file but the first (which only primes) paints half of W: the column went across (all
    // but the last column) and came back round from the left end.
    ProgressArithmetic replay;
    progressArithmeticStart(replay, bar.widthPx, 2);
    int painted = 0;
    for (int file = 0; file < installedCount; ++file) {
        progressAccumulateFraction(replay);
        for (int c = progressColumnsThisStep(replay); c > 0; --c, ++painted)
            progressTakeColumn(replay);
    }
    EXPECT_GE(painted, (installedCount - 1) * bar.widthPx / 2 - 1);
    EXPECT_LE(painted, (installedCount - 1) * bar.widthPx / 2 + 1);
    EXPECT_EQ(bar.columnLeftPx, painted % (bar.widthPx - 1)) << "W = " << bar.widthPx;
}

// What the status dialog shows, read off the screen at two moments of a run: after the first
// file and as the dialog closes after the last.
struct StatusPixels {
    bool taken = false;
    int widthPx = 0;
    std::vector<COLORREF> bar;  // control 104's row 8, every column
    int blackTextPixels = 0;    // in the status line's band, (10, 10) to (200, 24)
    int greyTextPixels = 0;
};

StatusPixels afterFirstFile;
StatusPixels whenClosing;
const UINT firstFileMarker = WM_APP + 7;

void readStatusPixels(HWND dialog, StatusPixels& pixels) {
    HWND bar = GetDlgItem(dialog, IDC_UNINSTALL_PROGRESS);
    RECT client;
    GetClientRect(bar, &client);
    pixels.widthPx = client.right;
    HDC barDc = GetDC(bar);
    for (int x = 0; x < client.right; ++x)
        pixels.bar.push_back(GetPixel(barDc, x, 8));
    ReleaseDC(bar, barDc);
    HDC dc = GetDC(dialog);
    for (int y = 10; y < 24; ++y) {
        for (int x = 10; x < 200; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            pixels.blackTextPixels += c == RGB(0, 0, 0) ? 1 : 0;
            pixels.greyTextPixels += c == RGB(194, 194, 194) ? 1 : 0;
        }
    }
    ReleaseDC(dialog, dc);
    pixels.taken = true;
}

// A message posted when the deletion starts is taken off the queue after the first file.
LRESULT CALLBACK watchQueue(int code, WPARAM wParam, LPARAM lParam) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        if (message->message == WM_COMMAND && LOWORD(message->wParam) == CMD_DELETE_FILES)
            PostMessageA(message->hwnd, firstFileMarker, 0, 0);
        else if (message->message == firstFileMarker && !afterFirstFile.taken)
            readStatusPixels(message->hwnd, afterFirstFile);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The dialog is about to be hidden: every file has been handled.
LRESULT CALLBACK watchClosing(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && !whenClosing.taken && call->message == WM_WINDOWPOSCHANGING &&
        GetDlgItem(call->hwnd, IDC_UNINSTALL_PROGRESS) != nullptr &&
        (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_HIDEWINDOW) != 0)
        readStatusPixels(call->hwnd, whenClosing);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(StatusDialog, TheBarAndTheStatusLineOnScreen) {
    HHOOK queueHook = SetWindowsHookExA(WH_GETMESSAGE, watchQueue, nullptr, GetCurrentThreadId());
    HHOOK closingHook = SetWindowsHookExA(WH_CALLWNDPROC, watchClosing, nullptr, GetCurrentThreadId());
    EXPECT_EQ(showUninstallStatus(nullptr), 0);
    UnhookWindowsHookEx(closingHook);
    UnhookWindowsHookEx(queueHook);
    ASSERT_TRUE(afterFirstFile.taken);
    ASSERT_TRUE(whenClosing.taken);
    const COLORREF blue = RGB(0, 0, 255);
    // The first file only primes the bar: no blue column yet; its name in black, nothing grey.
    const int width = afterFirstFile.widthPx;
    ASSERT_GT(width, 8);
    for (int x = 0; x < width; ++x)
        EXPECT_NE(afterFirstFile.bar[x], blue) << "column " << x << " after the first file";
    EXPECT_GT(afterFirstFile.blackTextPixels, 20);
    EXPECT_EQ(afterFirstFile.greyTextPixels, 0);
    // After the last: blue up to the last column but one (the column went round to the left
    // again) and never in the last column; the last name in black over the one before in grey.
    for (int x = 0; x < width - 1; ++x)
        EXPECT_EQ(whenClosing.bar[x], blue) << "column " << x << " at the end";
    EXPECT_NE(whenClosing.bar[width - 1], blue);
    EXPECT_GT(whenClosing.blackTextPixels, 20);
    EXPECT_GT(whenClosing.greyTextPixels, 5);
}

TEST_F(StatusDialog, AGroupFolderWithOtherFilesIsKept) {
    writeFile(group + "\\someone-else.txt", "x");
    EXPECT_EQ(showUninstallStatus(nullptr), 0);
    EXPECT_TRUE(directoryExists(group));
    for (const char* name : linkNames)
        EXPECT_FALSE(fileExists(group + "\\" + name)) << name;
}

// Cancel (the Esc key) arrives right after the dialog opened: the deletion stops after the first
// file.
LRESULT CALLBACK cancelAfterOpening(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG) {
        PostMessageA(call->hwnd, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(StatusDialog, CancelStopsAfterTheCurrentFileAndKeepsKeysAndShortcuts) {
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, cancelAfterOpening, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const INT_PTR result = showUninstallStatus(nullptr);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(fileExists(folder + "\\selvara.exe"));
    EXPECT_TRUE(fileExists(folder + "\\panim.dat"));
    EXPECT_TRUE(fileExists(folder + "\\readme.wri"));
    for (const char* name : linkNames)
        EXPECT_TRUE(fileExists(group + "\\" + name)) << name;
    EXPECT_TRUE(keyExists(uninstallKey)) << "a cancelled uninstall can run again";
    EXPECT_TRUE(keyExists(appPathsKey));
}

TEST_F(StatusDialog, AFileStillInUseIsAnErrorAndKeepsTheKeys) {
    HANDLE held = CreateFileA((folder + "\\panim.dat").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const INT_PTR result = showUninstallStatus(nullptr);
    CloseHandle(held);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(fileExists(folder + "\\panim.dat"));
    EXPECT_FALSE(fileExists(folder + "\\selvara.exe"));
    EXPECT_TRUE(keyExists(uninstallKey));
    EXPECT_TRUE(keyExists(appPathsKey));
}

TEST_F(StatusDialog, MissingProgdirTouchesNothingAndSaysSo) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, "Progdir");
    RegCloseKey(key);
    MessageBoxAnswerer answers{IDOK, {}, {}};
    EXPECT_EQ(runAnsweringMessageBoxes([] { return showUninstallStatus(nullptr); }, answers), 1);
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_EQ(answers.texts[0],
              "ERROR - Could not read from Register.\nSome of the Selvara files you must delete by "
              "yourself !!!");
    EXPECT_EQ(answers.captions[0], "Selvara - Uninstall");
    for (const char* name : installedNames)
        EXPECT_TRUE(fileExists(folder + "\\" + name)) << name;
    EXPECT_TRUE(keyExists(uninstallKey));
}

TEST_F(StatusDialog, MissingKeyIsReportedWithItsPath) {
    deleteProductKeysForTest();
    MessageBoxAnswerer answers{IDOK, {}, {}};
    EXPECT_EQ(runAnsweringMessageBoxes([] { return showUninstallStatus(nullptr); }, answers), 1);
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_EQ(answers.texts[0], std::string("Can't read from registry:\n") + uninstallKey);
    for (const char* name : installedNames)
        EXPECT_TRUE(fileExists(folder + "\\" + name)) << name;
}

}  // namespace
