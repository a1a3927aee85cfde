// End to end: the installer (its test build, which records instead of opening the Start-menu
// folder) and the installed uninstaller in their own processes, driven from outside as a user
// would: buttons pressed, names typed, message boxes read and answered.
#include "dialog_driver.h"
#include "install_checks.h"
#include "registry_contract.h"
#include "selvara_resource.h"
#include "setupvara_resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>

namespace {

// The installed files and where the build made each of them.
const char* const installedNames[] = {"selvara.exe", "panim.dat", "places.dat", "readme.wri",
                                      "selvara-tray.exe", "uninstall.exe"};
const char* const builtPaths[] = {SELVARA_EXE, PANIM_DAT, PLACES_DAT, README_WRI, TRAY_EXE, UNINSTALL_EXE};
constexpr int installedCount = static_cast<int>(std::size(installedNames));
const int exitTimeoutMs = 30000;
const int uninstallStatusId = 104;

struct Process {
    PROCESS_INFORMATION info = {};
    bool start(const std::string& exe, const std::string& workingDirectory) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + exe + "\"";
        return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                              &info) != 0;
    }
    DWORD id() const { return info.dwProcessId; }
    // The exit code, or -1 when the process is still running after the timeout (it is ended).
    int finish(int timeoutMs = exitTimeoutMs) {
        if (info.hProcess == nullptr)
            return -1;
        int code = -1;
        if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
            DWORD exitCode = 0;
            GetExitCodeProcess(info.hProcess, &exitCode);
            code = static_cast<int>(exitCode);
        } else {
            TerminateProcess(info.hProcess, 99);
            WaitForSingleObject(info.hProcess, exitTimeoutMs);
        }
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        info = {};
        return code;
    }
    ~Process() { finish(1000); }
};

std::string builtFile(int index) {
    return readWholeFile(hostPathToWindows(builtPaths[index]));
}

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK matchControlId(HWND child, LPARAM search) {
    ControlSearch* wanted = reinterpret_cast<ControlSearch*>(search);
    if (GetDlgCtrlID(child) != wanted->id)
        return TRUE;
    wanted->found = child;
    return FALSE;
}

