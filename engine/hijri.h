// The tabulated Hijri calendar: the Umm al-Qura calendar of the Hijri years 1318-1500 (30 April
// 1900 to 16 November 2077), one table word per year over a mean-lunation first guess. A Hijri
// adjustment of -2..2 days moves the table against the Gregorian days for local moon sighting.
#pragma once

#include <cstdint>

struct HijriDate {
    int32_t year;   // 1318-1500 for the table-backed operations
    int32_t month;  // 1-12, 1 = "MuHarram"
    int32_t day;    // 1-30
};

constexpr int firstTableHijriYear = 1318;
constexpr int lastTableHijriYear = 1500;

// One word per Hijri year 1318-1500 (engine/hijri_table.cpp, generated): bit (m - 1) set means
// month m has 30 days; the word divided by 4096 is the start correction k (3 to 5) of the year's
// first day.
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
// returns false with the nearest covered date: 1 MuHarram 1318 before, 30 Thw al-Hijjah 1500
// after; the weekday is always the Gregorian date's own.
bool gregorianToHijri(int gregorianYear, int gregorianMonth, int gregorianDay, int& hijriYear,
                      int& hijriMonth, int& hijriDay, int& weekday);

// trunc(a - q b) with q = trunc(a / b), taken one lower when negative.
int floorRemainder(double a, double b);

// The Gregorian days the table covers, as day numbers.
constexpr int firstTableDayNumber = 2415140;  // 30 April 1900, 1 MuHarram 1318
constexpr int lastTableDayNumber = 2479989;   // 16 November 2077, 30 Thw al-Hijjah 1500

// The Hijri adjustment in days: the Hijri date shown for a Gregorian day g is the table's date
// of g + N, so -1 means months that begin a day later than the table's.
constexpr int lowestHijriAdjustmentDays = -2;
constexpr int highestHijriAdjustmentDays = 2;

// The adjustment brought into -2..2.
int clampHijriAdjustment(int adjustmentDays);

// gregorianToHijri of the day `adjustmentDays` (clamped to -2..2) after the given one: true when
// that day is in the table. The weekday is the given date's own.
bool adjustedGregorianToHijri(int gregorianYear, int gregorianMonth, int gregorianDay, int adjustmentDays,
                              int& hijriYear, int& hijriMonth, int& hijriDay, int& weekday);
