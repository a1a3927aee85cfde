// The drive table, the default base folder and the free space of the selected drive.
#include "wizard_pages.h"
#include "wizard_state.h"

#include <cstdio>
#include <cstring>

static void upperCase(char* text) {
    CharUpperA(text);
}

void enumerateDrives() {
    wizard.driveCount = 0;
    char strings[driveStringChars + 1];
    std::memset(strings, 0, sizeof strings);
    GetLogicalDriveStringsA(driveStringChars, strings);
    upperCase(startupDirectory);

    int entryChar = 0;
    char entry[driveEntryBytes] = {};
    for (int i = 0; i < driveStringChars && wizard.driveCount < driveTableEntries; ++i) {
        const char c = strings[i];
        if (c != '\0') {
            if (entryChar < driveEntryBytes - 1) {
                entry[entryChar++] = c;
            }
            continue;
        }
        if (entryChar == 0) {
            break;  // the second zero ends the list
        }
        entry[entryChar] = '\0';
        upperCase(entry);
        lstrcpynA(wizard.drives[wizard.driveCount], entry, driveEntryBytes);
        if (entry[0] == startupDirectory[0]) {
            wizard.selectedDrive = wizard.driveCount;
        }
        wizard.driveCount += 1;
        entryChar = 0;
        std::memset(entry, 0, sizeof entry);
    }

    for (int d = 0; d < wizard.driveCount; ++d) {
        if (wizard.drives[d][0] != 'C') {
            continue;
        }
        wizard.selectedDrive = d;
        char windowsDirectory[setupPathBytes] = "";
        GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
        std::snprintf(wizard.baseFolder, sizeof wizard.baseFolder, "%c:\\Program files", windowsDirectory[0]);
        if (!SetCurrentDirectoryA(wizard.baseFolder)) {
            lstrcpynA(wizard.baseFolder, wizard.drives[d], sizeof wizard.baseFolder);
        }
        break;
    }
    computeFreeSpace(wizard.selectedDrive);
}

void computeFreeSpace(int driveIndex) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (driveIndex < 0 || driveIndex >= wizard.driveCount ||
        !diskFreeSpaceQuery(wizard.drives[driveIndex], &sectorsPerCluster, &bytesPerSector, &freeClusters,
                            &totalClusters)) {
        wizard.freeSpaceKB = 0;
        return;
    }
    const unsigned long long freeBytes =
        static_cast<unsigned long long>(sectorsPerCluster) * freeClusters * bytesPerSector;
    const unsigned long long units = freeBytes / 1000;
    wizard.freeSpaceKB = units > 0xFFFFFFFFull ? 0xFFFFFFFFul : static_cast<unsigned long>(units);
}
