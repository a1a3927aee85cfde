#include "program_directory.h"

#include "registry_contract.h"
#include "settings.h"

#include <windows.h>

#include <cstring>

static const DWORD registryValueBufferSize = registryTextBytes;

bool findProgramDirectory(char* directory, size_t directorySize) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, appPathsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    // One byte more than the value may fill, so that the text is terminated whatever the
    // registry holds (any type is accepted, as the installer's value is plain text).
    char value[registryValueBufferSize + 1];
    std::memset(value, 0, sizeof value);
    DWORD valueSize = registryValueBufferSize;
    const LONG status =
        RegQueryValueExA(key, pathValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &valueSize);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        return false;
    }
    const size_t length = std::strlen(value);
    if (length == 0) {
        return false;  // an empty value names no directory: as if it were missing
    }
    if (length + 1 > directorySize) {
        return false;  // too long for the path buffers: not cut, rejected
    }
    std::memcpy(directory, value, length + 1);
    return true;
}

void initProgramPaths() {
    std::memset(programDirectory, 0, sizeof programDirectory);
    if (!findProgramDirectory(programDirectory, sizeof programDirectory)) {
        std::memset(programDirectory, 0, sizeof programDirectory);
        const DWORD length = GetCurrentDirectoryA(sizeof programDirectory, programDirectory);
        if (length == 0 || length >= sizeof programDirectory) {
            programDirectory[0] = '\0';  // deeper than a path buffer holds: files go nowhere
        }
    }
    formTimetablePath();
}
