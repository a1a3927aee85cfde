// The registry contract (see registry_contract.h).
#include "registry_contract.h"

#include <cstdio>
#include <cstring>

const char appPathsParentKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
const char uninstallParentKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char appPathsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" SELVARA_PRODUCT_NAME;
const char uninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" SELVARA_PRODUCT_NAME;
const char shellFoldersKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

const char pathValueName[] = "Path";
const char displayNameValueName[] = "DisplayName";
const char uninstallStringValueName[] = "UninstallString";
const char shortcutFolderValueName[] = "Scdir";
const char programFolderValueName[] = "Progdir";
const char commonProgramsValueName[] = "Common Programs";
const char commonDesktopValueName[] = "Common Desktop";

static void setText(HKEY key, const char* valueName, const char* text) {
    RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>(std::strlen(text) + 1));
}

// Opens the parent with the rights to read, set values and create subkeys, then creates or
// opens the product's subkey. NULL when either fails.
static HKEY createProductKey(const char* parentKey) {
    HKEY parent = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, parentKey, 0, KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY,
                      &parent) != ERROR_SUCCESS) {
        return nullptr;
    }
    HKEY product = nullptr;
    DWORD disposition = 0;
    char noClass[1] = "";
    if (RegCreateKeyExA(parent, productName, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &product, &disposition) != ERROR_SUCCESS) {
        product = nullptr;
    }
    RegCloseKey(parent);
    return product;
}

void registerAppPath(const char* installDirectory) {
    HKEY key = createProductKey(appPathsParentKey);
    if (key == nullptr) {
        return;
    }
    setText(key, "", productName);
    setText(key, pathValueName, installDirectory);
    RegCloseKey(key);
}

void registerUninstall(const char* installDirectory, const char* uninstallCommand, const char* groupFolder) {
    HKEY key = createProductKey(uninstallParentKey);
    if (key == nullptr) {
        return;
    }
    setText(key, displayNameValueName, productName);
    setText(key, uninstallStringValueName, uninstallCommand);
    setText(key, shortcutFolderValueName, groupFolder);
    setText(key, programFolderValueName, installDirectory);
    RegCloseKey(key);
}

bool readRegistryText(HKEY key, const char* valueName, char* out, size_t outBytes) {
    char buffer[registryTextBytes + 1];
    std::memset(buffer, 0, sizeof buffer);
    DWORD bytes = registryTextBytes;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes) !=
        ERROR_SUCCESS) {
        return false;
    }
    lstrcpynA(out, buffer, static_cast<int>(outBytes));
    return true;
}

int readShellFolder(char* out, size_t outBytes, const char* valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, shellFoldersKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    char folder[registryTextBytes + 1];
    const bool read = readRegistryText(key, valueName, folder, sizeof folder);
    RegCloseKey(key);
    if (!read || folder[0] == '\0') {
        return 0;
    }
    lstrcpynA(out, folder, static_cast<int>(outBytes));
    const size_t length = std::strlen(out);
    if (length > 0 && out[length - 1] == '\\') {
        out[length - 1] = '\0';
    }
    return 1;
}

void deleteProductKeys() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, uninstallKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, appPathsKey);
}

const char runKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char reminderRunValueName[] = SELVARA_PRODUCT_NAME " reminder";

bool setReminderRunValue(const char* trayProgramPath) {
    char command[registryTextBytes];
    const int length = snprintf(command, sizeof command, "\"%s\"", trayProgramPath);
    if (length < 0 || static_cast<size_t>(length) >= sizeof command) {
        return false;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, runKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const bool written = RegSetValueExA(key, reminderRunValueName, 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(command),
                                        static_cast<DWORD>(length + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return written;
}

void removeReminderRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, reminderRunValueName);
        RegCloseKey(key);
    }
}

bool hasReminderRunValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, runKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    const bool present = RegQueryValueExA(key, reminderRunValueName, nullptr, nullptr, nullptr, nullptr) ==
                         ERROR_SUCCESS;
    RegCloseKey(key);
    return present;
}
