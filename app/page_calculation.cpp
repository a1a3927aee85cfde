// The calculation page: the place, the month and the year; writes the month's timetable. Under the
// zone it shows the direction of the Kaaba with a compass, and today's night times, both following
// the coordinate fields as they are typed.
#include "app.h"
#include "calculation_settings.h"
#include "customary_method.h"
#include "dialog_calculation_settings.h"
#include "dialog_find_place.h"
#include "dialog_reminders.h"
#include "local_clock.h"
#include "qibla_compass.h"
#include "selvara_resource.h"
#include "settings.h"
#include "timetable.h"
#include "timetable_choice.h"

#include <commctrl.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

static const int monthCount = 12;
static const int yearChoiceCount = 20;      // this year and the 19 following
static const int shownCoordinateChars = 5;  // "45.49", "-33.8", "120.1"
static const int coordinateFieldChars = 9;  // characters read back from a coordinate field
static const int townFieldChars = 99;       // characters read back from the town field
static const int timetableTabIndex = 1;

// Today's date, taken when the page is created.
static SYSTEMTIME today;

// True while the page itself writes the coordinate fields: only the user's own edits there forget
// the zone name of a town taken from the list.
static bool fillingFields = false;

// True while Calculation.zoneName and elevationM are those of the town last taken from the list in
// this run (a zone or elevation confirmed in the settings dialog is the user's own and stays when
// coordinates are typed).
static bool zoneNameFromList = false;

static void addListItem(HWND list, int number, LPARAM itemData) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (index >= 0) {
        SendMessageA(list, CB_SETITEMDATA, index, itemData);
    }
}

// A coordinate as its first five characters of "%f".
static void showCoordinate(HWND page, int controlId, double degrees) {
    char text[shownCoordinateChars + 1];
    std::snprintf(text, sizeof text, "%f", degrees);
    SetDlgItemTextA(page, controlId, text);
}

// A coordinate of a town taken from the list, with the list's four decimals ("-23.5475").
static void showPlaceCoordinate(HWND page, int controlId, double degrees) {
    char text[coordinateFieldChars + 1];
    std::snprintf(text, sizeof text, "%.4f", degrees);
    SetDlgItemTextA(page, controlId, text);
}

// The coordinates as the page has always shown them; with a zone name (a town from the list, or a
// zone chosen in the settings) with four decimals, so that Create computes the same place again.
static void showCoordinates(HWND page) {
    fillingFields = true;
    if (Calculation.zoneName[0] != '\0') {
        showPlaceCoordinate(page, IDC_LATITUDE, Settings.latitude);
        showPlaceCoordinate(page, IDC_LONGITUDE, Settings.longitude);
    } else {
        showCoordinate(page, IDC_LATITUDE, Settings.latitude);
        showCoordinate(page, IDC_LONGITUDE, Settings.longitude);
    }
    fillingFields = false;
}

// Whole hours as "%d"; a zone with minutes as "5:30".
static void showTimeZone(HWND page) {
    char text[16];
    formatZoneField(Settings, Calculation, text, sizeof text);
    SetDlgItemTextA(page, IDC_TIME_ZONE, text);
}

// The direction the compass shows: the one of the coordinate fields as they stand.
static Qibla shownQibla = {qiblaBearing, 0.0, 0.0};

static double readCoordinate(HWND page, int controlId);

// The Qibla line and the compass for the coordinate fields; a field that is not a number counts as
// 0, as "Create Praying Times" reads it.
static void showQibla(HWND page) {
    shownQibla = qiblaFrom(readCoordinate(page, IDC_LATITUDE), readCoordinate(page, IDC_LONGITUDE));
    char text[96];
    formatQiblaLine(shownQibla, text, sizeof text);
    SetDlgItemTextA(page, IDC_QIBLA_TEXT, text);
    InvalidateRect(GetDlgItem(page, IDC_QIBLA_COMPASS), nullptr, TRUE);
}

// Today's Imsak and the night after today's sunset, for the coordinate fields and the zone and
// choices as stored.
static void showNightTimes(HWND page) {
    const NightTimes night = chosenNightTimes(readCoordinate(page, IDC_LATITUDE),
                                              readCoordinate(page, IDC_LONGITUDE), today.wYear, today.wMonth,
                                              today.wDay);
    char imsak[clockTimeBufferSize];
    char midnight[clockTimeBufferSize];
    char lastThird[clockTimeBufferSize];
    formatClockTime(imsak, sizeof imsak, hoursOfClockDay(night.imsak));
    formatClockTime(midnight, sizeof midnight, hoursOfClockDay(night.midnight));
    formatClockTime(lastThird, sizeof lastThird, hoursOfClockDay(night.lastThird));
    char text[160];
    std::snprintf(text, sizeof text, "Today: Imsak %s.  Tonight: middle %s, last third from %s", imsak, midnight,
                  lastThird);
    SetDlgItemTextA(page, IDC_NIGHT_TEXT, text);
}

