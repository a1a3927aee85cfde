// The author page: static texts, the program icon, the list of what Selvara offers and three
// buttons that open the product's web pages in a browser.
#include "page_author.h"

#include "app.h"
#include "selvara_resource.h"
#include "settings.h"

#include <commctrl.h>
#include <shellapi.h>

const char productList[productListRows][productTextSize] = {
    "Selvara - [ Freeware ] - Prayer times, Hijri calendar and an animated prayer guide for Windows",
    "Selvara Setup - [ Freeware ] - One-file installer with Start-menu and desktop shortcuts",
    "Selvara Uninstall - [ Freeware ] - Removes the installed files, shortcuts and registry entries",
    "selvara-cli - [ Freeware ] - Console tool: monthly timetables, single days and Hijri dates",
    "PrayingTimes.txt - [ Freeware ] - The month's prayer times as fixed-column text, ready to print",
    "panim.dat - [ Freeware ] - The 44 pictures of the prayer animation, 120 x 120 pixels each",
    "places.dat - [ Freeware ] - 26,440 towns by name; data from GeoNames (www.geonames.org), CC BY 4.0",
    "Awqaf UAE areas - [ Freeware ] - Dawn minutes of each area: github.com/xalifaaa/prayer-times-ics-generator, MIT",
    "Hijri calendar - [ Freeware ] - Month grids of the Umm al-Qura Hijri years 1318 to 1500 (1900-2077)",
    "Prayer guide - [ Freeware ] - The twelve prayers step by step, with the recitations and meanings",
    "Introduction - [ Freeware ] - Belief, ablution, the daily prayers, the call to prayer and a guide",
};

struct Link {
    int commandId;
    const char* address;
};

static const Link links[] = {
    {IDC_AUTHOR_SITE, "http://selvara.example.org/"},
    {IDC_AUTHOR_DOWNLOADS, "http://downloads.example.com/selvara/"},
    {IDC_AUTHOR_RESOURCES, "http://selvara.example.org/resources/"},
};

static const char listColumnTitle[] = "Other Author softwares";
static const int listColumnWidthPx = 540;
static const int listIconSizePx = 16;

// Browsers tried by name, in order, before the system's own choice for web addresses.
static const char* const browsers[] = {"Iexplore.exe", "Netscape.exe"};

static HINSTANCE systemShellOpen(HWND owner, const char* verb, const char* file, const char* parameters,
                                 const char* directory, int show) {
    return ShellExecuteA(owner, verb, file, parameters, directory, show);
}

ShellOpenFunction shellOpen = systemShellOpen;

// ShellExecute reports success with a value above 32.
static bool shellSucceeded(HINSTANCE result) {
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool fillProductList(HWND listView) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = listColumnWidthPx;
    column.pszText = const_cast<char*>(listColumnTitle);
    column.iSubItem = 0;
    SendMessageA(listView, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

    HIMAGELIST images = ImageList_Create(listIconSizePx, listIconSizePx, ILC_COLOR32 | ILC_MASK, 0, 0);
    if (images == nullptr) {
        MessageBoxA(mainWindow, "Can't create image list", nullptr, MB_OK | MB_ICONERROR);
        return false;
    }
    HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPICON),
                                               IMAGE_ICON, listIconSizePx, listIconSizePx, 0));
    const int iconIndex = icon != nullptr ? ImageList_AddIcon(images, icon) : -1;
    SendMessageA(listView, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    if (icon != nullptr) {
        DestroyIcon(icon);
    }

    for (int row = 0; row < productListRows; ++row) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = row;
        item.iSubItem = 0;
        item.state = 0;
        item.stateMask = 0;
        item.pszText = const_cast<char*>(productList[row]);
        item.iImage = iconIndex;
        SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    return true;
}

void openLink(HWND page, const char* address) {
    bool opened = false;
    for (const char* browser : browsers) {
        if (shellSucceeded(
                shellOpen(mainWindow, "open", browser, address, programDirectory, SW_SHOWNORMAL))) {
            opened = true;
            break;
        }
    }
    // Current systems have neither classic browser: let the system open the address itself.
    if (!opened) {
        opened =
            shellSucceeded(shellOpen(mainWindow, "open", address, nullptr, programDirectory, SW_SHOWNORMAL));
    }
    if (!opened) {
        MessageBoxA(page, "Error while opening Netscape.exe or Iexplore.exe", nullptr, MB_OK);
        return;
    }
    EndDialog(page, 0);
    ShowWindow(mainWindow, SW_MINIMIZE);
}

INT_PTR CALLBACK authorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            placePage(page);
            fillProductList(GetDlgItem(page, IDC_PRODUCT_LIST));
            return TRUE;
        case WM_COMMAND:
            for (const Link& link : links) {
                if (LOWORD(wParam) == link.commandId) {
                    openLink(page, link.address);
                    return TRUE;
                }
            }
            return LOWORD(wParam) == IDCANCEL ? TRUE : FALSE;
        case WM_CLOSE: PostMessageA(page, WM_COMMAND, IDCANCEL, 0); return TRUE;
        default: return FALSE;
    }
}
