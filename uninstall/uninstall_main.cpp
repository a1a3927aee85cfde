// uninstall.exe: the uninstaller's entry point.
#include "background_window.h"
#include "uninstall_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runBackgroundProgram(instance, uninstallBackgroundParameters(confirmAndUninstall));
}
