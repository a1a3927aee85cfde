// This computer's daylight rule evaluated per day. The rules are those the platform reports for
// its zones (Central Europe, US Eastern, AUS Eastern, Egypt, Newfoundland); the expected days of
// each change of clock are the ones tzdata gives for the same places (zdump -v), so the test does
// not restate the code's arithmetic.
#include "computer_zone_rule.h"

#include <gtest/gtest.h>

namespace {

// clang-format off
// {year, month, dayOfWeek, day (occurrence, 5 = last), hour, minute}
const ComputerZoneRule centralEurope = {-60, 0, -60, {0, 10, 0, 5, 3, 0}, {0, 3, 0, 5, 2, 0}};
const ComputerZoneRule usEastern = {300, 0, -60, {0, 11, 0, 1, 2, 0}, {0, 3, 0, 2, 2, 0}};
const ComputerZoneRule ausEastern = {-600, 0, -60, {0, 4, 0, 1, 3, 0}, {0, 10, 0, 1, 2, 0}};
const ComputerZoneRule egypt = {-120, 0, -60, {0, 10, 4, 5, 23, 59}, {0, 4, 5, 5, 0, 0}};
const ComputerZoneRule newfoundland = {210, 0, -60, {0, 11, 0, 1, 2, 0}, {0, 3, 0, 2, 2, 0}};
const ComputerZoneRule india = {-330, 0, 0, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
// clang-format on

struct DayCase {
    const char* place;
    const ComputerZoneRule* zone;
    int year, month, day;
    int offsetMinutes;
};

// The day before and the day of each change, in both hemispheres, leap year included.
const DayCase days[] = {
    // clang-format off
    {"Zagreb", &centralEurope, 2026, 3, 28, 60},    {"Zagreb", &centralEurope, 2026, 3, 29, 120},
    {"Zagreb", &centralEurope, 2026, 10, 24, 120},  {"Zagreb", &centralEurope, 2026, 10, 25, 60},
    {"Zagreb", &centralEurope, 2024, 3, 30, 60},    {"Zagreb", &centralEurope, 2024, 3, 31, 120},
    {"Zagreb", &centralEurope, 2024, 10, 26, 120},  {"Zagreb", &centralEurope, 2024, 10, 27, 60},
    {"Zagreb", &centralEurope, 2027, 3, 27, 60},    {"Zagreb", &centralEurope, 2027, 3, 28, 120},
    {"Zagreb", &centralEurope, 2027, 10, 30, 120},  {"Zagreb", &centralEurope, 2027, 10, 31, 60},
    {"Zagreb", &centralEurope, 2026, 1, 1, 60},     {"Zagreb", &centralEurope, 2026, 12, 31, 60},
    {"New York", &usEastern, 2026, 3, 7, -300},     {"New York", &usEastern, 2026, 3, 8, -240},
    {"New York", &usEastern, 2026, 10, 31, -240},   {"New York", &usEastern, 2026, 11, 1, -300},
    {"Sydney", &ausEastern, 2026, 4, 4, 660},       {"Sydney", &ausEastern, 2026, 4, 5, 600},
    {"Sydney", &ausEastern, 2026, 10, 3, 600},      {"Sydney", &ausEastern, 2026, 10, 4, 660},
    {"Sydney", &ausEastern, 2026, 1, 15, 660},      {"Sydney", &ausEastern, 2026, 7, 15, 600},
    {"Sydney", &ausEastern, 2026, 12, 31, 660},
    {"Cairo", &egypt, 2026, 4, 23, 120},            {"Cairo", &egypt, 2026, 4, 24, 180},
    {"Cairo", &egypt, 2026, 10, 29, 180},           {"Cairo", &egypt, 2026, 10, 30, 120},
    {"St. John's", &newfoundland, 2026, 3, 7, -210}, {"St. John's", &newfoundland, 2026, 3, 8, -150},
    {"St. John's", &newfoundland, 2026, 10, 31, -150}, {"St. John's", &newfoundland, 2026, 11, 1, -210},
    {"Delhi", &india, 2026, 6, 15, 330},
    // clang-format on
};

TEST(ComputerZoneRule, OffsetAtNoonOnTheDaysAroundEachChange) {
    for (const DayCase& c : days) {
        EXPECT_EQ(computerOffsetAtNoonMinutes(*c.zone, c.year, c.month, c.day), c.offsetMinutes)
            << c.place << " " << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(ComputerZoneRule, StandardOffsetAndWhetherThereIsDaylightTime) {
    EXPECT_EQ(computerStandardOffsetMinutes(centralEurope), 60);
    EXPECT_EQ(computerStandardOffsetMinutes(newfoundland), -210);
    EXPECT_EQ(computerDaylightOffsetMinutes(newfoundland), -150);
    EXPECT_TRUE(computerHasDaylightTime(ausEastern));
    EXPECT_FALSE(computerHasDaylightTime(india));
}

TEST(ComputerZoneRule, TheFifthOccurrenceIsTheLastOfTheMonth) {
    // March 2026 has five Sundays (1, 8, 15, 22, 29); February 2026 has four (1, 8, 15, 22), so
    // its "fifth" is the 22nd.
    EXPECT_EQ(transitionDayInYear({0, 3, 0, 5, 2, 0}, 2026), 29);
    EXPECT_EQ(transitionDayInYear({0, 2, 0, 5, 2, 0}, 2026), 22);
    EXPECT_EQ(transitionDayInYear({0, 2, 4, 5, 2, 0}, 2024), 29);  // leap February ends on a Thursday
}

TEST(ComputerZoneRule, OneDateRulesCountOnlyInTheirYear) {
    ComputerZoneRule once = centralEurope;
    once.daylightStart = {2026, 3, 0, 29, 2, 0};
    once.standardStart = {2026, 10, 0, 25, 3, 0};
    EXPECT_EQ(computerOffsetAtNoonMinutes(once, 2026, 7, 1), 120);
    EXPECT_EQ(computerOffsetAtNoonMinutes(once, 2027, 7, 1), 60);
}

TEST(ComputerZoneRule, NonsenseFromThePlatformMeansNoDaylightTime) {
    const ZoneTransitionRule broken[] = {
        {0, 13, 0, 1, 2, 0}, {0, -1, 0, 1, 2, 0}, {0, 3, 7, 1, 2, 0},  {0, 3, 0, 0, 2, 0},
        {0, 3, 0, 6, 2, 0},  {0, 3, 0, 1, 24, 0}, {0, 3, 0, 1, 2, 60}, {2026, 2, 0, 30, 2, 0},
    };
    for (const ZoneTransitionRule& rule : broken) {
        ComputerZoneRule zone = centralEurope;
        zone.daylightStart = rule;
        EXPECT_EQ(computerOffsetAtNoonMinutes(zone, 2026, 7, 1), 60) << rule.month << " " << rule.day;
    }
    const ComputerZoneRule extreme = {INT32_MIN, INT32_MIN, INT32_MAX, {}, {}};
    EXPECT_EQ(computerStandardOffsetMinutes(extreme), INT32_MAX);
    EXPECT_EQ(computerDaylightOffsetMinutes(extreme), 1);
}

}  // namespace
