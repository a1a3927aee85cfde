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
