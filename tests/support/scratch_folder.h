// A scratch folder for a test program that starts the real programs (Windows flavour).
#pragma once

#include <string>

// Creates (if need be) "<current folder>\<stem>_<process id>" and returns its path: one folder per
// test process, so parallel test programs never share their files.
std::string makeScratchFolder(const char* stem);
