// The local clock and time zone as the pages read them. Tests replace these functions to fix
// "today" and the zone.
#pragma once

#include "computer_zone_rule.h"

#include <windows.h>

typedef void (*LocalTimeSource)(SYSTEMTIME* localTime);
typedef DWORD (*TimeZoneSource)(TIME_ZONE_INFORMATION* information);

extern LocalTimeSource readLocalTime;           // GetLocalTime by default
extern TimeZoneSource readTimeZoneInformation;  // GetTimeZoneInformation by default

// Whole hours east of Greenwich of the local clock now, from what GetTimeZoneInformation
// returned: -(Bias + DaylightBias) / 60 in daylight time, -(Bias + StandardBias) / 60
// otherwise, rounded to the nearest hour (halves away from zero).
int zoneHoursFromTimeZone(DWORD timeZoneId, const TIME_ZONE_INFORMATION& information);

// Minutes east of Greenwich from what GetTimeZoneInformation returned: with `standardOnly` the
// standard offset -(Bias + StandardBias), otherwise the offset in force now (daylight or not).
int zoneMinutesFromTimeZone(DWORD timeZoneId, const TIME_ZONE_INFORMATION& information, bool standardOnly);

// The platform's record as the portable rule evaluates it.
ComputerZoneRule computerZoneRule(const TIME_ZONE_INFORMATION& information);
