// The standard sun events against a high-precision ephemeris: data/sun-events.txt holds instants
// of the transit and of the sun's centre at altitudes from -0.833 to -20 degrees for places from
// -60 to +65 degrees and dates from 1900 to 2100, written by tools/sunoracle from another
// program's solar theory. Every instant must lie within 15 seconds; the worst is reported.
#include "standard_events.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr double secondsPerHour = 3600.0;
constexpr double toleranceSeconds = 15.0;

struct EventRow {
    double latitudeDeg;
    double longitudeDeg;
    LocalDate date;
    char event[16];
    double altitudeDeg;
    char hours[32];  // a number, or "none"
};

bool readRow(const std::string& line, EventRow& row) {
    return std::sscanf(line.c_str(), "%lf %lf %d %d-%d-%d %15s %lf %31s", &row.latitudeDeg, &row.longitudeDeg,
                       &row.date.zoneMinutes, &row.date.year, &row.date.month, &row.date.day, row.event,
                       &row.altitudeDeg, row.hours) == 9;
}

double engineHours(const EventRow& row) {
    if (std::strcmp(row.event, "transit") == 0)
        return solarTransitHours(row.date, row.longitudeDeg);
    return solarAltitudeHours(row.date, row.latitudeDeg, row.longitudeDeg, row.altitudeDeg,
                              std::strcmp(row.event, "setting") == 0);
}

TEST(SunEvents, EveryInstantIsWithinFifteenSecondsOfTheEphemeris) {
    std::ifstream in(SELVARA_TEST_DATA_DIR "/sun-events.txt");
    ASSERT_TRUE(in.is_open());
    std::string line;
    std::string worstLine;
    double worstSeconds = 0.0;
    double sumSeconds = 0.0;
    int instants = 0;
    int absent = 0;
    while (std::getline(in, line)) {
        EventRow row;
        ASSERT_TRUE(readRow(line, row)) << line;
        const double hours = engineHours(row);
        if (std::strcmp(row.hours, "none") == 0) {
            EXPECT_TRUE(std::isnan(hours)) << line << ": " << hours;
            ++absent;
            continue;
        }
        const double seconds = std::fabs(hours - std::atof(row.hours)) * secondsPerHour;
        EXPECT_LE(seconds, toleranceSeconds) << line << ": " << hours;
        sumSeconds += seconds;
        if (seconds > worstSeconds || std::isnan(seconds)) {
            worstSeconds = seconds;
            worstLine = line;
        }
        ++instants;
    }
    EXPECT_GT(instants, 5000);
    EXPECT_GT(absent, 100);
    std::printf("sun events: %d instants, mean %.2f s, worst %.2f s (%s); %d absent as expected\n", instants,
                sumSeconds / instants, worstSeconds, worstLine.c_str(), absent);
}

}  // namespace
