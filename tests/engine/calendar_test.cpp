#include "calendar.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Date {
    int year;
    int month;
    int day;
};

Date normalized(int year, int month, int day) {
    normalizeGregorianDate(year, month, day);
    return {year, month, day};
}

void expectDate(const Date& actual, int year, int month, int day) {
    EXPECT_EQ(actual.year, year);
    EXPECT_EQ(actual.month, month);
    EXPECT_EQ(actual.day, day);
}

// Day number of 1970-01-01, the epoch of daysFromCivil.
constexpr int unixEpochDayNumber = 2440588;

TEST(Calendar, NormalizeCarriesIntoNeighbouringMonths) {
    expectDate(normalized(2024, 2, 30), 2024, 3, 1);
    expectDate(normalized(2023, 2, 29), 2023, 3, 1);
    expectDate(normalized(2024, 3, 0), 2024, 2, 29);
    expectDate(normalized(2023, 3, 0), 2023, 2, 28);
    expectDate(normalized(2024, 1, 0), 2023, 12, 31);
    expectDate(normalized(2023, 12, 32), 2024, 1, 1);
    expectDate(normalized(2024, 0, 15), 2023, 12, 15);
    expectDate(normalized(2024, 13, 1), 2025, 1, 1);
    expectDate(normalized(2024, 6, 15), 2024, 6, 15);
    // One step may carry through a short February into March.
    expectDate(normalized(2023, 1, 61), 2023, 3, 2);
}

TEST(Calendar, LeapYearRule) {
    EXPECT_EQ(isLeapYear(2000), 1);
    EXPECT_EQ(isLeapYear(1900), 0);
    EXPECT_EQ(isLeapYear(2024), 1);
    EXPECT_EQ(isLeapYear(2023), 0);
    EXPECT_EQ(isLeapYear(2100), 0);
    EXPECT_EQ(isLeapYear(2400), 1);
}

