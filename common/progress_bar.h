// The progress bar drawn straight onto a black rectangle control: a blue fill with a percentage
// per step (the copy page: "20" "40" "60" "80" "100" for its five records), or one-pixel blue
// columns that wrap (the uninstaller's status dialog). One bar exists at a time.
#pragma once

#include <windows.h>

#include "progress_math.h"

enum ProgressStyle {
    progressStyleFill,
    progressStyleColumns,
};

constexpr COLORREF progressBlue = RGB(0, 0, 255);
constexpr COLORREF progressLabelColour = RGB(255, 255, 255);

void progressBegin(HWND control, int steps, ProgressStyle style);
void progressStep();
void progressEnd();

// The arithmetic of the current (or last) bar.
const ProgressArithmetic& progressArithmetic();
