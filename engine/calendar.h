// Gregorian calendar arithmetic, the one place for it: day numbers (Julian days) and day counts
// from 1970, the leap-year rule and month lengths, carrying a day or month that ran out of range
// into the neighbouring month, and weekdays. Also the Gregorian vocabulary shared by the
// timetable, the console tool and the calendar page.
#pragma once

#include <cstdint>

struct GregorianDate {
    int32_t year;   // proleptic Gregorian, no switch to the Julian calendar
    int32_t month;  // 1-12
    int32_t day;    // 1-31
};

// Month lengths; index 0 is December of the year before, 1-12 January to December, 13 January
// of the year after. February is stored as 28: callers add isLeapYear themselves.
extern const int16_t gregorianMonthDays[14];

// Name tables, indexed by month - 1 and by weekday (0 = Sunday). Slot widths are part of the
// contract with the pages that copy them into controls.
extern const char gregorianMonthNames[12][50];
extern const char weekdayAbbreviations[7][30];
extern const char weekdayInitials[8];  // "SMTWTFS", the heads of the calendar grid

// Julian day of the given date; `day` carries the fraction of the day, so day d + 0.5 gives the
// whole-valued day number of date d (julianDay(2000, 1, 1.5) == 2451545.0).
double julianDay(int year, int month, double day);

// The Gregorian date of a Julian day; the fraction of the day is dropped. Days before day 0
// (24 November 4714 BC) and not a number give that day; days past 2147483647 give that one.
void julianDayToGregorian(double julianDayValue, int& year, int& month, int& day);

// 1 for a leap year of the Gregorian calendar, 0 otherwise.
int isLeapYear(int64_t year);

// Days in month 1-12 of a year: 29 for February of a leap year.
int gregorianMonthLength(int64_t year, int month);

// Days from 1970-01-01 to a proleptic Gregorian date (month 1-12), and back. Exact integer
// arithmetic, for years up to about 2^54 either way.
int64_t daysFromCivil(int64_t year, int month, int day);
void civilFromDays(int64_t days, int64_t& year, int& month, int& day);

// Carries a day that ran out of its month into the neighbouring month (at most about one month
// either way; callers move a date by one day at a time) and a month of 0 or 13 into the
// neighbouring year.
void normalizeGregorianDate(int& year, int& month, int& day);

// Weekday of a day number, 0 = Sunday ... 6 = Saturday (2451545, 1 January 2000, is 6).
int weekdayOfDayNumber(int dayNumber);

// Weekday of a count of days from 1970-01-01 (a Thursday), 0 = Sunday ... 6 = Saturday.
int weekdayOfCivilDays(int64_t days);

// Weekday of a Gregorian date of any int year, 0 = Sunday ... 6 = Saturday.
int weekdayOfDate(int year, int month, int day);

// The weekday `days` days after (before, when negative) a weekday 0-6.
int weekdayAfter(int weekday, int days);

// Day of the month (1-31) of the occurrence-th (1-5) given weekday (0-6) in month 1-12 of a year;
// 5 means the last such weekday, which is the fourth in a month that has only four.
int nthWeekdayOfMonth(int64_t year, int month, int weekday, int occurrence);
