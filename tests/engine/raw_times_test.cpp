// The engine's raw results, not only the printed minutes, against data/raw_times.csv: the sun's
// rise, transit, set and declination and the six prayer times of 18 places and days, computed by
// data/make_raw_times.py from the published series with Python's own arithmetic. Agreement to
// 1e-9 hours (3.6 microseconds) means a change in the last digit of a constant, in the two
// horizon altitudes or in the number of Kepler steps is seen.
#include "prayer_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double toleranceHours = 1e-9;
constexpr double toleranceRad = 2e-12;  // the table's declinations have 12 decimals

struct RawRow {
    double latitudeRad;
    double longitudeRad;
    int zoneHours;
    int year;
    int month;
    int day;
    double values[10];  // rise, transit, set, declination, dawn, sunrise, noon, afternoon, sunset, evening
};

std::vector<RawRow> readRawTimes() {
    std::vector<RawRow> rows;
    std::ifstream file(std::string(SELVARA_TEST_DATA_DIR) + "/raw_times.csv");
    std::string line;
    std::getline(file, line);  // column names
    while (std::getline(file, line)) {
        for (char& c : line) {
            if (c == ',')
                c = ' ';
        }
        std::istringstream fields(line);
        RawRow row{};
        fields >> row.latitudeRad >> row.longitudeRad >> row.zoneHours >> row.year >> row.month >> row.day;
        for (double& value : row.values) {
            std::string text;
            fields >> text;
            value = text == "nan" ? NAN : std::stod(text);
        }
        if (fields)
            rows.push_back(row);
    }
    return rows;
}

void expectClose(double actual, double expected, double tolerance, const char* what) {
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << what << " " << actual;
        return;
    }
    EXPECT_NEAR(actual, expected, tolerance) << what;
}

TEST(RawTimes, SunAndPrayerTimesMatchTheIndependentTable) {
    const std::vector<RawRow> rows = readRawTimes();
    ASSERT_EQ(rows.size(), 18u);
    for (const RawRow& row : rows) {
        SCOPED_TRACE(std::to_string(row.year) + "-" + std::to_string(row.month) + "-" +
                     std::to_string(row.day) + " at " + std::to_string(row.latitudeRad) + " rad");
        PrayerParameters p = timetableParameters(0.0, 0.0, row.zoneHours);
        p.latitudeRad = row.latitudeRad;
        p.longitudeRad = row.longitudeRad;
        const SunDay sun = sunTimes(row.year, row.month, row.day, p.longitudeRad, p.latitudeRad, p.zoneHours);
        expectClose(sun.rise, row.values[0], toleranceHours, "rise");
        expectClose(sun.transit, row.values[1], toleranceHours, "transit");
        expectClose(sun.set, row.values[2], toleranceHours, "set");
        expectClose(sun.declination, row.values[3], toleranceRad, "declination");
        const PrayerTimes t = computePrayerTimes(row.year, row.month, row.day, p);
        expectClose(t.dawn, row.values[4], toleranceHours, "dawn");
        expectClose(t.sunrise, row.values[5], toleranceHours, "sunrise");
        expectClose(t.noon, row.values[6], toleranceHours, "noon");
        expectClose(t.afternoon, row.values[7], toleranceHours, "afternoon");
        expectClose(t.sunset, row.values[8], toleranceHours, "sunset");
        expectClose(t.evening, row.values[9], toleranceHours, "evening");
    }
}

}  // namespace
