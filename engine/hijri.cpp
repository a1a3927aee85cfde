#include "hijri.h"

#include "calendar.h"

#include <cmath>

const char hijriMonthNames[12][50] = {
    "MuHarram", "Safar",    "Raby` al-awal", "Raby` al-THaany", "Jumaada al-awal", "Jumaada al-THaany",
    "Rajab",    "SHa`baan", "RamaDHaan",     "SHawwal",         "Thw al-Qi`dah",   "Thw al-Hijjah",
};

namespace {

constexpr double hijriEpochDayNumber = 1948439.0;
constexpr double meanHijriYearDays = 354.367068;
constexpr double meanLunationDays = 29.530589;

// A year's word holds its start correction k (3 to 5) from this bit up: the word divided by it.
constexpr int32_t startCorrectionUnit = 4096;  // 1 << 12, above the twelve month bits
// The correction k counts days after the mean year's first day less three: k = 3 starts the year
// on the truncated mean day number itself.
constexpr int startCorrectionOrigin = 3;

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
    const int startCorrection = word / startCorrectionUnit;
    double dayNumber = std::trunc(meanHijriDayNumber(year, 1, 1)) + startCorrection - startCorrectionOrigin;
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

namespace {

// The nearest covered day for a day number outside the table (NaN counts as before it): false
// when the day is covered and nothing was set.
bool nearestCoveredDate(double dayNumber, int& year, int& month, int& day) {
    if (!(dayNumber >= firstTableDayNumber)) {
        year = firstTableHijriYear;
        month = 1;
        day = 1;
        return true;
    }
    if (dayNumber > lastTableDayNumber) {
        year = lastTableHijriYear;
        month = monthsPerYear;
        day = hijriMonthLength(lastTableHijriYear, monthsPerYear);
        return true;
    }
    return false;
}

// The table year holding a covered day: the mean calendar's year, which is never more than a
// year off, moved to the year whose first day is the last one not after the day.
int tableYearOf(double dayNumber) {
    int year;
    int month;
    int day;
    meanHijriDate(dayNumber, year, month, day);
    year = year < firstTableHijriYear  ? firstTableHijriYear
           : year > lastTableHijriYear ? lastTableHijriYear
                                       : year;
    for (int step = 0; step < 2 && year > firstTableHijriYear && dayNumber < hijriToDayNumber(year, 1, 1);
         ++step)
        --year;
    for (int step = 0; step < 2 && year < lastTableHijriYear && dayNumber >= hijriToDayNumber(year + 1, 1, 1);
         ++step)
        ++year;
    return year;
}

// Month and day of a covered day within its table year, counting the year's month lengths.
void monthAndDayInYear(int year, double dayNumber, int& month, int& day) {
    int daysIntoYear = static_cast<int>(dayNumber - hijriToDayNumber(year, 1, 1));
    month = 1;
    while (month < monthsPerYear && daysIntoYear >= hijriMonthLength(year, month)) {
        daysIntoYear -= hijriMonthLength(year, month);
        ++month;
    }
    day = daysIntoYear + 1;
}

// The table's date of a day number; false with the nearest covered date outside the table.
bool tableDateOf(double dayNumber, int& year, int& month, int& day) {
    // The table gives no month lengths outside its years: answer with the nearest covered day
    // instead of counting months that have no length.
    if (nearestCoveredDate(dayNumber, year, month, day))
        return false;
    year = tableYearOf(dayNumber);
    monthAndDayInYear(year, dayNumber, month, day);
    return true;
}

}  // namespace

bool gregorianToHijri(int gregorianYear, int gregorianMonth, int gregorianDay, int& hijriYear,
                      int& hijriMonth, int& hijriDay, int& weekday) {
    weekday = weekdayOfDate(gregorianYear, gregorianMonth, gregorianDay);
    return tableDateOf(julianDay(gregorianYear, gregorianMonth, gregorianDay + 0.5), hijriYear, hijriMonth,
                       hijriDay);
}

int clampHijriAdjustment(int adjustmentDays) {
    if (adjustmentDays < lowestHijriAdjustmentDays)
        return lowestHijriAdjustmentDays;
    return adjustmentDays > highestHijriAdjustmentDays ? highestHijriAdjustmentDays : adjustmentDays;
}

bool adjustedGregorianToHijri(int gregorianYear, int gregorianMonth, int gregorianDay, int adjustmentDays,
                              int& hijriYear, int& hijriMonth, int& hijriDay, int& weekday) {
    weekday = weekdayOfDate(gregorianYear, gregorianMonth, gregorianDay);
    const double dayNumber =
        julianDay(gregorianYear, gregorianMonth, gregorianDay + 0.5) + clampHijriAdjustment(adjustmentDays);
    return tableDateOf(dayNumber, hijriYear, hijriMonth, hijriDay);
}
