// The directory page and its browser in this process, with the free space given through its
// seam: 2999 units block, 3000 proceed; a drive root as base folder; the up entry; a 100th
// character in the name box; missing parent folders, a directory that cannot be made, and one too
// long for the installed names.
#include "dialog_driver.h"
#include "in_process.h"
#include "install_checks.h"
#include "list_view.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

namespace {

std::atomic<DWORD> freeUnits(0);

// 1000-byte clusters, so that the free clusters are the free units.
BOOL WINAPI fakeFreeSpace(LPCSTR, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector, LPDWORD freeClusters,
                          LPDWORD totalClusters) {
    *sectorsPerCluster = 1;
    *bytesPerSector = 1000;
    *freeClusters = freeUnits;
    *totalClusters = 1000000;
    return TRUE;
}

const DWORD thisProcess = GetCurrentProcessId();

// Through the browser: drive C: as base folder and `name` typed as the directory name.
void chooseOnDriveC(HWND page, const std::string& name) {
    pressButton(page, IDC_DIR_BROWSE);
    HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_FOLDERS);
    ASSERT_NE(browser, nullptr);
    chooseComboItem(browser, IDC_BROWSE_DRIVES, "C:\\");
    typeInto(GetDlgItem(browser, IDC_BROWSE_NAME), name);
    pressButton(browser, IDOK);
    waitForWindowGone(browser);
}

class DirectoryPage : public ::testing::Test {
protected:
    void SetUp() override {
        programInstance = GetModuleHandleA(nullptr);
        diskFreeSpaceQuery = fakeFreeSpace;
        GetCurrentDirectoryA(sizeof savedDirectory, savedDirectory);
        lstrcpynA(startupDirectory, "C:", sizeof startupDirectory);
    }
    void TearDown() override {
        SetCurrentDirectoryA(savedDirectory);
        diskFreeSpaceQuery = GetDiskFreeSpaceA;
        for (const std::string& folder : scratch)
            removeScratchFolder(folder);
    }
    char savedDirectory[MAX_PATH] = "";
    std::vector<std::string> scratch;
};

TEST_F(DirectoryPage, FreeSpaceOf2999BlocksAnd3000ProceedsOnADriveRoot) {
    const std::string name = "selvara-space-" + std::to_string(thisProcess);
    const std::string directory = "C:\\" + name;
    scratch.push_back(directory);
    freeUnits = 2999;
    std::vector<std::string> seen;
    const INT_PTR result =
        runDriven([] { return showDirectoryPage(nullptr); },
                  [&] {
                      HWND page = waitForDialogWithControl(thisProcess, IDC_DIR_INSTALL_DIRECTORY);
                      ASSERT_NE(page, nullptr);
                      seen.push_back(windowText(GetDlgItem(page, IDC_DIR_INSTALL_DIRECTORY)));
                      pressButton(page, IDOK);
                      MessageBoxSeen box = answerNextMessageBox(thisProcess, IDYES);
                      seen.push_back(box.text + "|" + box.caption);
                      EXPECT_TRUE(IsWindowVisible(page)) << "Next is blocked";

                      pressButton(page, IDC_DIR_BROWSE);
                      HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_FOLDERS);
                      ASSERT_NE(browser, nullptr);
                      seen.push_back(windowText(GetDlgItem(browser, IDC_BROWSE_FREE_SPACE)));
                      EXPECT_TRUE(chooseComboItem(browser, IDC_BROWSE_DRIVES, "C:\\"));
                      typeInto(GetDlgItem(browser, IDC_BROWSE_NAME), name);
                      pressButton(browser, IDOK);
                      box = answerNextMessageBox(thisProcess, IDNO);
                      seen.push_back(box.text + "|" + box.caption);
                      EXPECT_TRUE(IsWindowVisible(browser)) << "OK is blocked";

                      freeUnits = 3000;
                      EXPECT_TRUE(chooseComboItem(browser, IDC_BROWSE_DRIVES, "C:\\"));
                      seen.push_back(windowText(GetDlgItem(browser, IDC_BROWSE_FREE_SPACE)));
                      pressButton(browser, IDOK);
                      EXPECT_TRUE(waitForWindowGone(browser));
                      Sleep(50);
                      seen.push_back(windowText(GetDlgItem(page, IDC_DIR_INSTALL_DIRECTORY)));
                      pressButton(page, IDOK);
                  });
    EXPECT_EQ(result, 0);
    const std::string noSpace =
        "You do not have enough Free disk space on this drive for installation. Change the drive "
        "or remove some other program-s to free more disk space.";
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    const std::vector<std::string> expected = {
        std::string(1, windows[0]) + ":\\Program files\\Selvara",
        noSpace + "|Selvara - Setup",
        " Available: 2999 KB, Required: 3000 KB",
        noSpace + "|Error",
        " Available: 3000 KB, Required: 3000 KB",
        directory,
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(std::string(wizard.installDirectory), directory) << "no doubled backslash";
    EXPECT_TRUE(directoryExists(directory));
}

