// Pages whose contents are still to come (calendar, animation, author): an empty page that
// follows the page conventions, so that every tab can be selected.
#include "app.h"

INT_PTR CALLBACK placeholderPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        placePage(page);
        return TRUE;
    case WM_COMMAND:
        return LOWORD(wParam) == IDCANCEL ? TRUE : FALSE;
    case WM_CLOSE:
        PostMessageA(page, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
