// The reminder's schedule on a test clock. The expected instants are written as UTC clock texts and
// turned into minutes by the C library's own calendar (utc_minutes.h), not by the schedule.
#include "reminder_schedule.h"

#include "calculation_method.h"
#include "timetable.h"
#include "utc_minutes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// "2026-03-29 03:00" (UTC) as minutes since 1970.
UtcMinute utc(const char* text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    EXPECT_EQ(5, std::sscanf(text, "%d-%d-%d %d:%d", &year, &month, &day, &hour, &minute)) << text;
    return utcMinutes(year, month, day, hour, minute);
}

// A made-up town whose six times are the same every day (Fajr 05:00, sunrise 06:30, Dhuhr 12:00,
// Asr 15:00, Maghrib 18:00, Isha as set), on a clock that changes its offset on one date.
struct FakeTown {
    double ishaHours = 19.5;
    int zoneBeforeMinutes = 60;
    int zoneFromMinutes = 60;  // in force from the change date on
    int changeYear = 2026, changeMonth = 3, changeDay = 29;
};

ScheduleDay fakeDay(const void* context, int year, int month, int day) {
    const FakeTown& town = *static_cast<const FakeTown*>(context);
    const long date = year * 10000L + month * 100L + day;
    const long change = town.changeYear * 10000L + town.changeMonth * 100L + town.changeDay;
    ScheduleDay result;
    result.times = PrayerTimes{5.0, 6.5, 12.0, 15.0, 18.0, town.ishaHours};
    result.zoneMinutes = date >= change ? town.zoneFromMinutes : town.zoneBeforeMinutes;
    return result;
}

ReminderSchedule scheduleOf(const FakeTown& town) {
    return ReminderSchedule{fakeDay, &town, defaultReminderSettings()};
}

std::vector<UtcMinute> dueTimes(const ReminderSchedule& schedule, UtcMinute lastChecked, UtcMinute now) {
    ReminderEvent events[16];
    const int count = dueEvents(schedule, lastChecked, now, events, 16);
    std::vector<UtcMinute> times;
    for (int i = 0; i < count; ++i)
        times.push_back(events[i].utcMinute);
    return times;
}

// The next of the six times after a moment: which slot and when.
struct NextCase {
    const char* what;
    int zoneBeforeMinutes, zoneFromMinutes;
    int changeYear, changeMonth, changeDay;
    double ishaHours;
    const char* now;   // UTC
    int slot;          // expected
    const char* when;  // expected, UTC
};

const NextCase nextCases[] = {
    {"before the first time of the day", 60, 60, 2026, 1, 1, 19.5, "2026-12-08 03:00", slotFajr, "2026-12-08 04:00"},
    {"between two times", 60, 60, 2026, 1, 1, 19.5, "2026-12-08 12:00", slotAsr, "2026-12-08 14:00"},
    {"on a time's minute the next one is next", 60, 60, 2026, 1, 1, 19.5, "2026-12-08 14:00", slotMaghrib,
     "2026-12-08 17:00"},
    {"after the last time of the day", 60, 60, 2026, 1, 1, 19.5, "2026-12-08 18:30", slotFajr, "2026-12-09 04:00"},
    {"across midnight", 60, 60, 2026, 1, 1, 19.5, "2026-12-08 23:30", slotFajr, "2026-12-09 04:00"},
    {"an evening time past midnight", 60, 60, 2026, 1, 1, 24.5, "2026-12-08 22:00", slotIsha,
     "2026-12-08 23:30"},
    {"spring forward, north (a 23-hour day)", 60, 120, 2026, 3, 29, 19.5, "2026-03-28 19:00", slotFajr,
     "2026-03-29 03:00"},
    {"fall back, north (a 25-hour day)", 120, 60, 2026, 10, 25, 19.5, "2026-10-24 19:00", slotFajr,
     "2026-10-25 04:00"},
    {"spring forward, south (a 23-hour day)", 600, 660, 2026, 10, 4, 19.5, "2026-10-03 10:00", slotFajr,
     "2026-10-03 18:00"},
    {"fall back, south (a 25-hour day)", 660, 600, 2026, 4, 5, 19.5, "2026-04-04 10:00", slotFajr,
     "2026-04-04 19:00"},
    {"a zone west of Greenwich", -300, -300, 2026, 1, 1, 19.5, "2026-12-09 01:00", slotFajr, "2026-12-09 10:00"},
    {"a zone far east", 780, 780, 2026, 1, 1, 19.5, "2026-12-08 12:00", slotFajr, "2026-12-08 16:00"},
};

