// What the end-to-end tests look at after a run: files, registry values, shell links.
#pragma once

#include <windows.h>

#include <string>

#include "test_files.h"  // readWholeFile

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
bool keyExists(const char* keyPath);
// The REG_SZ value, or "<missing>"; `type` receives its type.
std::string registryText(const char* keyPath, const char* valueName, DWORD* type = nullptr);
// The target of a shell link, or "" when it cannot be read.
std::string shortcutTarget(const std::string& linkPath);
std::string shortcutDescription(const std::string& linkPath);
// Z:\... for a path of the host file system.
std::string hostPathToWindows(const std::string& path);
// The all-users shell folder as the registry names it (no trailing backslash).
std::string shellFolder(const char* valueName);
// Deletes the product's two keys (a clean start for a test).
void deleteProductKeysForTest();
// The file the test build of the installer writes instead of opening a folder.
std::string shellOpenRecordPath();
