#include "posix_zone_rule.h"
#include "zone_rules.h"
#include "zone_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Every line of data/zone-changes.txt (made by make_zone_changes.py with Python's own zoneinfo
// from the same tz database): the offset at local noon on the day before and the day of each
// change of clock, in both hemispheres, half-hour zones and zones that change around Ramadan.
TEST(ZoneRules, OffsetsAtLocalNoonMatchAnIndependentReading) {
    std::ifstream in(SELVARA_TEST_DATA_DIR "/zone-changes.txt");
    ASSERT_TRUE(in.is_open());
    std::string line;
    int checked = 0;
    while (std::getline(in, line)) {
        char name[64];
        int year;
        int month;
        int day;
        int minutes;
        ASSERT_EQ(std::sscanf(line.c_str(), "%63s %d-%d-%d %d", name, &year, &month, &day, &minutes), 5)
            << line;
        const int zone = findTimeZone(name);
        ASSERT_GE(zone, 0) << name;
        EXPECT_EQ(zoneOffsetAtLocalNoon(zone, year, month, day), minutes) << line;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

TEST(ZoneRules, NamesAreFoundIgnoringCaseAndLinksWork) {
    const int london = findTimeZone("Europe/London");
    ASSERT_GE(london, 0);
    EXPECT_STREQ(timeZoneName(london), "Europe/London");
    EXPECT_EQ(findTimeZone("europe/LONDON"), london);
    EXPECT_GE(findTimeZone("Asia/Calcutta"), 0);  // a link to Asia/Kolkata
    EXPECT_EQ(zoneOffsetAtLocalNoon(findTimeZone("Asia/Calcutta"), 2026, 6, 1), 330);
    EXPECT_EQ(findTimeZone("Europe/Lodnon"), -1);
    EXPECT_EQ(findTimeZone(""), -1);
    EXPECT_EQ(findTimeZone(nullptr), -1);
    EXPECT_GT(timeZoneCount(), 400);
    EXPECT_STREQ(timeZoneName(-1), "");
    EXPECT_STREQ(timeZoneName(timeZoneCount()), "");
    EXPECT_EQ(zoneOffsetAtLocalNoon(-1, 2026, 1, 1), 0);
    EXPECT_EQ(zoneOffsetAtLocalNoon(london, 2026, 13, 1), 0);
    EXPECT_NE(zoneTableVersion[0], '\0');  // the tz database's version, for example "2025b"
}

TEST(ZoneRules, StandardOffsetsLeaveDaylightTimeOut) {
    const struct {
        const char* name;
        int minutes;
    } rows[] = {{"Europe/London", 0},    {"America/New_York", -300}, {"Australia/Sydney", 600},
                {"Asia/Tehran", 210},    {"Asia/Kolkata", 330},      {"Europe/Dublin", 0},
                {"Asia/Kathmandu", 345}, {"Africa/Cairo", 120},      {"America/Santiago", -240}};
    for (const auto& row : rows)
        EXPECT_EQ(zoneStandardOffsetMinutes(findTimeZone(row.name)), row.minutes) << row.name;
}

TEST(ZoneRules, FarYearsUseTheRuleAndEarlyYearsThe1970Offset) {
    const int newYork = findTimeZone("America/New_York");
    EXPECT_EQ(zoneOffsetAtLocalNoon(newYork, 2300, 7, 1), -240);
    EXPECT_EQ(zoneOffsetAtLocalNoon(newYork, 2300, 1, 1), -300);
    EXPECT_EQ(zoneOffsetAtLocalNoon(newYork, 9999, 12, 31), -300);
    EXPECT_EQ(zoneOffsetAtLocalNoon(newYork, 1, 1, 1), -300);
    const int provided = timeZoneOffsetForDay(&newYork, 2026, 7, 1);
    EXPECT_EQ(provided, -240);
    EXPECT_EQ(timeZoneOffsetForDay(nullptr, 2026, 7, 1), 0);
}

struct RuleCase {
    const char* text;
    bool accepted;
    int standardSeconds;
    int daylightSeconds;
};

const RuleCase ruleCases[] = {
    {"GMT0BST,M3.5.0/1,M10.5.0", true, 0, 3600},
    {"EST5EDT,M3.2.0,M11.1.0", true, -18000, -14400},
    {"<+0330>-3:30", true, 12600, 12600},
    {"IST-5:30", true, 19800, 19800},
    {"<-04>4<-03>,M9.1.6/24,M4.1.6/24", true, -14400, -10800},
    {"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", true, -7200, -3600},
    {"IST-1GMT0,M10.5.0,M3.5.0/1", true, 3600, 0},
    {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", true, 37800, 39600},
    {"EST5EDT", true, -18000, -14400},
    {"EST5EDT,0/0,J365/25", true, -18000, -14400},
    {"", false, 0, 0},
    {"GMT0", true, 0, 0},
    {"GM0", false, 0, 0},
    {"G0", false, 0, 0},
    {"GMT", false, 0, 0},
    {"GMT25", false, 0, 0},
    {"<+03-3", false, 0, 0},
    {"GMT0BST,M13.5.0,M10.5.0", false, 0, 0},
    {"GMT0BST,M3.6.0,M10.5.0", false, 0, 0},
    {"GMT0BST,M3.5.7,M10.5.0", false, 0, 0},
    {"GMT0BST,M3.5.0/168,M10.5.0", false, 0, 0},
    {"GMT0BST,M3.5.0", false, 0, 0},
    {"GMT0BST,J0,J365", false, 0, 0},
    {"GMT0BST,M3.5.0,M10.5.0x", false, 0, 0},
    {"GMT0:60", false, 0, 0},
};

TEST(PosixZoneRule, ParsesTheFootersOfTheDatabaseAndRefusesTheRest) {
    for (const RuleCase& row : ruleCases) {
        SCOPED_TRACE(row.text);
        PosixZoneRule rule{};
        rule.standardOffsetSeconds = 777;
        ASSERT_EQ(parsePosixZoneRule(row.text, rule), row.accepted);
        if (row.accepted) {
            EXPECT_EQ(rule.standardOffsetSeconds, row.standardSeconds);
            EXPECT_EQ(rule.daylightOffsetSeconds, row.daylightSeconds);
        } else {
            EXPECT_EQ(rule.standardOffsetSeconds, 777);
        }
    }
    PosixZoneRule rule{};
    EXPECT_FALSE(parsePosixZoneRule(nullptr, rule));
}

}  // namespace
