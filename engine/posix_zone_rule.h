// The rule of a POSIX TZ string, as the last line of a compiled zone file gives it: a standard
// offset, optionally a daylight offset and the two yearly changes of clock. For example
// "GMT0BST,M3.5.0/1,M10.5.0" or "<+0330>-3:30". Offsets here are seconds EAST of Greenwich (the
// string itself counts west).
#pragma once

#include <cstdint>

struct PosixRuleDate {
    char kind;        // 'J': day 1-365 without Feb 29; 'D': day 0-365 with it; 'M': month, week, weekday
    int day;          // J and D: the day number
    int month;        // M: 1-12
    int week;         // M: 1-5, 5 = the last such weekday of the month
    int weekday;      // M: 0 = Sunday ... 6
    int timeSeconds;  // local time of the change on that day, -167 to 167 hours
};

struct PosixZoneRule {
    int32_t standardOffsetSeconds;  // east of Greenwich
    int32_t daylightOffsetSeconds;  // east of Greenwich; equals the standard offset without daylight time
    bool hasDaylight;
    PosixRuleDate daylightStart;  // in local standard time
    PosixRuleDate daylightEnd;    // in local daylight time
};

// Reads a POSIX TZ string. False (rule untouched) for anything outside the grammar.
bool parsePosixZoneRule(const char* text, PosixZoneRule& rule);

// Seconds east of Greenwich in force at the instant utcSeconds (seconds since 1970-01-01 00:00 UTC).
int32_t posixOffsetAt(const PosixZoneRule& rule, int64_t utcSeconds);
