// Test build of the installer's last act: instead of opening a folder window, the requested
// folder is written to "selvara-shell-open.txt" in the temporary folder for the test to read.
#include "wizard_state.h"

#include <cstdio>

void openFolderAtEnd(const char* folder) {
    char path[MAX_PATH + 32] = "";
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    std::snprintf(path, sizeof path, "%sselvara-shell-open.txt", temp);
    std::FILE* file = std::fopen(path, "wb");
    if (file != nullptr) {
        std::fputs(folder, file);
        std::fclose(file);
    }
}
