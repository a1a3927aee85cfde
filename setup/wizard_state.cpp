// The installer's process-wide state (see wizard_state.h).
#include "wizard_state.h"

#include <cstdio>
#include <cstring>

const char defaultDirectoryName[] = SELVARA_PRODUCT_NAME;

WizardState wizard = {};
DiskFreeSpaceQuery diskFreeSpaceQuery = GetDiskFreeSpaceA;
HMODULE archiveModule = nullptr;

void composeInstallDirectory(char* out, size_t outBytes) {
    const char* separator = std::strlen(wizard.baseFolder) > rootFolderChars ? "\\" : "";
    std::snprintf(out, outBytes, "%s%s%s", wizard.baseFolder, separator, wizard.directoryName);
}
