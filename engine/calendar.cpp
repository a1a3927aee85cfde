#include "calendar.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// The day numbers julianDayToGregorian takes: from day 0 (24 November 4714 BC, the first day of
// the Julian period; the conversion gives no month of 1-12 much before it) to the last an int holds.
constexpr double firstConvertedDayNumber = 0.0;
constexpr double lastConvertedDayNumber = 2147483647.0;

// A year moved by one, held at the ends of int instead of overflowing.
int stepYear(int year, int step) {
    if (step < 0)
        return year == INT_MIN ? year : year - 1;
    return year == INT_MAX ? year : year + 1;
}

}  // namespace

const int16_t gregorianMonthDays[14] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};

const char gregorianMonthNames[12][50] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};

const char weekdayAbbreviations[7][30] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

const char weekdayInitials[8] = "SMTWTFS";

double julianDay(int year, int month, double day) {
    // 64-bit, so that no year or month of int overflows on the way.
    int64_t y = year;
    int64_t m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    // The Gregorian correction is applied to every date (proleptic calendar).
    const int64_t a = y / 100;
    const int64_t b = 2 - a + a / 4;
    return std::trunc(365.25 * static_cast<double>(y + 4716)) +
           std::trunc(30.6001 * static_cast<double>(m + 1)) + day + static_cast<double>(b) - 1524.5;
}

void julianDayToGregorian(double julianDayValue, int& year, int& month, int& day) {
    // Not a number and days before day 0 count as day 0; days past the last int as that day.
    double dayNumber = julianDayValue + 0.5;
    if (!(dayNumber >= firstConvertedDayNumber))
        dayNumber = firstConvertedDayNumber;
    if (dayNumber > lastConvertedDayNumber)
        dayNumber = lastConvertedDayNumber;
    const int64_t z = static_cast<int64_t>(std::floor(dayNumber));
    const int64_t alpha = static_cast<int64_t>((static_cast<double>(z) - 1867216.25) / 36524.25);
    const int64_t a = z + 1 + alpha - alpha / 4;
    const int64_t b = a + 1524;
    const int64_t cy = static_cast<int64_t>((static_cast<double>(b) - 122.1) / 365.25);
    const int64_t d = static_cast<int64_t>(365.25 * static_cast<double>(cy));
    const int64_t e = static_cast<int64_t>(static_cast<double>(b - d) / 30.6001);
    day = static_cast<int>(b - d - static_cast<int64_t>(std::floor(30.6001 * static_cast<double>(e))));
    month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    year = static_cast<int>(month > 2 ? cy - 4716 : cy - 4715);
}

int isLeapYear(int year) {
    return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 1 : 0;
}

void normalizeGregorianDate(int& year, int& month, int& day) {
    if (month <= 0) {
        month += 12;
        year = stepYear(year, -1);
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
            year = stepYear(year, -1);
        }
    }
    if (month > 12) {
        month -= 12;
        year = stepYear(year, 1);
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
            year = stepYear(year, 1);
        }
    }
}

int weekdayOfDayNumber(int dayNumber) {
    // Kept in 0-6 for day numbers before the epoch too, so it can always index a weekday table.
    const int weekday = static_cast<int>((int64_t{dayNumber} + 1) % 7);
    return weekday < 0 ? weekday + 7 : weekday;
}
