// The calendar page: twelve owner-drawn month cells with fixed pixel geometry, in the shared font
// and colours of the main window, for the current Hijri or Gregorian year or one the user moves to.
#include "page_calendar.h"

#include "app.h"
#include "calculation_settings.h"
#include "local_clock.h"
#include "selvara_resource.h"

#include <cstdio>
#include <cstring>

int calendarMode = hijriCalendarMode;
GregorianDate todayGregorian;
HijriDate todayHijri;
bool todayHijriKnown;
int gregorianMonthStart[13];
int hijriAdjustmentDays;
int shownDayNumber;
GregorianDate shownGregorian;
HijriDate shownHijri;
bool shownHijriKnown;
int shownGregorianMonthStart[13];

// Cell geometry in pixels of the cell's client area.
static const int headerHeightPx = 17;
static const int columnWidthPx = 18;
static const int gridColumnLines = 6;  // x = 18 ... 108
static const int gridRowStepPx = 15;
static const int gridRowLines = 6;  // y = 15 ... 90
static const int headLettersY = 2;
static const int headLetterX = 6;
static const int wednesdayHeadX = 58;  // the fourth letter sits two pixels left of its column
static const int dayRows = 6;
static const int dayRowHeightPx = 12;
static const int dayRowOffsetPx = 6;
// A day number is centred on this x in its column: each digit moves its left edge half a digit's
// width (two pixels) to the left.
static const int dayNumberCentreXPx = 7;
static const int halfDigitWidthPx = 2;
static const int daysPerWeek = 7;

static const int monthsPerYear = 12;
static const char unknownHijriYear[] = "----";
// The Gregorian years the page moves through: the calendar's own years that fit the year field.
static const int firstBrowsedGregorianYear = 1583;
static const int lastBrowsedGregorianYear = 9999;

static int gregorianLength(int month) {
    return gregorianMonthLength(todayGregorian.year, month);
}

static int dayNumberOf(int year, int month, int day) {
    return static_cast<int>(julianDay(year, month, day + 0.5));
}

void computeMonthStarts(int todayWeekday) {
    int weekday = weekdayAfter(todayWeekday, -(todayGregorian.day - 1));
    for (int m = todayGregorian.month - 1; m >= 1; --m) {
        weekday = weekdayAfter(weekday, -gregorianLength(m));
    }
    gregorianMonthStart[1] = weekday;
    for (int j = 1; j < monthsPerYear; ++j) {
        weekday = weekdayAfter(weekday, gregorianLength(j));
        gregorianMonthStart[j + 1] = weekday;
    }
}

// Month starts of the shown Gregorian year: today's year keeps the ones counted from the clock's
// weekday, any other year takes them from the day numbers.
static void computeShownMonthStarts() {
    for (int m = 1; m <= monthsPerYear; ++m) {
        shownGregorianMonthStart[m] = shownGregorian.year == todayGregorian.year
                                          ? gregorianMonthStart[m]
                                          : weekdayOfDayNumber(dayNumberOf(shownGregorian.year, m, 1));
    }
}

void showDay(int dayNumber) {
    shownDayNumber = dayNumber;
    julianDayToGregorian(dayNumber, shownGregorian.year, shownGregorian.month, shownGregorian.day);
    int weekday;
    shownHijriKnown = adjustedGregorianToHijri(shownGregorian.year, shownGregorian.month, shownGregorian.day,
                                               hijriAdjustmentDays, shownHijri.year, shownHijri.month,
                                               shownHijri.day, weekday);
    computeShownMonthStarts();
}

// The same Hijri month and day one year on or back (the day cut to the month's length); false at
// the ends of the table or when the shown day has no Hijri date.
static bool stepHijriYear(int years) {
    const int year = shownHijri.year + years;
    if (!shownHijriKnown || year < firstTableHijriYear || year > lastTableHijriYear) {
        return false;
    }
    const int length = hijriMonthLength(year, shownHijri.month);
    const int day = shownHijri.day < length ? shownHijri.day : length;
    showDay(static_cast<int>(hijriToDayNumber(year, shownHijri.month, day)) - hijriAdjustmentDays);
    return true;
}

// The same Gregorian month and day one year on or back (29 February becomes the 28th).
static bool stepGregorianYear(int years) {
    const int year = shownGregorian.year + years;
    if (year < firstBrowsedGregorianYear || year > lastBrowsedGregorianYear) {
        return false;
    }
    const int length = gregorianMonthLength(year, shownGregorian.month);
    const int day = shownGregorian.day < length ? shownGregorian.day : length;
    showDay(dayNumberOf(year, shownGregorian.month, day));
    return true;
}

