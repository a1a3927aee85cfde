// Every method and the Hanafi rule against differences computed outside the code from the
// published angles (data/method-differences.txt, made by make_method_differences.py with another
// sun model): two times of one day differ by the hour-angle difference, so the models cancel.
#include "calculation_method.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr double minutesPerHour = 60.0;
// Another sun model (declination at local noon rather than midnight) moves a difference of two
// hour angles by well under this; a wrong angle by half a degree moves it by two minutes or more.
constexpr double toleranceMinutes = 0.35;

struct DifferenceRow {
    char place[32];
    double latitudeDeg;
    double longitudeDeg;
    int zoneMinutes;
    int year;
    int month;
    int day;
    char method[16];
    double dawnShift;
    double maghribAfterSunset;
    char eveningAfterSunset[16];  // "-": an interval method
    double hanafiDelay;
};

bool readRow(const std::string& line, DifferenceRow& row) {
    return std::sscanf(line.c_str(), "%31s %lf %lf %d %d-%d-%d %15s %lf %lf %15s %lf", row.place,
                       &row.latitudeDeg, &row.longitudeDeg, &row.zoneMinutes, &row.year, &row.month, &row.day,
                       row.method, &row.dawnShift, &row.maghribAfterSunset, row.eveningAfterSunset,
                       &row.hanafiDelay) == 12;
}

PrayerTimes timesOf(const DifferenceRow& row, int method, int asrShadowFactor) {
    PrayerOptions options;
    options.methodIndex = method;
    options.asrShadowFactor = asrShadowFactor;
    return computeDayTimes(row.year, row.month, row.day, row.latitudeDeg, row.longitudeDeg, row.zoneMinutes,
                           options);
}

TEST(MethodDifferences, EveryMethodMatchesItsPublishedAngles) {
    std::ifstream in(SELVARA_TEST_DATA_DIR "/method-differences.txt");
    ASSERT_TRUE(in.is_open());
    std::string line;
    int rows = 0;
    bool seen[32] = {};
    while (std::getline(in, line)) {
        DifferenceRow row;
        ASSERT_TRUE(readRow(line, row)) << line;
        SCOPED_TRACE(line);
        const int method = findCalculationMethod(row.method);
        ASSERT_GE(method, 0);
        seen[method] = true;
        const PrayerTimes base = timesOf(row, defaultCalculationMethod, standardAsrShadowFactor);
        const PrayerTimes own = timesOf(row, method, standardAsrShadowFactor);
        const PrayerTimes hanafi = timesOf(row, method, hanafiAsrShadowFactor);
        EXPECT_NEAR((own.dawn - base.dawn) * minutesPerHour, row.dawnShift, toleranceMinutes);
        EXPECT_NEAR((own.sunset - base.sunset) * minutesPerHour, row.maghribAfterSunset, toleranceMinutes);
        if (std::strcmp(row.eveningAfterSunset, "-") == 0) {
            // The interval is exact: 90 minutes (120 for makkah in Ramadan, not on these days).
            EXPECT_NEAR((own.evening - own.sunset) * minutesPerHour, 90.0, 1e-9);
        } else {
            EXPECT_NEAR((own.evening - base.sunset) * minutesPerHour, std::atof(row.eveningAfterSunset),
                        toleranceMinutes);
        }
        EXPECT_NEAR((hanafi.afternoon - own.afternoon) * minutesPerHour, row.hanafiDelay, toleranceMinutes);
        EXPECT_EQ(hanafi.dawn, own.dawn);  // the shadow rule moves the afternoon only
        ++rows;
    }
    EXPECT_GT(rows, 500);
    // The file covers the methods up to russia.
    for (int i = 0; i <= findCalculationMethod("russia"); ++i)
        EXPECT_TRUE(seen[i]) << calculationMethods[i].name;
}

}  // namespace
