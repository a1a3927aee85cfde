// setupvara.exe: the installer's entry point.
#include "background_window.h"
#include "wizard_pages.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    return runBackgroundProgram(instance, setupBackgroundParameters(runWizard));
}
