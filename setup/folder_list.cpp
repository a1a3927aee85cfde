// The folder lists of both browsers: an up entry, the subfolders, and the directory name as the
// "new directory" entry, sorted by the list view; and moving into an entry or up.
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

static const char upEntryText[] = "........";
constexpr int itemTextChars = 256;
constexpr int iconSidePx = 16;
constexpr int browserImageCount = 3;

void setUpBrowserImages(HWND list) {
    if (wizard.browserImages == nullptr) {
        wizard.browserImages =
            ImageList_Create(iconSidePx, iconSidePx, ILC_MASK | ILC_COLOR32, browserImageCount, 0);
        const int ids[browserImageCount] = {IDI_BROWSE_FOLDER, IDI_BROWSE_UP, IDI_BROWSE_NEW_DIRECTORY};
        int* indices[browserImageCount] = {&wizard.folderImage, &wizard.upImage, &wizard.newDirectoryImage};
        for (int i = 0; i < browserImageCount; ++i) {
            HICON icon = static_cast<HICON>(
                LoadImageA(programInstance, MAKEINTRESOURCEA(ids[i]), IMAGE_ICON, iconSidePx, iconSidePx, 0));
            *indices[i] = ImageList_AddIcon(wizard.browserImages, icon);
            if (icon != nullptr) {
                DestroyIcon(icon);
            }
        }
    }
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(wizard.browserImages));
}

static void insertItem(HWND list, int index, const char* text, int image) {
    char buffer[itemTextChars];
    lstrcpynA(buffer, text, sizeof buffer);
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = buffer;
    item.iImage = image;
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

static void appendText(char* folder, size_t folderBytes, const char* text) {
    const size_t length = std::strlen(folder);
    if (length + 1 < folderBytes) {
        lstrcpynA(folder + length, text, static_cast<int>(folderBytes - length));
    }
}

void fillFolderList(HWND dialog, HWND list, char* folder, size_t folderBytes, FolderListMode mode) {
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    const size_t length = std::strlen(folder);
    int index = 0;
    const bool upEntry = (mode == folderListDirectory && length > rootFolderChars) ||
                         (mode == folderListShortcut && length >= shortcutUpEntryMinChars);
    const bool withBackslash = upEntry || mode == folderListShortcut;
    if (upEntry) {
        insertItem(list, 0, upEntryText, wizard.upImage);
        index = 1;
    }
    appendText(folder, folderBytes, withBackslash ? "\\*.*" : "*.*");

    WIN32_FIND_DATAA found;
    HANDLE search =
        FindFirstFileExA(folder, FindExInfoStandard, &found, FindExSearchLimitToDirectories, nullptr, 0);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && found.cFileName[0] != '.') {
                insertItem(list, index, found.cFileName, wizard.folderImage);
                index += 1;
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    insertItem(list, index, wizard.directoryName, wizard.newDirectoryImage);
    wizard.lastItem = index;
    folder[length] = '\0';

    char display[setupPathBytes];
    std::snprintf(display, sizeof display, "%s%s%s", folder, withBackslash ? "\\" : "", wizard.directoryName);
    SetDlgItemTextA(dialog, mode == folderListDirectory ? IDC_BROWSE_RESULT : IDC_BROWSE_SHORTCUT_RESULT,
                    display);
}

void enterListItem(HWND list, int item, char* folder, size_t folderBytes, FolderListMode mode) {
    if (item < 0) {
        return;
    }
    const size_t length = std::strlen(folder);
    const bool upEntry = mode == folderListDirectory ? (item == 0 && length > rootFolderChars)
                                                     : (item == 0 && length >= shortcutUpEntryMinChars);
    if (!upEntry) {
        char text[itemTextChars] = "";
        LVITEMA request = {};
        request.iSubItem = 0;
        request.pszText = text;
        request.cchTextMax = sizeof text - 1;
        SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&request));
        if (mode == folderListShortcut || length > rootFolderChars) {
            appendText(folder, folderBytes, "\\");
        }
        appendText(folder, folderBytes, text);
        return;
    }
    char* lastBackslash = std::strrchr(folder, '\\');
    if (lastBackslash == nullptr) {
        return;
    }
    const size_t position = static_cast<size_t>(lastBackslash - folder);
    if (mode == folderListShortcut || position > 2) {
        *lastBackslash = '\0';
    } else {
        lastBackslash[1] = '\0';  // keep the drive root's backslash
    }
}

void refillFolderList(HWND dialog, const FolderListBinding& binding) {
    fillFolderList(dialog, GetDlgItem(dialog, binding.listId), binding.folder, binding.folderBytes,
                   binding.mode);
}

LRESULT folderListNotify(HWND dialog, const NMHDR* header, const FolderListBinding& binding) {
    if (header->idFrom != static_cast<UINT_PTR>(binding.listId) ||
        header->code != static_cast<UINT>(NM_DBLCLK)) {
        return 0;
    }
    const int item = static_cast<int>(
        SendMessageA(header->hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    enterListItem(header->hwndFrom, item, binding.folder, binding.folderBytes, binding.mode);
    refillFolderList(dialog, binding);
    return 0;
}
