// Program start: paths, caption, common controls, the main window's class, the main window.
#include "app.h"
#include "program_directory.h"
#include "selvara_resource.h"

#include <commctrl.h>

#include <cstring>

char productCaption[productCaptionSize];

void loadProductCaption(HINSTANCE instance) {
    std::memset(productCaption, 0, sizeof productCaption);
    LoadStringA(instance, IDS_PRODUCT_CAPTION, productCaption, sizeof productCaption);
}

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;  // the main window is a dialog
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_APPICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = productCaption;
    if (RegisterClassA(&windowClass) != 0) {
        return true;
    }
    return RegisterClassA(&windowClass) != 0;
}

int runSelvara(HINSTANCE instance) {
    initProgramPaths();
    loadProductCaption(instance);

    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&controls);

    if (!registerMainWindowClass(instance)) {
        return 0;
    }
    DialogBoxParamA(instance, IDD_PT, nullptr, mainWindowProc, 0);
    return 0;
}
