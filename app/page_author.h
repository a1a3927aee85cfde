// The author page: who makes Selvara, what else it offers, and links to its web pages.
#pragma once

#include <windows.h>

constexpr int productListRows = 11;
constexpr int productTextSize = 192;

// The rows of the list, one text each: name, " - [ Freeware ] - ", description.
extern const char productList[productListRows][productTextSize];

// The shell call openLink makes; tests replace it so that no browser is ever started.
typedef HINSTANCE (*ShellOpenFunction)(HWND owner, const char* verb, const char* file, const char* parameters,
                                       const char* directory, int show);
extern ShellOpenFunction shellOpen;  // ShellExecuteA by default

// The column, the program icon and the nine rows. False when no image list could be made.
bool fillProductList(HWND listView);

// Opens address in a browser: the two classic browsers by name first, then whatever the system
// opens web addresses with. On success the page ends and the main window is minimised; when
// nothing opens, a message says so and the page stays.
void openLink(HWND page, const char* address);

INT_PTR CALLBACK authorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