// One line under the zone saying what the calculation settings dialog holds.
static void showMethodSummary(HWND page) {
    bool adjusted = false;
    for (int32_t minutes : Calculation.adjustmentsMinutes) {
        adjusted = adjusted || minutes != 0;
    }
    char elevation[32] = "";
    if (Calculation.elevationM != 0) {
        std::snprintf(elevation, sizeof elevation, ";  %d m", static_cast<int>(Calculation.elevationM));
    }
    char text[160];
    std::snprintf(text, sizeof text, "Method: %s;  Asr: %s%s%s%s%s", methodNameOf(Calculation),
                  asrSchoolOfFactor(Calculation.asrShadowFactor).title, adjusted ? ";  minutes added" : "",
                  elevation, Calculation.zoneName[0] != '\0' ? ";  zone " : "", Calculation.zoneName);
    SetDlgItemTextA(page, IDC_METHOD_SUMMARY, text);
}

static BOOL initialisePage(HWND page) {
    placePage(page);
    readLocalTime(&today);

    HWND months = GetDlgItem(page, IDC_MONTH);
    for (int month = 1; month <= monthCount; ++month) {
        addListItem(months, month, month - 1);
    }
    SendMessageA(months, CB_SETCURSEL, today.wMonth - 1, 0);

    HWND years = GetDlgItem(page, IDC_YEAR);
    for (int offset = 0; offset < yearChoiceCount; ++offset) {
        addListItem(years, today.wYear + offset, offset);
    }
    SendMessageA(years, CB_SETCURSEL, 0, 0);

    CheckDlgButton(page, IDC_DAYLIGHT, Settings.daylightChanges != 0 ? BST_CHECKED : BST_UNCHECKED);
    showCoordinates(page);
    showTimeZone(page);
    SetDlgItemTextA(page, IDC_TOWN, Settings.townName);
    showMethodSummary(page);
    showQibla(page);
    showNightTimes(page);
    return TRUE;
}

static void takeZoneFromSystem(HWND page) {
    TIME_ZONE_INFORMATION information;
    const DWORD timeZoneId = readTimeZoneInformation(&information);
    if (timeZoneId == TIME_ZONE_ID_INVALID) {
        MessageBoxA(page, "Can get time zone", productCaption, MB_OK | MB_ICONERROR);
        return;
    }
    // With daylight changes on, the timetable adds daylight time itself: the zone is the standard
    // one. Without, it is the offset the clock keeps now.
    const bool standardOnly = IsDlgButtonChecked(page, IDC_DAYLIGHT) == BST_CHECKED;
    const int zoneMinutes = zoneMinutesFromTimeZone(timeZoneId, information, standardOnly);
    if (zoneMinutes >= westmostZoneMinutes && zoneMinutes <= eastmostZoneMinutes) {
        storeZoneMinutes(zoneMinutes, Settings, Calculation);
    } else {
        Settings.timeZone = zoneHoursFromTimeZone(timeZoneId, information);
        Calculation.zoneMinutes = noZoneMinutes;
    }
    showTimeZone(page);
    showNightTimes(page);
}

// "Find...": the town picked in the list fills latitude, longitude, town name and the zone's
// standard offset, and its zone name is kept so that daylight changes follow that zone's rules; its
// elevation goes into the calculation settings, and, when the dialog's box stays checked, its
// country's usual method and Asr school too. The box's state is kept for the next time. Cancel
// changes nothing.
static void takePlaceFromList(HWND page) {
    FoundPlace found = {};
    found.takeCustomaryMethod = Calculation.takeCustomaryMethod != 0;
    if (!runFindPlaceDialog(page, found)) {
        return;
    }
    Calculation.elevationM = found.elevationM;
    Calculation.takeCustomaryMethod = found.takeCustomaryMethod ? 1 : 0;
    if (found.takeCustomaryMethod) {
        const CustomaryMethod& custom = customaryMethodForTown(found.countryCode, found.townName);
        const int method = findCalculationMethod(custom.methodName);
        Calculation.methodIndex = method >= 0 ? method : defaultCalculationMethod;
        Calculation.asrShadowFactor = custom.asrShadowFactor;
    }
    Settings.latitude = found.latitudeDeg;
    Settings.longitude = found.longitudeDeg;
    lstrcpynA(Settings.townName, found.townName, sizeof Settings.townName);
    lstrcpynA(Calculation.zoneName, found.zoneName, sizeof Calculation.zoneName);
    zoneNameFromList = true;
    storeZoneMinutes(found.standardOffsetMinutes, Settings, Calculation);
    showCoordinates(page);
    SetDlgItemTextA(page, IDC_TOWN, Settings.townName);
    showTimeZone(page);
    showMethodSummary(page);
    showQibla(page);
    showNightTimes(page);
}

