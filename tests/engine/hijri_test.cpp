#include "calendar.h"
#include "hijri.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Hijri {
    int year;
    int month;
    int day;
    int weekday;
    bool inTable;
};

Hijri toHijri(int year, int month, int day) {
    Hijri h{};
    h.inTable = gregorianToHijri(year, month, day, h.year, h.month, h.day, h.weekday);
    return h;
}

TEST(Hijri, WorkedExamples) {
    EXPECT_DOUBLE_EQ(hijriToDayNumber(1420, 1, 1), 2451286.0);
    EXPECT_DOUBLE_EQ(hijriToDayNumber(1450, 1, 1), 2461917.0);
    EXPECT_EQ(weekdayOfDayNumber(2451286), 6);  // Saturday
    EXPECT_EQ(weekdayOfDayNumber(2461917), 4);  // Thursday

    Hijri h = toHijri(1999, 4, 17);
    EXPECT_TRUE(h.inTable);
    EXPECT_EQ(h.year, 1420);
    EXPECT_EQ(h.month, 1);
    EXPECT_EQ(h.day, 1);
    EXPECT_EQ(h.weekday, 6);
    EXPECT_STREQ(hijriMonthNames[h.month - 1], "MuHarram");

    h = toHijri(2000, 1, 1);
    EXPECT_EQ(h.year, 1420);
    EXPECT_EQ(h.month, 9);
    EXPECT_EQ(h.day, 24);
    EXPECT_EQ(h.weekday, 6);
    EXPECT_STREQ(hijriMonthNames[h.month - 1], "RamaDHaan");

    h = toHijri(2024, 3, 11);
    EXPECT_EQ(h.year, 1445);
    EXPECT_EQ(h.month, 9);
    EXPECT_EQ(h.day, 1);
    EXPECT_EQ(h.weekday, 1);

    h = toHijri(2029, 5, 13);
    EXPECT_TRUE(h.inTable);
    EXPECT_EQ(h.year, 1450);
    EXPECT_EQ(h.month, 12);
    EXPECT_EQ(h.day, 29);
    EXPECT_STREQ(hijriMonthNames[h.month - 1], "Thw al-Hijjah");
}

// The first day of every table year, as the table's own column lists it.
TEST(Hijri, FirstDayOfEveryYear) {
    const char* firstDays[] = {
        "1999-04-17", "2000-04-06", "2001-03-26", "2002-03-15", "2003-03-04", "2004-02-21", "2005-02-10",
        "2006-01-31", "2007-01-20", "2008-01-10", "2008-12-29", "2009-12-18", "2010-12-07", "2011-11-26",
        "2012-11-15", "2013-11-04", "2014-10-25", "2015-10-14", "2016-10-02", "2017-09-21", "2018-09-11",
        "2019-08-31", "2020-08-20", "2021-08-09", "2022-07-30", "2023-07-19", "2024-07-07", "2025-06-26",
        "2026-06-16", "2027-06-06", "2028-05-25",
    };
    for (int year = 1420; year <= 1450; ++year) {
        int gy;
        int gm;
        int gd;
        int weekday;
        hijriMonthStart(year, 1, gy, gm, gd, weekday);
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", gy, gm, gd);
        EXPECT_EQ(std::string(text), firstDays[year - 1420]) << year;
        EXPECT_EQ(weekday, weekdayOfDayNumber(static_cast<int>(julianDay(gy, gm, gd + 0.5))));
        const Hijri h = toHijri(gy, gm, gd);
        EXPECT_EQ(h.year, year);
        EXPECT_EQ(h.month, 1);
        EXPECT_EQ(h.day, 1);
    }
}

TEST(Hijri, MonthLengthsFromTheTableWords) {
    const char* lengths1420 = "29 30 29 29 30 29 30 30 30 30 29 30";
    const char* lengths1448 = "29 30 29 30 30 29 30 30 29 30 29 30";
    std::string actual1420;
    std::string actual1448;
    for (int month = 1; month <= 12; ++month) {
        actual1420 += (month > 1 ? " " : "") + std::to_string(hijriMonthLength(1420, month));
        actual1448 += (month > 1 ? " " : "") + std::to_string(hijriMonthLength(1448, month));
    }
    EXPECT_EQ(actual1420, lengths1420);
    EXPECT_EQ(actual1448, lengths1448);
    EXPECT_EQ(hijriMonthLength(1317, 1), 0);
    EXPECT_EQ(hijriMonthLength(1501, 1), 0);
    EXPECT_EQ(hijriMonthLength(1430, 0), 0);
    EXPECT_EQ(hijriMonthLength(1430, 13), 0);
}

