#include "hijri.h"

#include "calendar.h"

#include <cmath>

const int32_t hijriYearTable[lastTableHijriYear - firstTableHijriYear + 1] = {
    0x4BD2, 0x4BC4, 0x4B89, 0x4A95, 0x352D, 0x35AD, 0x3B6A, 0x46D4,  // 1420-1427
    0x4DC9, 0x4D92, 0x4AA6, 0x4956, 0x32AE, 0x356D, 0x336A, 0x3B55,  // 1428-1435
    0x4AAA, 0x394D, 0x349D, 0x395D, 0x32BA, 0x35B5, 0x45AA, 0x3D55,  // 1436-1443
    0x4A9A, 0x392E, 0x326E, 0x355D, 0x3ADA, 0x46D4, 0x46A5,          // 1444-1450
};

const char hijriMonthNames[12][50] = {
    "MuHarram", "Safar",    "Raby` al-awal", "Raby` al-THaany", "Jumaada al-awal", "Jumaada al-THaany",
    "Rajab",    "SHa`baan", "RamaDHaan",     "SHawwal",         "Thw al-Qi`dah",   "Thw al-Hijjah",
};

namespace {

constexpr double hijriEpochDayNumber = 1948439.0;
constexpr double meanHijriYearDays = 354.367068;
constexpr double meanLunationDays = 29.530589;

// Outside the table: no start correction and months alternating 30 and 29 days.
constexpr int32_t arithmeticYearWord = 0x3555;
constexpr int monthsPerYear = 12;

// Day numbers beyond these are taken at the nearest one, so that the year stays an int.
constexpr double mostDayNumber = 2147483647.0;

bool isTableYear(int year) {
    return year >= firstTableHijriYear && year <= lastTableHijriYear;
}

int32_t yearWord(int year) {
    return isTableYear(year) ? hijriYearTable[year - firstTableHijriYear] : arithmeticYearWord;
}

int lengthFromWord(int32_t word, int month) {
    return (word >> (month - 1)) & 1 ? 30 : 29;
}

}  // namespace

int hijriMonthLength(int year, int month) {
    if (!isTableYear(year) || month < 1 || month > monthsPerYear)
        return 0;
    return lengthFromWord(yearWord(year), month);
}

double meanHijriDayNumber(int year, int month, int day) {
    // In double from the start: year - 1 and month - 1 would overflow at the low end of int.
    return hijriEpochDayNumber + (static_cast<double>(year) - 1.0) * meanHijriYearDays +
           (static_cast<double>(month) - 1.0) * meanLunationDays + day - 1;
}

double hijriToDayNumber(int year, int month, int day) {
    const int32_t word = yearWord(year);
    const int startCorrection = word / 4096;
    double dayNumber = std::trunc(meanHijriDayNumber(year, 1, 1)) + startCorrection - 3;
    for (int i = 1; i < month && i <= monthsPerYear; ++i)
        dayNumber += lengthFromWord(word, i);
    return dayNumber + day - 1;
}

int floorRemainder(double a, double b) {
    const double quotient = std::trunc(a / b);
    if (!(std::fabs(quotient) < mostDayNumber)) {
        // A quotient beyond int (or not a number): the remainder itself, bounded; 0 for none.
        const double remainder = std::trunc(std::fmod(a, b));
        if (!(std::fabs(remainder) < mostDayNumber))
            return 0;
        return static_cast<int>(remainder);
    }
    int q = static_cast<int>(quotient);
    if (q < 0)
        q -= 1;
    const double result = a - q * b;
    return std::fabs(result) < mostDayNumber ? static_cast<int>(result) : 0;
}

void meanHijriDate(double dayNumber, int& year, int& month, int& day) {
    // Not a number counts as the epoch; beyond the int day numbers, the nearest end is taken.
    if (!(dayNumber >= -mostDayNumber))
        dayNumber = dayNumber < 0.0 ? -mostDayNumber : hijriEpochDayNumber;
    if (dayNumber > mostDayNumber)
        dayNumber = mostDayNumber;
    const double x = dayNumber - hijriEpochDayNumber;
    const int r = floorRemainder(x, meanHijriYearDays);
    year = static_cast<int>((x - r) / meanHijriYearDays + 1);
    month = static_cast<int>(r / meanLunationDays + 1);
    day = floorRemainder(r + 0.5, meanLunationDays) + 1;
    if (day > 30) {
        day -= 30;
        month += 1;
    }
    if (month > 12) {
        month -= 12;
        year += 1;
    }
}

void hijriMonthStart(int hijriYear, int hijriMonth, int& gregorianYear, int& gregorianMonth,
                     int& gregorianDay, int& weekday) {
    if (hijriYear < firstTableHijriYear)
        hijriYear = firstTableHijriYear;
    if (hijriYear > lastTableHijriYear)
        hijriYear = lastTableHijriYear;
    if (hijriMonth <= 0)
        hijriMonth = 12;
    if (hijriMonth > 12)
        hijriMonth = 1;
    const double dayNumber = hijriToDayNumber(hijriYear, hijriMonth, 1);
    julianDayToGregorian(dayNumber, gregorianYear, gregorianMonth, gregorianDay);
    weekday = weekdayOfDayNumber(static_cast<int>(dayNumber));
}

bool gregorianToHijri(int gregorianYear, int gregorianMonth, int gregorianDay, int& hijriYear,
                      int& hijriMonth, int& hijriDay, int& weekday) {
    const double dayNumber = julianDay(gregorianYear, gregorianMonth, gregorianDay + 0.5);
    // fmod keeps the sign as % would, and takes day numbers of any size.
    weekday = static_cast<int>(
        std::fmod(std::trunc(julianDay(gregorianYear, gregorianMonth, gregorianDay) + 2.0), 7.0));
    if (weekday < 0)
        weekday += 7;

    // The table gives no month lengths outside its years: answer with the nearest covered day
    // instead of counting months that have no length.
    if (dayNumber < firstTableDayNumber) {
        hijriYear = firstTableHijriYear;
        hijriMonth = 1;
        hijriDay = 1;
        return false;
    }
    if (dayNumber > lastTableDayNumber) {
        hijriYear = lastTableHijriYear;
        hijriMonth = 12;
        hijriDay = hijriMonthLength(lastTableHijriYear, 12);
        return false;
    }

    int y;
    int m;
    int d;
    meanHijriDate(dayNumber, y, m, d);
    d += static_cast<int>(std::trunc(dayNumber - hijriToDayNumber(y, m, d)));
    // Within the table the guess is never more than a month off; the bound only keeps a broken
    // guess from looping.
    for (int guard = 0; d > 30 && guard < 24; ++guard) {
        const int length = hijriMonthLength(y, m);
        if (length == 0)
            break;
        d -= length;
        m += 1;
        if (m > 12) {
            m = 1;
            y += 1;
        }
    }
    if (d == 30) {
        int nextYear = y;
        int nextMonth = m + 1;
        if (nextMonth > 12) {
            nextMonth = 1;
            nextYear += 1;
        }
        int startYear;
        int startMonth;
        int startDay;
        int startWeekday;
        hijriMonthStart(nextYear, nextMonth, startYear, startMonth, startDay, startWeekday);
        if (startDay == gregorianDay) {
            y = nextYear;
            m = nextMonth;
            d = 1;
        }
    }
    hijriYear = y;
    hijriMonth = m;
    hijriDay = d;
    return true;
}
