// The tabulated Hijri calendar of the Hijri years 1420-1450 (17 April 1999 to 13 May 2029):
// a mean-lunation first guess corrected by one table word per year.
#pragma once

#include <cstdint>

struct HijriDate {
    int32_t year;   // 1420-1450 for the table-backed operations
    int32_t month;  // 1-12, 1 = "MuHarram"
    int32_t day;    // 1-30
};

constexpr int firstTableHijriYear = 1420;
constexpr int lastTableHijriYear = 1450;

// One word per Hijri year 1420-1450: bit (m - 1) set means month m has 30 days; the word divided
// by 4096 is the start correction k (3 or 4) of the year's first day.
extern const int32_t hijriYearTable[lastTableHijriYear - firstTableHijriYear + 1];

extern const char hijriMonthNames[12][50];

// 29 or 30, or 0 for a year outside the table.
int hijriMonthLength(int year, int month);

// Mean day number of a Hijri date from the mean year and the mean lunation.
double meanHijriDayNumber(int year, int month, int day);

// Day number of a Hijri date from the table. Outside the table (no word for the year) the mean
// start and months alternating 30 and 29 days are used, so the result is defined but approximate.
double hijriToDayNumber(int year, int month, int day);

// Mean-lunation Hijri date of a day number: the first guess that the table corrects.
void meanHijriDate(double dayNumber, int& year, int& month, int& day);

// Gregorian first day and weekday of a Hijri month. The year is clamped to the table; a month
// below 1 becomes 12 and one above 12 becomes 1.
void hijriMonthStart(int hijriYear, int hijriMonth, int& gregorianYear, int& gregorianMonth,
                     int& gregorianDay, int& weekday);

// Hijri date and weekday of a Gregorian date. Returns true inside the table's range. Outside it
// returns false with the nearest covered date: 1 MuHarram 1420 before, 29 Thw al-Hijjah 1450
// after; the weekday is always the Gregorian date's own.
bool gregorianToHijri(int gregorianYear, int gregorianMonth, int gregorianDay, int& hijriYear,
                      int& hijriMonth, int& hijriDay, int& weekday);

// trunc(a - q b) with q = trunc(a / b), taken one lower when negative.
int floorRemainder(double a, double b);

// The Gregorian days the table covers, as day numbers.
constexpr int firstTableDayNumber = 2451286;  // 17 April 1999, 1 MuHarram 1420
constexpr int lastTableDayNumber = 2462270;   // 13 May 2029, 29 Thw al-Hijjah 1450
