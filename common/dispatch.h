// Table-driven message dispatch for window and dialog procedures.
//
// A procedure owns one constant MessageMap (and, when it handles WM_COMMAND, one constant
// CommandMap) and hands every message to dispatchMessageMap. The first entry whose key matches is
// called; a message that matches nothing gets the table's fallback.
#pragma once

#include <windows.h>

#include <cstddef>

// What happens to a message that no entry of the table handles.
enum DispatchFallback {
    fallbackReturnZero = 0,     // return 0 (a dialog procedure: "not handled")
    fallbackDefWindowProc = 1,  // DefWindowProcA
    fallbackDefDialogProc = 2,  // DefDlgProcA
};

typedef LRESULT (*MessageHandler)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// commandId is the low word of WM_COMMAND's wParam, notificationCode the high word.
typedef LRESULT (*CommandHandler)(HWND window, WORD commandId, WORD notificationCode, HWND control);

struct MessageEntry {
    UINT message;
    MessageHandler handler;
};

struct CommandEntry {
    WORD commandId;
    CommandHandler handler;
};

struct MessageMap {
    size_t count;
    const MessageEntry* entries;
    DispatchFallback fallback;
};

struct CommandMap {
    size_t count;
    const CommandEntry* entries;
    DispatchFallback fallback;
};

// Number of entries of a table defined as an array, for building the maps at compile time:
//   static const MessageMap mainMessages = {entryCount(mainMessageEntries), mainMessageEntries,
//                                           fallbackDefWindowProc};
template <typename Entry, size_t count>
constexpr size_t entryCount(const Entry (&)[count]) {
    return count;
}

LRESULT dispatchMessageMap(const MessageMap& table, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

LRESULT dispatchCommandMap(const CommandMap& table, HWND window, WPARAM wParam, LPARAM lParam);

// Applies a fallback kind to a message as received; shared by both dispatchers.
LRESULT applyDispatchFallback(DispatchFallback fallback, HWND window, UINT message, WPARAM wParam,
                              LPARAM lParam);
