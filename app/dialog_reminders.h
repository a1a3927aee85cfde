// The Reminders dialog (template IDD_REMINDERS): the resident reminder's sound per time, the
// audio files, the minutes of each reminder, sunrise and Friday, and Start with Windows.
#pragma once

#include <windows.h>

// Runs the dialog modally over `owner`; true when the user chose OK and the choices were stored
// (selvara.ini, the Run value) and a running reminder told.
bool runRemindersDialog(HWND owner);

// Its dialog procedure (tests create the dialog modeless with it).
INT_PTR CALLBACK remindersProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
