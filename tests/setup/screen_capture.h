// Writes what the screen shows now into a 24-bit BMP file (for the screenshots in docs/).
#pragma once

#include <string>

bool captureScreen(const std::string& bmpPath);

// The folder given on a helper's command line, as a Windows path with a trailing backslash.
std::string outputFolder(int argc, char** argv);
