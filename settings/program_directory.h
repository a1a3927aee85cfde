// Where the main program's files live: the installer's App Paths entry, or the current directory.
#pragma once

#include <cstddef>

// The "Path" value of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Selvara, copied
// into `directory`. False when the key or value is missing, when the text (up to its first NUL) is
// empty, or when it does not fit into `directorySize` bytes with its terminator.
bool findProgramDirectory(char* directory, size_t directorySize);

// Fixes programDirectory (registry, else the current directory) and forms timetablePath.
void initProgramPaths();
