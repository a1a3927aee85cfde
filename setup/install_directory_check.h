// What the directory page checks of an installation directory before anything is written: that
// every installed file's full path fits (the longest name of the manifest decides), and the
// levels of the directory to create one by one. Portable: tested natively.
#pragma once

#include "install_manifest.h"

#include <cstddef>

// The most characters a full path of an installed file may have: the platform's path limit
// (260 bytes with the terminator), which the main program's own path buffers share.
constexpr size_t mostInstalledPathChars = 259;

// The length of the manifest's longest installed file name.
size_t longestInstalledNameChars();

// True when directory + "\" + each installed name fits in mostInstalledPathChars.
bool installDirectoryFits(const char* directory);

// The ends of the levels of a directory to create in order, as offsets into it: each backslash
// after the drive root ("C:\") or the share ("\\server\share\"), then the whole length (a trailing
// backslash gives no empty level). Returns the count written (at most capacity).
int directoryLevelEnds(const char* directory, size_t* ends, int capacity);
