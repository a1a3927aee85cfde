// The calendar page: the twelve months of the current Hijri or Gregorian year as small grids, and
// the years before and after it.
#pragma once

#include <windows.h>

#include "calendar.h"
#include "hijri.h"

enum CalendarMode {
    gregorianCalendarMode = 0,
    hijriCalendarMode = 1
};

// The mode shown; outlives the page, Hijri when the program starts. Not saved.
extern int calendarMode;

// Filled each time the page initialises.
extern GregorianDate todayGregorian;
extern HijriDate todayHijri;
extern bool todayHijriKnown;         // false when today lies outside the Hijri table
extern int gregorianMonthStart[13];  // index 1-12: weekday of the first of each month
extern int hijriAdjustmentDays;      // -2..2, the calculation settings' when the page opened

// The year shown: the years of one day (today when the page opens) that the previous and next
// buttons move by a year of the mode shown.
extern int shownDayNumber;
extern GregorianDate shownGregorian;
extern HijriDate shownHijri;
extern bool shownHijriKnown;              // false when the shown day lies outside the Hijri table
extern int shownGregorianMonthStart[13];  // index 1-12, for shownGregorian's year

// Makes the day the shown one and fills the shown years and month starts.
void showDay(int dayNumber);

// Moves the shown day by whole years of the mode shown (Hijri years in Hijri mode); false, with
// nothing changed, past the Hijri table or the Gregorian years 1583-9999.
bool stepShownYear(int years);

// Weekday of the first of every month of todayGregorian's year, counted back and forth from
// today's weekday.
void computeMonthStarts(int todayWeekday);

// Radio button, month titles and the two shown years; redraws the cells unless initialising.
void refreshCalendar(HWND page, bool initialising);

// Draws the cell of month 1-12 into dc, or into the cell's own device context when dc is NULL.
void drawMonthCell(HWND cell, HDC dc, int month);

// A solid line from (x, y) to (x + dx, y + dy); nothing when the pen cannot be made.
void drawLine(HDC dc, int x, int y, int dx, int dy, COLORREF colour, int widthPx);

INT_PTR CALLBACK calendarPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
