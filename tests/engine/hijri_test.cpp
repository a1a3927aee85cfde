#include "calendar.h"
#include "hijri.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(hijriMonthLength(1419, 1), 0);
    EXPECT_EQ(hijriMonthLength(1451, 1), 0);
    EXPECT_EQ(hijriMonthLength(1430, 0), 0);
    EXPECT_EQ(hijriMonthLength(1430, 13), 0);
}

// Counting the table's month lengths day by day from 1 MuHarram 1420 must give the same date
// as gregorianToHijri for every day the table covers, and hijriToDayNumber must invert it.
TEST(Hijri, EveryDayOfTheTableMatchesCountedMonths) {
    int year = 1420;
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
    EXPECT_EQ(year, 1451);  // the count ran through the whole table
    EXPECT_EQ(failures, 0);
}

TEST(Hijri, DatesOutsideTheTableAreFlaggedAndClamped) {
    Hijri h = toHijri(2029, 5, 14);
    EXPECT_FALSE(h.inTable);
    EXPECT_EQ(h.year, 1450);
    EXPECT_EQ(h.month, 12);
    EXPECT_EQ(h.day, 29);
    EXPECT_EQ(h.weekday, 1);  // 14 May 2029 is a Monday

    h = toHijri(1999, 4, 16);
    EXPECT_FALSE(h.inTable);
    EXPECT_EQ(h.year, 1420);
    EXPECT_EQ(h.month, 1);
    EXPECT_EQ(h.day, 1);
    EXPECT_EQ(h.weekday, 5);

    // Far away in both directions: answered at once, never a wait.
    EXPECT_FALSE(toHijri(1, 1, 1).inTable);
    EXPECT_FALSE(toHijri(9999, 12, 31).inTable);
    EXPECT_FALSE(toHijri(2100, 6, 1).inTable);

    // Month starts clamp the year and wrap the month.
    int gy, gm, gd, weekday;
    hijriMonthStart(1500, 1, gy, gm, gd, weekday);
    EXPECT_EQ(gy, 2028);
    EXPECT_EQ(gm, 5);
    EXPECT_EQ(gd, 25);
    hijriMonthStart(1300, 13, gy, gm, gd, weekday);
    EXPECT_EQ(gy, 1999);
    EXPECT_EQ(gm, 4);
    EXPECT_EQ(gd, 17);
    int y0, m0, d0, w0;
    hijriMonthStart(1430, 0, y0, m0, d0, w0);
    hijriMonthStart(1430, 12, gy, gm, gd, weekday);
    EXPECT_EQ(y0 * 10000 + m0 * 100 + d0, gy * 10000 + gm * 100 + gd);

    // Outside the table the day number is still defined and near the mean calendar.
    const double outside = hijriToDayNumber(1460, 1, 1);
    EXPECT_NEAR(outside, meanHijriDayNumber(1460, 1, 1), 2.0);
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

}  // namespace