// A control anywhere below the window (the pages are children of the main window).
HWND descendantWithId(HWND window, int id) {
    ControlSearch search = {id, nullptr};
    EnumChildWindows(window, matchControlId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// "Find..." of the running program: the towns its place list holds for the query (the list
// rows), and the dialog closed again with Cancel.
int townsFoundInProgram(DWORD processId, HWND mainWindow, const std::string& query) {
    HWND findButton = descendantWithId(mainWindow, IDC_FIND_PLACE);
    if (findButton == nullptr)
        return -1;
    pressButton(GetParent(findButton), IDC_FIND_PLACE);
    HWND dialog = waitForDialogWithControl(processId, IDC_FIND_LIST);
    if (dialog == nullptr)
        return -1;
    typeInto(GetDlgItem(dialog, IDC_FIND_TEXT), query);
    const int rows =
        static_cast<int>(SendMessageA(GetDlgItem(dialog, IDC_FIND_LIST), LVM_GETITEMCOUNT, 0, 0));
    pressButton(dialog, IDCANCEL);
    waitForWindowGone(dialog);
    return rows;
}

class InstallerProcess : public ::testing::Test {
protected:
    void SetUp() override {
        char windows[MAX_PATH] = "";
        GetWindowsDirectoryA(windows, sizeof windows);
        defaultDirectory = std::string(1, windows[0]) + ":\\Program files\\Selvara";
        programs = shellFolder(commonProgramsValueName);
        desktop = shellFolder(commonDesktopValueName);
        ASSERT_FALSE(programs.empty());
        ASSERT_FALSE(desktop.empty());
        group = programs + "\\Selvara";
        deleteProductKeysForTest();
        DeleteFileA(shellOpenRecordPath().c_str());
        removeInstallation(defaultDirectory);
        removeShortcuts();
    }
    void TearDown() override {
        removeInstallation(defaultDirectory);
        if (!typedDirectory.empty())
            removeInstallation(typedDirectory);
        if (!otherDirectory.empty())
            RemoveDirectoryA(otherDirectory.c_str());
        removeShortcuts();
        deleteProductKeysForTest();
        DeleteFileA(shellOpenRecordPath().c_str());
    }

    void removeInstallation(const std::string& directory) {
        for (const char* name : installedNames)
            DeleteFileA((directory + "\\" + name).c_str());
        DeleteFileA((directory + "\\praytime.cfg").c_str());
        DeleteFileA((directory + "\\selvara.ini").c_str());
        DeleteFileA((directory + "\\PrayingTimes.txt").c_str());
        RemoveDirectoryA(directory.c_str());
    }
    void removeShortcuts() {
        for (const char* link : {"\\Selvara.lnk", "\\Uninstall.lnk", "\\Readme.lnk"}) {
            DeleteFileA((group + link).c_str());
        }
        RemoveDirectoryA(group.c_str());
        DeleteFileA((desktop + "\\Selvara.lnk").c_str());
    }

    // From the agreement page to the copy page with the default directory; answers the
    // "allready exsist" question with Yes when it comes.
    void agreeAndAcceptDefaultDirectory(Process& setup) {
        HWND agreement = waitForDialogWithControl(setup.id(), IDC_AGREEMENT_TEXT);
        ASSERT_NE(agreement, nullptr);
        EXPECT_NE(windowText(GetDlgItem(agreement, IDC_AGREEMENT_TEXT)).find("freeware"), std::string::npos);
        pressButton(agreement, IDOK);
        HWND directory = waitForDialogWithControl(setup.id(), IDC_DIR_INSTALL_DIRECTORY);
        ASSERT_NE(directory, nullptr);
        EXPECT_EQ(windowText(GetDlgItem(directory, IDC_DIR_INSTALL_DIRECTORY)), defaultDirectory);
        pressButton(directory, IDOK);
    }

    // The shortcut page: the desktop box as asked, Finish, the closing message.
    void finishWithShortcuts(Process& setup, bool desktopShortcut) {
        HWND shortcuts = waitForDialogWithControl(setup.id(), IDC_SHORTCUT_DESKTOP, 60000);
        ASSERT_NE(shortcuts, nullptr);
        EXPECT_EQ(windowText(GetDlgItem(shortcuts, IDC_SHORTCUT_FOLDER)), programs);
        if (desktopShortcut) {
            SendMessageA(GetDlgItem(shortcuts, IDC_SHORTCUT_DESKTOP), BM_SETCHECK, BST_CHECKED, 0);
        }
        pressButton(shortcuts, IDOK);
        const MessageBoxSeen done = answerNextMessageBox(setup.id(), IDOK);
        EXPECT_EQ(done.text, "Selvara was successfully installed");
        EXPECT_EQ(done.caption, "Selvara - Setup");
    }

    void expectInstalledFiles(const std::string& directory) {
        for (int i = 0; i < installedCount; ++i) {
            const std::string installed = readWholeFile(directory + "\\" + installedNames[i]);
            EXPECT_FALSE(installed.empty()) << installedNames[i];
            EXPECT_TRUE(installed == builtFile(i)) << installedNames[i] << " differs";
        }
    }

    void expectRegistration(const std::string& directory) {
        DWORD type = 0;
        EXPECT_EQ(registryText(appPathsKey, "", &type), "Selvara");
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(registryText(appPathsKey, "Path", &type), directory);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(registryText(uninstallKey, "DisplayName"), "Selvara");
        EXPECT_EQ(registryText(uninstallKey, "UninstallString"), directory + "\\uninstall.exe");
        EXPECT_EQ(registryText(uninstallKey, "Scdir"), group);
        EXPECT_EQ(registryText(uninstallKey, "Progdir"), directory);
        for (const char* key : {appPathsKey, uninstallKey}) {
            HKEY open = nullptr;
            ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &open), ERROR_SUCCESS);
            DWORD subkeys = 99, values = 99;
            RegQueryInfoKeyA(open, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                             nullptr, nullptr, nullptr);
            RegCloseKey(open);
            EXPECT_EQ(subkeys, 0u) << key;
            EXPECT_EQ(values, key == appPathsKey ? 2u : 4u) << key;
        }
    }

    void expectGroupShortcuts(const std::string& directory) {
        EXPECT_EQ(shortcutTarget(group + "\\Selvara.lnk"), directory + "\\selvara.exe");
        EXPECT_EQ(shortcutTarget(group + "\\Uninstall.lnk"), directory + "\\uninstall.exe");
        EXPECT_EQ(shortcutTarget(group + "\\Readme.lnk"), directory + "\\Readme.wri");
        EXPECT_EQ(shortcutDescription(group + "\\Selvara.lnk"), "Selvara");
        EXPECT_EQ(shortcutDescription(group + "\\Uninstall.lnk"), "Uninstall");
        EXPECT_EQ(shortcutDescription(group + "\\Readme.lnk"), "Readme");
    }

    std::string defaultDirectory, typedDirectory, otherDirectory, programs, desktop, group;
};

