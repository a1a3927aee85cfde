// Drawing resources and placement shared by the main window and its pages.
#include "app.h"

HFONT smallFont;
bool useFixedColours;
COLORREF menuColour;
COLORREF lightColour;
COLORREF highlightColour;
COLORREF darkShadowColour;
HBRUSH lightBrush;
COLORREF todayColour;
HBRUSH currentMonthBrush;
HBRUSH otherMonthBrush;

// Where every page sits inside the tab control's client area, in pixels.
static const int pageLeftPx = 12;
static const int pageTopPx = 28;

void placePage(HWND page) {
    SetWindowPos(page, nullptr, pageLeftPx, pageTopPx, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT createUiFont(int weight, int width, int height, BYTE characterSet, const char* faceName) {
    return CreateFontA(height, width, 0, 0, weight, FALSE, FALSE, FALSE, characterSet, OUT_STROKE_PRECIS,
                       CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                       faceName != nullptr ? faceName : "");
}

void refreshSystemColours() {
    menuColour = GetSysColor(COLOR_MENU);
    if (useFixedColours) {
        lightColour = RGB(224, 224, 224);
        highlightColour = RGB(255, 255, 255);
        darkShadowColour = RGB(0, 0, 0);
    } else {
        lightColour = GetSysColor(COLOR_3DLIGHT);
        highlightColour = GetSysColor(COLOR_BTNHIGHLIGHT);
        darkShadowColour = GetSysColor(COLOR_3DDKSHADOW);
    }
    if (lightBrush != nullptr) {
        DeleteObject(lightBrush);
    }
    lightBrush = CreateSolidBrush(lightColour);
}
