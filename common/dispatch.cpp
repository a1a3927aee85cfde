#include "dispatch.h"

LRESULT applyDispatchFallback(DispatchFallback fallback, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam) {
    switch (fallback) {
        case fallbackDefWindowProc: return DefWindowProcA(window, message, wParam, lParam);
        case fallbackDefDialogProc: return DefDlgProcA(window, message, wParam, lParam);
        case fallbackReturnZero:
        default: return 0;
    }
}

LRESULT dispatchMessageMap(const MessageMap& table, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (size_t i = 0; i < table.count; ++i) {
        if (table.entries[i].message == message) {
            return table.entries[i].handler(window, message, wParam, lParam);
        }
    }
    return applyDispatchFallback(table.fallback, window, message, wParam, lParam);
}

LRESULT dispatchCommandMap(const CommandMap& table, HWND window, WPARAM wParam, LPARAM lParam) {
    const WORD commandId = LOWORD(wParam);
    for (size_t i = 0; i < table.count; ++i) {
        if (table.entries[i].commandId == commandId) {
            return table.entries[i].handler(window, commandId, HIWORD(wParam),
                                            reinterpret_cast<HWND>(lParam));
        }
    }
    return applyDispatchFallback(table.fallback, window, WM_COMMAND, wParam, lParam);
}
