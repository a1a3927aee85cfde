// The dialog driver (see dialog_driver.h).
#include "dialog_driver.h"

#include <cstring>
#include <vector>

namespace {

const int pollMs = 20;
const int messageBoxTextId = 0xFFFF;
// Controls that only the installer's and uninstaller's own dialogs have.
const int ownControlIds[] = {151, 101, 214, 215, 110, 107, 212, 104, 105};

struct DialogSearch {
    DWORD processId;
    int childId;  // 0: message boxes
    HWND found;
};

bool isDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0 && IsWindowVisible(window);
}

bool isMessageBox(HWND window) {
    if (GetDlgItem(window, messageBoxTextId) == nullptr) {
        return false;
    }
    for (int id : ownControlIds) {
        if (GetDlgItem(window, id) != nullptr) {
            return false;
        }
    }
    return true;
}

BOOL CALLBACK matchDialog(HWND window, LPARAM data) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId != 0 && owner != search->processId) || !isDialog(window)) {
        return TRUE;
    }
    const bool matches =
        search->childId == 0 ? isMessageBox(window) : GetDlgItem(window, search->childId) != nullptr;
    if (matches) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findDialog(DWORD processId, int childId) {
    DialogSearch search = {processId, childId, nullptr};
    EnumWindows(matchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND waitForDialogWithControl(DWORD processId, int childId, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += pollMs) {
        HWND found = findDialog(processId, childId);
        if (found != nullptr) {
            Sleep(pollMs * 2);  // let its initialisation finish
            return found;
        }
        Sleep(pollMs);
    }
    return nullptr;
}

bool messageBoxShown(DWORD processId) {
    return findDialog(processId, 0) != nullptr;
}

MessageBoxSeen waitForMessageBox(DWORD processId, int timeoutMs) {
    MessageBoxSeen seen;
    for (int waited = 0; waited < timeoutMs; waited += pollMs) {
        HWND found = findDialog(processId, 0);
        if (found != nullptr) {
            Sleep(pollMs * 2);
            seen.window = found;
            seen.text = windowText(GetDlgItem(found, messageBoxTextId));
            seen.caption = windowText(found);
            return seen;
        }
        Sleep(pollMs);
    }
    return seen;
}

void answerMessageBox(const MessageBoxSeen& box, int buttonId) {
    if (box.window == nullptr) {
        return;
    }
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.window, buttonId)));
    waitForWindowGone(box.window);
}

MessageBoxSeen answerNextMessageBox(DWORD processId, int buttonId) {
    MessageBoxSeen box = waitForMessageBox(processId);
    answerMessageBox(box, buttonId);
    return box;
}

void pressButton(HWND dialog, int buttonId) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

void typeInto(HWND edit, const std::string& text, bool selectAllFirst) {
    if (selectAllFirst) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    }
    for (char c : text) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

std::string windowText(HWND window) {
    if (window == nullptr) {
        return std::string();
    }
    std::vector<char> buffer(4096, '\0');
    SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.back() = '\0';
    return std::string(buffer.data());
}

bool waitForWindowGone(HWND window, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += pollMs) {
        if (!IsWindow(window) || !IsWindowVisible(window)) {
            return true;
        }
        Sleep(pollMs);
    }
    return false;
}

bool chooseComboItem(HWND dialog, int comboId, const std::string& text) {
    HWND combo = GetDlgItem(dialog, comboId);
    const LRESULT item = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(text.c_str()));
    if (item == CB_ERR) {
        return false;
    }
    SendMessageA(combo, CB_SETCURSEL, item, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELENDOK), reinterpret_cast<LPARAM>(combo));
    return true;
}
