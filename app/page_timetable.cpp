// The timetable page: the timetable file shown byte for byte in the fixed-pitch font.
#include "app.h"
#include "selvara_resource.h"
#include "settings.h"

#include <cstdio>
#include <cstdlib>

// Size of the file in bytes; 0 when it cannot be opened or measured.
static long timetableFileSize() {
    std::FILE* file = std::fopen(timetablePath, "rb");
    if (file == nullptr) {
        return 0;
    }
    long size = 0;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    std::fclose(file);
    return size > 0 ? size : 0;
}

// Room after the text, so that the block is always a terminated string.
static const size_t textBlockSlackBytes = 10;

// Returns FALSE after a successful load and TRUE where it stopped early.
static BOOL initialisePage(HWND page) {
    HWND text = GetDlgItem(page, IDC_TIMETABLE_TEXT);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(SYSTEM_FIXED_FONT)), TRUE);
    placePage(page);

    const long size = timetableFileSize();
    if (size == 0) {
        return TRUE;
    }
    char* block = static_cast<char*>(std::calloc(static_cast<size_t>(size) + textBlockSlackBytes, 1));
    if (block == nullptr) {
        return TRUE;
    }
    std::FILE* file = std::fopen(timetablePath, "rb");
    if (file == nullptr) {
        std::free(block);
        return TRUE;
    }
    std::fread(block, 1, static_cast<size_t>(size), file);
    std::fclose(file);
    SetWindowTextA(text, block);
    std::free(block);
    return FALSE;
}

INT_PTR CALLBACK timetablePageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return initialisePage(page);
        case WM_COMMAND: return LOWORD(wParam) == IDCANCEL ? TRUE : FALSE;
        case WM_CLOSE: PostMessageA(page, WM_COMMAND, IDCANCEL, 0); return TRUE;
        default: return FALSE;
    }
}
