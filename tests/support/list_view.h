// Reading the items of a list view control, for the tests of the pages and browsers that have one.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The text of every item of the list view, in order.
std::vector<std::string> listViewItems(HWND list);

// The index of the first item with this text, or -1.
int indexOfItem(const std::vector<std::string>& items, const std::string& text);

// Selects item `item` of the dialog's list view `listId` and sends the dialog the double click as
// the list view reports it (WM_NOTIFY, NM_DBLCLK).
void doubleClickListItem(HWND dialog, int listId, int item);