TEST_F(DirectoryPage, ExistingDirectoryIsAskedAboutEachTime) {
    const std::string directory = makeScratchFolder("selvara-exists");
    scratch.push_back(directory);
    freeUnits = 5000;
    std::vector<std::string> questions;
    const INT_PTR result =
        runDriven([] { return showDirectoryPage(nullptr); },
                  [&] {
                      HWND page = waitForDialogWithControl(thisProcess, IDC_DIR_INSTALL_DIRECTORY);
                      ASSERT_NE(page, nullptr);
                      chooseOnDriveC(page, directory.substr(3));
                      for (int button : {IDNO, IDYES}) {
                          pressButton(page, IDOK);
                          questions.push_back(answerNextMessageBox(thisProcess, button).text);
                      }
                  });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0], questions[1]);
    EXPECT_EQ(questions[0],
              "Directory allready exsist. Continue with the instalation ?\n\nNOTES: Click on the "
              "YES button if this is previous installation of this software, otherwise click on "
              "the NO button and select another installation directory.");
}

TEST_F(DirectoryPage, AHundredthCharacterRestoresThePreviousNameAndBeeps) {
    freeUnits = 5000;
    enumerateDrives();
    lstrcpynA(wizard.directoryName, "Selvara", sizeof wizard.directoryName);
    const std::string ninetyNine(99, 'n');
    std::string afterTyping;
    runDriven([] { return showDirectoryBrowser(nullptr); },
              [&] {
                  HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_FOLDERS);
                  ASSERT_NE(browser, nullptr);
                  HWND edit = GetDlgItem(browser, IDC_BROWSE_NAME);
                  typeInto(edit, ninetyNine);
                  EXPECT_EQ(std::string(wizard.directoryName), ninetyNine);
                  typeInto(edit, "X", false);
                  afterTyping = windowText(edit);
                  pressButton(browser, IDCANCEL);
              });
    EXPECT_EQ(afterTyping, ninetyNine);
    EXPECT_EQ(std::string(wizard.directoryName), ninetyNine);
}

// The browser never hands back an empty name, but the page checks it itself before anything else:
// Next with no directory name warns and stays; Cancel then ends the page.
TEST_F(DirectoryPage, NextWithNoDirectoryNameWarnsAndStays) {
    freeUnits = 5000;
    std::vector<std::string> seen;
    const INT_PTR result = runDriven([] { return showDirectoryPage(nullptr); },
                                     [&] {
                                         HWND page =
                                             waitForDialogWithControl(thisProcess, IDC_DIR_INSTALL_DIRECTORY);
                                         ASSERT_NE(page, nullptr);
                                         wizard.directoryName[0] = '\0';
                                         pressButton(page, IDOK);
                                         MessageBoxSeen box = answerNextMessageBox(thisProcess, IDOK);
                                         seen.push_back(box.text + "|" + box.caption);
                                         EXPECT_TRUE(IsWindowVisible(page)) << "Next is refused";
                                         pressButton(page, IDCANCEL);
                                         box = answerNextMessageBox(thisProcess, IDYES);
                                         seen.push_back(box.text + "|" + box.caption);
                                     });
    EXPECT_EQ(result, 1);
    const std::vector<std::string> expected = {
        "You were forgoten to select an directory|Selvara - Setup",
        "Are you sure you want to cancel the setup?|Selvara - Setup",
    };
    EXPECT_EQ(seen, expected);
}

TEST_F(DirectoryPage, EmptyNameIsRefusedByTheBrowser) {
    freeUnits = 5000;
    enumerateDrives();
    lstrcpynA(wizard.directoryName, "Selvara", sizeof wizard.directoryName);
    std::string warning;
    runDriven([] { return showDirectoryBrowser(nullptr); },
              [&] {
                  HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_FOLDERS);
                  ASSERT_NE(browser, nullptr);
                  typeInto(GetDlgItem(browser, IDC_BROWSE_NAME), "");
                  pressButton(browser, IDOK);
                  const MessageBoxSeen box = answerNextMessageBox(thisProcess, IDOK);
                  warning = box.text + "|" + box.caption;
                  typeInto(GetDlgItem(browser, IDC_BROWSE_NAME), "Selvara");
                  pressButton(browser, IDOK);
              });
    EXPECT_EQ(warning, "You forget to select a directory|Warning");
}