TEST_F(InstallerProcess, InstallRunReinstallUninstallAndUninstallAgain) {
    // 1. Install with the defaults, no desktop shortcut.
    {
        Process setup;
        ASSERT_TRUE(setup.start(hostPathToWindows(SETUP_PROBE_EXE), ""));
        agreeAndAcceptDefaultDirectory(setup);
        finishWithShortcuts(setup, false);
        EXPECT_EQ(setup.finish(), 0);
    }
    expectInstalledFiles(defaultDirectory);
    expectRegistration(defaultDirectory);
    expectGroupShortcuts(defaultDirectory);
    EXPECT_FALSE(fileExists(desktop + "\\Selvara.lnk")) << "box 110 was not checked";
    EXPECT_TRUE(hasReminderRunValue()) << "box 111 (the reminder) is checked from the start";
    EXPECT_EQ(readWholeFile(shellOpenRecordPath()), group) << "the group folder is opened";
    EXPECT_FALSE(fileExists(defaultDirectory + "\\filesdata.gz"));

    // 2. The installed program, started elsewhere, keeps its settings in the install folder.
    otherDirectory = "C:\\selvara-elsewhere-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(otherDirectory.c_str(), nullptr);
    {
        Process program;
        ASSERT_TRUE(program.start(defaultDirectory + "\\selvara.exe", otherDirectory));
        WaitForInputIdle(program.info.hProcess, driverTimeoutMs);
        HWND window = nullptr;
        for (int waited = 0; window == nullptr && waited < driverTimeoutMs; waited += 50) {
            window = FindWindowA("Selvara", nullptr);
            Sleep(50);
        }
        ASSERT_NE(window, nullptr) << "main window of the installed selvara.exe";
        Sleep(300);
        EXPECT_GE(townsFoundInProgram(program.id(), window, "Karachi"), 1) << "places.dat beside the program";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.finish(), 0);
    }
    EXPECT_TRUE(fileExists(defaultDirectory + "\\praytime.cfg"));
    EXPECT_FALSE(fileExists(otherDirectory + "\\praytime.cfg"));

    // 3. Install again over it, now with the desktop shortcut: the directory exists.
    {
        Process setup;
        ASSERT_TRUE(setup.start(hostPathToWindows(SETUP_PROBE_EXE), ""));
        agreeAndAcceptDefaultDirectory(setup);
        const MessageBoxSeen exists = answerNextMessageBox(setup.id(), IDYES);
        EXPECT_EQ(exists.text.rfind("Directory allready exsist. Continue with the instalation ?", 0), 0u)
            << exists.text;
        finishWithShortcuts(setup, true);
        EXPECT_EQ(setup.finish(), 0);
    }
    expectInstalledFiles(defaultDirectory);
    expectRegistration(defaultDirectory);
    expectGroupShortcuts(defaultDirectory);
    EXPECT_EQ(shortcutTarget(desktop + "\\Selvara.lnk"), defaultDirectory + "\\selvara.exe");
    EXPECT_TRUE(fileExists(defaultDirectory + "\\praytime.cfg")) << "user data survives";

    // 4. Uninstall with the installed uninstaller.
    {
        Process uninstall;
        ASSERT_TRUE(uninstall.start(defaultDirectory + "\\uninstall.exe", defaultDirectory));
        const MessageBoxSeen question = answerNextMessageBox(uninstall.id(), IDYES);
        EXPECT_EQ(question.text, "Are you sure you want to remove Selvara software?");
        EXPECT_EQ(question.caption, "Selvara - Uninstall");
        const MessageBoxSeen outcome = answerNextMessageBox(uninstall.id(), IDOK);
        EXPECT_EQ(outcome.text, "Selvara software was successfully removed from your computer");
        EXPECT_EQ(uninstall.finish(), 0);
    }
    EXPECT_FALSE(keyExists(uninstallKey));
    EXPECT_FALSE(keyExists(appPathsKey));
    EXPECT_FALSE(hasReminderRunValue());
    for (int i = 0; i + 1 < installedCount; ++i) {
        EXPECT_FALSE(fileExists(defaultDirectory + "\\" + installedNames[i])) << installedNames[i];
    }
    EXPECT_TRUE(fileExists(defaultDirectory + "\\uninstall.exe")) << "a running program stays";
    EXPECT_TRUE(fileExists(defaultDirectory + "\\praytime.cfg")) << "user data stays";
    EXPECT_FALSE(fileExists(group + "\\Selvara.lnk"));
    EXPECT_FALSE(fileExists(group + "\\Uninstall.lnk"));
    EXPECT_FALSE(fileExists(group + "\\Readme.lnk"));
    EXPECT_FALSE(directoryExists(group)) << "the empty group folder is removed";
    EXPECT_FALSE(fileExists(desktop + "\\Selvara.lnk"));

    // 5. Once more: nothing registered any more.
    {
        Process uninstall;
        ASSERT_TRUE(uninstall.start(defaultDirectory + "\\uninstall.exe", defaultDirectory));
        answerNextMessageBox(uninstall.id(), IDYES);
        const MessageBoxSeen registry = answerNextMessageBox(uninstall.id(), IDOK);
        EXPECT_EQ(registry.text, std::string("Can't read from registry:\n") + uninstallKey);
        const MessageBoxSeen outcome = answerNextMessageBox(uninstall.id(), IDOK);
        EXPECT_EQ(outcome.text, "An error was occured while uninstalling Selvara.");
        EXPECT_EQ(uninstall.finish(), 0);
    }
}

