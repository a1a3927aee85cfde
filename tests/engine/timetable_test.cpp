#include "test_files.h"
#include "timetable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// ctest runs the cases of this program side by side, each in its own process: the running case's
// name keeps their scratch files apart.
std::string scratchPath(const char* name) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string(::testing::TempDir()) + (test ? test->name() : "") + "-" + name;
}

std::string timetable(double zoneHours, double longitudeDeg, double latitudeDeg, int year, int month,
                      int firstDay = 0, int dayCount = 0) {
    const std::string path = scratchPath("selvara-timetable-test.txt");
    EXPECT_TRUE(
        writeTimetable(path.c_str(), zoneHours, longitudeDeg, latitudeDeg, year, month, firstDay, dayCount));
    const std::string text = readWholeFile(path);
    std::remove(path.c_str());
    return text;
}

int countLines(const std::string& text) {
    int lines = 0;
    for (std::string::size_type at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2))
        ++lines;
    return lines;
}

const char januaryHead[] = "               Praying times for a month: January  2026\r\n"
                           "-------------------------------------------------------------------------\r\n"
                           "              Fajr     SHorwwQ    DHuhr     `ASr      MaGHrib  `ISHaa'\r\n"
                           "Date Day      Dawn     Sunrise    Noon    Afternoon   Sunset   Evening\r\n"
                           "-------------------------------------------------------------------------\r\n"
                           " 1   Thu      05:45     07:37     12:01     14:07     16:24     17:54     \r\n"
                           " 2   Fri      05:45     07:37     12:02     14:07     16:25     17:55     \r\n";

TEST(Timetable, JanuaryAtTheDefaultPlaceStartsAsPublished) {
    const std::string text = timetable(1.0, 15.59, 45.49, 2026, 1);
    ASSERT_GE(text.size(), sizeof januaryHead - 1);
    EXPECT_EQ(text.substr(0, sizeof januaryHead - 1), januaryHead);
    // Five header lines of 57, 75, 72, 72, 75 bytes, then 31 day lines of 74 characters + CR LF.
    EXPECT_EQ(text.size(), 57u + 75 + 72 + 72 + 75 + 31 * 76);
    EXPECT_EQ(text.compare(text.size() - 2, 2, "\r\n"), 0);
}

// Whole months compared byte for byte with stored tables, so both builds are held to the same
// bytes: the default place, the southern hemisphere with horizon corrections, and a polar summer
// and winter where the substitute latitude and the night share take over.
TEST(Timetable, WholeMonthsMatchGoldenFiles) {
    struct Golden {
        const char* file;
        double zoneHours, longitudeDeg, latitudeDeg;
        int year, month;
    };
    const Golden goldens[] = {
        // clang-format off
        {"zagreb-2026-01.txt", 1, 15.59, 45.49, 2026, 1},
        {"sydney-2026-06.txt", 10, 151.21, -33.87, 2026, 6},
        {"tromso-2026-06.txt", 1, 18.96, 69.65, 2026, 6},
        {"tromso-2026-12.txt", 1, 18.96, 69.65, 2026, 12},
        {"munich-band-2026-06.txt", 1, 10.0, 47.8, 2026, 6},
        // clang-format on
    };
    for (const Golden& g : goldens) {
        SCOPED_TRACE(g.file);
        const std::string expected = readWholeFile(std::string(SELVARA_TEST_DATA_DIR) + "/" + g.file);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(timetable(g.zoneHours, g.longitudeDeg, g.latitudeDeg, g.year, g.month), expected);
    }
}

TEST(Timetable, FebruaryHasItsLeapDay) {
    EXPECT_EQ(countLines(timetable(1, 15.59, 45.49, 2024, 2)), 5 + 29);
    EXPECT_EQ(countLines(timetable(1, 15.59, 45.49, 2023, 2)), 5 + 28);
    EXPECT_EQ(countLines(timetable(1, 15.59, 45.49, 2000, 2)), 5 + 29);
    EXPECT_EQ(countLines(timetable(1, 15.59, 45.49, 1900, 2)), 5 + 28);
    const std::string text = timetable(1, 15.59, 45.49, 2000, 1);
    EXPECT_NE(text.find("\r\n 1   Sat      "), std::string::npos);
}

