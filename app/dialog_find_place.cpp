// The "Find..." dialog: an edit box, the matching places (name, country, latitude, longitude,
// elevation, zone with its offset today), the offer of the selected town's usual method, OK and
// Cancel. The list follows every keystroke.
#include "dialog_find_place.h"

#include "app.h"
#include "calculation_method.h"
#include "customary_method.h"
#include "local_clock.h"
#include "place_file.h"
#include "place_search.h"
#include "selvara_resource.h"
#include "settings.h"
#include "zone_rules.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t queryFieldBytes = 128;
constexpr int noRow = -1;

struct ListColumn {
    const char* title;
    int widthPixels;
    int format;
};

const ListColumn listColumns[] = {
    {"Town", 122, LVCFMT_LEFT},      {"Country", 50, LVCFMT_LEFT},
    {"Latitude", 60, LVCFMT_RIGHT},  {"Longitude", 64, LVCFMT_RIGHT},
    {"Elevation", 58, LVCFMT_RIGHT}, {"Zone (offset today)", 140, LVCFMT_LEFT},
};
constexpr int elevationColumn = 4;
constexpr int zoneColumn = 5;

// The list, read once per run; loadResult says whether it could be.
PlaceList* placeList = nullptr;
PlaceFileResult loadResult{placeFileMissing, 0};

void loadPlaceListOnce() {
    if (placeList != nullptr) {
        return;
    }
    placeList = new PlaceList;
    char path[pathBufferSize];
    loadResult = buildProgramFilePath(placeFileName, path, sizeof path)
                     ? readPlaceFile(path, *placeList)
                     : PlaceFileResult{placeFileMissing, 0};
}

// "+5:00", "-3:30", "+0:00".
void formatOffset(int offsetMinutes, char* text, size_t textBytes) {
    const int magnitude = std::abs(offsetMinutes);
    std::snprintf(text, textBytes, "%c%d:%02d", offsetMinutes < 0 ? '-' : '+', magnitude / 60,
                  magnitude % 60);
}

int offsetToday(int zoneIndex) {
    SYSTEMTIME today;
    readLocalTime(&today);
    return zoneOffsetAtLocalNoon(zoneIndex, today.wYear, today.wMonth, today.wDay);
}

void formatDegrees(int32_t valueE4, char* text, size_t textBytes) {
    const long magnitude = std::labs(static_cast<long>(valueE4));
    std::snprintf(text, textBytes, "%s%ld.%04ld", valueE4 < 0 ? "-" : "", magnitude / 10000,
                  magnitude % 10000);
}

void setCell(HWND list, int row, int column, const char* text) {
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

void addRow(HWND list, int row, uint32_t placeIndex) {
    const Place& place = placeList->places[placeIndex];
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(place.name.c_str());
    item.lParam = static_cast<LPARAM>(placeIndex);
    const int inserted =
        static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted < 0) {
        return;
    }
    char text[96];
    setCell(list, inserted, 1, place.countryCode);
    formatDegrees(place.latitudeE4, text, sizeof text);
    setCell(list, inserted, 2, text);
    formatDegrees(place.longitudeE4, text, sizeof text);
    setCell(list, inserted, 3, text);
    std::snprintf(text, sizeof text, "%d m", static_cast<int>(place.elevationM));
    setCell(list, inserted, elevationColumn, text);
    const std::string& zone = placeList->zoneNames[place.zoneIndex];
    const int zoneIndex = findTimeZone(zone.c_str());
    char offset[16] = "";
    if (zoneIndex >= 0) {
        formatOffset(offsetToday(zoneIndex), offset, sizeof offset);
    }
    std::snprintf(text, sizeof text, "%s  %s", zone.c_str(), offset);
    setCell(list, inserted, zoneColumn, text);
}

// The place of the selected row, or null.
const Place* selectedPlace(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_FIND_LIST);
    const int row =
        static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(noRow), LVNI_SELECTED));
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || placeList == nullptr ||
        !SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ||
        static_cast<size_t>(item.lParam) >= placeList->places.size()) {
        return nullptr;
    }
    return &placeList->places[static_cast<size_t>(item.lParam)];
}

// The offer beside the check box: the usual method of the selected town (its country's, or its
// own), with its authority, and the Asr school ("PK: karachi, University of Islamic Sciences,
// Karachi; Asr Hanafi"). Without a selected town the box is greyed.
void showCustomaryMethod(HWND dialog) {
    const Place* place = selectedPlace(dialog);
    char text[160] = "";
    if (place != nullptr) {
        const CustomaryMethod& custom = customaryMethodForTown(place->countryCode, place->asciiName.c_str());
        const int method = findCalculationMethod(custom.methodName);
        const char* authority = method >= 0 ? calculationMethods[method].authority : "";
        std::snprintf(text, sizeof text, "%s: %s%s%s;  Asr %s", place->countryCode, custom.methodName,
                      authority[0] != '\0' ? ", " : "", authority,
                      custom.asrShadowFactor == hanafiAsrShadowFactor ? "Hanafi" : "standard");
    }
    SetDlgItemTextA(dialog, IDC_FIND_METHOD, text);
    EnableWindow(GetDlgItem(dialog, IDC_FIND_TAKE_METHOD), place != nullptr ? TRUE : FALSE);
}

