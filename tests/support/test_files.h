// File helpers shared by the test programs of both flavours.
#pragma once

#include <string>

// The whole file as bytes; empty when it cannot be opened (then *opened, if given, is false).
std::string readWholeFile(const std::string& path, bool* opened = nullptr);
