// Test build of the installer's last acts: instead of opening a folder window, the requested
// folder is written to "selvara-shell-open.txt" in the temporary folder for the test to read; the
// reminder is not started, its directory is written to "selvara-reminder-start.txt".
#include "wizard_state.h"

#include <cstdio>

static void recordRequest(const char* fileName, const char* text) {
    char path[MAX_PATH + 32] = "";
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::snprintf(path, sizeof path, "%s%s", temp, fileName);
    std::FILE* file = std::fopen(path, "wb");
    if (file != nullptr) {
        std::fputs(text, file);
        std::fclose(file);
    }
}

void openFolderAtEnd(const char* folder) {
    recordRequest("selvara-shell-open.txt", folder);
}

void startReminderAtEnd(const char* installDirectory) {
    recordRequest("selvara-reminder-start.txt", installDirectory);
}