// Counting the table's month lengths day by day from 1 MuHarram 1420 must give the same date
// as gregorianToHijri for every day the table covers, and hijriToDayNumber must invert it.
TEST(Hijri, EveryDayOfTheTableMatchesCountedMonths) {
    int year = firstTableHijriYear;
    int month = 1;
    int day = 1;
    int failures = 0;
    for (int n = firstTableDayNumber; n <= lastTableDayNumber && failures < 10; ++n) {
        int gy;
        int gm;
        int gd;
        julianDayToGregorian(n, gy, gm, gd);
        const Hijri h = toHijri(gy, gm, gd);
        if (!h.inTable || h.year != year || h.month != month || h.day != day ||
            h.weekday != weekdayOfDayNumber(n) || hijriToDayNumber(year, month, day) != n) {
            ADD_FAILURE() << gy << "-" << gm << "-" << gd << " gave " << h.year << "-" << h.month << "-"
                          << h.day << ", counted " << year << "-" << month << "-" << day;
            ++failures;
        }
        if (++day > hijriMonthLength(year, month)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(year, lastTableHijriYear + 1);  // the count ran through the whole table
    EXPECT_EQ(failures, 0);
}

TEST(Hijri, DatesOutsideTheTableAreFlaggedAndClamped) {
    Hijri h = toHijri(2077, 11, 17);
    EXPECT_FALSE(h.inTable);
    EXPECT_EQ(h.year, 1500);
    EXPECT_EQ(h.month, 12);
    EXPECT_EQ(h.day, 30);
    EXPECT_EQ(h.weekday, 3);  // 17 November 2077 is a Wednesday

    h = toHijri(1900, 4, 29);
    EXPECT_FALSE(h.inTable);
    EXPECT_EQ(h.year, 1318);
    EXPECT_EQ(h.month, 1);
    EXPECT_EQ(h.day, 1);
    EXPECT_EQ(h.weekday, 0);

    // Far away in both directions: answered at once, never a wait.
    EXPECT_FALSE(toHijri(1, 1, 1).inTable);
    EXPECT_FALSE(toHijri(9999, 12, 31).inTable);
    EXPECT_FALSE(toHijri(2100, 6, 1).inTable);

    // Month starts clamp the year and wrap the month.
    int gy, gm, gd, weekday;
    hijriMonthStart(1600, 1, gy, gm, gd, weekday);
    EXPECT_EQ(gy, 2076);
    EXPECT_EQ(gm, 11);
    EXPECT_EQ(gd, 28);
    hijriMonthStart(1300, 13, gy, gm, gd, weekday);
    EXPECT_EQ(gy, 1900);
    EXPECT_EQ(gm, 4);
    EXPECT_EQ(gd, 30);
    int y0, m0, d0, w0;
    hijriMonthStart(1430, 0, y0, m0, d0, w0);
    hijriMonthStart(1430, 12, gy, gm, gd, weekday);
    EXPECT_EQ(y0 * 10000 + m0 * 100 + d0, gy * 10000 + gm * 100 + gd);

    // Outside the table the day number is still defined and near the mean calendar.
    const double outside = hijriToDayNumber(1510, 1, 1);
    EXPECT_NEAR(outside, meanHijriDayNumber(1510, 1, 1), 2.0);
}

TEST(Hijri, MeanLunationArithmetic) {
    EXPECT_DOUBLE_EQ(meanHijriDayNumber(1, 1, 1), 1948439.0);
    EXPECT_EQ(floorRemainder(10.0, 3.0), 1);
    EXPECT_EQ(floorRemainder(-1.0, 3.0), -1);  // a quotient that truncates to 0 is not lowered
    EXPECT_EQ(floorRemainder(-3.5, 3.0), 2);
    int y, m, d;
    meanHijriDate(1948439.0, y, m, d);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 1);
}

// Every day of the table against the Umm al-Qura calendar of another implementation, kept as a
// day-by-day list (tests/engine/data/README says where it comes from): the conversion both ways
// and the first day of every month.
TEST(Hijri, EveryDayMatchesTheUmmAlQuraList) {
    std::FILE* list = std::fopen(SELVARA_TEST_DATA_DIR "/umm-al-qura-days.txt", "r");
    ASSERT_NE(list, nullptr);
    int lines = 0;
    int failures = 0;
    int gy, gm, gd, hy, hm, hd;
    while (std::fscanf(list, "%d-%d-%d %d-%d-%d", &gy, &gm, &gd, &hy, &hm, &hd) == 6 && failures < 10) {
        const double n = julianDay(gy, gm, gd + 0.5);
        const Hijri h = toHijri(gy, gm, gd);
        int sy = 0, sm = 0, sd = 0, sw = 0;
        if (hd == 1)
            hijriMonthStart(hy, hm, sy, sm, sd, sw);
        if (!h.inTable || h.year != hy || h.month != hm || h.day != hd || hijriToDayNumber(hy, hm, hd) != n ||
            hd > hijriMonthLength(hy, hm) || (hd == 1 && (sy != gy || sm != gm || sd != gd))) {
            ADD_FAILURE() << gy << "-" << gm << "-" << gd << " gave " << h.year << "-" << h.month << "-"
                          << h.day << ", the list says " << hy << "-" << hm << "-" << hd;
            ++failures;
        }
        ++lines;
    }
    std::fclose(list);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(lines, lastTableDayNumber - firstTableDayNumber + 1);  // 30 April 1900 to 16 November 2077
}

// The adjustment moves the table against the Gregorian days: SHa`baan 1445 has 29 days, so
// 10 March 2024 (29 SHa`baan) crosses into RamaDHaan from +1 on.
TEST(Hijri, AdjustmentShiftsTheTableAcrossAMonthEnd) {
    struct Row {
        int year, month, day, adjustment;
        int hijriYear, hijriMonth, hijriDay;
        bool covered;
    };
    const Row rows[] = {
        {2024, 3, 10, 0, 1445, 8, 29, true},    {2024, 3, 10, 1, 1445, 9, 1, true},
        {2024, 3, 10, 2, 1445, 9, 2, true},     {2024, 3, 10, -1, 1445, 8, 28, true},
        {2024, 3, 10, -2, 1445, 8, 27, true},   {2024, 3, 11, -1, 1445, 8, 29, true},
        {2024, 3, 10, 7, 1445, 9, 2, true},     {2024, 3, 10, -9, 1445, 8, 27, true},   // clamped to +-2
        {2025, 6, 25, 1, 1447, 1, 1, true},     {2025, 6, 27, -2, 1446, 12, 29, true},  // across a year end
        {1900, 4, 30, -1, 1318, 1, 1, false},   {1900, 5, 1, -1, 1318, 1, 1, true},
        {2077, 11, 16, 1, 1500, 12, 30, false}, {2077, 11, 18, -2, 1500, 12, 30, true},
    };
    for (const Row& row : rows) {
        int y, m, d, weekday;
        const bool covered =
            adjustedGregorianToHijri(row.year, row.month, row.day, row.adjustment, y, m, d, weekday);
        EXPECT_EQ(covered, row.covered)
            << row.year << "-" << row.month << "-" << row.day << " " << row.adjustment;
        EXPECT_EQ(y * 10000 + m * 100 + d, row.hijriYear * 10000 + row.hijriMonth * 100 + row.hijriDay)
            << row.year << "-" << row.month << "-" << row.day << " " << row.adjustment;
        EXPECT_EQ(weekday,
                  weekdayOfDayNumber(static_cast<int>(julianDay(row.year, row.month, row.day + 0.5))));
    }
    EXPECT_EQ(clampHijriAdjustment(-3), -2);
    EXPECT_EQ(clampHijriAdjustment(0), 0);
    EXPECT_EQ(clampHijriAdjustment(2147483647), 2);
}

}  // namespace
