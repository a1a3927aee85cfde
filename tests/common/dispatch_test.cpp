// Dispatch tables: first match wins, notification codes, and the three fallbacks on real windows.
#include "dispatch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<int> calls;  // which handler ran, in order
std::vector<WORD> notifications;

LRESULT firstHandler(HWND, UINT, WPARAM, LPARAM) {
    calls.push_back(1);
    return 101;
}
LRESULT secondHandler(HWND, UINT, WPARAM, LPARAM) {
    calls.push_back(2);
    return 102;
}
LRESULT firstCommand(HWND, WORD commandId, WORD code, HWND) {
    calls.push_back(1);
    notifications.push_back(code);
    return commandId;
}
LRESULT secondCommand(HWND, WORD, WORD, HWND) {
    calls.push_back(2);
    return 0;
}

const UINT testMessage = WM_APP + 7;

const MessageEntry duplicateMessageEntries[] = {
    {WM_APP + 1, secondHandler},
    {testMessage, firstHandler},
    {testMessage, secondHandler},
};
const MessageMap duplicateMessages = {entryCount(duplicateMessageEntries), duplicateMessageEntries,
                                      fallbackReturnZero};

const CommandEntry duplicateCommandEntries[] = {
    {42, firstCommand},
    {42, secondCommand},
    {43, secondCommand},
};
const CommandMap duplicateCommands = {entryCount(duplicateCommandEntries), duplicateCommandEntries,
                                      fallbackReturnZero};

TEST(DispatchTables, FirstOfTwoEqualKeysWins) {
    calls.clear();
    EXPECT_EQ(dispatchMessageMap(duplicateMessages, nullptr, testMessage, 0, 0), 101);
    EXPECT_EQ(dispatchMessageMap(duplicateMessages, nullptr, testMessage, 0, 0), 101);
    EXPECT_EQ(calls, (std::vector<int>{1, 1}));

    calls.clear();
    EXPECT_EQ(dispatchCommandMap(duplicateCommands, nullptr, MAKEWPARAM(42, BN_CLICKED), 0), 42);
    EXPECT_EQ(calls, (std::vector<int>{1}));
}

TEST(DispatchTables, NotificationCodesReachTheSameHandler) {
    calls.clear();
    notifications.clear();
    dispatchCommandMap(duplicateCommands, nullptr, MAKEWPARAM(42, BN_CLICKED), 0);
    dispatchCommandMap(duplicateCommands, nullptr, MAKEWPARAM(42, EN_CHANGE), 0);
    dispatchCommandMap(duplicateCommands, nullptr, MAKEWPARAM(42, 0xFFFF), 0);
    EXPECT_EQ(calls, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(notifications, (std::vector<WORD>{BN_CLICKED, EN_CHANGE, 0xFFFF}));
}

TEST(DispatchTables, CommandIdComparesLowWordOnly) {
    calls.clear();
    // 42 + 65536 has the low word 42.
    EXPECT_EQ(dispatchCommandMap(duplicateCommands, nullptr, MAKEWPARAM(42, 7), 0), 42);
    EXPECT_EQ(dispatchCommandMap(duplicateCommands, nullptr, MAKEWPARAM(44, 0), 0), 0);
    EXPECT_EQ(calls, (std::vector<int>{1}));
}

TEST(DispatchTables, EmptyTableUsesItsFallback) {
    const MessageMap empty = {0, nullptr, fallbackReturnZero};
    EXPECT_EQ(dispatchMessageMap(empty, nullptr, WM_APP, 1, 2), 0);
}

// A window class whose procedure dispatches through `activeTable`.
const MessageMap* activeTable;

LRESULT CALLBACK tableWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (activeTable == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return dispatchMessageMap(*activeTable, window, message, wParam, lParam);
}

const char tableClassName[] = "DispatchTestWindow";

void registerTableClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = tableWindowProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = tableClassName;
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    registered = true;
}

// A dialog from an in-memory template that names the test class, as the main window does.
HWND createTableDialog() {
    struct {
        DLGTEMPLATE header;
        WORD menu;
        wchar_t className[sizeof tableClassName];
        WORD title;
    } dialogTemplate;
    std::memset(&dialogTemplate, 0, sizeof dialogTemplate);
    dialogTemplate.header.style = WS_POPUP | WS_CAPTION;
    dialogTemplate.header.cx = 100;
    dialogTemplate.header.cy = 50;
    for (size_t i = 0; i < sizeof tableClassName; ++i) {
        dialogTemplate.className[i] = static_cast<wchar_t>(tableClassName[i]);
    }
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.header, nullptr, nullptr, 0);
}

TEST(DispatchFallbacks, ZeroReturnsZeroAndDoesNothing) {
    registerTableClass();
    activeTable = nullptr;
    HWND window = CreateWindowA(tableClassName, "before", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const MessageMap zero = {entryCount(duplicateMessageEntries), duplicateMessageEntries,
                             fallbackReturnZero};
    activeTable = &zero;
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after")), 0);
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 0);
    activeTable = nullptr;
    char text[16] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "before") << "the unhandled WM_SETTEXT must not reach the default procedure";
    DestroyWindow(window);
}

TEST(DispatchFallbacks, OnePassesToDefaultWindowProcedure) {
    registerTableClass();
    activeTable = nullptr;
    HWND window = CreateWindowA(tableClassName, "before", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const MessageMap one = {entryCount(duplicateMessageEntries), duplicateMessageEntries,
                            fallbackDefWindowProc};
    activeTable = &one;
    EXPECT_EQ(SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after")), TRUE);
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 5);
    // WM_CLOSE goes to DefWindowProc, which destroys the window.
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    activeTable = nullptr;
}

TEST(DispatchFallbacks, TwoPassesToDefaultDialogProcedure) {
    registerTableClass();
    activeTable = nullptr;
    HWND dialog = createTableDialog();
    ASSERT_NE(dialog, nullptr);
    const MessageMap two = {entryCount(duplicateMessageEntries), duplicateMessageEntries,
                            fallbackDefDialogProc};
    activeTable = &two;
    // Only the dialog procedure keeps a default push button id.
    SendMessageA(dialog, DM_SETDEFID, 321, 0);
    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(321, DC_HASDEFID));
    // The window procedure's default would destroy the window on WM_CLOSE; the dialog's does not.
    SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(dialog));
    activeTable = nullptr;
    DestroyWindow(dialog);
}

}  // namespace
