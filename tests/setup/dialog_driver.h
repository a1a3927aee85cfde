// Drives the installer's and uninstaller's dialogs as a user would, from another thread of the
// same process or from another process: find a page by a control it holds, press buttons, type
// into edit boxes, read and answer message boxes.
#pragma once

#include <windows.h>

#include <string>

constexpr int driverTimeoutMs = 20000;

// A visible dialog (class #32770) of the process (0: of any process) that holds the child
// control `childId`; NULL after the timeout.
HWND waitForDialogWithControl(DWORD processId, int childId, int timeoutMs = driverTimeoutMs);

struct MessageBoxSeen {
    HWND window = nullptr;
    std::string text;
    std::string caption;
};

// A visible message box of the process (0: any), recognised by its text control and by holding
// none of the installer's control ids.
MessageBoxSeen waitForMessageBox(DWORD processId, int timeoutMs = driverTimeoutMs);

// True when a message box of the process is on screen now.
bool messageBoxShown(DWORD processId);

// Presses a button of a message box (IDOK, IDYES, IDNO, ...) and waits until the box is gone.
void answerMessageBox(const MessageBoxSeen& box, int buttonId);

// Waits for a message box, checks nothing, answers it; returns what it showed.
MessageBoxSeen answerNextMessageBox(DWORD processId, int buttonId);

// Posts a button press to a dialog, as a click would (the command comes from the control).
void pressButton(HWND dialog, int buttonId);

// Types the text into the edit box character by character (each goes through the edit's own
// keyboard handling, so its notifications reach the dialog). selectAllFirst replaces the text.
void typeInto(HWND edit, const std::string& text, bool selectAllFirst = true);

// The text of a window of any process.
std::string windowText(HWND window);

// Waits until the window is destroyed; false after the timeout.
bool waitForWindowGone(HWND window, int timeoutMs = driverTimeoutMs);

// Chooses the combo box item with this text and notifies the dialog as a user's choice would.
bool chooseComboItem(HWND dialog, int comboId, const std::string& text);
