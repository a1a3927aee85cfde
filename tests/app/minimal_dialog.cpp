// The smallest dialog program built like selvara.exe (static, windres resources, one modal
// dialog with its own class): the yardstick for start-up time.
#include <windows.h>

#include <cstring>

static LRESULT CALLBACK minimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return TRUE;
        case WM_CLOSE: EndDialog(window, 0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = minimalProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1));
    windowClass.lpszClassName = "MinimalDialog";
    if (RegisterClassA(&windowClass) == 0) {
        return 1;
    }
    DialogBoxParamA(instance, "IDD_MINIMAL", nullptr, minimalProc, 0);
    return 0;
}
