// The timetable request of the stored settings (the window's and the reminder's): which clock each day follows and the
// zone of each day. The offsets expected are those the governments publish (tzdata agrees).
#include "chosen_request.h"

#include "calculation_method.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// {year, month, dayOfWeek, day (occurrence, 5 = last), hour, minute}
const ComputerZoneRule usEastern = {300, 0, -60, {0, 11, 0, 1, 2, 0}, {0, 3, 0, 2, 2, 0}};

struct Stored {
    SettingsRecord place = defaultSettings();
    CalculationSettings choices = defaultCalculationSettings();
};

// The zone the request names for a day: its provider's, or the fixed zone.
int zoneOn(const TimetableRequest& request, int year, int month, int day) {
    if (request.zoneOffsetForDay == nullptr)
        return request.zoneMinutes;
    return request.zoneOffsetForDay(request.zoneContext, year, month, day);
}

TEST(ChosenRequest, EachDayFollowsTheChosenClock) {
    const struct {
        const char* name;
        int32_t hours;
        int32_t zoneMinutes;  // noZoneMinutes: whole hours only
        int32_t daylightChanges;
        const char* zoneName;
        bool computerKnown;
        int januaryMinutes;  // 15 January 2026
        int julyMinutes;     // 1 July 2026
    } rows[] = {
        {"fixed hours", 1, noZoneMinutes, 0, "", true, 60, 60},
        {"fixed 5:30", 6, 330, 1, "", true, 330, 330},
        {"box unchecked, named zone", 1, noZoneMinutes, 0, "Europe/London", true, 60, 60},
        {"named zone", 0, noZoneMinutes, 1, "Europe/London", true, 0, 60},
        {"named zone far from the field", 9, noZoneMinutes, 1, "America/New_York", true, -300, -240},
        {"computer's rule", -5, noZoneMinutes, 1, "", true, -300, -240},
        {"computer unknown", -5, noZoneMinutes, 1, "", false, -300, -300},
        {"another zone than the computer's", 1, noZoneMinutes, 1, "", true, 60, 60},
        {"hand-typed hours beyond a zone", 20, noZoneMinutes, 0, "", true, 1200, 1200},
        {"hand-typed hours of a day", 24, noZoneMinutes, 1, "", true, 0, 0},
    };
    for (const auto& row : rows) {
        Stored stored;
        stored.place.timeZone = row.hours;
        stored.place.daylightChanges = row.daylightChanges;
        stored.choices.zoneMinutes = row.zoneMinutes;
        std::strcpy(stored.choices.zoneName, row.zoneName);
        ChosenClock clock;
        const TimetableRequest request = chosenTimetableRequest(
            stored.place, stored.choices, row.computerKnown ? usEastern : ComputerZoneRule{}, row.computerKnown,
            clock, 2026, 7);
        EXPECT_EQ(zoneOn(request, 2026, 1, 15), row.januaryMinutes) << row.name;
        EXPECT_EQ(zoneOn(request, 2026, 7, 1), row.julyMinutes) << row.name;
    }
}

TEST(ChosenRequest, PlaceMonthAndChoicesGoIntoTheRequest) {
    Stored stored;
    stored.place.latitude = 21.42;
    stored.place.longitude = 39.83;
    stored.choices.methodIndex = findCalculationMethod("makkah");
    stored.choices.asrShadowFactor = hanafiAsrShadowFactor;
    const int32_t adjustments[prayerTimeCount] = {-3, 0, 2, 0, 0, 120};
    std::memcpy(stored.choices.adjustmentsMinutes, adjustments, sizeof adjustments);
    stored.choices.hijriAdjustmentDays = -1;
    stored.choices.highLatitudeRule = HighLatitudeRule::seventhOfNight;
    stored.choices.elevationM = 277;
    stored.choices.useElevation = 1;
    ChosenClock clock;
    const TimetableRequest request =
        chosenTimetableRequest(stored.place, stored.choices, ComputerZoneRule{}, false, clock, 2027, 3);
    EXPECT_EQ(request.latitudeDeg, 21.42);
    EXPECT_EQ(request.longitudeDeg, 39.83);
    EXPECT_EQ(request.year, 2027);
    EXPECT_EQ(request.month, 3);
    EXPECT_EQ(request.firstDay, 1);
    EXPECT_EQ(request.dayCount, wholeMonthDayCount);
    EXPECT_EQ(request.format, TimetableFormat::fixedColumns);
    EXPECT_EQ(request.options.methodIndex, 5);
    EXPECT_EQ(request.options.asrShadowFactor, 2);
    EXPECT_EQ(std::memcmp(request.options.adjustMinutes, adjustments, sizeof adjustments), 0);
    EXPECT_EQ(request.options.hijriAdjustmentDays, -1);
    EXPECT_EQ(request.options.highLatitudeRule, HighLatitudeRule::seventhOfNight);
    EXPECT_EQ(request.options.elevationM, 277.0);
    EXPECT_TRUE(request.options.useElevation);
}

}  // namespace