TEST_F(InstallerProcess, TypedDirectoryOnADriveRootAndShortcutsCancelled) {
    typedDirectory = "C:\\selvara-typed-" + std::to_string(GetCurrentProcessId());
    Process setup;
    ASSERT_TRUE(setup.start(hostPathToWindows(SETUP_PROBE_EXE), ""));
    HWND agreement = waitForDialogWithControl(setup.id(), IDC_AGREEMENT_TEXT);
    ASSERT_NE(agreement, nullptr);
    pressButton(agreement, IDOK);
    HWND directory = waitForDialogWithControl(setup.id(), IDC_DIR_INSTALL_DIRECTORY);
    ASSERT_NE(directory, nullptr);

    pressButton(directory, IDC_DIR_BROWSE);
    HWND browser = waitForDialogWithControl(setup.id(), IDC_BROWSE_FOLDERS);
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(windowText(browser), "Setup - directory");
    EXPECT_EQ(windowText(GetDlgItem(browser, IDC_BROWSE_NAME)), "Selvara");
    EXPECT_EQ(windowText(GetDlgItem(browser, IDC_BROWSE_FREE_SPACE)).rfind(" Available: ", 0), 0u);
    ASSERT_TRUE(chooseComboItem(browser, IDC_BROWSE_DRIVES, "C:\\"));
    typeInto(GetDlgItem(browser, IDC_BROWSE_NAME), typedDirectory.substr(3));
    EXPECT_EQ(windowText(GetDlgItem(browser, IDC_BROWSE_RESULT)), "C:\\Selvara")
        << "the result line follows the folder, not the typing";
    pressButton(browser, IDOK);
    ASSERT_TRUE(waitForWindowGone(browser));
    Sleep(100);
    EXPECT_EQ(windowText(GetDlgItem(directory, IDC_DIR_INSTALL_DIRECTORY)), typedDirectory);

    // Cancel asks first; No stays on the page.
    pressButton(directory, IDCANCEL);
    const MessageBoxSeen sure = answerNextMessageBox(setup.id(), IDNO);
    EXPECT_EQ(sure.text, "Are you sure you want to cancel the setup?");
    EXPECT_TRUE(IsWindowVisible(directory));
    pressButton(directory, IDOK);

    HWND shortcuts = waitForDialogWithControl(setup.id(), IDC_SHORTCUT_DESKTOP, 60000);
    ASSERT_NE(shortcuts, nullptr);
    pressButton(shortcuts, IDCANCEL);
    const MessageBoxSeen cancelShortcuts = answerNextMessageBox(setup.id(), IDYES);
    EXPECT_EQ(cancelShortcuts.text, "Cancel creating the shortcuts?");
    EXPECT_EQ(cancelShortcuts.caption, "Confirmation");
    const MessageBoxSeen done = answerNextMessageBox(setup.id(), IDOK);
    EXPECT_EQ(done.text, "Selvara was successfully installed");
    EXPECT_EQ(setup.finish(), 0);

    expectInstalledFiles(typedDirectory);
    EXPECT_FALSE(keyExists(appPathsKey));
    EXPECT_FALSE(keyExists(uninstallKey));
    EXPECT_FALSE(directoryExists(group));
    EXPECT_FALSE(fileExists(shellOpenRecordPath())) << "nothing to open";
}

