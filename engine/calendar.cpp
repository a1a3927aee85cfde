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

int isLeapYear(int64_t year) {
    return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 1 : 0;
}

int gregorianMonthLength(int64_t year, int month) {
    return gregorianMonthDays[month] + (month == 2 ? isLeapYear(year) : 0);
}

// Howard Hinnant, "chrono-Compatible Low-Level Date Algorithms" (2013), days_from_civil and
// civil_from_days: years counted from March, so that the leap day ends the year, in 400-year eras
// of 146097 days; 719468 is the day count from 0000-03-01 to 1970-01-01.
int64_t daysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(int64_t days, int64_t& year, int& month, int& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
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

int weekdayOfCivilDays(int64_t days) {
    constexpr int thursday = 4;  // 1970-01-01
    return static_cast<int>(((days % 7) + 7 + thursday) % 7);
}

int weekdayOfDate(int year, int month, int day) {
    // A day number beyond int (a year far outside the calendar's use) is reduced by fmod, which
    // takes the remainder as % would, without the conversion to int.
    const double dayNumber = julianDay(year, month, day + 0.5);
    if (std::fabs(dayNumber) < lastConvertedDayNumber)
        return weekdayOfDayNumber(static_cast<int>(dayNumber));
    return weekdayOfDayNumber(static_cast<int>(std::fmod(dayNumber, 7.0)));
}

int weekdayAfter(int weekday, int days) {
    const int stepped = (weekday + days % 7) % 7;
    return stepped < 0 ? stepped + 7 : stepped;
}

int nthWeekdayOfMonth(int64_t year, int month, int weekday, int occurrence) {
    const int firstWeekday = weekdayOfCivilDays(daysFromCivil(year, month, 1));
    int day = 1 + (weekday - firstWeekday + 7) % 7 + 7 * (occurrence - 1);
    const int length = gregorianMonthLength(year, month);
    while (day > length)
        day -= 7;  // the fifth is the last when the month has only four
    return day;
}
