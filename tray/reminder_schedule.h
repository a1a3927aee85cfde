// The reminder's schedule: which notifications and sounds fall when. Pure computation on an
// injected clock: the caller gives "now" as minutes of UTC and a source of each local day's six
// times with the zone in force on that day, so midnight, clock changes, zone changes and sleep
// are all just another "now".
#pragma once

#include "prayer_times.h"
#include "reminder_settings.h"
#include "timetable.h"

#include <cstdint>

// Minutes since 1970-01-01 00:00 UTC.
typedef int64_t UtcMinute;

// One local day as the source gives it: the six times (decimal hours of the day's clock) and that
// clock's offset, minutes east of Greenwich.
struct ScheduleDay {
    PrayerTimes times;
    int zoneMinutes;
};
typedef ScheduleDay (*ScheduleDaySource)(const void* context, int year, int month, int day);

// The engine as a source: the times a timetable of this request would print for the day.
// context is a const TimetableRequest*.
ScheduleDay timetableRequestDay(const void* context, int year, int month, int day);

struct ReminderSchedule {
    ScheduleDaySource source;
    const void* context;  // handed to source
    ReminderSettings settings;
};

enum class ReminderKind {
    atTime,        // the prayer (or sunrise) has come: notification and sound
    before,        // minutesBefore ahead of the time (sunrise: "Fajr ends in N minutes")
    fridayBefore,  // minutesBefore ahead of Friday's Dhuhr
};

struct ReminderEvent {
    UtcMinute utcMinute;  // when it falls
    int slot;             // PrayerSlot of the time it is about
    ReminderKind kind;
    int minutesBefore;    // the before kinds: how far ahead
    int year, month, day; // the local date of the time
    int clockMinute;      // the time on that day's clock, minutes after its midnight (as printed)
};

// A late event is still sounded up to this many minutes after its time; an older one (the
// computer slept, the clock jumped) is dropped.
constexpr int lateToleranceMinutes = 1;

// The most events one local day can hold: six times, six reminders and Friday's.
constexpr int mostDayEvents = 2 * prayerTimeCount + 1;

// The minute of a day's clock at which a time falls, cut as the timetable prints it (12.999 is
// 12:59); false for a time the engine could not give.
bool clockMinuteOfHours(double hours, int& clockMinute);

// The enabled events of one local day, in time order. Returns the count (<= mostDayEvents).
int dayEvents(const ReminderSchedule& schedule, int year, int month, int day, ReminderEvent* events);

// The first of the six times strictly after now, whatever the settings (the tooltip, the menu's
// mark, the console's "next"). False only when the source gives no times for days on end.
bool nextTimeAfter(ScheduleDaySource source, const void* context, UtcMinute now, ReminderEvent& next);

// The first enabled event strictly after now.
bool nextEventAfter(const ReminderSchedule& schedule, UtcMinute now, ReminderEvent& next);

// The events to fire on waking at now when everything up to lastChecked has been handled: those
// with lastChecked < time <= now that are at most lateToleranceMinutes old, in time order.
// Returns the count (<= capacity).
int dueEvents(const ReminderSchedule& schedule, UtcMinute lastChecked, UtcMinute now, ReminderEvent* events,
              int capacity);

// Minutes of UTC for a local clock minute of a date with the given offset, and the UTC date and
// minute of the day for a UTC minute.
UtcMinute utcMinuteOfLocal(int year, int month, int day, int clockMinute, int zoneMinutes);
void utcDateOfMinute(UtcMinute minute, int& year, int& month, int& day, int& minuteOfDay);
