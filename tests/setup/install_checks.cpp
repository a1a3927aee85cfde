// Helpers of the end-to-end tests (see install_checks.h).
#include "install_checks.h"

#include "registry_contract.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <vector>

bool fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool directoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool keyExists(const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::string registryText(const char* keyPath, const char* valueName, DWORD* type) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return "<missing>";
    }
    char buffer[1024] = {};
    DWORD bytes = sizeof buffer - 1;
    DWORD valueType = 0;
    const LONG result =
        RegQueryValueExA(key, valueName, nullptr, &valueType, reinterpret_cast<BYTE*>(buffer), &bytes);
    RegCloseKey(key);
    if (type != nullptr) {
        *type = valueType;
    }
    if (result != ERROR_SUCCESS) {
        return "<missing>";
    }
    return std::string(buffer);
}

static IShellLinkA* loadLink(const std::string& linkPath) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return nullptr;
    }
    IPersistFile* file = nullptr;
    WCHAR wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) ||
        FAILED(file->Load(wide, STGM_READ))) {
        if (file != nullptr)
            file->Release();
        link->Release();
        return nullptr;
    }
    file->Release();
    return link;
}

std::string shortcutTarget(const std::string& linkPath) {
    CoInitialize(nullptr);
    std::string target;
    IShellLinkA* link = loadLink(linkPath);
    if (link != nullptr) {
        char path[MAX_PATH] = {};
        if (SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
            target = path;
        }
        link->Release();
    }
    CoUninitialize();
    return target;
}

std::string shortcutDescription(const std::string& linkPath) {
    CoInitialize(nullptr);
    std::string description;
    IShellLinkA* link = loadLink(linkPath);
    if (link != nullptr) {
        char text[MAX_PATH] = {};
        if (SUCCEEDED(link->GetDescription(text, MAX_PATH))) {
            description = text;
        }
        link->Release();
    }
    CoUninitialize();
    return description;
}

std::string hostPathToWindows(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        return path;
    }
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/')
            c = '\\';
    }
    return windows;
}

std::string shellFolder(const char* valueName) {
    char folder[512] = "";
    if (!readShellFolder(folder, sizeof folder, valueName)) {
        return std::string();
    }
    return folder;
}

void deleteProductKeysForTest() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, uninstallKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, appPathsKey);
}

std::string shellOpenRecordPath() {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "selvara-shell-open.txt";
}
