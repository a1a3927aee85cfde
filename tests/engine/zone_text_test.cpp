#include "zone_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ZoneTextCase {
    const char* text;
    bool accepted;
    int minutes;
};

const ZoneTextCase zoneTexts[] = {
    {"1", true, 60},       {"0", true, 0},          {"-0", true, 0},      {"+3", true, 180},
    {"-5", true, -300},    {"14", true, 840},       {"-12", true, -720},  {"5.5", true, 330},
    {"-3.5", true, -210},  {"5.75", true, 345},     {"9.5", true, 570},   {"5.1", true, 306},
    {"5:30", true, 330},   {"-3:30", true, -210},   {"+5:45", true, 345}, {"12:45", true, 765},
    {"-9:30", true, -570}, {" 5:30 ", true, 330},   {"05:30", true, 330}, {"14:00", true, 840},
    {"5:60", false, 0},    {"15", false, 0},        {"abc", false, 0},    {"", false, 0},
    {"   ", false, 0},     {"5:3", false, 0},       {"5:300", false, 0},  {"5.", false, 0},
    {".5", false, 0},      {"5.33", false, 0},      {"14:01", false, 0},  {"-12:30", false, 0},
    {"-13", false, 0},     {"+-5", false, 0},       {"5 30", false, 0},   {"5:30x", false, 0},
    {"123", false, 0},     {"5.1234567", false, 0}, {"1e1", false, 0},    {"0x5", false, 0},
};

TEST(ZoneText, ParsesTheThreeFormsAndRefusesTheRest) {
    for (const ZoneTextCase& row : zoneTexts) {
        SCOPED_TRACE(row.text);
        int minutes = 12345;
        EXPECT_EQ(parseZoneText(row.text, minutes), row.accepted);
        EXPECT_EQ(minutes, row.accepted ? row.minutes : 12345);  // untouched when refused
    }
    int minutes = 7;
    EXPECT_FALSE(parseZoneText(nullptr, minutes));
}

TEST(ZoneText, FormatsWholeHoursPlainAndOthersAsHoursAndMinutes) {
    const struct {
        int minutes;
        const char* text;
    } rows[] = {{60, "1"},       {0, "0"},      {-300, "-5"},  {330, "5:30"},
                {-210, "-3:30"}, {345, "5:45"}, {-30, "-0:30"}};
    for (const auto& row : rows) {
        char text[zoneTextBufferSize];
        formatZoneText(text, sizeof text, row.minutes);
        EXPECT_STREQ(text, row.text);
        int back = 0;
        EXPECT_TRUE(parseZoneText(text, back));
        EXPECT_EQ(back, row.minutes);
    }
    char wide[zoneTextBufferSize];
    formatZoneText(wide, sizeof wide, -2147483647 - 1);  // no valid zone, but a defined text
    EXPECT_STREQ(wide, "-35791394:08");
    char small[3] = {'x', 'x', 'x'};
    formatZoneText(small, sizeof small, -210);
    EXPECT_STREQ(small, "-3");
}

}  // namespace