void showStatus(HWND dialog, size_t matchCount, bool emptyQuery) {
    char text[160];
    if (loadResult.status != placeFileOk) {
        describePlaceFileResult(loadResult, text, sizeof text);
    } else if (emptyQuery) {
        std::snprintf(text, sizeof text, "%lu towns. Place names: GeoNames (CC BY 4.0)",
                      static_cast<unsigned long>(placeList->places.size()));
    } else if (matchCount == 0) {
        std::snprintf(text, sizeof text, "No town begins so");
    } else if (matchCount > static_cast<size_t>(findPlaceMostRows)) {
        std::snprintf(text, sizeof text, "The first %d towns; type more letters", findPlaceMostRows);
    } else {
        std::snprintf(text, sizeof text, "%lu town%s", static_cast<unsigned long>(matchCount),
                      matchCount == 1 ? "" : "s");
    }
    SetDlgItemTextA(dialog, IDC_FIND_STATUS, text);
}

// Lists the matches of the edit box's text, the best first and selected.
void refreshList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_FIND_LIST);
    char query[queryFieldBytes] = {};
    GetDlgItemTextA(dialog, IDC_FIND_TEXT, query, sizeof query);
    std::vector<uint32_t> found;
    if (loadResult.status == placeFileOk) {
        found = searchPlaces(*placeList, parsePlaceQuery(query, textCp1252), findPlaceMostRows + 1);
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    for (size_t row = 0; row < found.size() && row < static_cast<size_t>(findPlaceMostRows); ++row) {
        addRow(list, static_cast<int>(row), found[row]);
    }
    if (!found.empty()) {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    showStatus(dialog, found.size(), query[0] == '\0');
    EnableWindow(GetDlgItem(dialog, IDOK), found.empty() ? FALSE : TRUE);
    showCustomaryMethod(dialog);
}

BOOL initialiseDialog(HWND dialog) {
    loadPlaceListOnce();
    HWND list = GetDlgItem(dialog, IDC_FIND_LIST);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    int column = 0;
    for (const ListColumn& entry : listColumns) {
        LVCOLUMNA header = {};
        header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        header.fmt = entry.format;
        header.cx = entry.widthPixels;
        header.pszText = const_cast<char*>(entry.title);
        header.iSubItem = column;
        SendMessageA(list, LVM_INSERTCOLUMNA, column++, reinterpret_cast<LPARAM>(&header));
    }
    SendDlgItemMessageA(dialog, IDC_FIND_TEXT, EM_LIMITTEXT, queryFieldBytes - 1, 0);
    const FoundPlace& found = *reinterpret_cast<const FoundPlace*>(GetWindowLongPtrA(dialog, DWLP_USER));
    CheckDlgButton(dialog, IDC_FIND_TAKE_METHOD, found.takeCustomaryMethod ? BST_CHECKED : BST_UNCHECKED);
    refreshList(dialog);
    SetFocus(GetDlgItem(dialog, IDC_FIND_TEXT));
    return FALSE;  // the focus is set
}

// OK: the selected row into the caller's record, then the dialog ends. Without a row: nothing.
void acceptSelection(HWND dialog) {
    const Place* place = selectedPlace(dialog);
    if (place == nullptr) {
        MessageBeep(MB_OK);
        return;
    }
    FoundPlace& found = *reinterpret_cast<FoundPlace*>(GetWindowLongPtrA(dialog, DWLP_USER));
    found.latitudeDeg = place->latitudeE4 / 10000.0;
    found.longitudeDeg = place->longitudeE4 / 10000.0;
    lstrcpynA(found.townName, place->name.c_str(), sizeof found.townName);
    lstrcpynA(found.zoneName, placeList->zoneNames[place->zoneIndex].c_str(), sizeof found.zoneName);
    const int zoneIndex = findTimeZone(found.zoneName);
    found.standardOffsetMinutes = zoneIndex >= 0 ? zoneStandardOffsetMinutes(zoneIndex) : 0;
    found.elevationM = place->elevationM;
    lstrcpynA(found.countryCode, place->countryCode, sizeof found.countryCode);
    found.takeCustomaryMethod = IsDlgButtonChecked(dialog, IDC_FIND_TAKE_METHOD) == BST_CHECKED;
    EndDialog(dialog, IDOK);
}

BOOL onCommand(HWND dialog, WORD commandId, WORD notification) {
    switch (commandId) {
        case IDC_FIND_TEXT:
            if (notification == EN_CHANGE) {
                refreshList(dialog);
            }
            return TRUE;
        case IDOK: acceptSelection(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        default: return FALSE;
    }
}

BOOL onNotify(HWND dialog, const NMHDR* header) {
    if (header->idFrom == IDC_FIND_LIST && header->code == NM_DBLCLK) {
        acceptSelection(dialog);
        return TRUE;
    }
    if (header->idFrom == IDC_FIND_LIST && header->code == LVN_ITEMCHANGED) {
        showCustomaryMethod(dialog);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK findPlaceDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: SetWindowLongPtrA(dialog, DWLP_USER, lParam); return initialiseDialog(dialog);
        case WM_COMMAND: return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY: return onNotify(dialog, reinterpret_cast<const NMHDR*>(lParam));
        default: return FALSE;
    }
}

}  // namespace

void forgetPlaceList() {
    delete placeList;
    placeList = nullptr;
    loadResult = PlaceFileResult{placeFileMissing, 0};
}

bool runFindPlaceDialog(HWND owner, FoundPlace& found) {
    FoundPlace picked = found;
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), IDD_FIND_PLACE, owner,
                                           findPlaceDialogProc, reinterpret_cast<LPARAM>(&picked));
    if (result != IDOK) {
        return false;
    }
    found = picked;
    return true;
}
