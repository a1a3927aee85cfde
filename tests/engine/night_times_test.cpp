// The night's times against data/night_times.csv, which make_night_times.py computes from its own
// Python prayer times (make_raw_times.py): across midnight, across a change of the clocks, at the
// turn of the year and of February, and at high latitudes. Then the clock folding and the names.
#include "night_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>

namespace {

// The Python and C++ prayer times agree to 1e-9 h (raw_times_test.cpp); the night's times add a
// few operations on them.
constexpr double toleranceHours = 1e-8;

struct NightRow {
    double latitudeDeg, longitudeDeg;
    int zone, nextZone, year, month, day, imsakMinutes;
    char end[8];
    double dawn, sunrise, sunset, nextDawn, nextSunrise, imsak, midnight, lastThird;
};

bool readRow(const std::string& line, NightRow& r) {
    return std::sscanf(line.c_str(), "%lf,%lf,%d,%d,%d,%d,%d,%d,%7[a-z],%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf",
                       &r.latitudeDeg, &r.longitudeDeg, &r.zone, &r.nextZone, &r.year, &r.month, &r.day,
                       &r.imsakMinutes, r.end, &r.dawn, &r.sunrise, &r.sunset, &r.nextDawn, &r.nextSunrise,
                       &r.imsak, &r.midnight, &r.lastThird) == 17;
}

TEST(NightTimes, MatchTheIndependentScriptAcrossMidnightAndAtHighLatitudes) {
    std::ifstream in(SELVARA_TEST_DATA_DIR "/night_times.csv");
    ASSERT_TRUE(in) << "data/night_times.csv";
    std::string line;
    std::getline(in, line);  // the header
    int rows = 0;
    int afterMidnight = 0;
    while (std::getline(in, line)) {
        NightRow r{};
        ASSERT_TRUE(readRow(line, r)) << line;
        NightOptions options;
        options.imsakMinutes = r.imsakMinutes;
        ASSERT_TRUE(readNightEnd(r.end, options.end)) << line;
        const NightTimes night = computeNightTimes(r.year, r.month, r.day, r.latitudeDeg, r.longitudeDeg,
                                                   r.zone * 60, r.nextZone * 60, PrayerOptions{}, options);
        EXPECT_NEAR(night.imsak, r.imsak, toleranceHours) << line;
        EXPECT_NEAR(night.midnight, r.midnight, toleranceHours) << line;
        EXPECT_NEAR(night.lastThird, r.lastThird, toleranceHours) << line;
        afterMidnight += night.midnight >= 24.0 ? 1 : 0;
        ++rows;
    }
    EXPECT_GE(rows, 16);
    EXPECT_GE(afterMidnight, 4);  // the table reaches past midnight, as it is meant to
}

TEST(NightTimes, HoldOptionsOutOfRangeAtTheirEnds) {
    const PrayerTimes day{5.0, 6.5, 12.0, 15.0, 18.0, 19.5};
    const PrayerTimes next{5.0, 6.5, 12.0, 15.0, 18.0, 19.5};
    NightOptions options;
    options.imsakMinutes = 90;
    EXPECT_FALSE(validNightOptions(options));
    EXPECT_DOUBLE_EQ(nightTimesBetween(day, next, 0, options).imsak, 4.0);
    options.imsakMinutes = -5;
    EXPECT_DOUBLE_EQ(nightTimesBetween(day, next, 0, options).imsak, 5.0);
    options.imsakMinutes = 10;
    options.end = static_cast<NightEnd>(7);  // read as Fajr
    EXPECT_DOUBLE_EQ(nightTimesBetween(day, next, 0, options).midnight, 23.5);
    const PrayerTimes none{std::nan(""), 6.5, 12.0, 15.0, 18.0, 19.5};
    EXPECT_TRUE(std::isnan(nightTimesBetween(day, none, 0, NightOptions{}).midnight));
}

TEST(NightTimes, FoldIntoTheClocksDayAndReadTheirNames) {
    const struct {
        double hours, folded;
    } cases[] = {{0.0, 0.0}, {23.99, 23.99}, {24.0, 0.0}, {24.5, 0.5}, {-0.25, 23.75}, {49.0, 1.0}};
    for (const auto& c : cases)
        EXPECT_NEAR(hoursOfClockDay(c.hours), c.folded, 1e-12) << c.hours;
    EXPECT_TRUE(std::isnan(hoursOfClockDay(std::nan(""))));
    NightEnd end = nightEndsAtFajr;
    EXPECT_TRUE(readNightEnd("SUNRISE", end));
    EXPECT_EQ(end, nightEndsAtSunrise);
    EXPECT_FALSE(readNightEnd("dawn", end));
    EXPECT_FALSE(readNightEnd(nullptr, end));
    EXPECT_EQ(end, nightEndsAtSunrise);
    EXPECT_STREQ(nightEndName(nightEndsAtFajr), "fajr");
}

}  // namespace
