// setupvara.exe: the installer's entry point.
#include "background_window.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"

#include <commctrl.h>

constexpr int setupClassNameChars = 20;

static const BackgroundParameters setupBackground = {
    IDS_SETUP_CLASS,        setupClassNameChars, IDI_SETUP, WS_POPUP | WS_VISIBLE, false, CMD_START_SETUP,
    backdropDimmedSnapshot, "Selvara - Setup",   runWizard,
};

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return runBackgroundProgram(instance, setupBackground);
}
