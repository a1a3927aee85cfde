// The calculation settings dialog, opened from the calculation page: the method, the Asr school,
// the minutes added to each time, the zone name that daylight changes follow, and the night's
// Imsak minutes and end. OK stores the
// choices into Calculation (saved with the other settings when the main window closes); a value
// out of its range keeps the dialog open with a message naming the range.
#include "dialog_calculation_settings.h"

#include "app.h"
#include "calculation_settings.h"
#include "selvara_resource.h"
#include "settings_names.h"

#include <cstdio>
#include <cstring>

static const int adjustmentFieldChars = 8;
static const int methodDetailsSize = 128;

static const char badAdjustmentText[] =
    "The minutes added to a time must be a whole number from -120 to 120.";
static const char badImsakText[] = "The minutes of Imsak before Fajr must be a whole number from 0 to 60.";
static const char unknownZoneText[] =
    "Unknown time zone name. Choose one from the list, or leave the field empty.";

static bool sameIgnoringCase(const char* a, const char* b) {
    return lstrcmpiA(a, b) == 0;
}

static void showMethodDetails(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_METHOD);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    char details[methodDetailsSize] = "";
    if (index >= 0) {
        describeMethod(static_cast<int>(SendMessageA(list, CB_GETITEMDATA, index, 0)), details,
                       sizeof details);
    }
    SetDlgItemTextA(dialog, IDC_METHOD_DETAILS, details);
}

static void fillMethods(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_METHOD);
    for (int method = 0; method < methodNameCount(); ++method) {
        const char* name = methodNameAt(method);
        const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (index < 0) {
            continue;
        }
        SendMessageA(list, CB_SETITEMDATA, index, method);
        if (sameIgnoringCase(name, Calculation.methodName)) {
            SendMessageA(list, CB_SETCURSEL, index, 0);
        }
    }
    if (SendMessageA(list, CB_GETCURSEL, 0, 0) < 0) {
        SendMessageA(list, CB_SETCURSEL, 0, 0);
    }
    showMethodDetails(dialog);
}

static void fillZoneNames(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_ZONE_NAME);
    for (int zone = 0; zone < knownZoneCount(); ++zone) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(knownZoneAt(zone)));
    }
    SendMessageA(list, CB_LIMITTEXT, zoneNameSize - 1, 0);
    SetWindowTextA(list, Calculation.zoneName);
}

// The Hijri adjustments -2 ... +2, the list's item data being the days.
static void fillHijriAdjustments(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_HIJRI_ADJUSTMENT);
    for (int days = -mostHijriAdjustmentDays; days <= mostHijriAdjustmentDays; ++days) {
        char text[8];
        std::snprintf(text, sizeof text, days > 0 ? "+%d" : "%d", days);
        const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (index < 0) {
            continue;
        }
        SendMessageA(list, CB_SETITEMDATA, index, days);
        if (days == Calculation.hijriAdjustmentDays) {
            SendMessageA(list, CB_SETCURSEL, index, 0);
        }
    }
}

static int chosenHijriAdjustment(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_HIJRI_ADJUSTMENT);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index < 0 ? Calculation.hijriAdjustmentDays
                     : static_cast<int>(SendMessageA(list, CB_GETITEMDATA, index, 0));
}

