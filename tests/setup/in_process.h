// Running a modal page of this process while another thread drives it like a user.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs `page` (which shows a modal dialog) on this thread and `driver` on a second thread at the
// same time; returns the page's result once both are done.
INT_PTR runDriven(const std::function<INT_PTR()>& page, const std::function<void()>& driver);

// A driver that answers every message box with `buttonId` until the page has ended; the texts
// seen are collected.
struct MessageBoxAnswerer {
    int buttonId;
    std::vector<std::string> texts;
    std::vector<std::string> captions;
};
INT_PTR runAnsweringMessageBoxes(const std::function<INT_PTR()>& page, MessageBoxAnswerer& answers);

// Scratch folder on the Wine prefix's C: drive, unique to this process; removed (with its files,
// one level of subfolders) by removeScratchFolder.
std::string makeScratchFolder(const std::string& stem);
void removeScratchFolder(const std::string& folder);
std::vector<std::string> filesIn(const std::string& folder);
