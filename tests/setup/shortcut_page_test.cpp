// The shortcut page and its browser in this process: the group made in a subfolder chosen in
// the browser, "Scdir" naming it; Cancel in the browser restoring the folder; the up entry
// offered only while the folder is longer than 21 characters.
#include "dialog_driver.h"
#include "in_process.h"
#include "install_checks.h"
#include "registry_contract.h"
#include "list_view.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const DWORD thisProcess = GetCurrentProcessId();

class ShortcutPage : public ::testing::Test {
protected:
    void SetUp() override {
        programInstance = GetModuleHandleA(nullptr);
        deleteProductKeysForTest();
        programs = shellFolder(commonProgramsValueName);
        ASSERT_FALSE(programs.empty());
        subName = "SelvaraTestSub-" + std::to_string(thisProcess);
        sub = programs + "\\" + subName;
        CreateDirectoryA(sub.c_str(), nullptr);
        lstrcpynA(wizard.installDirectory, "C:\\Selvara-nowhere", sizeof wizard.installDirectory);
        lstrcpynA(wizard.directoryName, "Selvara", sizeof wizard.directoryName);
    }
    void TearDown() override {
        removeScratchFolder(sub);
        deleteProductKeysForTest();
        removeReminderRunValue();
    }
    std::string programs, sub, subName;
};

TEST_F(ShortcutPage, GroupIsMadeInTheSubfolderChosenInTheBrowser) {
    std::vector<std::string> items;
    std::string shown;
    UINT reminderBox = BST_UNCHECKED;
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string reminderStart = std::string(temp) + "selvara-reminder-start.txt";
    DeleteFileA(reminderStart.c_str());
    removeReminderRunValue();
    const INT_PTR result =
        runDriven([] { return showShortcutPage(nullptr); },
                  [&] {
                      HWND page = waitForDialogWithControl(thisProcess, IDC_SHORTCUT_DESKTOP);
                      ASSERT_NE(page, nullptr);
                      pressButton(page, IDC_SHORTCUT_BROWSE);
                      HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_SHORTCUT_FOLDERS);
                      ASSERT_NE(browser, nullptr);
                      items = listViewItems(GetDlgItem(browser, IDC_BROWSE_SHORTCUT_FOLDERS));
                      doubleClickListItem(browser, IDC_BROWSE_SHORTCUT_FOLDERS, indexOfItem(items, subName));
                      pressButton(browser, IDOK);
                      waitForWindowGone(browser);
                      Sleep(50);
                      shown = windowText(GetDlgItem(page, IDC_SHORTCUT_FOLDER));
                      reminderBox = IsDlgButtonChecked(page, IDC_SHORTCUT_REMINDER);
                      pressButton(page, IDOK);
                  });
    EXPECT_EQ(result, 0);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0], "........") << "Programs is deeper than 21 characters";
    EXPECT_NE(indexOfItem(items, subName), -1);
    EXPECT_EQ(shown, sub + "\\Selvara");
    const std::string group = sub + "\\Selvara";
    EXPECT_EQ(registryText(uninstallKey, "Scdir"), group);
    EXPECT_EQ(std::string(wizard.folderToOpen), group);
    EXPECT_EQ(shortcutTarget(group + "\\Selvara.lnk"), "C:\\Selvara-nowhere\\selvara.exe");
    EXPECT_EQ(shortcutTarget(group + "\\Uninstall.lnk"), "C:\\Selvara-nowhere\\uninstall.exe");
    EXPECT_EQ(shortcutTarget(group + "\\Readme.lnk"), "C:\\Selvara-nowhere\\Readme.wri");
    // "Start the reminder with Windows", checked from the start: the Run value and the start.
    EXPECT_EQ(reminderBox, static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(hasReminderRunValue());
    EXPECT_EQ(readWholeFile(reminderStart), "C:\\Selvara-nowhere");
    DeleteFileA(reminderStart.c_str());
}

// Sets or deletes the all-users "Common Programs" value for one test and puts it back after.
class ProgramsValue {
public:
    ProgramsValue() : saved(shellFolder(commonProgramsValueName)) {}
    ~ProgramsValue() { set(saved); }
    void set(const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, shellFoldersKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
        RegSetValueExA(key, commonProgramsValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    void remove() {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, shellFoldersKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
        RegDeleteValueA(key, commonProgramsValueName);
        RegCloseKey(key);
    }
    const std::string saved;
};

// The page shows where the group goes: the Programs folder as the registry names it without a
// trailing backslash, or "C:" when the value is missing or empty.
TEST_F(ShortcutPage, ProgramsFolderMissingOrEndingInABackslash) {
    ProgramsValue value;
    ASSERT_FALSE(value.saved.empty());
    struct Case {
        const char* what;
        bool present;
        std::string stored;
        std::string shown;
    };
    const Case cases[] = {
        {"missing", false, "", "C:"},
        {"empty", true, "", "C:"},
        {"ending in a backslash", true, value.saved + "\\", value.saved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.present)
            value.set(c.stored);
        else
            value.remove();
        std::string shown;
        const INT_PTR result = runDriven([] { return showShortcutPage(nullptr); },
                                         [&] {
                                             HWND page =
                                                 waitForDialogWithControl(thisProcess, IDC_SHORTCUT_DESKTOP);
                                             ASSERT_NE(page, nullptr);
                                             shown = windowText(GetDlgItem(page, IDC_SHORTCUT_FOLDER));
                                             pressButton(page, IDCANCEL);
                                             answerNextMessageBox(thisProcess, IDYES);
                                         });
        EXPECT_EQ(result, 1);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(std::string(wizard.startMenuFolder), c.shown);
    }
}

TEST_F(ShortcutPage, BrowserCancelRestoresAndTheUpEntryStopsAt21Characters) {
    lstrcpynA(wizard.startMenuFolder, programs.c_str(), sizeof wizard.startMenuFolder);
    std::vector<std::string> folders;
    std::vector<bool> upShown;
    runDriven([] { return showShortcutBrowser(nullptr); },
              [&] {
                  HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_SHORTCUT_FOLDERS);
                  ASSERT_NE(browser, nullptr);
                  HWND list = GetDlgItem(browser, IDC_BROWSE_SHORTCUT_FOLDERS);
                  for (int climb = 0; climb < 8; ++climb) {
                      const std::vector<std::string> items = listViewItems(list);
                      upShown.push_back(!items.empty() && items[0] == "........");
                      folders.push_back(wizard.startMenuFolder);
                      if (!upShown.back())
                          break;
                      doubleClickListItem(browser, IDC_BROWSE_SHORTCUT_FOLDERS, 0);
                  }
                  pressButton(browser, IDCANCEL);
              });
    EXPECT_EQ(std::string(wizard.startMenuFolder), programs) << "Cancel restores the folder";
    ASSERT_GE(folders.size(), 2u);
    for (size_t i = 0; i < folders.size(); ++i) {
        EXPECT_EQ(upShown[i], folders[i].size() > 21) << folders[i];
    }
    EXPECT_EQ(folders.back(), "C:\\ProgramData");
}

}  // namespace
