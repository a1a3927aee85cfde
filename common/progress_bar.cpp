// Drawing of the progress bar (see progress_bar.h); the stepping itself is in progress_math.cpp.
#include "progress_bar.h"

#include <cstdio>

static HWND barControl = nullptr;
static HDC barDc = nullptr;
static HBRUSH barBrush = nullptr;
static HGDIOBJ replacedBrush = nullptr;
static ProgressStyle barStyle = progressStyleFill;
static ProgressArithmetic bar = {};

const ProgressArithmetic& progressArithmetic() {
    return bar;
}

void progressBegin(HWND control, int steps, ProgressStyle style) {
    RECT client = {};
    GetClientRect(control, &client);
    progressArithmeticStart(bar, client.right, steps);
    barControl = control;
    barStyle = style;
    barDc = GetDC(control);
    barBrush = CreateSolidBrush(progressBlue);
    replacedBrush = barDc != nullptr ? SelectObject(barDc, barBrush) : nullptr;
}

static void drawLabel() {
    int percent = 0;
    const int fillRightPx = bar.fillRightPx;
    const int widthPx = bar.widthPx;
    if (!progressTakeLabel(bar, percent)) {
        return;
    }
    // The band between the fill and its mirror image is erased (and the label with it, where it
    // lies there) when the control next paints; once the fill passes the middle it is empty, and
    // the call (a round trip to the server under Wine) is left out.
    RECT band = {fillRightPx, progressTopPx, widthPx - fillRightPx, progressBottomPx};
    if (band.left < band.right) {
        InvalidateRect(barControl, &band, TRUE);
    }
    char text[16];
    std::snprintf(text, sizeof text, "%d", percent);
    const int textChars = lstrlenA(text);
    SIZE extent = {};
    GetTextExtentPoint32A(barDc, text, textChars, &extent);
    SetBkMode(barDc, TRANSPARENT);
    SetTextColor(barDc, progressLabelColour);
    TextOutA(barDc, widthPx / 2 - extent.cx / 2, 1, text, textChars);
}

void progressStep() {
    if (barDc == nullptr) {
        return;
    }
    progressAccumulateFraction(bar);
    if (barStyle == progressStyleFill) {
        progressAdvanceFill(bar);
        RECT fill = {0, progressTopPx, bar.fillRightPx, progressBottomPx};
        FillRect(barDc, &fill, barBrush);
        drawLabel();
        return;
    }
    for (int columns = progressColumnsThisStep(bar); columns > 0; --columns) {
        const int x = progressTakeColumn(bar);
        RECT column = {x, progressTopPx, x + 1, progressBottomPx};
        FillRect(barDc, &column, barBrush);
    }
}

void progressEnd() {
    if (barDc != nullptr) {
        SelectObject(barDc, replacedBrush);
        ReleaseDC(barControl, barDc);
    }
    if (barBrush != nullptr) {
        DeleteObject(barBrush);
    }
    barDc = nullptr;
    barBrush = nullptr;
    replacedBrush = nullptr;
}
