// This computer's time zone as the platform's time-zone information gives it (a bias and two
// transition rules), evaluated for any day. Portable: app/local_clock.cpp copies the platform's
// record into ComputerZoneRule, so the rule arithmetic is tested natively.
#pragma once

#include <cstdint>

// One transition, with the fields and meanings of the platform's SYSTEMTIME in a time-zone record:
// month 0 means no transition at all. With year 0 the rule repeats every year and `day` is the
// occurrence 1-5 of `dayOfWeek` (0 = Sunday) in the month, 5 meaning the last one; with a year it
// is that one date only. The time is the local clock time at which the change happens.
struct ZoneTransitionRule {
    int32_t year;
    int32_t month;      // 1-12, or 0: no transition
    int32_t dayOfWeek;  // 0 = Sunday ... 6 = Saturday
    int32_t day;        // occurrence 1-5 (yearly rule) or day of the month (one date)
    int32_t hour;
    int32_t minute;
};

// UTC = local time + bias: a zone east of Greenwich has a negative bias.
struct ComputerZoneRule {
    int32_t biasMinutes;
    int32_t standardBiasMinutes;       // added to the bias outside daylight time
    int32_t daylightBiasMinutes;       // added to the bias in daylight time (-60 in most zones)
    ZoneTransitionRule standardStart;  // end of daylight time (in daylight clock time)
    ZoneTransitionRule daylightStart;  // start of daylight time (in standard clock time)
};

// Minutes east of Greenwich outside daylight time: -(bias + standard bias).
int32_t computerStandardOffsetMinutes(const ComputerZoneRule& zone);

// Minutes east of Greenwich in daylight time: -(bias + daylight bias).
int32_t computerDaylightOffsetMinutes(const ComputerZoneRule& zone);

// True when the rule has a change of clock at all (both transitions given).
bool computerHasDaylightTime(const ComputerZoneRule& zone);

// The day of the month on which a transition falls in `year`, or 0 when it does not fall in that
// year (a one-date rule of another year, or no transition).
int transitionDayInYear(const ZoneTransitionRule& rule, int year);

// The offset in minutes east of Greenwich in force at local noon of the given date. A date
// outside the years a one-date rule names, or a zone without daylight time, gives the standard
// offset.
int32_t computerOffsetAtNoonMinutes(const ComputerZoneRule& zone, int year, int month, int day);
