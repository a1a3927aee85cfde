#include "reminder_schedule.h"

#include "calculation_method.h"
#include "calendar.h"

#include <cmath>

namespace {

constexpr int minutesPerDay = 24 * 60;
constexpr int unixEpochDayNumber = 2440588;  // 1970-01-01
constexpr int friday = 5;                    // weekdays count from Sunday = 0
// The local days around a UTC date that can hold its events: a zone is at most 14 hours away,
// and the next event after any moment is less than a day ahead.
constexpr int firstDayOffset = -1;
constexpr int lastDayOffset = 2;
// How many days nextTimeAfter looks ahead before it gives up (a source with no times).
constexpr int mostLookAheadDays = 8;

int dayNumberOf(int year, int month, int day) {
    return static_cast<int>(julianDay(year, month, day + 0.5));
}

int64_t floorDivide(int64_t value, int64_t divisor) {
    const int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// The date `offset` days from a date (offset small).
void moveDate(int& year, int& month, int& day, int offset) {
    const int step = offset < 0 ? -1 : 1;
    for (int i = 0; i != offset; i += step) {
        day += step;
        normalizeGregorianDate(year, month, day);
    }
}

double timeOfSlot(const PrayerTimes& times, int slot) {
    const double values[prayerTimeCount] = {times.dawn,      times.sunrise, times.noon,
                                            times.afternoon, times.sunset,  times.evening};
    return values[slot];
}

bool eventAt(const ScheduleDay& day, int year, int month, int date, int slot, ReminderKind kind,
             int minutesBefore, ReminderEvent& event) {
    int clockMinute = 0;
    if (!clockMinuteOfHours(timeOfSlot(day.times, slot), clockMinute))
        return false;
    event.utcMinute = utcMinuteOfLocal(year, month, date, clockMinute, day.zoneMinutes) - minutesBefore;
    event.slot = slot;
    event.kind = kind;
    event.minutesBefore = minutesBefore;
    event.year = year;
    event.month = month;
    event.day = date;
    event.clockMinute = clockMinute;
    return true;
}

// Insertion in time order; equal times keep the order they were added in.
void sortByTime(ReminderEvent* events, int count) {
    for (int i = 1; i < count; ++i) {
        const ReminderEvent moving = events[i];
        int j = i;
        for (; j > 0 && events[j - 1].utcMinute > moving.utcMinute; --j)
            events[j] = events[j - 1];
        events[j] = moving;
    }
}

bool atTimeEnabled(const ReminderSettings& settings, int slot) {
    return slot != slotSunrise || settings.notifySunrise != 0;
}

}  // namespace

bool clockMinuteOfHours(double hours, int& clockMinute) {
    if (!(std::fabs(hours) < 1000.0))
        return false;
    if (hours >= 0) {
        const int wholeHours = static_cast<int>(hours);
        clockMinute = wholeHours * 60 + static_cast<int>((hours - wholeHours) * 60.0);
    } else {
        clockMinute = static_cast<int>(std::floor(hours * 60.0));
    }
    return true;
}

UtcMinute utcMinuteOfLocal(int year, int month, int day, int clockMinute, int zoneMinutes) {
    const int64_t days = static_cast<int64_t>(dayNumberOf(year, month, day)) - unixEpochDayNumber;
    return days * minutesPerDay + clockMinute - zoneMinutes;
}

void utcDateOfMinute(UtcMinute minute, int& year, int& month, int& day, int& minuteOfDay) {
    const int64_t days = floorDivide(minute, minutesPerDay);
    minuteOfDay = static_cast<int>(minute - days * minutesPerDay);
    julianDayToGregorian(static_cast<double>(days + unixEpochDayNumber), year, month, day);
}

ScheduleDay timetableRequestDay(const void* context, int year, int month, int day) {
    const TimetableRequest& request = *static_cast<const TimetableRequest*>(context);
    ScheduleDay result;
    result.zoneMinutes = timetableZoneMinutes(request, year, month, day);
    result.times = computeDayTimes(year, month, day, request.latitudeDeg, request.longitudeDeg,
                                   result.zoneMinutes, request.options);
    return result;
}

int dayEvents(const ReminderSchedule& schedule, int year, int month, int day, ReminderEvent* events) {
    const ScheduleDay times = schedule.source(schedule.context, year, month, day);
    const ReminderSettings& settings = schedule.settings;
    int count = 0;
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        const int before = settings.minutesBefore[slot];
        if (before > 0 && before <= mostReminderMinutes &&
            eventAt(times, year, month, day, slot, ReminderKind::before, before, events[count]))
            ++count;
        if (atTimeEnabled(settings, slot) &&
            eventAt(times, year, month, day, slot, ReminderKind::atTime, 0, events[count]))
            ++count;
    }
    const int fridayBefore = settings.fridayMinutesBefore;
    if (fridayBefore > 0 && fridayBefore <= mostReminderMinutes &&
        weekdayOfDayNumber(dayNumberOf(year, month, day)) == friday &&
        eventAt(times, year, month, day, slotDhuhr, ReminderKind::fridayBefore, fridayBefore, events[count]))
        ++count;
    sortByTime(events, count);
    return count;
}

