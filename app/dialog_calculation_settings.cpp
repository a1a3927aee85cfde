// The calculation settings dialog, opened from the calculation page: the method with its authority,
// the Asr school, the minutes added to each time, the high-latitude rule, the place's elevation (and
// whether every method takes it), the zone name that daylight changes follow, and the night's Imsak
// minutes and end. OK stores the
// choices into Calculation (saved with the other settings when the main window closes); a value
// out of its range keeps the dialog open with a message naming the range.
#include "dialog_calculation_settings.h"

#include "app.h"
#include "calculation_method.h"
#include "calculation_settings.h"
#include "selvara_resource.h"
#include "zone_rules.h"

#include <cstdio>
#include <cstring>

static const int adjustmentFieldChars = 8;
static const int elevationFieldChars = 8;
static const int methodDetailsSize = 128;

static const char badAdjustmentText[] =
    "The minutes added to a time must be a whole number from -120 to 120.";
static const char badElevationText[] = "The elevation must be a whole number of metres from -500 to 9000.";
static const char badImsakText[] = "The minutes of Imsak before Fajr must be a whole number from 0 to 60.";
static const char unknownZoneText[] =
    "Unknown time zone name. Choose one from the list, or leave the field empty.";

// The rules where the twilight does not end, the list's item data being the rule.
struct HighLatitudeChoice {
    HighLatitudeRule rule;
    const char* text;
};

static const HighLatitudeChoice highLatitudeChoices[] = {
    {HighLatitudeRule::methodDefault, "The method's own rule"},
    {HighLatitudeRule::middleOfNight, "Middle of the night"},
    {HighLatitudeRule::seventhOfNight, "One seventh of the night"},
    {HighLatitudeRule::twilightAngle, "Share of the twilight angle"},
    {HighLatitudeRule::none, "None: the time is left out"},
};

static int chosenMethodIndex(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_METHOD);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index < 0 ? -1 : static_cast<int>(SendMessageA(list, CB_GETITEMDATA, index, 0));
}

// The authority, the angles, and whether the method's authority takes the elevation itself.
static void showMethodDetails(HWND dialog) {
    const int method = chosenMethodIndex(dialog);
    char details[methodDetailsSize] = "";
    const char* authority = "";
    const char* elevationNote = "";
    if (method >= 0 && method < calculationMethodCount) {
        describeCalculationMethod(method, details, sizeof details);
        authority = calculationMethods[method].authority;
        elevationNote = method == defaultCalculationMethod
                            ? "The program's own method keeps its fixed horizon heights."
                        : calculationMethods[method].usesElevation
                            ? "This method's authority lowers sunrise and sunset for it."
                            : "This method takes it only with the box checked.";
    }
    SetDlgItemTextA(dialog, IDC_METHOD_AUTHORITY, authority);
    SetDlgItemTextA(dialog, IDC_METHOD_DETAILS, details);
    SetDlgItemTextA(dialog, IDC_ELEVATION_NOTE, elevationNote);
}

static void fillMethods(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_METHOD);
    for (int method = 0; method < calculationMethodCount; ++method) {
        const char* name = calculationMethods[method].name;
        const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (index < 0) {
            continue;
        }
        SendMessageA(list, CB_SETITEMDATA, index, method);
        if (method == Calculation.methodIndex) {
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
    for (int zone = 0; zone < timeZoneCount(); ++zone) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(timeZoneName(zone)));
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

static void fillHighLatitudeRules(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_HIGH_LATITUDE);
    for (const HighLatitudeChoice& choice : highLatitudeChoices) {
        const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text));
        if (index < 0) {
            continue;
        }
        SendMessageA(list, CB_SETITEMDATA, index, static_cast<LPARAM>(choice.rule));
        if (choice.rule == Calculation.highLatitudeRule) {
            SendMessageA(list, CB_SETCURSEL, index, 0);
        }
    }
}

static HighLatitudeRule chosenHighLatitudeRule(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_HIGH_LATITUDE);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    return index < 0 ? Calculation.highLatitudeRule
                     : static_cast<HighLatitudeRule>(SendMessageA(list, CB_GETITEMDATA, index, 0));
}

static void fillElevation(HWND dialog) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(Calculation.elevationM));
    SendDlgItemMessageA(dialog, IDC_ELEVATION, EM_LIMITTEXT, elevationFieldChars, 0);
    SetDlgItemTextA(dialog, IDC_ELEVATION, text);
    CheckDlgButton(dialog, IDC_USE_ELEVATION, Calculation.useElevation != 0 ? BST_CHECKED : BST_UNCHECKED);
}

static BOOL initialiseDialog(HWND dialog) {
    fillMethods(dialog);
    const bool hanafi = Calculation.asrShadowFactor == hanafiAsrShadowFactor;
    CheckRadioButton(dialog, IDC_ASR_STANDARD, IDC_ASR_HANAFI, hanafi ? IDC_ASR_HANAFI : IDC_ASR_STANDARD);
    for (int i = 0; i < prayerTimeCount; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", static_cast<int>(Calculation.adjustmentsMinutes[i]));
        SendDlgItemMessageA(dialog, IDC_ADJUST_FIRST + i, EM_LIMITTEXT, adjustmentFieldChars, 0);
        SetDlgItemTextA(dialog, IDC_ADJUST_FIRST + i, text);
    }
    fillHighLatitudeRules(dialog);
    fillElevation(dialog);
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
    for (int i = 0; i < prayerTimeCount; ++i) {
        char text[adjustmentFieldChars + 1] = {};
        GetDlgItemTextA(dialog, IDC_ADJUST_FIRST + i, text, sizeof text);
        if (!adjustmentFromText(text, choices.adjustmentsMinutes[i])) {
            refuse(dialog, IDC_ADJUST_FIRST + i, badAdjustmentText);
            return false;
        }
    }
    char elevation[elevationFieldChars + 1] = {};
    GetDlgItemTextA(dialog, IDC_ELEVATION, elevation, sizeof elevation);
    if (!elevationFromText(elevation, choices.elevationM)) {
        refuse(dialog, IDC_ELEVATION, badElevationText);
        return false;
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
    const int known = findTimeZone(zone);
    if (zone[0] != '\0' && known < 0) {
        refuse(dialog, IDC_ZONE_NAME, unknownZoneText);
        return false;
    }
    std::snprintf(choices.zoneName, sizeof choices.zoneName, "%s", known >= 0 ? timeZoneName(known) : "");

    const int method = chosenMethodIndex(dialog);
    if (method >= 0) {
        choices.methodIndex = method;
    }
    const bool hanafi = IsDlgButtonChecked(dialog, IDC_ASR_HANAFI) == BST_CHECKED;
    choices.asrShadowFactor = hanafi ? hanafiAsrShadowFactor : standardAsrShadowFactor;
    choices.hijriAdjustmentDays = chosenHijriAdjustment(dialog);
    choices.highLatitudeRule = chosenHighLatitudeRule(dialog);
    choices.useElevation = IsDlgButtonChecked(dialog, IDC_USE_ELEVATION) == BST_CHECKED ? 1 : 0;
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
