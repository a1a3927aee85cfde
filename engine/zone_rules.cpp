#include "zone_rules.h"

#include "ascii_names.h"
#include "calendar.h"
#include "posix_zone_rule.h"
#include "zone_table.h"

#include <cmath>

namespace {

constexpr int64_t secondsPerDay = 86400;
constexpr int64_t noonSeconds = 43200;
constexpr int64_t secondsPerMinute = 60;

bool validIndex(int zoneIndex) {
    return zoneIndex >= 0 && zoneIndex < zoneNameCount;
}

// Seconds east of Greenwich at a UTC instant, from the zone's listed changes and then its rule.
int32_t offsetAtInstant(const ZoneData& zone, int64_t utcSeconds) {
    PosixZoneRule rule{};
    const bool haveRule = zone.rule[0] != '\0' && parsePosixZoneRule(zone.rule, rule);
    const int32_t* minutes = zoneChangeMinutes + zone.firstChange;
    const int32_t* offsets = zoneChangeOffsetSeconds + zone.firstChange;
    // The last listed change at or before the instant (binary search).
    int low = 0;
    int high = zone.changeCount;  // the answer is low - 1 once low == high
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (int64_t(minutes[middle]) * secondsPerMinute <= utcSeconds)
            low = middle + 1;
        else
            high = middle;
    }
    const int change = low - 1;
    if (zone.changeCount == 0)
        return haveRule ? posixOffsetAt(rule, utcSeconds) : zone.initialOffsetSeconds;
    if (change < 0)
        return zone.initialOffsetSeconds;
    if (change == zone.changeCount - 1 && haveRule)
        return posixOffsetAt(rule, utcSeconds);
    return offsets[change];
}

int secondsToMinutes(int32_t seconds) {
    return static_cast<int>(std::lround(seconds / 60.0));
}

}  // namespace

int findTimeZone(const char* name) {
    if (!name)
        return -1;
    for (int i = 0; i < zoneNameCount; ++i) {
        if (sameNameIgnoringCase(name, zoneNames[i].name))
            return i;
    }
    return -1;
}

int timeZoneCount() {
    return zoneNameCount;
}

const char* timeZoneName(int zoneIndex) {
    return validIndex(zoneIndex) ? zoneNames[zoneIndex].name : "";
}

int zoneOffsetAtLocalNoon(int zoneIndex, int year, int month, int day) {
    if (!validIndex(zoneIndex) || month < 1 || month > 12)
        return 0;
    const ZoneData& zone = zoneData[zoneNames[zoneIndex].data];
    const int64_t localNoon = daysFromCivil(year, month, day) * secondsPerDay + noonSeconds;
    // Local noon is UTC noon less the offset, which depends on the instant: two steps settle it
    // (no zone changes its clock within hours of noon).
    const int32_t guess = offsetAtInstant(zone, localNoon - zone.initialOffsetSeconds);
    return secondsToMinutes(offsetAtInstant(zone, localNoon - guess));
}

int zoneStandardOffsetMinutes(int zoneIndex) {
    if (!validIndex(zoneIndex))
        return 0;
    const ZoneData& zone = zoneData[zoneNames[zoneIndex].data];
    PosixZoneRule rule{};
    if (zone.rule[0] != '\0' && parsePosixZoneRule(zone.rule, rule)) {
        // A rule whose "daylight" time is the earlier clock (Ireland's winter time) names the
        // summer offset as its standard: the earlier of the two is the zone's standard offset.
        const int32_t winterSeconds = rule.daylightOffsetSeconds < rule.standardOffsetSeconds
                                          ? rule.daylightOffsetSeconds
                                          : rule.standardOffsetSeconds;
        return secondsToMinutes(winterSeconds);
    }
    const int32_t last = zone.changeCount > 0
                             ? zoneChangeOffsetSeconds[zone.firstChange + zone.changeCount - 1]
                             : zone.initialOffsetSeconds;
    return secondsToMinutes(last);
}

int timeZoneOffsetForDay(const void* context, int year, int month, int day) {
    const int zoneIndex = context ? *static_cast<const int*>(context) : -1;
    return zoneOffsetAtLocalNoon(zoneIndex, year, month, day);
}