namespace {

typedef int (*DayEventsFunction)(const ReminderSchedule& schedule, int year, int month, int day,
                                 ReminderEvent* events);

// The six times of a day as events, whatever the settings.
int sixTimes(const ReminderSchedule& schedule, int year, int month, int day, ReminderEvent* events) {
    const ScheduleDay times = schedule.source(schedule.context, year, month, day);
    int count = 0;
    for (int slot = 0; slot < prayerTimeCount; ++slot) {
        if (eventAt(times, year, month, day, slot, ReminderKind::atTime, 0, events[count]))
            ++count;
    }
    return count;
}

// The first event strictly after now among the local days around it, as eventsOfDay gives them.
bool firstEventAfter(const ReminderSchedule& schedule, UtcMinute now, DayEventsFunction eventsOfDay,
                     ReminderEvent& next) {
    int year = 0, month = 0, day = 0, minuteOfDay = 0;
    utcDateOfMinute(now, year, month, day, minuteOfDay);
    moveDate(year, month, day, firstDayOffset);
    bool found = false;
    for (int offset = firstDayOffset; offset <= mostLookAheadDays; ++offset) {
        if (found && offset > lastDayOffset)
            break;
        ReminderEvent events[mostDayEvents];
        const int count = eventsOfDay(schedule, year, month, day, events);
        for (int i = 0; i < count; ++i) {
            if (events[i].utcMinute > now && (!found || events[i].utcMinute < next.utcMinute)) {
                next = events[i];
                found = true;
            }
        }
        moveDate(year, month, day, 1);
    }
    return found;
}

}  // namespace

bool nextTimeAfter(ScheduleDaySource source, const void* context, UtcMinute now, ReminderEvent& next) {
    const ReminderSchedule schedule{source, context, defaultReminderSettings()};
    return firstEventAfter(schedule, now, sixTimes, next);
}

bool nextEventAfter(const ReminderSchedule& schedule, UtcMinute now, ReminderEvent& next) {
    return firstEventAfter(schedule, now, dayEvents, next);
}

int dueEvents(const ReminderSchedule& schedule, UtcMinute lastChecked, UtcMinute now, ReminderEvent* events,
              int capacity) {
    int year = 0, month = 0, day = 0, minuteOfDay = 0;
    utcDateOfMinute(now, year, month, day, minuteOfDay);
    moveDate(year, month, day, firstDayOffset);
    int count = 0;
    for (int offset = firstDayOffset; offset <= 1; ++offset) {
        ReminderEvent dayList[mostDayEvents];
        const int dayCount = dayEvents(schedule, year, month, day, dayList);
        for (int i = 0; i < dayCount && count < capacity; ++i) {
            const UtcMinute at = dayList[i].utcMinute;
            if (at > lastChecked && at <= now && now - at <= lateToleranceMinutes)
                events[count++] = dayList[i];
        }
        moveDate(year, month, day, 1);
    }
    sortByTime(events, count);
    return count;
}
