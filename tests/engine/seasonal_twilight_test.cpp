// The Moonsighting Committee's seasonal dawn and evening against the minutes the Committee itself
// tabulates for its turning dates (latitude 0: 75 minutes all year; latitude 55: the four values
// of each line), and the day count from the solstice of each hemisphere.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "seasonal_twilight.h"

namespace {

struct TurnCase {
    const char* what;
    double latitudeDeg;
    int year;
    int month;
    int day;
    double dawnMinutes;
    double generalMinutes;
    double abyadMinutes;
    double ahmerMinutes;
};

// The Committee's tables at 55 degrees: dawn a..d = 103.65, 94.44, 107.74, 123.10; the general
// evening 100.60, 77.05, 65.79, 81.14; the white glow 100.60, 82.16, 111.84, 156.84; the red glow
// 79.40, 54.84, 67.12, 81.44. 91, 137 and 183 days after 21 December 2025 are 22 March, 7 May and
// 22 June 2026; after 21 June 2026 (south) they are 20 September, 5 November and 21 December.
const TurnCase turnCases[] = {
    {"equator, any day", 0.0, 2026, 8, 3, 75.0, 75.0, 75.0, 62.0},
    {"north, winter solstice", 55.0, 2025, 12, 21, 103.65, 100.60, 100.60, 79.40},
    {"north, day 91", 55.0, 2026, 3, 22, 94.44, 77.05, 82.16, 54.84},
    {"north, day 137", 55.0, 2026, 5, 7, 107.74, 65.79, 111.84, 67.12},
    {"north, summer solstice", 55.0, 2026, 6, 22, 123.10, 81.14, 156.84, 81.44},
    {"south, winter solstice", -55.0, 2026, 6, 21, 103.65, 100.60, 100.60, 79.40},
    {"south, day 91", -55.0, 2026, 9, 20, 94.44, 77.05, 82.16, 54.84},
    {"south, summer solstice", -55.0, 2026, 12, 21, 123.10, 81.14, 156.84, 81.44},
};

TEST(SeasonalTwilight, TurningDatesGiveTheCommitteesMinutes) {
    for (const TurnCase& c : turnCases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(seasonalDawnMinutes(c.latitudeDeg, c.year, c.month, c.day), c.dawnMinutes, 1e-9);
        EXPECT_NEAR(seasonalEveningMinutes(c.latitudeDeg, c.year, c.month, c.day, Shafaq::general),
                    c.generalMinutes, 1e-9);
        EXPECT_NEAR(seasonalEveningMinutes(c.latitudeDeg, c.year, c.month, c.day, Shafaq::abyad),
                    c.abyadMinutes, 1e-9);
        EXPECT_NEAR(seasonalEveningMinutes(c.latitudeDeg, c.year, c.month, c.day, Shafaq::ahmer),
                    c.ahmerMinutes, 1e-9);
    }
}

TEST(SeasonalTwilight, StraightLinesBetweenTurns) {
    // Day 45 of the first stretch (4 February 2026): a + (b - a) * 45 / 91 at 55 degrees.
    EXPECT_NEAR(seasonalDawnMinutes(55.0, 2026, 2, 4), 103.65 + (94.44 - 103.65) * 45.0 / 91.0, 1e-9);
    // Half way between the summer solstice and day 229: the line runs back from d towards c.
    EXPECT_NEAR(seasonalDawnMinutes(55.0, 2026, 7, 15), 123.10 + (107.74 - 123.10) * 23.0 / 46.0, 1e-9);
    // The last stretch reaches a again on the next solstice: 20 December is one day short of it.
    EXPECT_NEAR(seasonalDawnMinutes(55.0, 2026, 12, 20), 94.44 + (103.65 - 94.44) * 89.0 / 90.0, 1e-9);
}

TEST(SeasonalTwilight, DaysAreCountedFromTheHemispheresWinterSolstice) {
    struct DayCase {
        double latitudeDeg;
        int year, month, day;
        int days, yearDays;
    };
    const DayCase cases[] = {
        {51.5, 2026, 1, 1, 11, 365},   // 21 December 2025 is day 0
        {51.5, 2024, 12, 20, 365, 366},  // the solstice year holds 29 February 2024
        {0.0, 2026, 12, 21, 0, 365},     // a latitude of 0 counts as north
        {-33.9, 2026, 6, 20, 364, 365},  // the day before the southern solstice
        {-33.9, 2026, 6, 21, 0, 365},
    };
    for (const DayCase& c : cases) {
        int days = -1;
        int yearDays = -1;
        daysSinceWinterSolstice(c.latitudeDeg, c.year, c.month, c.day, days, yearDays);
        EXPECT_EQ(days, c.days) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(yearDays, c.yearDays) << c.year << "-" << c.month << "-" << c.day;
    }
}

// Beyond 55 degrees the Committee takes a seventh of the night. Oslo (59.91 N) on 21 December has
// 5 h 54 min of day (sunrise 09:18, sunset 15:12 in published almanacs), so about 155 minutes; at
// 70 N the sun stays up all of 21 June (no night) and below the horizon all of 21 December.
TEST(SeasonalTwilight, BeyondTheLinesASeventhOfTheNight) {
    EXPECT_NEAR(seasonalDawnMinutes(59.91, 2026, 12, 21), (24.0 * 60.0 - 354.0) / 7.0, 0.5);
    EXPECT_NEAR(seasonalEveningMinutes(59.91, 2026, 12, 21, Shafaq::abyad), (24.0 * 60.0 - 354.0) / 7.0, 0.5);
    EXPECT_EQ(seasonalDawnMinutes(70.0, 2026, 6, 21), 0.0);
    EXPECT_NEAR(seasonalEveningMinutes(-70.0, 2026, 6, 21, Shafaq::general), 24.0 * 60.0 / 7.0, 1e-9);
}

TEST(SeasonalTwilight, SchoolPicksTheEveningAndBadLatitudeStaysFinite) {
    EXPECT_NEAR(moonsightingEveningMinutes(55.0, 2026, 6, 22, 1), 81.14, 1e-9);
    EXPECT_NEAR(moonsightingEveningMinutes(55.0, 2026, 6, 22, 2), 156.84, 1e-9);
    EXPECT_NEAR(moonsightingDawnMinutes(55.0, 2026, 6, 22, 2), 123.10, 1e-9);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isfinite(seasonalDawnMinutes(nan, 2026, 6, 22)));
}

TEST(SeasonalTwilight, DatesOutOfRangeStayWithinTheLines) {
    const int years[] = {std::numeric_limits<int>::min(), -5000, 9999, std::numeric_limits<int>::max()};
    const int months[] = {-7, 0, 13, 1000};
    for (int year : years) {
        for (int month : months) {
            int days = -1;
            int yearDays = -1;
            daysSinceWinterSolstice(40.0, year, month, 99, days, yearDays);
            EXPECT_GE(days, 0);
            EXPECT_LT(days, yearDays);
            const double minutes = seasonalEveningMinutes(-40.0, year, month, -99, Shafaq::abyad);
            EXPECT_GE(minutes, 75.0);  // the white glow's lines at 40 degrees run from 80 to 134 minutes
            EXPECT_LE(minutes, 135.0);
        }
    }
}

}  // namespace
