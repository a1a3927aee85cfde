#include "calendar.h"

#include <cmath>

const int16_t gregorianMonthDays[14] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};

const char gregorianMonthNames[12][50] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};

const char weekdayAbbreviations[7][30] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

const char weekdayInitials[8] = "SMTWTFS";

double julianDay(int year, int month, double day) {
    int y = year;
    int m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    // The Gregorian correction is applied to every date (proleptic calendar).
    const int a = y / 100;
    const int b = 2 - a + a / 4;
    return std::trunc(365.25 * (y + 4716)) + std::trunc(30.6001 * (m + 1)) + day + b - 1524.5;
}

void julianDayToGregorian(double julianDayValue, int& year, int& month, int& day) {
    const int z = static_cast<int>(std::floor(julianDayValue + 0.5));
    const int alpha = static_cast<int>((z - 1867216.25) / 36524.25);
    const int a = z + 1 + alpha - alpha / 4;
    const int b = a + 1524;
    const int cy = static_cast<int>((b - 122.1) / 365.25);
    const int d = static_cast<int>(365.25 * cy);
    const int e = static_cast<int>((b - d) / 30.6001);
    day = b - d - static_cast<int>(std::floor(30.6001 * e));
    month = e < 14 ? e - 1 : e - 13;
    year = month > 2 ? cy - 4716 : cy - 4715;
}

int isLeapYear(int year) {
    return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 1 : 0;
}

void normalizeGregorianDate(int& year, int& month, int& day) {
    if (month <= 0) {
        month += 12;
        year -= 1;
    }
    if (day <= 0) {
        month -= 1;
        // A month that was already far out of range is not repaired; keep the table index valid.
        if (month >= 0 && month <= 13)
            day += gregorianMonthDays[month];
        if (month == 2)
            day += isLeapYear(year);
        if (month <= 0) {
            month += 12;
            year -= 1;
        }
    }
    if (month > 12) {
        month -= 12;
        year += 1;
    }
    if (month < 0 || month > 13)
        return;
    int length = gregorianMonthDays[month];
    if (month == 2)
        length += isLeapYear(year);
    if (day > length) {
        day -= length;
        month += 1;
        if (month == 2 && day > 28 + isLeapYear(year)) {
            day -= 28 + isLeapYear(year);
            month += 1;
        }
        if (month > 12) {
            month -= 12;
            year += 1;
        }
    }
}

int weekdayOfDayNumber(int dayNumber) {
    // Kept in 0-6 for day numbers before the epoch too, so it can always index a weekday table.
    const int weekday = (dayNumber + 1) % 7;
    return weekday < 0 ? weekday + 7 : weekday;
}