TEST(Calendar, JulianDayReferencePoints) {
    EXPECT_DOUBLE_EQ(julianDay(2000, 1, 1.5), 2451545.0);
    EXPECT_DOUBLE_EQ(julianDay(2000, 1, 1.0), 2451544.5);
    EXPECT_DOUBLE_EQ(julianDay(1999, 4, 17.5), 2451286.0);
    EXPECT_DOUBLE_EQ(julianDay(2029, 5, 13.5), 2462270.0);
    // Proleptic Gregorian: the correction applies before 1582 too.
    EXPECT_DOUBLE_EQ(julianDay(1582, 10, 15.5), 2299161.0);
    EXPECT_DOUBLE_EQ(julianDay(1582, 10, 4.5), 2299150.0);
    EXPECT_EQ(daysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(daysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(daysFromCivil(1969, 12, 31), -1);

    int year;
    int month;
    int day;
    julianDayToGregorian(2451545.0, year, month, day);
    expectDate({year, month, day}, 2000, 1, 1);
    julianDayToGregorian(2451544.5, year, month, day);  // the fraction is dropped
    expectDate({year, month, day}, 2000, 1, 1);
}

TEST(Calendar, WeekdaysFromDayNumbers) {
    EXPECT_EQ(weekdayOfDayNumber(2451545), 6);                                     // 1 January 2000, Saturday
    EXPECT_EQ(weekdayOfDayNumber(static_cast<int>(julianDay(2026, 1, 1.5))), 4);   // Thursday
    EXPECT_EQ(weekdayOfDayNumber(static_cast<int>(julianDay(2024, 3, 11.5))), 1);  // Monday
    EXPECT_EQ(weekdayOfDayNumber(-1), 0);  // stays in 0-6 before the epoch
    EXPECT_EQ(weekdayOfCivilDays(0), 4);   // 1 January 1970, Thursday
    EXPECT_EQ(weekdayOfCivilDays(-1), 3);  // 31 December 1969, Wednesday
    EXPECT_EQ(weekdayAfter(0, -1), 6);
    EXPECT_EQ(weekdayAfter(6, 15), 0);
    EXPECT_EQ(weekdayAfter(3, -365), 2);
}

// Days on which clocks changed, as the governments published them: the second Sunday of March
// and the first of November (United States), the last Sunday of March and of October (European
// Union), a fifth Sunday that falls back to the fourth.
TEST(Calendar, NthWeekdayOfMonth) {
    const struct {
        int year;
        int month;
        int weekday;
        int occurrence;
        int day;
    } rows[] = {
        {2026, 3, 0, 2, 8},  {2026, 11, 0, 1, 1}, {2026, 3, 0, 5, 29},  {2026, 10, 0, 5, 25},
        {2024, 3, 0, 5, 31}, {2024, 2, 0, 5, 25}, {2025, 10, 0, 5, 26}, {2007, 3, 0, 2, 11},
    };
    for (const auto& row : rows)
        EXPECT_EQ(nthWeekdayOfMonth(row.year, row.month, row.weekday, row.occurrence), row.day)
            << row.year << "-" << row.month;
}

// Every day from 1600 to 2400: day numbers go up by one per day, convert back to the same date,
// walk through the months as normalizeGregorianDate carries them, and the weekday cycles. The
// day counts from 1970 (another algorithm) agree with the day numbers both ways.
TEST(Calendar, EveryDayOfEightCenturiesRoundTrips) {
    int year = 1600;
    int month = 1;
    int day = 1;
    int expectedDayNumber = static_cast<int>(julianDay(1600, 1, 1.5));
    int expectedWeekday = weekdayOfDayNumber(expectedDayNumber);
    int failures = 0;
    while (year < 2400 && failures < 10) {
        const double dayNumber = julianDay(year, month, day + 0.5);
        int y;
        int m;
        int d;
        julianDayToGregorian(dayNumber, y, m, d);
        int64_t civilYear;
        int civilMonth;
        int civilDay;
        civilFromDays(expectedDayNumber - unixEpochDayNumber, civilYear, civilMonth, civilDay);
        if (dayNumber != expectedDayNumber || y != year || m != month || d != day ||
            weekdayOfDayNumber(static_cast<int>(dayNumber)) != expectedWeekday ||
            weekdayOfDate(year, month, day) != expectedWeekday ||
            daysFromCivil(year, month, day) != expectedDayNumber - unixEpochDayNumber ||
            weekdayOfCivilDays(expectedDayNumber - unixEpochDayNumber) != expectedWeekday ||
            civilYear != year || civilMonth != month || civilDay != day) {
            ADD_FAILURE() << year << "-" << month << "-" << day;
            ++failures;
        }
        ASSERT_LE(day, gregorianMonthLength(year, month));
        ++expectedDayNumber;
        expectedWeekday = (expectedWeekday + 1) % 7;
        const int monthBefore = month;
        const int lastDay = day;
        day += 1;
        normalizeGregorianDate(year, month, day);
        if (month != monthBefore) {
            EXPECT_EQ(lastDay, gregorianMonthLength(year - (monthBefore == 12 ? 1 : 0), monthBefore));
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(Calendar, CivilDaysRoundTripOverTenThousandYears) {
    for (int64_t days = -800000; days <= 3000000; days += 997) {
        int64_t year;
        int month;
        int day;
        civilFromDays(days, year, month, day);
        EXPECT_EQ(daysFromCivil(year, month, day), days);
    }
}

TEST(Calendar, VocabularyTables) {
    EXPECT_STREQ(gregorianMonthNames[0], "January");
    EXPECT_STREQ(gregorianMonthNames[8], "September");
    EXPECT_STREQ(gregorianMonthNames[11], "December");
    EXPECT_STREQ(weekdayAbbreviations[0], "Sun");
    EXPECT_STREQ(weekdayAbbreviations[6], "Sat");
    EXPECT_STREQ(weekdayInitials, "SMTWTFS");
    const int16_t expected[14] = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};
    EXPECT_EQ(std::memcmp(gregorianMonthDays, expected, sizeof expected), 0);
}

}  // namespace
