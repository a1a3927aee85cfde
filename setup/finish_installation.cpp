// Finish on the shortcut page: the two registry keys, the Start-menu group with its three
// shortcuts and, when asked for, the desktop shortcut. Every failure here is silent.
#include "registry_contract.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <cstdio>
#include <cstring>

const char productGroupName[] = "Selvara";

struct GroupShortcut {
    const char* linkFormat;    // with the group folder
    const char* targetFormat;  // with the installation directory
    const char* description;
};

static const GroupShortcut groupShortcuts[] = {
    {"%s\\Selvara.lnk", "%s\\selvara.exe", "Selvara"},
    {"%s\\Uninstall.lnk", "%s\\uninstall.exe", "Uninstall"},
    {"%s\\Readme.lnk", "%s\\Readme.wri", "Readme"},
};

static bool formatPath(char* out, size_t outBytes, const char* format, const char* folder) {
    const int written = std::snprintf(out, outBytes, format, folder);
    return written > 0 && static_cast<size_t>(written) < outBytes;
}

void finishInstallation(HWND shortcutPage) {
    char groupFolder[setupPathBytes];
    const size_t length = std::strlen(wizard.startMenuFolder);
    const char* separator = length > 0 && wizard.startMenuFolder[length - 1] == '\\' ? "" : "\\";
    std::snprintf(groupFolder, sizeof groupFolder, "%s%s%s", wizard.startMenuFolder, separator,
                  productGroupName);

    registerAppPath(wizard.installDirectory);
    char uninstallCommand[setupPathBytes];
    formatPath(uninstallCommand, sizeof uninstallCommand, "%s\\uninstall.exe", wizard.installDirectory);
    registerUninstall(wizard.installDirectory, uninstallCommand, groupFolder);

    char target[setupPathBytes];
    char link[setupPathBytes];
    wizard.desktopShortcut = IsDlgButtonChecked(shortcutPage, IDC_SHORTCUT_DESKTOP) == BST_CHECKED;
    char desktop[setupPathBytes];
    if (wizard.desktopShortcut && readShellFolder(desktop, sizeof desktop, commonDesktopValueName) &&
        formatPath(link, sizeof link, "%s\\Selvara.lnk", desktop) &&
        formatPath(target, sizeof target, "%s\\selvara.exe", wizard.installDirectory)) {
        createShortcut(target, link, "Selvara");
    }

    CreateDirectoryA(groupFolder, nullptr);
    for (const GroupShortcut& shortcut : groupShortcuts) {
        if (formatPath(link, sizeof link, shortcut.linkFormat, groupFolder) &&
            formatPath(target, sizeof target, shortcut.targetFormat, wizard.installDirectory)) {
            createShortcut(target, link, shortcut.description);
        }
    }
    lstrcpynA(wizard.folderToOpen, groupFolder, sizeof wizard.folderToOpen);
    EndDialog(shortcutPage, 0);
}
