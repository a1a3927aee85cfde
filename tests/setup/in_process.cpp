// Helpers for driving modal pages from a second thread (see in_process.h).
#include "in_process.h"

#include "dialog_driver.h"

#include <atomic>
#include <thread>

INT_PTR runDriven(const std::function<INT_PTR()>& page, const std::function<void()>& driver) {
    std::thread driving(driver);
    const INT_PTR result = page();
    driving.join();
    return result;
}

INT_PTR runAnsweringMessageBoxes(const std::function<INT_PTR()>& page, MessageBoxAnswerer& answers) {
    std::atomic<bool> pageDone(false);
    std::thread answering([&] {
        while (!pageDone) {
            const MessageBoxSeen box = waitForMessageBox(GetCurrentProcessId(), 100);
            if (box.window != nullptr) {
                answers.texts.push_back(box.text);
                answers.captions.push_back(box.caption);
                answerMessageBox(box, answers.buttonId);
            }
        }
    });
    const INT_PTR result = page();
    pageDone = true;
    answering.join();
    return result;
}

std::string makeScratchFolder(const std::string& stem) {
    const std::string folder = "C:\\" + stem + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if (found.cFileName[0] != '.')
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

static void removeTree(const std::string& folder, int depth) {
    for (const std::string& name : filesIn(folder)) {
        const std::string path = folder + "\\" + name;
        if (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) {
            if (depth < 4)
                removeTree(path, depth + 1);
        } else {
            DeleteFileA(path.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

void removeScratchFolder(const std::string& folder) {
    removeTree(folder, 0);
}
