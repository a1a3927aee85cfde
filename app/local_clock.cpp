#include "local_clock.h"

#include <cmath>

static void systemLocalTime(SYSTEMTIME* localTime) {
    GetLocalTime(localTime);
}

static DWORD systemTimeZoneInformation(TIME_ZONE_INFORMATION* information) {
    return GetTimeZoneInformation(information);
}

LocalTimeSource readLocalTime = systemLocalTime;
TimeZoneSource readTimeZoneInformation = systemTimeZoneInformation;

int zoneHoursFromTimeZone(DWORD timeZoneId, const TIME_ZONE_INFORMATION& information) {
    const long extraBiasMinutes =
        timeZoneId == TIME_ZONE_ID_DAYLIGHT ? information.DaylightBias : information.StandardBias;
    const double offsetMinutes = -(static_cast<double>(information.Bias) + extraBiasMinutes);
    return static_cast<int>(std::lround(offsetMinutes / 60.0));
}

static ZoneTransitionRule transitionRule(const SYSTEMTIME& date) {
    ZoneTransitionRule rule;
    rule.year = date.wYear;
    rule.month = date.wMonth;
    rule.dayOfWeek = date.wDayOfWeek;
    rule.day = date.wDay;
    rule.hour = date.wHour;
    rule.minute = date.wMinute;
    return rule;
}

ComputerZoneRule computerZoneRule(const TIME_ZONE_INFORMATION& information) {
    ComputerZoneRule zone;
    zone.biasMinutes = information.Bias;
    zone.standardBiasMinutes = information.StandardBias;
    zone.daylightBiasMinutes = information.DaylightBias;
    zone.standardStart = transitionRule(information.StandardDate);
    zone.daylightStart = transitionRule(information.DaylightDate);
    return zone;
}

int zoneMinutesFromTimeZone(DWORD timeZoneId, const TIME_ZONE_INFORMATION& information, bool standardOnly) {
    const ComputerZoneRule zone = computerZoneRule(information);
    const bool daylightNow = !standardOnly && timeZoneId == TIME_ZONE_ID_DAYLIGHT;
    return daylightNow ? computerDaylightOffsetMinutes(zone) : computerStandardOffsetMinutes(zone);
}