bool stepShownYear(int years) {
    return calendarMode == hijriCalendarMode ? stepHijriYear(years) : stepGregorianYear(years);
}

void refreshCalendar(HWND page, bool initialising) {
    CheckRadioButton(page, IDC_CALENDAR_GREGORIAN, IDC_CALENDAR_HIJRI, IDC_CALENDAR_GREGORIAN + calendarMode);
    for (int m = 1; m <= monthsPerYear; ++m) {
        const char* name =
            calendarMode == hijriCalendarMode ? hijriMonthNames[m - 1] : gregorianMonthNames[m - 1];
        SetDlgItemTextA(page, IDC_MONTH_TITLE_FIRST + m - 1, name);
    }
    char year[16];
    if (shownHijriKnown) {
        std::snprintf(year, sizeof year, "%d", shownHijri.year);
    } else {
        std::snprintf(year, sizeof year, "%s", unknownHijriYear);
    }
    SetDlgItemTextA(page, IDC_HIJRI_YEAR, year);
    std::snprintf(year, sizeof year, "%d", shownGregorian.year);
    SetDlgItemTextA(page, IDC_GREGORIAN_YEAR, year);
    if (!initialising) {
        for (int i = 0; i < monthsPerYear; ++i) {
            drawMonthCell(GetDlgItem(page, IDC_MONTH_CELL_FIRST + i), nullptr, i + 1);
        }
    }
}

