// The main window: a modal dialog with one tab control; exactly one page exists at a time.
#include "app.h"
#include "calculation_settings.h"
#include "dispatch.h"
#include "page_author.h"
#include "page_calendar.h"
#include "selvara_resource.h"
#include "settings.h"
#include "tray_contract.h"

#include <commctrl.h>

HWND mainWindow;
HWND currentPage;

struct TabPage {
    const char* caption;
    int iconId;
    const char* templateName;
    DLGPROC procedure;
};

// In tab order; a tab's image index equals its index.
static const TabPage tabPages[tabCount] = {
    {"Praying times calculation", IDI_TAB_CALCULATE, IDD_PT_OPTIONS, calculationPageProc},
    {"Praying times view", IDI_TAB_TEXT, IDD_PT_TEXT, timetablePageProc},
    {"Hijri / Gregorian calendar", IDI_TAB_CALENDAR, IDD_PT_CALENDAR, calendarPageProc},
    {"Praying animation", IDI_TAB_ANIMATION, IDD_PT_ANIMATION, animationPageProc},
    {"Author", IDI_TAB_AUTHOR, IDD_PT_AUTHOR, authorPageProc},
};

static const int tabIconSizePx = 16;
static const int tabItemSize = 24;

HWND createPageFromTemplate(HWND parent, const char* templateName, DLGPROC procedure) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, templateName, RT_DIALOG);
    if (resource == nullptr) {
        return nullptr;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) {
        return nullptr;
    }
    const DLGTEMPLATE* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(loaded));
    if (dialogTemplate == nullptr) {
        return nullptr;
    }
    return CreateDialogIndirectParamA(module, dialogTemplate, parent, procedure, 0);
}

void showSelectedPage(HWND window) {
    HWND tabs = GetDlgItem(window, IDC_TABS);
    const int index = static_cast<int>(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
    if (currentPage != nullptr) {
        DestroyWindow(currentPage);
        currentPage = nullptr;
    }
    if (index >= 0 && index < tabCount) {
        currentPage = createPageFromTemplate(tabs, tabPages[index].templateName, tabPages[index].procedure);
    }
}

static void createDrawingResources() {
    const DWORD version = GetVersion();
    const bool ntFamily = (version & 0x80000000u) == 0;
    useFixedColours = ntFamily && LOBYTE(LOWORD(version)) == 4;
    if (smallFont == nullptr) {
        smallFont = createUiFont(FW_NORMAL, 0, 10, DEFAULT_CHARSET, "Small Fonts");
    }
    todayColour = RGB(255, 0, 0);
    if (otherMonthBrush == nullptr) {
        otherMonthBrush = CreateSolidBrush(RGB(0, 164, 0));
    }
    if (currentMonthBrush == nullptr) {
        currentMonthBrush = CreateSolidBrush(RGB(192, 128, 192));
    }
    refreshSystemColours();
}

static void fillTabs(HWND tabs) {
    SendMessageA(tabs, TCM_SETITEMSIZE, tabItemSize, tabItemSize);

    HINSTANCE instance = GetModuleHandleA(nullptr);
    HIMAGELIST images = ImageList_Create(tabIconSizePx, tabIconSizePx, ILC_COLOR32 | ILC_MASK, 4, 0);
    for (const TabPage& page : tabPages) {
        HICON icon = static_cast<HICON>(
            LoadImageA(instance, MAKEINTRESOURCEA(page.iconId), IMAGE_ICON, tabIconSizePx, tabIconSizePx, 0));
        // A missing icon still takes its slot, so that image index = tab index.
        ImageList_AddIcon(images, icon);
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
    SendMessageA(tabs, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));

    for (int i = 0; i < tabCount; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = const_cast<char*>(tabPages[i].caption);
        item.iImage = i;
        SendMessageA(tabs, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
}

static LRESULT onInitDialog(HWND window, UINT, WPARAM, LPARAM) {
    mainWindow = window;
    currentPage = nullptr;  // a page of an earlier window went with it
    HWND tabs = GetDlgItem(window, IDC_TABS);
    loadSettings();
    loadCalculationSettings();  // after praytime.cfg: its zone minutes are checked against the hours
    createDrawingResources();
    fillTabs(tabs);
    SendMessageA(tabs, TCM_SETCURSEL, 0, 0);
    showSelectedPage(window);
    return TRUE;
}

static LRESULT onNotify(HWND window, UINT, WPARAM, LPARAM lParam) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && header->code == static_cast<UINT>(TCN_SELCHANGE)) {
        showSelectedPage(window);
    }
    return 0;
}

static void closeMainWindow(HWND window) {
    saveSettings();
    saveCalculationSettings();
    notifyTraySettingsChanged();  // a running reminder takes the place and method from the files
    EndDialog(window, 1);
}

static LRESULT onClose(HWND window, UINT, WPARAM, LPARAM) {
    closeMainWindow(window);
    return 0;
}

static LRESULT onCancel(HWND window, WORD, WORD, HWND) {
    closeMainWindow(window);
    return 0;
}

static const CommandEntry mainCommandEntries[] = {
    {IDCANCEL, onCancel},
};
static const CommandMap mainCommands = {entryCount(mainCommandEntries), mainCommandEntries,
                                        fallbackDefWindowProc};

static LRESULT onCommand(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(mainCommands, window, wParam, lParam);
}

static const MessageEntry mainMessageEntries[] = {
    {WM_COMMAND, onCommand},
    {WM_INITDIALOG, onInitDialog},
    {WM_NOTIFY, onNotify},
    {WM_CLOSE, onClose},
};
static const MessageMap mainMessages = {entryCount(mainMessageEntries), mainMessageEntries,
                                        fallbackDefWindowProc};

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(mainMessages, window, message, wParam, lParam);
}
