// The uninstaller's flow: the question, the status dialog, the outcome message.
#include "registry_contract.h"
#include "uninstall_state.h"

#include <cstdio>

char shortcutFolder[setupPathBytes] = "";
char installFolder[setupPathBytes] = "";
int uninstallCancelled = 0;

// Owner of every message box: the background window.
static HWND messageOwner = nullptr;

static void showMessage(HWND owner, const char* format, UINT type) {
    char text[512];
    std::snprintf(text, sizeof text, format, productName);
    MessageBoxA(owner, text, uninstallCaption, type);
}

bool readUninstallRegistry() {
    char text[640];
    std::snprintf(text, sizeof text, "Can't read from registry:\n%s", uninstallKey);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        MessageBoxA(messageOwner, text, uninstallCaption, MB_OK);
        return false;
    }
    if (!readRegistryText(key, shortcutFolderValueName, shortcutFolder, sizeof shortcutFolder)) {
        RegCloseKey(key);
        MessageBoxA(messageOwner, text, uninstallCaption, MB_OK);
        return false;
    }
    if (!readRegistryText(key, programFolderValueName, installFolder, sizeof installFolder)) {
        RegCloseKey(key);
        showMessage(messageOwner,
                    "ERROR - Could not read from Register.\nSome of the %s files you must delete "
                    "by yourself !!!",
                    MB_OK | MB_ICONERROR);
        return false;
    }
    RegCloseKey(key);
    return true;
}

void confirmAndUninstall(HWND backgroundWindow) {
    messageOwner = backgroundWindow;
    char question[256];
    std::snprintf(question, sizeof question, "Are you sure you want to remove %s software?", productName);
    if (MessageBoxA(backgroundWindow, question, uninstallCaption, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        if (showUninstallStatus(backgroundWindow) == 0) {
            showMessage(backgroundWindow, "%s software was successfully removed from your computer",
                        MB_OK | MB_ICONEXCLAMATION);
        } else {
            showMessage(backgroundWindow, "An error was occured while uninstalling %s.",
                        MB_OK | MB_ICONEXCLAMATION);
        }
    }
    DestroyWindow(backgroundWindow);
}