// A coordinate typed by hand is another place: the zone name and the elevation taken with the town
// no longer hold (the elevation goes back to the sea's level).
static void forgetZoneName(HWND page) {
    if (fillingFields || !zoneNameFromList) {
        return;
    }
    zoneNameFromList = false;
    Calculation.zoneName[0] = '\0';
    Calculation.elevationM = 0;
    showMethodSummary(page);
}

static double readCoordinate(HWND page, int controlId) {
    char text[coordinateFieldChars + 1] = {};
    GetDlgItemTextA(page, controlId, text, sizeof text);
    return std::strtod(text, nullptr);
}

// A zone field that is not a zone with minutes, as a whole number: text that is not a number gives
// 0, and a number beyond the range of the field is held at its nearest end.
static int wholeZoneHours(const char* text) {
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// The zone field into Settings.timeZone and Calculation.zoneMinutes. A zone with minutes ("5:30",
// "5.5", "-3:30") keeps them; anything else is read as a whole number as it always was.
static void readTimeZone(HWND page) {
    char text[32] = {};
    GetDlgItemTextA(page, IDC_TIME_ZONE, text, sizeof text);
    int zoneMinutes = 0;
    if (zoneFieldMinutes(text, zoneMinutes)) {
        storeZoneMinutes(zoneMinutes, Settings, Calculation);
        return;
    }
    Calculation.zoneMinutes = noZoneMinutes;
    Settings.timeZone = wholeZoneHours(text);
}

static LPARAM selectedItemData(HWND page, int controlId) {
    HWND list = GetDlgItem(page, controlId);
    const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
    if (index < 0) {
        return 0;
    }
    return SendMessageA(list, CB_GETITEMDATA, index, 0);
}

static void createPrayingTimes(HWND page) {
    Settings.latitude = readCoordinate(page, IDC_LATITUDE);
    Settings.longitude = readCoordinate(page, IDC_LONGITUDE);
    readTimeZone(page);
    GetDlgItemTextA(page, IDC_TOWN, Settings.townName, townFieldChars + 1);
    Settings.daylightChanges = IsDlgButtonChecked(page, IDC_DAYLIGHT) == BST_CHECKED ? 1 : 0;

    const int month = static_cast<int>(selectedItemData(page, IDC_MONTH)) + 1;
    const int year = today.wYear + static_cast<int>(selectedItemData(page, IDC_YEAR));

    if (!writeChosenTimetable(timetablePath, year, month, today.wDay)) {
        char file[pathBufferSize + 32];
        describeTimetablePath(file, sizeof file);
        char message[sizeof file + 32];
        std::snprintf(message, sizeof message, "Can not open file: %s", file);
        MessageBoxA(page, message, productCaption, MB_OK | MB_ICONERROR);
        return;
    }

    // Bring the timetable forward. This destroys this page: nothing of it is touched afterwards.
    SendMessageA(GetDlgItem(mainWindow, IDC_TABS), TCM_SETCURSEL, timetableTabIndex, 0);
    showSelectedPage(mainWindow);
}

static BOOL onCommand(HWND page, WORD commandId, WORD notification) {
    switch (commandId) {
        case IDC_LATITUDE:
        case IDC_LONGITUDE:
            if (notification == EN_CHANGE) {
                forgetZoneName(page);
                showQibla(page);
                showNightTimes(page);
            }
            return FALSE;
        case IDC_FIND_PLACE: takePlaceFromList(page); return TRUE;
        case IDC_GET_ZONE: takeZoneFromSystem(page); return TRUE;
        case IDC_REMINDERS: runRemindersDialog(page); return TRUE;
        case IDC_CREATE: createPrayingTimes(page); return TRUE;
        case IDC_CALCULATION_SETTINGS:
            if (runCalculationSettingsDialog(page)) {
                zoneNameFromList = false;  // the zone name is now the one the dialog confirmed
            }
            showMethodSummary(page);
            showNightTimes(page);
            return TRUE;
        case IDCANCEL: return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK calculationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: return initialisePage(page);
        case WM_COMMAND: return onCommand(page, LOWORD(wParam), HIWORD(wParam));
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != IDC_QIBLA_COMPASS) {
                return FALSE;
            }
            drawQiblaCompass(item->hDC, item->rcItem, shownQibla);
            return TRUE;
        }
        case WM_CLOSE: PostMessageA(page, WM_COMMAND, IDCANCEL, 0); return TRUE;
        default: return FALSE;
    }
}
