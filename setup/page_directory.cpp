// The directory page: where to install, with the browser, the free-space check and the question
// about an existing directory. Before anything is written the directory must leave room for the
// longest installed name, and every missing level of it is created; a directory that cannot be
// made is reported and the page stays.
#include "dispatch.h"
#include "install_directory_check.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <cstdio>

enum class DirectoryMade { created, existed, failed };

static const char tooLongText[] =
    "The directory %s is too long: the installed files would not fit in their paths. Choose a "
    "shorter directory.";
static const char notCreatedText[] = "The directory %s can not be created. Choose another directory.";

// Creates the directory level by level. Levels that exist already are passed over; the outcome is
// that of the last level.
static DirectoryMade makeDirectoryLevels(const char* directory) {
    constexpr int mostLevels = 128;
    size_t ends[mostLevels];
    const int count = directoryLevelEnds(directory, ends, mostLevels);
    char level[setupPathBytes];
    bool lastCreated = false;
    for (int i = 0; i < count; ++i) {
        lstrcpynA(level, directory, static_cast<int>(ends[i] + 1 < sizeof level ? ends[i] + 1 : sizeof level));
        lastCreated = CreateDirectoryA(level, nullptr) != FALSE;
    }
    if (lastCreated) {
        return DirectoryMade::created;
    }
    const DWORD attributes = GetFileAttributesA(directory);
    const bool isDirectory = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return isDirectory ? DirectoryMade::existed : DirectoryMade::failed;
}

static void refuseDirectory(HWND page, const char* format) {
    char text[setupPathBytes + 160];
    std::snprintf(text, sizeof text, format, wizard.installDirectory);
    MessageBoxA(page, text, setupCaption, MB_OK | MB_ICONERROR);
}

static void showInstallDirectory(HWND page) {
    composeInstallDirectory(wizard.installDirectory, sizeof wizard.installDirectory);
    SetDlgItemTextA(page, IDC_DIR_INSTALL_DIRECTORY, wizard.installDirectory);
}

static LRESULT onInitDialog(HWND page, UINT, WPARAM, LPARAM) {
    enumerateDrives();
    lstrcpynA(wizard.directoryName, defaultDirectoryName, sizeof wizard.directoryName);
    showInstallDirectory(page);
    return TRUE;
}

static LRESULT onPaint(HWND page, UINT, WPARAM, LPARAM) {
    return paintBanner(page);
}

static LRESULT onControlColour(HWND, UINT, WPARAM wParam, LPARAM) {
    return colourPageControl(reinterpret_cast<HDC>(wParam));
}

static LRESULT onNext(HWND page, WORD, WORD, HWND) {
    if (wizard.directoryName[0] == '\0') {
        MessageBoxA(page, "You were forgoten to select an directory", setupCaption, MB_OK | MB_ICONWARNING);
        SetFocus(GetDlgItem(page, IDC_DIR_INSTALL_DIRECTORY));
        return TRUE;
    }
    if (wizard.freeSpaceKB < requiredSpaceKB) {
        MessageBoxA(page, notEnoughSpaceText, setupCaption, MB_YESNO | MB_ICONERROR);
        return TRUE;
    }
    composeInstallDirectory(wizard.installDirectory, sizeof wizard.installDirectory);
    if (!installDirectoryFits(wizard.installDirectory)) {
        refuseDirectory(page, tooLongText);
        return TRUE;
    }
    const DirectoryMade made = makeDirectoryLevels(wizard.installDirectory);
    if (made == DirectoryMade::created) {
        EndDialog(page, 0);
        return TRUE;
    }
    if (made == DirectoryMade::failed) {
        refuseDirectory(page, notCreatedText);
        return TRUE;
    }
    if (MessageBoxA(page,
                    "Directory allready exsist. Continue with the instalation ?\n\nNOTES: Click on "
                    "the YES button if this is previous installation of this software, otherwise "
                    "click on the NO button and select another installation directory.",
                    setupCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        EndDialog(page, 0);
    }
    return TRUE;
}

static LRESULT onCancel(HWND page, WORD, WORD, HWND) {
    if (confirmCancelSetup(page)) {
        EndDialog(page, 1);
    }
    return TRUE;
}

static LRESULT onBrowse(HWND page, WORD, WORD, HWND) {
    showDirectoryBrowser(page);
    showInstallDirectory(page);
    return TRUE;
}

static const CommandEntry directoryCommandEntries[] = {
    // clang-format off
    {IDOK, onNext},
    {IDCANCEL, onCancel},
    {IDC_DIR_BROWSE, onBrowse},
    // clang-format on
};
static const CommandMap directoryCommands = {entryCount(directoryCommandEntries), directoryCommandEntries,
                                             fallbackReturnZero};

static LRESULT onCommand(HWND page, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(directoryCommands, page, wParam, lParam);
}

static const MessageEntry directoryMessageEntries[] = {
    // clang-format off
    {WM_INITDIALOG, onInitDialog},
    {WM_PAINT, onPaint},
    {WM_CTLCOLOREDIT, onControlColour},
    {WM_CTLCOLORSTATIC, onControlColour},
    {WM_COMMAND, onCommand},
    // clang-format on
};
static const MessageMap directoryMessages = {entryCount(directoryMessageEntries), directoryMessageEntries,
                                             fallbackReturnZero};

static INT_PTR CALLBACK directoryProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(directoryMessages, page, message, wParam, lParam);
}

INT_PTR showDirectoryPage(HWND owner) {
    return DialogBoxParamA(programInstance, IDD_DIR, owner, directoryProc, 0);
}
