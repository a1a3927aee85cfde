// The installer's last acts: start the reminder, show the Start-menu group it made.
#include "tray_contract.h"
#include "wizard_state.h"

#include <shellapi.h>

void openFolderAtEnd(const char* folder) {
    ShellExecuteA(nullptr, nullptr, folder, nullptr, nullptr, SW_SHOWNOACTIVATE);
}

void startReminderAtEnd(const char* installDirectory) {
    startTrayProgram(installDirectory);
}
