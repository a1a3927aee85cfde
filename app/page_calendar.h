// The calendar page: the twelve months of the current Hijri or Gregorian year as small grids.
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

// Weekday of the first of every month of todayGregorian's year, counted back and forth from
// today's weekday.
void computeMonthStarts(int todayWeekday);

// Radio button, month titles and the two years; redraws the cells unless initialising.
void refreshCalendar(HWND page, bool initialising);

// Draws the cell of month 1-12 into dc, or into the cell's own device context when dc is NULL.
void drawMonthCell(HWND cell, HDC dc, int month);

// A solid line from (x, y) to (x + dx, y + dy); nothing when the pen cannot be made.
void drawLine(HDC dc, int x, int y, int dx, int dy, COLORREF colour, int widthPx);

INT_PTR CALLBACK calendarPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
