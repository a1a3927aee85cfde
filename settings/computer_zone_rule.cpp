#include "computer_zone_rule.h"

#include "calendar.h"

#include <cstdint>

static const int lastOccurrence = 5;
static const int minutesPerDay = 24 * 60;
static const int noonMinutes = 12 * 60;

// -(bias + extra) without overflow: the platform's values are taken as they come.
static int32_t offsetFromBiases(int32_t biasMinutes, int32_t extraBiasMinutes) {
    const int64_t offset = -(static_cast<int64_t>(biasMinutes) + extraBiasMinutes);
    if (offset > INT32_MAX) {
        return INT32_MAX;
    }
    if (offset < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(offset);
}

int32_t computerStandardOffsetMinutes(const ComputerZoneRule& zone) {
    return offsetFromBiases(zone.biasMinutes, zone.standardBiasMinutes);
}

int32_t computerDaylightOffsetMinutes(const ComputerZoneRule& zone) {
    return offsetFromBiases(zone.biasMinutes, zone.daylightBiasMinutes);
}

static bool isUsableRule(const ZoneTransitionRule& rule) {
    return rule.month >= 1 && rule.month <= 12 && rule.hour >= 0 && rule.hour <= 23 && rule.minute >= 0 &&
           rule.minute <= 59;
}

bool computerHasDaylightTime(const ComputerZoneRule& zone) {
    return isUsableRule(zone.standardStart) && isUsableRule(zone.daylightStart);
}

int transitionDayInYear(const ZoneTransitionRule& rule, int year) {
    if (!isUsableRule(rule)) {
        return 0;
    }
    const int length = gregorianMonthLength(year, rule.month);
    if (rule.year != 0) {
        const bool sameYear = rule.year == year && rule.day >= 1 && rule.day <= length;
        return sameYear ? rule.day : 0;
    }
    if (rule.dayOfWeek < 0 || rule.dayOfWeek > 6 || rule.day < 1 || rule.day > lastOccurrence) {
        return 0;
    }
    return nthWeekdayOfMonth(year, rule.month, rule.dayOfWeek, rule.day);
}

// A local clock time within the year as minutes, comparable across months.
static long minutesIntoYear(int month, int day, int minutesOfDay) {
    return (static_cast<long>(month) * 32 + day) * minutesPerDay + minutesOfDay;
}

int32_t computerOffsetAtNoonMinutes(const ComputerZoneRule& zone, int year, int month, int day) {
    if (!computerHasDaylightTime(zone)) {
        return computerStandardOffsetMinutes(zone);
    }
    const int daylightDay = transitionDayInYear(zone.daylightStart, year);
    const int standardDay = transitionDayInYear(zone.standardStart, year);
    if (daylightDay == 0 || standardDay == 0) {
        return computerStandardOffsetMinutes(zone);
    }
    const ZoneTransitionRule& in = zone.daylightStart;
    const ZoneTransitionRule& out = zone.standardStart;
    const long begins = minutesIntoYear(in.month, daylightDay, in.hour * 60 + in.minute);
    const long ends = minutesIntoYear(out.month, standardDay, out.hour * 60 + out.minute);
    const long noon = minutesIntoYear(month, day, noonMinutes);
    // North of the equator daylight time lies inside the year; south of it, across the new year.
    const bool daylight = begins < ends ? (noon >= begins && noon < ends) : (noon >= begins || noon < ends);
    return daylight ? computerDaylightOffsetMinutes(zone) : computerStandardOffsetMinutes(zone);
}
