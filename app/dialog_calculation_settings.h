// The calculation settings dialog (template IDD_PT_METHOD).
#pragma once

#include <windows.h>

// Runs the dialog modally over `owner`; true when the user chose OK and Calculation was changed.
bool runCalculationSettingsDialog(HWND owner);

// Its dialog procedure (tests create the dialog modeless with it).
INT_PTR CALLBACK calculationSettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
