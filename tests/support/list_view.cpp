#include "list_view.h"

#include <commctrl.h>

std::vector<std::string> listViewItems(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[260] = "";
        LVITEMA request = {};
        request.pszText = text;
        request.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&request));
        items.push_back(text);
    }
    return items;
}

int indexOfItem(const std::vector<std::string>& items, const std::string& text) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void doubleClickListItem(HWND dialog, int listId, int item) {
    HWND list = GetDlgItem(dialog, listId);
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
    NMITEMACTIVATE notify = {};
    notify.hdr.hwndFrom = list;
    notify.hdr.idFrom = static_cast<UINT_PTR>(listId);
    notify.hdr.code = NM_DBLCLK;
    notify.iItem = item;
    SendMessageA(dialog, WM_NOTIFY, listId, reinterpret_cast<LPARAM>(&notify));
}