void drawLine(HDC dc, int x, int y, int dx, int dy, COLORREF colour, int widthPx) {
    HPEN pen = CreatePen(PS_SOLID, widthPx, colour);
    if (pen == nullptr) {
        return;
    }
    HGDIOBJ previousPen = SelectObject(dc, pen);
    const int previousMix = SetROP2(dc, R2_COPYPEN);
    MoveToEx(dc, x, y, nullptr);
    LineTo(dc, x + dx, y + dy);
    SetROP2(dc, previousMix);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

// The days of month m of the shown year in the mode shown, and the weekday of its first day. An
// adjusted Hijri month begins N days before the table's, where N is the adjustment.
static void monthFacts(int month, int& days, int& firstWeekday) {
    if (calendarMode == hijriCalendarMode) {
        // Outside the table the month has no length: header and grid, no numbers.
        days = shownHijriKnown ? hijriMonthLength(shownHijri.year, month) : 0;
        firstWeekday =
            days > 0 ? weekdayOfDayNumber(static_cast<int>(hijriToDayNumber(shownHijri.year, month, 1)) -
                                          hijriAdjustmentDays)
                     : 0;
    } else {
        days = gregorianMonthLength(shownGregorian.year, month);
        firstWeekday = shownGregorianMonthStart[month];
    }
}

// Today is marked only in today's year.
static bool isTodaysMonth(int month) {
    if (calendarMode == hijriCalendarMode) {
        return todayHijriKnown && shownHijriKnown && shownHijri.year == todayHijri.year &&
               todayHijri.month == month;
    }
    return shownGregorian.year == todayGregorian.year && todayGregorian.month == month;
}

static bool isToday(int month, int day) {
    if (calendarMode == hijriCalendarMode) {
        return isTodaysMonth(month) && todayHijri.day == day;
    }
    return isTodaysMonth(month) && todayGregorian.day == day;
}

// Header strip in today's-month or other-month colour, the body in the light colour and the grid.
static void drawCellBackground(HDC dc, int month, int widthPx, int heightPx) {
    const RECT header = {0, 0, widthPx, headerHeightPx};
    FillRect(dc, &header, isTodaysMonth(month) ? currentMonthBrush : otherMonthBrush);
    const RECT body = {0, headerHeightPx, widthPx, heightPx};
    FillRect(dc, &body, lightBrush);

    for (int i = 1; i <= gridColumnLines; ++i) {
        drawLine(dc, columnWidthPx * i, 0, 0, heightPx, menuColour, 1);
    }
    for (int i = 1; i <= gridRowLines; ++i) {
        drawLine(dc, 0, gridRowStepPx * i, widthPx, 0, menuColour, 1);
    }
}

static void drawWeekdayHeads(HDC dc) {
    SetTextColor(dc, highlightColour);
    for (int i = 0; i < 7; ++i) {
        const int x = i == 3 ? wednesdayHeadX : headLetterX + columnWidthPx * i;
        TextOutA(dc, x, headLettersY, &weekdayInitials[i], 1);
    }
}

// Day numbers row by row from the first day's column; today's in the today colour.
static void drawDayNumbers(HDC dc, int month, int days, int firstWeekday) {
    SetTextColor(dc, darkShadowColour);
    int day = 1;
    for (int row = 1; row <= dayRows && day <= days; ++row) {
        for (int column = row == 1 ? firstWeekday : 0; column < daysPerWeek && day <= days; ++column) {
            char number[8];
            const int length = std::snprintf(number, sizeof number, "%d", day);
            const bool today = isToday(month, day);
            if (today) {
                SetTextColor(dc, todayColour);
            }
            TextOutA(dc, columnWidthPx * column + dayNumberCentreXPx - halfDigitWidthPx * length,
                     dayRowHeightPx * row + dayRowOffsetPx,
                     number, length);
            if (today) {
                SetTextColor(dc, darkShadowColour);
            }
            ++day;
        }
    }
}

void drawMonthCell(HWND cell, HDC dc, int month) {
    if (month < 1 || month > monthsPerYear) {
        return;
    }
    HDC ownDc = nullptr;
    if (dc == nullptr) {
        ownDc = GetDC(cell);
        if (ownDc == nullptr) {
            return;
        }
        dc = ownDc;
    }
    RECT client;
    GetClientRect(cell, &client);
    int days;
    int firstWeekday;
    monthFacts(month, days, firstWeekday);
    drawCellBackground(dc, month, client.right, client.bottom);

    HGDIOBJ previousFont = SelectObject(dc, smallFont);
    const int previousBkMode = SetBkMode(dc, TRANSPARENT);
    drawWeekdayHeads(dc);
    drawDayNumbers(dc, month, days, firstWeekday);
    SetBkMode(dc, previousBkMode);
    SelectObject(dc, previousFont);
    if (ownDc != nullptr) {
        ReleaseDC(cell, ownDc);
    }
}

static void initialise(HWND page) {
    placePage(page);
    SYSTEMTIME now;
    readLocalTime(&now);
    todayGregorian.year = now.wYear;
    todayGregorian.month = now.wMonth;
    todayGregorian.day = now.wDay;
    computeMonthStarts(now.wDayOfWeek);
    normalizeGregorianDate(todayGregorian.year, todayGregorian.month, todayGregorian.day);
    hijriAdjustmentDays = clampHijriAdjustment(Calculation.hijriAdjustmentDays);
    int weekday;
    todayHijriKnown = adjustedGregorianToHijri(todayGregorian.year, todayGregorian.month, todayGregorian.day,
                                               hijriAdjustmentDays, todayHijri.year, todayHijri.month,
                                               todayHijri.day, weekday);
    showDay(dayNumberOf(todayGregorian.year, todayGregorian.month, todayGregorian.day));
    refreshCalendar(page, true);
}

INT_PTR CALLBACK calendarPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: initialise(page); return TRUE;
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            drawMonthCell(item->hwndItem, item->hDC,
                          static_cast<int>(item->CtlID) - IDC_MONTH_CELL_FIRST + 1);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_CALENDAR_GREGORIAN:
                    calendarMode = gregorianCalendarMode;
                    refreshCalendar(page, false);
                    return TRUE;
                case IDC_CALENDAR_HIJRI:
                    calendarMode = hijriCalendarMode;
                    refreshCalendar(page, false);
                    return TRUE;
                case IDC_CALENDAR_PREVIOUS_YEAR:
                case IDC_CALENDAR_NEXT_YEAR:
                    if (stepShownYear(LOWORD(wParam) == IDC_CALENDAR_NEXT_YEAR ? 1 : -1)) {
                        refreshCalendar(page, false);
                    }
                    return TRUE;
                case IDC_CALENDAR_THIS_YEAR:
                    showDay(dayNumberOf(todayGregorian.year, todayGregorian.month, todayGregorian.day));
                    refreshCalendar(page, false);
                    return TRUE;
                case IDCANCEL:
                    calendarMode = IsDlgButtonChecked(page, IDC_CALENDAR_HIJRI) == BST_CHECKED
                                       ? hijriCalendarMode
                                       : gregorianCalendarMode;
                    return TRUE;
                default: return FALSE;
            }
        case WM_CLOSE: PostMessageA(page, WM_COMMAND, IDCANCEL, 0); return TRUE;
        default: return FALSE;
    }
}
