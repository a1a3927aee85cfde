// uninstall.exe: the uninstaller's entry point.
#include "background_window.h"
#include "uninstall_resource.h"
#include "uninstall_state.h"

constexpr int uninstallClassNameChars = 10;

static const BackgroundParameters uninstallBackground = {
    IDS_UNINSTALL_CLASS,
    uninstallClassNameChars,
    IDI_UNINSTALL,
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
    true,
    CMD_START_UNINSTALL,
    backdropBlueGradient,
    "Selvara - Uninstall",
    confirmAndUninstall,
};

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return runBackgroundProgram(instance, uninstallBackground);
}
