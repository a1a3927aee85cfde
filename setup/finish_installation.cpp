// Finish on the shortcut page: the two registry keys, the Start-menu group with its three
// shortcuts, when asked for the desktop shortcut, and, when asked for, the reminder: its Run value
// and its start. Every failure here is silent.
#include "registry_contract.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <cstdio>
#include <cstring>

// folder + backslash + name into out; false when it does not fit.
static bool formatPath(char* out, size_t outBytes, const char* folder, const char* name) {
    const int written = std::snprintf(out, outBytes, "%s\\%s", folder, name);
    return written > 0 && static_cast<size_t>(written) < outBytes;
}

// The shortcut `folder`\linkName to the installation directory's targetName.
static void makeShortcut(const ShortcutEntry& shortcut, const char* folder) {
    char target[setupPathBytes];
    char link[setupPathBytes];
    if (formatPath(link, sizeof link, folder, shortcut.linkName) &&
        formatPath(target, sizeof target, wizard.installDirectory, shortcut.targetName)) {
        createShortcut(target, link, shortcut.description);
    }
}

void finishInstallation(HWND shortcutPage) {
    char groupFolder[setupPathBytes];
    const size_t length = std::strlen(wizard.startMenuFolder);
    const char* separator = length > 0 && wizard.startMenuFolder[length - 1] == '\\' ? "" : "\\";
    std::snprintf(groupFolder, sizeof groupFolder, "%s%s%s", wizard.startMenuFolder, separator,
                  productGroupName);

    registerAppPath(wizard.installDirectory);
    char uninstallCommand[setupPathBytes];
    formatPath(uninstallCommand, sizeof uninstallCommand, wizard.installDirectory,
               installedFiles[uninstallerFile]);
    registerUninstall(wizard.installDirectory, uninstallCommand, groupFolder);

    wizard.desktopShortcut = IsDlgButtonChecked(shortcutPage, IDC_SHORTCUT_DESKTOP) == BST_CHECKED;
    char desktop[setupPathBytes];
    if (wizard.desktopShortcut && readShellFolder(desktop, sizeof desktop, commonDesktopValueName)) {
        makeShortcut(desktopShortcut, desktop);
    }

    CreateDirectoryA(groupFolder, nullptr);
    for (const ShortcutEntry& shortcut : groupShortcuts) {
        makeShortcut(shortcut, groupFolder);
    }
    wizard.startReminder = IsDlgButtonChecked(shortcutPage, IDC_SHORTCUT_REMINDER) == BST_CHECKED;
    char reminder[setupPathBytes];
    if (wizard.startReminder &&
        formatPath(reminder, sizeof reminder, wizard.installDirectory, installedFiles[trayProgramFile])) {
        setReminderRunValue(reminder);
        startReminderAtEnd(wizard.installDirectory);
    }
    lstrcpynA(wizard.folderToOpen, groupFolder, sizeof wizard.folderToOpen);
    EndDialog(shortcutPage, 0);
}