TEST(Timetable, DayCountCarriesIntoFollowingMonths) {
    const std::string text = timetable(1, 15.59, 45.49, 2025, 12, 30, 4);
    EXPECT_EQ(countLines(text), 5 + 4);
    EXPECT_NE(text.find("Praying times for a month: December  2025\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n30   Tue      "), std::string::npos);
    EXPECT_NE(text.find("\r\n31   Wed      "), std::string::npos);
    EXPECT_NE(text.find("\r\n 1   Thu      "), std::string::npos);
    EXPECT_NE(text.find("\r\n 2   Fri      "), std::string::npos);
    // The carried days are the same lines the January table has.
    const std::string january = timetable(1, 15.59, 45.49, 2026, 1);
    const std::string firstOfJanuary = januaryHead + sizeof januaryHead - 1 - 2 * 76;
    EXPECT_NE(text.find(firstOfJanuary), std::string::npos);

    // Through a leap February, one day at a time.
    const std::string leap = timetable(1, 15.59, 45.49, 2024, 2, 28, 3);
    EXPECT_NE(leap.find("\r\n29   Thu      "), std::string::npos);
    EXPECT_NE(leap.find("\r\n 1   Fri      "), std::string::npos);
}

TEST(Timetable, WritingTwiceReplacesTheFile) {
    const std::string path = scratchPath("selvara-replace-test.txt");
    ASSERT_TRUE(writeTimetable(path.c_str(), 1, 15.59, 45.49, 2026, 1, 0, 0));
    ASSERT_TRUE(writeTimetable(path.c_str(), 1, 15.59, 45.49, 2026, 2, 0, 0));
    const std::string text = readWholeFile(path);
    std::remove(path.c_str());
    EXPECT_EQ(countLines(text), 5 + 28);
    EXPECT_EQ(text.find("January"), std::string::npos);
}

TEST(Timetable, UnopenableFileIsReportedNotFatal) {
    const std::string path = scratchPath("no-such-folder/deeper/PrayingTimes.txt");
    EXPECT_FALSE(writeTimetable(path.c_str(), 1, 15.59, 45.49, 2026, 1, 0, 0));
    // Still running, and an ordinary write afterwards works.
    EXPECT_EQ(countLines(timetable(1, 15.59, 45.49, 2026, 1)), 5 + 31);
}

TEST(Timetable, ClockTimesAreCutNotRounded) {
    struct Case {
        double hours;
        const char* text;
    };
    const Case cases[] = {
        // clang-format off
        {5.5, "05:30"},   {12.999, "12:59"}, {24.25, "24:15"},    {-0.25, "00:15"},
        {-1.5, "-1:30"},  {0.0, "00:00"},    {99.99, "99:59"},    {100.5, "100:30"},
        {0.0 / 0.0, "--:--"}, {1e300, "--:--"}, {-1e300, "--:--"},
        // Negative times that are not whole minutes: the hours and the minutes are each cut toward
        // zero (-0.2583 h is -15.498 minutes), never floored to "-1:44" or "00:16".
        {-0.2583, "00:15"}, {-1.2583, "-1:15"}, {-0.0083, "00:00"}, {-12.9999, "-12:59"},
        // clang-format on
    };
    for (const Case& c : cases) {
        char text[clockTimeBufferSize];
        formatClockTime(text, sizeof text, c.hours);
        EXPECT_STREQ(text, c.text) << c.hours;
    }
    // A small buffer is cut and terminated, never overrun.
    char tiny[4] = {'x', 'x', 'x', 'x'};
    formatClockTime(tiny, sizeof tiny, 12.5);
    EXPECT_STREQ(tiny, "12:");
}

}  // namespace