static BOOL initialiseDialog(HWND dialog) {
    fillMethods(dialog);
    const bool hanafi = Calculation.asrShadowFactor == asrShadowHanafi;
    CheckRadioButton(dialog, IDC_ASR_STANDARD, IDC_ASR_HANAFI, hanafi ? IDC_ASR_HANAFI : IDC_ASR_STANDARD);
    for (int i = 0; i < adjustmentCount; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(Calculation.adjustmentsMinutes[i]));
        SendDlgItemMessageA(dialog, IDC_ADJUST_FIRST + i, EM_LIMITTEXT, adjustmentFieldChars, 0);
        SetDlgItemTextA(dialog, IDC_ADJUST_FIRST + i, text);
    }
    fillZoneNames(dialog);
    fillHijriAdjustments(dialog);
    char imsak[16];
    std::snprintf(imsak, sizeof imsak, "%d", static_cast<int>(Calculation.imsakMinutes));
    SendDlgItemMessageA(dialog, IDC_IMSAK_MINUTES, EM_LIMITTEXT, adjustmentFieldChars, 0);
    SetDlgItemTextA(dialog, IDC_IMSAK_MINUTES, imsak);
    CheckDlgButton(dialog, IDC_NIGHT_TO_SUNRISE,
                   Calculation.nightEnd == nightEndsAtSunrise ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

static void refuse(HWND dialog, int controlId, const char* message) {
    MessageBoxA(dialog, message, productCaption, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, controlId));
}

// Reads the fields; false (after telling the user) when one of them holds no valid value.
static bool readChoices(HWND dialog, CalculationSettings& choices) {
    for (int i = 0; i < adjustmentCount; ++i) {
        char text[adjustmentFieldChars + 1] = {};
        GetDlgItemTextA(dialog, IDC_ADJUST_FIRST + i, text, sizeof text);
        if (!adjustmentFromText(text, choices.adjustmentsMinutes[i])) {
            refuse(dialog, IDC_ADJUST_FIRST + i, badAdjustmentText);
            return false;
        }
    }
    char imsak[adjustmentFieldChars + 1] = {};
    GetDlgItemTextA(dialog, IDC_IMSAK_MINUTES, imsak, sizeof imsak);
    if (!imsakMinutesFromText(imsak, choices.imsakMinutes)) {
        refuse(dialog, IDC_IMSAK_MINUTES, badImsakText);
        return false;
    }
    const bool toSunrise = IsDlgButtonChecked(dialog, IDC_NIGHT_TO_SUNRISE) == BST_CHECKED;
    choices.nightEnd = toSunrise ? nightEndsAtSunrise : nightEndsAtFajr;
    char zone[zoneNameSize] = {};
    GetDlgItemTextA(dialog, IDC_ZONE_NAME, zone, sizeof zone);
    const char* known = knownZoneName(zone);
    if (zone[0] != '\0' && known == nullptr) {
        refuse(dialog, IDC_ZONE_NAME, unknownZoneText);
        return false;
    }
    std::snprintf(choices.zoneName, sizeof choices.zoneName, "%s", known != nullptr ? known : "");

    HWND methods = GetDlgItem(dialog, IDC_METHOD);
    const LRESULT index = SendMessageA(methods, CB_GETCURSEL, 0, 0);
    if (index >= 0) {
        const int method = static_cast<int>(SendMessageA(methods, CB_GETITEMDATA, index, 0));
        std::snprintf(choices.methodName, sizeof choices.methodName, "%s", methodNameAt(method));
    }
    const bool hanafi = IsDlgButtonChecked(dialog, IDC_ASR_HANAFI) == BST_CHECKED;
    choices.asrShadowFactor = hanafi ? asrShadowHanafi : asrShadowStandard;
    choices.hijriAdjustmentDays = chosenHijriAdjustment(dialog);
    return true;
}

static BOOL onCommand(HWND dialog, WORD commandId, WORD notification) {
    switch (commandId) {
        case IDOK: {
            CalculationSettings choices = Calculation;
            if (readChoices(dialog, choices)) {
                Calculation = choices;
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        case IDC_METHOD:
            if (notification == CBN_SELCHANGE) {
                showMethodDetails(dialog);
            }
            return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK calculationSettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return initialiseDialog(dialog);
        case WM_COMMAND: return onCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default: return FALSE;
    }
}

bool runCalculationSettingsDialog(HWND owner) {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), IDD_PT_METHOD, owner, calculationSettingsProc, 0);
    return result == IDOK;
}
