// The places file of the bulk timetable mode: CSV fields as RFC 4180 gives them, rows refused
// with their line while the others are read, and names made into distinct file names.
#include "bulk_places_csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

BulkPlacesCsv parse(const std::string& text) {
    return parseBulkPlacesCsv(text.data(), text.size(), PrayerOptions{});
}

TEST(BulkPlacesCsv, QuotedNameKeepsItsCommaAndQuote) {
    const BulkPlacesCsv file = parse("name,latitude,longitude,zone\r\n"
                                  "\"Mosque \"\"Al, Noor\"\"\",-33.87,151.21,10\r\n"
                                  "\"Two\nlines\",1,2,5:30\r\n");
    ASSERT_TRUE(file.headerError.empty()) << file.headerError;
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.rows[0].name, "Mosque \"Al, Noor\"");
    EXPECT_EQ(file.rows[0].lineNumber, 2);
    EXPECT_DOUBLE_EQ(file.rows[0].latitudeDeg, -33.87);
    EXPECT_EQ(file.rows[0].prayer.zoneMinutes, 600);
    EXPECT_EQ(file.rows[1].name, "Two\nlines");
    EXPECT_EQ(file.rows[1].prayer.zoneMinutes, 330);
    EXPECT_TRUE(file.errors.empty());
}

TEST(BulkPlacesCsv, ColumnsInAnyOrderWithTheOptionalOnes) {
    const BulkPlacesCsv file = parse("\xEF\xBB\xBFZone,Name,Longitude,Latitude,Method,Asr,Adjust\n"
                                  "Europe/London,London,-0.12,51.5,mwl,hanafi,\"0,0,1,0,0,0\"\n"
                                  "\n"
                                  "-3:30,St. John's,-52.7,47.56,,,\n");
    ASSERT_TRUE(file.headerError.empty()) << file.headerError;
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_TRUE(file.rows[0].prayer.haveTimeZone);
    EXPECT_NE(file.rows[0].prayer.options.methodIndex, PrayerOptions{}.methodIndex);
    EXPECT_EQ(file.rows[0].prayer.options.adjustMinutes[2], 1);
    EXPECT_EQ(file.rows[1].lineNumber, 4);
    EXPECT_EQ(file.rows[1].prayer.zoneMinutes, -210);
    EXPECT_EQ(file.rows[1].prayer.options.methodIndex, PrayerOptions{}.methodIndex);
}

// A place's own elevation and high-latitude rule; refused values are reported as any other.
TEST(BulkPlacesCsv, ElevationAndHighLatitudeColumns) {
    const BulkPlacesCsv file = parse("name,latitude,longitude,zone,method,elevation,high_lat\n"
                                  "Ifrane,33.53,-5.11,1,morocco,1665,\n"
                                  "Oslo,59.91,10.75,Europe/Oslo,mwl,,seventh\n"
                                  "Everest,27.99,86.93,5:45,mwl,9001,\n"  // 4: above the highest
                                  "Nowhere,0,0,0,mwl,,polar\n");           // 5: no such rule
    ASSERT_TRUE(file.headerError.empty()) << file.headerError;
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.rows[0].prayer.options.elevationM, 1665.0);
    EXPECT_EQ(file.rows[0].prayer.options.highLatitudeRule, HighLatitudeRule::methodDefault);
    EXPECT_EQ(file.rows[1].prayer.options.elevationM, 0.0);
    EXPECT_EQ(file.rows[1].prayer.options.highLatitudeRule, HighLatitudeRule::seventhOfNight);
    ASSERT_EQ(file.errors.size(), 2u);
    EXPECT_EQ(file.errors[0].lineNumber, 4);
    EXPECT_EQ(file.errors[1].lineNumber, 5);
}

// Each bad row is named by the line it starts on; the rows around it are still read.
TEST(BulkPlacesCsv, BadRowsAreReportedByLineAndTheOthersKept) {
    const BulkPlacesCsv file = parse("name,latitude,longitude,zone,method\n"
                                  "A,45,15,1,\n"
                                  "B,91,15,1,\n"             // 3: latitude out of range
                                  "C,45,181,1,\n"            // 4: longitude out of range
                                  "D,45,15,Mars/Olympus,\n"  // 5: no such zone
                                  "E,45,15,5:60,\n"          // 6: no such zone
                                  "F,45,15,1\n"              // 7: a field short
                                  "G,45,15,1,nosuch\n"       // 8: no such method
                                  ",45,15,1,\n"              // 9: no name
                                  "\"H,45,15,1,\n"           // 10: quote never closed
                                  "I\"x,45,15,1,\n"          // 11: quote inside a plain field
                                  "\"J\"x,45,15,1,\n"        // 12: text after the closing quote
                                  "K,abc,15,1,\n"            // 13: not a number
                                  "L,-45,-15,-12:00,isna\n");
    ASSERT_TRUE(file.headerError.empty());
    std::vector<std::string> names;
    for (const PlaceRow& row : file.rows)
        names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "L"}));
    std::vector<int> lines;
    for (const PlaceRowError& error : file.errors) {
        lines.push_back(error.lineNumber);
        EXPECT_FALSE(error.message.empty());
    }
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST(BulkPlacesCsv, AHeaderWithoutTheFourColumnsReadsNoRow) {
    for (const char* text : {"", "name,latitude,longitude\nA,1,2\n", "name,latitude,longitude,zone,height\n",
                             "name,latitude,longitude,zone,name\n", "A,45,15,1\n"}) {
        SCOPED_TRACE(text);
        const BulkPlacesCsv file = parse(text);
        EXPECT_FALSE(file.headerError.empty());
        EXPECT_TRUE(file.rows.empty());
    }
}

TEST(BulkPlacesCsv, NamesBecomeDistinctSafeFileNames) {
    const std::vector<std::string> names = {"Zagreb",
                                            "zagreb",
                                            "Zagreb",
                                            "../etc/passwd",
                                            "a/b\\c:d",
                                            "",
                                            "...",
                                            "CON",
                                            "com1.x",
                                            "Z\xC3\xBCrich",
                                            "Mosque \"Al, Noor\"",
                                            std::string(100, 'x'),
                                            "zagreb-2"};
    const std::vector<std::string> expected = {
        "Zagreb",  "zagreb-2", "Zagreb-3",          "_._etc_passwd",      "a_b_c_d",   "place", "_._", "_CON",
        "_com1.x", "Z__rich",  "Mosque__Al__Noor_", std::string(64, 'x'), "zagreb-2-2"};
    EXPECT_EQ(uniqueFileNames(names), expected);
}

}  // namespace