TEST(ReminderSchedule, NextTimeOfTheSix) {
    for (const NextCase& c : nextCases) {
        FakeTown town;
        town.zoneBeforeMinutes = c.zoneBeforeMinutes;
        town.zoneFromMinutes = c.zoneFromMinutes;
        town.changeYear = c.changeYear;
        town.changeMonth = c.changeMonth;
        town.changeDay = c.changeDay;
        town.ishaHours = c.ishaHours;
        ReminderEvent next{};
        ASSERT_TRUE(nextTimeAfter(fakeDay, &town, utc(c.now), next)) << c.what;
        EXPECT_EQ(c.slot, next.slot) << c.what;
        EXPECT_EQ(utc(c.when), next.utcMinute) << c.what;
    }
}

// The days a clock change makes short or long: one Fajr to the next is 23 or 25 hours.
TEST(ReminderSchedule, ClockChangeDaysAreShortAndLong) {
    struct {
        int before, from, year, month, day;
        int hoursBetweenFajrs;
    } const cases[] = {
        {60, 120, 2026, 3, 29, 23}, {120, 60, 2026, 10, 25, 25},   // north
        {600, 660, 2026, 10, 4, 23}, {660, 600, 2026, 4, 5, 25},   // south
    };
    for (const auto& c : cases) {
        FakeTown town;
        town.zoneBeforeMinutes = c.before;
        town.zoneFromMinutes = c.from;
        town.changeYear = c.year;
        town.changeMonth = c.month;
        town.changeDay = c.day;
        const ReminderSchedule schedule = scheduleOf(town);
        ReminderEvent before[mostDayEvents];
        ReminderEvent on[mostDayEvents];
        ASSERT_EQ(5, dayEvents(schedule, c.year, c.month, c.day - 1, before));
        ASSERT_EQ(5, dayEvents(schedule, c.year, c.month, c.day, on));
        EXPECT_EQ(c.hoursBetweenFajrs * 60, on[0].utcMinute - before[0].utcMinute);
        EXPECT_EQ(5 * 60, on[0].clockMinute);  // the clock still says 05:00
    }
}

TEST(ReminderSchedule, ZoneChangeMovesTheSameClockTimes) {
    FakeTown town;  // +01:00 all year
    const ReminderSchedule schedule = scheduleOf(town);
    ReminderEvent next{};
    ASSERT_TRUE(nextEventAfter(schedule, utc("2026-12-08 13:00"), next));
    EXPECT_EQ(utc("2026-12-08 14:00"), next.utcMinute);  // Asr 15:00 at +01:00
    town.zoneBeforeMinutes = town.zoneFromMinutes = 180;   // the computer moved to +03:00
    ASSERT_TRUE(nextEventAfter(schedule, utc("2026-12-08 13:00"), next));
    EXPECT_EQ(slotMaghrib, next.slot);  // Asr at 12:00 UTC is now behind
    EXPECT_EQ(utc("2026-12-08 15:00"), next.utcMinute);
}

// On waking: what is sounded, given what was handled before.
TEST(ReminderSchedule, LateEventsAreNotSounded) {
    FakeTown town;
    const ReminderSchedule schedule = scheduleOf(town);
    struct {
        const char* what;
        const char* lastChecked;
        const char* now;
        std::vector<const char*> due;
    } const cases[] = {
        {"on time", "2026-12-08 13:59", "2026-12-08 14:00", {"2026-12-08 14:00"}},
        {"a minute late", "2026-12-08 13:59", "2026-12-08 14:01", {"2026-12-08 14:00"}},
        {"two minutes late", "2026-12-08 13:59", "2026-12-08 14:02", {}},
        {"asleep over Dhuhr and Asr", "2026-12-08 10:00", "2026-12-08 15:30", {}},
        {"asleep over Dhuhr, woken at Asr", "2026-12-08 10:00", "2026-12-08 14:00", {"2026-12-08 14:00"}},
        {"started after the times", "2026-12-08 15:00", "2026-12-08 15:00", {}},
        {"already handled", "2026-12-08 14:00", "2026-12-08 14:01", {}},
        {"the last event of the day", "2026-12-08 18:29", "2026-12-08 18:30", {"2026-12-08 18:30"}},
        {"across midnight nothing falls", "2026-12-08 22:59", "2026-12-08 23:01", {}},
    };
    for (const auto& c : cases) {
        std::vector<UtcMinute> expected;
        for (const char* text : c.due)
            expected.push_back(utc(text));
        EXPECT_EQ(expected, dueTimes(schedule, utc(c.lastChecked), utc(c.now))) << c.what;
    }
}

