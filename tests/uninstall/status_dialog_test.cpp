// The uninstaller's status dialog and its registry step in this process: a normal run deletes
// the files, the shortcuts, the empty group folder and then the keys; cancel, a file still in
// use and a missing "Progdir" leave the keys so that the uninstaller can run again.
#include "dialog_driver.h"
#include "in_process.h"
#include "install_checks.h"
#include "progress_bar.h"
#include "registry_contract.h"
#include "uninstall_resource.h"
#include "uninstall_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const installedNames[4] = {"selvara.exe", "panim.dat", "readme.wri", "uninstall.exe"};
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

TEST_F(StatusDialog, ProgressPaintsHalfAfterTwoFilesAndWrapsAfterFour) {
    EXPECT_EQ(showUninstallStatus(nullptr), 0);
    const ProgressArithmetic& bar = progressArithmetic();
    ASSERT_GT(bar.widthPx, 4);
    EXPECT_EQ(bar.steps, 2);
    // Four files, two steps' worth of W each: the column went once across (all but the last
    // column) and came back round from the left end.
    ProgressArithmetic replay;
    progressArithmeticStart(replay, bar.widthPx, 2);
    int painted = 0;
    for (int file = 0; file < 4; ++file) {
        progressAccumulateFraction(replay);
        for (int c = progressColumnsThisStep(replay); c > 0; --c, ++painted)
            progressTakeColumn(replay);
    }
    EXPECT_GE(painted, bar.widthPx * 3 / 2 - 1);
    EXPECT_LE(painted, bar.widthPx * 3 / 2 + 1);
    EXPECT_EQ(bar.columnLeftPx, painted - (bar.widthPx - 1)) << "W = " << bar.widthPx;
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