TEST_F(DirectoryPage, UpEntryClimbsToTheDriveRootWhereItDisappears) {
    freeUnits = 5000;
    enumerateDrives();
    lstrcpynA(wizard.directoryName, "Selvara", sizeof wizard.directoryName);
    const std::string outer = makeScratchFolder("selvara-up");
    scratch.push_back(outer);
    CreateDirectoryA((outer + "\\inner").c_str(), nullptr);
    lstrcpynA(wizard.baseFolder, (outer + "\\inner").c_str(), sizeof wizard.baseFolder);
    std::vector<std::string> inner, middle, root, back;
    std::vector<std::string> results;
    runDriven([] { return showDirectoryBrowser(nullptr); },
              [&] {
                  HWND browser = waitForDialogWithControl(thisProcess, IDC_BROWSE_FOLDERS);
                  ASSERT_NE(browser, nullptr);
                  HWND list = GetDlgItem(browser, IDC_BROWSE_FOLDERS);
                  inner = listViewItems(list);
                  results.push_back(windowText(GetDlgItem(browser, IDC_BROWSE_RESULT)));
                  doubleClickListItem(browser, IDC_BROWSE_FOLDERS, 0);
                  middle = listViewItems(list);
                  results.push_back(wizard.baseFolder);
                  doubleClickListItem(browser, IDC_BROWSE_FOLDERS, 0);
                  root = listViewItems(list);
                  results.push_back(wizard.baseFolder);
                  results.push_back(windowText(GetDlgItem(browser, IDC_BROWSE_RESULT)));
                  doubleClickListItem(browser, IDC_BROWSE_FOLDERS, indexOfItem(root, outer.substr(3)));
                  back = listViewItems(list);
                  results.push_back(wizard.baseFolder);
                  pressButton(browser, IDCANCEL);
              });
    EXPECT_EQ(inner, (std::vector<std::string>{"........", "Selvara"}));
    EXPECT_EQ(middle, (std::vector<std::string>{"........", "inner", "Selvara"}));
    ASSERT_FALSE(root.empty());
    EXPECT_NE(root[0], "........") << "no up entry at a drive root";
    EXPECT_NE(indexOfItem(root, outer.substr(3)), -1);
    EXPECT_EQ(back, middle);
    EXPECT_EQ(results,
              (std::vector<std::string>{outer + "\\inner\\Selvara", outer, "C:\\", "C:\\Selvara", outer}));
}

}  // namespace

namespace {

// Next on a directory chosen through the browser's name box (a drive root as base folder, or
// baseFolder set after the browser closed); when a message is expected it is answered with OK
// and the page is cancelled.
struct NextOutcome {
    INT_PTR result = -1;
    std::vector<std::string> messages;
};

NextOutcome pressNextFor(bool messageExpected, const std::string& name, const std::string& baseFolder = "") {
    NextOutcome outcome;
    outcome.result = runDriven([] { return showDirectoryPage(nullptr); },
                               [&] {
                                   HWND page = waitForDialogWithControl(thisProcess, IDC_DIR_INSTALL_DIRECTORY);
                                   ASSERT_NE(page, nullptr);
                                   chooseOnDriveC(page, name);
                                   if (!baseFolder.empty())
                                       lstrcpynA(wizard.baseFolder, baseFolder.c_str(), sizeof wizard.baseFolder);
                                   pressButton(page, IDOK);
                                   if (messageExpected) {
                                       outcome.messages.push_back(answerNextMessageBox(thisProcess, IDOK).text);
                                       EXPECT_TRUE(IsWindowVisible(page)) << "the page stays";
                                       pressButton(page, IDCANCEL);
                                       answerNextMessageBox(thisProcess, IDYES);
                                   }
                               });
    return outcome;
}

}  // namespace

// A directory whose parent folders do not exist: every level is made.
TEST_F(DirectoryPage, MissingParentFoldersAreCreated) {
    freeUnits = 5000;
    const std::string parent = "C:\\selvara-noparent-" + std::to_string(thisProcess);
    scratch.push_back(parent);
    const NextOutcome outcome = pressNextFor(false, parent.substr(3) + "\\deeper\\Selvara");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(directoryExists(parent + "\\deeper\\Selvara"));
    EXPECT_EQ(std::string(wizard.installDirectory), parent + "\\deeper\\Selvara");
    RemoveDirectoryA((parent + "\\deeper\\Selvara").c_str());
}

// A level that is a file: the directory cannot be made, the page says so and stays.
TEST_F(DirectoryPage, ADirectoryThatCannotBeMadeIsReportedAndThePageStays) {
    freeUnits = 5000;
    const std::string file = "C:\\selvara-a-file-" + std::to_string(thisProcess);
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    const NextOutcome outcome = pressNextFor(true, file.substr(3) + "\\Selvara");
    DeleteFileA(file.c_str());
    EXPECT_EQ(outcome.result, 1) << "cancelled after the message";
    const std::vector<std::string> expected = {"The directory " + file +
                                               "\\Selvara can not be created. Choose another directory."};
    EXPECT_EQ(outcome.messages, expected);
}

// A directory so long that the longest installed name would not fit: refused before anything is
// made.
TEST_F(DirectoryPage, ADirectoryTooLongForTheLongestNameIsRefused) {
    freeUnits = 5000;
    const std::string base = "C:\\" + std::string(230, 'L');
    const NextOutcome outcome = pressNextFor(true, "Selvara-long", base);
    EXPECT_EQ(outcome.result, 1);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], "The directory " + base +
                                       "\\Selvara-long is too long: the installed files would not fit in their "
                                       "paths. Choose a shorter directory.");
    EXPECT_FALSE(directoryExists(base));
}
