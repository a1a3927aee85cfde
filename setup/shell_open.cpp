// The installer's last act: show the Start-menu group it made.
#include "wizard_state.h"

#include <shellapi.h>

void openFolderAtEnd(const char* folder) {
    ShellExecuteA(nullptr, nullptr, folder, nullptr, nullptr, SW_SHOWNOACTIVATE);
}