TEST_F(InstallerProcess, CancelOnTheAgreementPageAsksThenEnds) {
    Process setup;
    ASSERT_TRUE(setup.start(hostPathToWindows(SETUP_PROBE_EXE), ""));
    HWND agreement = waitForDialogWithControl(setup.id(), IDC_AGREEMENT_TEXT);
    ASSERT_NE(agreement, nullptr);
    pressButton(agreement, IDCANCEL);
    const MessageBoxSeen first = answerNextMessageBox(setup.id(), IDNO);
    EXPECT_EQ(first.text, "Are you sure you want to cancel the setup?");
    EXPECT_EQ(first.caption, "Selvara - Setup");
    EXPECT_TRUE(IsWindowVisible(agreement));
    pressButton(agreement, IDCANCEL);
    answerNextMessageBox(setup.id(), IDYES);
    const MessageBoxSeen cancelled = answerNextMessageBox(setup.id(), IDOK);
    EXPECT_EQ(cancelled.text, "Setup was canceled. Any notes or errors you can send on my email: "
                              "selvara@example.org");
    EXPECT_EQ(cancelled.caption, "Selvara - Setup");
    EXPECT_EQ(setup.finish(), 0);
    EXPECT_FALSE(directoryExists(defaultDirectory));
    EXPECT_FALSE(keyExists(appPathsKey));
}

}  // namespace
