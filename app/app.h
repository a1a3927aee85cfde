// The main program's shell: start-up, the tabbed main window and what its pages share.
#pragma once

#include <windows.h>

constexpr int productCaptionSize = 20;
constexpr int tabCount = 5;

// String 44581: the window class name and the caption of the program's error boxes.
extern char productCaption[productCaptionSize];

extern HWND mainWindow;   // the main window while it exists
extern HWND currentPage;  // the page shown now, or NULL

// Shared drawing resources (the calendar page draws with them).
extern HFONT smallFont;
extern bool useFixedColours;
extern COLORREF menuColour;
extern COLORREF lightColour;
extern COLORREF highlightColour;
extern COLORREF darkShadowColour;
extern HBRUSH lightBrush;
extern COLORREF todayColour;
extern HBRUSH currentMonthBrush;
extern HBRUSH otherMonthBrush;

// Start-up: paths, caption, common controls, window class, then the main window as a modal
// dialog. Returns the process's exit code (0).
int runSelvara(HINSTANCE instance);

// Loads string 44581 into productCaption (cleared first).
void loadProductCaption(HINSTANCE instance);

// Registers the main window's class (named productCaption), trying twice. False if both fail.
bool registerMainWindowClass(HINSTANCE instance);

// The main window's procedure, also used as its dialog procedure.
LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the page of the tab selected now in the main window's tab control, destroying the page
// shown before. No selection, or a page that cannot be created: no page.
void showSelectedPage(HWND window);

// Creates a page as a modeless child dialog from the named template; NULL if the template is
// missing or the dialog cannot be created.
HWND createPageFromTemplate(HWND parent, const char* templateName, DLGPROC procedure);

// Every page calls this while it initialises: moves it to (12, 28) in its parent's client area.
void placePage(HWND page);

// The shared colours and lightBrush, from the system (or fixed on NT 4).
void refreshSystemColours();

// A font with the given values and the fixed attributes of smallFont; no face name for NULL.
HFONT createUiFont(int weight, int width, int height, BYTE characterSet, const char* faceName);

// Page procedures.
INT_PTR CALLBACK calculationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK timetablePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK animationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
