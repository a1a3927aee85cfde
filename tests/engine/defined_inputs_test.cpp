// Every public engine and calendar function returns for any int and any double, NaN and the
// infinities included, with no overflow on the way (the sanitizers of the native build stop at
// one). Where a result is defined, it is checked against dates counted outside the code: the day
// numbers of proleptic Gregorian dates by the civil-from-days algorithm over 400-year cycles.
#include "calendar.h"
#include "hijri.h"
#include "prayer_times.h"
#include "timetable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

struct Date {
    int year;
    int month;
    int day;
};

bool operator==(const Date& a, const Date& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

std::ostream& operator<<(std::ostream& out, const Date& date) {
    return out << date.year << "-" << date.month << "-" << date.day;
}

TEST(DefinedInputs, JulianDayAtTheEndsOfIntIsNearTheCountedDay) {
    // Day numbers of 31 December 2147483647 and 1 January -2147483648, counted in 400-year cycles
    // of 146,097 days from 2000-01-01 (day 2451545); julianDay gives the midnight before them.
    // The series' truncations may be off by a few days for negative years.
    EXPECT_NEAR(julianDay(INT_MAX, 12, 31.0), 784354017363.5, 3.0);
    EXPECT_NEAR(julianDay(INT_MIN, 1, 1.0), -784350575245.5, 3.0);
    for (const Date& odd : {Date{2000, INT_MIN, 1}, Date{2000, INT_MAX, 1}, Date{INT_MIN, INT_MIN, INT_MIN},
                            Date{INT_MAX, INT_MAX, INT_MAX}}) {
        EXPECT_TRUE(std::isfinite(julianDay(odd.year, odd.month, odd.day))) << odd;
    }
    EXPECT_TRUE(std::isnan(julianDay(2000, 1, notANumber)));
}

TEST(DefinedInputs, DayNumbersBeyondIntAndNotANumberGiveStatedDates) {
    struct Case {
        double julianDayValue;
        Date expected;
    };
    const Case cases[] = {
        {notANumber, {-4713, 11, 24}},  // day 0: the Julian period's first day, 24 Nov 4714 BC
        {infinity, {5874898, 6, 3}},    // day 2147483647, the last an int holds
        {1e300, {5874898, 6, 3}},
        {2147483646.5, {5874898, 6, 3}},
    };
    for (const Case& c : cases) {
        Date date{};
        julianDayToGregorian(c.julianDayValue, date.year, date.month, date.day);
        EXPECT_EQ(date, c.expected) << c.julianDayValue;
    }
    // Before day 0 the conversion would give months outside 1-12: day 0 is the earliest date given.
    for (double early : {-0.6, -1e6, -infinity}) {
        Date date{};
        julianDayToGregorian(early, date.year, date.month, date.day);
        EXPECT_EQ(date, (Date{-4713, 11, 24})) << early;
    }
}

TEST(DefinedInputs, WeekdaysAndCarriedDatesAtTheEndsOfInt) {
    // (n + 1) mod 7 with day 2451545 a Saturday (6), counted without overflow.
    EXPECT_EQ(weekdayOfDayNumber(INT_MAX), 2);
    EXPECT_EQ(weekdayOfDayNumber(INT_MIN), 6);
    // A year that cannot move on stays where it is; month and day are still carried.
    Date late{INT_MAX, 12, 32};
    normalizeGregorianDate(late.year, late.month, late.day);
    EXPECT_EQ(late, (Date{INT_MAX, 1, 1}));
    Date early{INT_MIN, 1, 0};
    normalizeGregorianDate(early.year, early.month, early.day);
    EXPECT_EQ(early, (Date{INT_MIN, 12, 31}));
    Date before{INT_MIN, 0, 5};
    normalizeGregorianDate(before.year, before.month, before.day);
    EXPECT_EQ(before, (Date{INT_MIN, 12, 5}));
}

TEST(DefinedInputs, HijriFunctionsTakeAnyNumber) {
    int year = 0, month = 0, day = 0, weekday = -1;
    EXPECT_FALSE(gregorianToHijri(INT_MAX, 12, 31, year, month, day, weekday));
    EXPECT_EQ(weekday, 2);  // 31 December 2147483647, counted as above, is a Tuesday
    EXPECT_FALSE(gregorianToHijri(INT_MIN, INT_MIN, INT_MIN, year, month, day, weekday));
    EXPECT_GE(weekday, 0);
    EXPECT_LE(weekday, 6);

    // The mean Hijri date of a day number that is not a number is the calendar's epoch.
    meanHijriDate(notANumber, year, month, day);
    EXPECT_EQ((Date{year, month, day}), (Date{1, 1, 1}));
    meanHijriDate(infinity, year, month, day);
    EXPECT_GT(year, 6000000);  // (2147483647 - 1948439) / 354.367068 + 1
    meanHijriDate(-1e300, year, month, day);
    EXPECT_LT(year, -6000000);

    // The remainder of a huge quotient is fmod's; none at all for a zero or NaN divisor.
    EXPECT_EQ(floorRemainder(1e300, 7.0), 1);
    EXPECT_EQ(floorRemainder(-1e300, 354.367068), -258);
    EXPECT_EQ(floorRemainder(1.0, 0.0), 0);
    EXPECT_EQ(floorRemainder(notANumber, 2.0), 0);
    EXPECT_EQ(floorRemainder(5.0, infinity), 0);  // a zero quotient: 5 - 0 x inf is no number

    EXPECT_TRUE(std::isfinite(meanHijriDayNumber(INT_MIN, INT_MIN, INT_MIN)));
    EXPECT_TRUE(std::isfinite(hijriToDayNumber(INT_MIN, INT_MAX, INT_MIN)));
    int gy, gm, gd;
    hijriMonthStart(INT_MIN, INT_MIN, gy, gm, gd, weekday);
    EXPECT_GE(weekday, 0);
}

TEST(DefinedInputs, KeplerStopsForAnEccentricityOutsideTheOrbit) {
    // Newton's method need not converge for |e| >= 1: the solver still returns.
    const double cases[][2] = {{1e10, 5.0}, {0.5, 1.0}, {2.0, -3.0}, {notANumber, 0.0167}, {1.0, infinity}};
    for (const auto& c : cases)
        solveKepler(c[0], c[1]);
    // Zones, years and days far outside any calendar give such eccentricities inside sunTimes.
    sunTimes(2026, 12, 8, 0.27, 0.79, 3e9);
    sunTimes(300000, 1, 1, 0.27, 0.79, 1.0);
    sunTimes(2026, 1, 2000000000, 0.27, 0.79, 1.0);
    PrayerParameters wild = timetableParameters(notANumber, infinity, -infinity);
    computePrayerTimes(INT_MAX, INT_MIN, INT_MAX, wild);
    dawnFraction(INT_MIN, INT_MAX, INT_MIN, wild);
}

TEST(DefinedInputs, TimetablesAtTheEndsOfIntAreWritten) {
    const Date starts[] = {{INT_MAX, 12, INT_MAX}, {INT_MIN, 1, INT_MIN}, {INT_MAX, 12, 31}, {INT_MIN, 1, 1}};
    for (const Date& start : starts) {
        std::FILE* file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        TimetableRequest request;
        request.year = start.year;
        request.month = start.month;
        request.firstDay = start.day;
        request.dayCount = 3;
        writeTimetableRequestTo(file, request);
        std::rewind(file);
        int lines = 0;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
            lines += c == '\n' ? 1 : 0;
        std::fclose(file);
        EXPECT_EQ(lines, 5 + 3) << start;
    }
}

}  // namespace