TEST(ReminderSchedule, RemindersBeforeTheTimes) {
    FakeTown town;
    ReminderSchedule schedule = scheduleOf(town);
    ReminderEvent events[mostDayEvents];
    // Reminders at 0 are off: only the five prayers (sunrise is silent by default).
    ASSERT_EQ(5, dayEvents(schedule, 2026, 12, 8, events));
    const int prayers[] = {slotFajr, slotDhuhr, slotAsr, slotMaghrib, slotIsha};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(prayers[i], events[i].slot);
        EXPECT_EQ(ReminderKind::atTime, events[i].kind);
    }

    schedule.settings.minutesBefore[slotAsr] = 10;
    schedule.settings.minutesBefore[slotSunrise] = 15;  // "Fajr ends in 15 minutes"
    schedule.settings.notifySunrise = 1;
    ASSERT_EQ(8, dayEvents(schedule, 2026, 12, 8, events));
    EXPECT_EQ(utc("2026-12-08 05:15"), events[1].utcMinute);
    EXPECT_EQ(slotSunrise, events[1].slot);
    EXPECT_EQ(ReminderKind::before, events[1].kind);
    EXPECT_EQ(utc("2026-12-08 05:30"), events[2].utcMinute);  // sunrise itself
    EXPECT_EQ(utc("2026-12-08 13:50"), events[4].utcMinute);
    EXPECT_EQ(ReminderKind::before, events[4].kind);
    EXPECT_EQ(10, events[4].minutesBefore);
    EXPECT_EQ(15 * 60, events[4].clockMinute);  // the reminder tells Asr's own time
}

TEST(ReminderSchedule, FridayReminderOnlyOnFriday) {
    FakeTown town;
    ReminderSchedule schedule = scheduleOf(town);
    schedule.settings.fridayMinutesBefore = 30;
    ReminderEvent events[mostDayEvents];
    ASSERT_EQ(5, dayEvents(schedule, 2026, 12, 10, events));  // a Thursday
    ASSERT_EQ(6, dayEvents(schedule, 2026, 12, 11, events));  // a Friday
    EXPECT_EQ(ReminderKind::fridayBefore, events[1].kind);
    EXPECT_EQ(utc("2026-12-11 10:30"), events[1].utcMinute);
}

// The engine as the source: in Ramadan the makkah method's evening prayer comes two hours after
// sunset instead of ninety minutes (the published rule of that calendar's authority); 1 Ramadan
// 1447 is 18 February 2026.
TEST(ReminderSchedule, RamadanIntervalDays) {
    TimetableRequest request;
    request.latitudeDeg = 21.4225;
    request.longitudeDeg = 39.8262;
    request.zoneMinutes = 180;
    request.options.methodIndex = findCalculationMethod("makkah");
    ASSERT_GE(request.options.methodIndex, 0);
    const ReminderSchedule schedule{timetableRequestDay, &request, defaultReminderSettings()};
    struct {
        int month, day, minutesAfterSunset;
    } const cases[] = {{2, 17, 90}, {2, 18, 120}, {3, 18, 120}, {3, 20, 90}};
    for (const auto& c : cases) {
        ReminderEvent events[mostDayEvents];
        ASSERT_EQ(5, dayEvents(schedule, 2026, c.month, c.day, events));
        EXPECT_NEAR(c.minutesAfterSunset, events[4].clockMinute - events[3].clockMinute, 1)
            << c.month << "-" << c.day;
    }
}

}  // namespace
