#include "scratch_folder.h"

#include <windows.h>

#include <cstdio>

std::string makeScratchFolder(const char* stem) {
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    char name[96];
    std::snprintf(name, sizeof name, "\\%s_%lu", stem, GetCurrentProcessId());
    const std::string folder = std::string(current) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}
