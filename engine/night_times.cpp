// The night's times from the six prayer times (see night_times.h).
#include "night_times.h"

#include "calendar.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double minutesPerHour = 60.0;
constexpr double hoursPerDay = 24.0;

const char* const nightEndNames[] = {"fajr", "sunrise"};

bool equalsIgnoringCase(const char* text, const char* word) {
    for (; *word != '\0'; ++text, ++word) {
        const char c = (*text >= 'A' && *text <= 'Z') ? static_cast<char>(*text - 'A' + 'a') : *text;
        if (c != *word)
            return false;
    }
    return *text == '\0';
}

}  // namespace

bool validNightOptions(const NightOptions& options) {
    return options.imsakMinutes >= leastImsakMinutes && options.imsakMinutes <= mostImsakMinutes &&
           (options.end == nightEndsAtFajr || options.end == nightEndsAtSunrise);
}

NightTimes nightTimesBetween(const PrayerTimes& day, const PrayerTimes& nextDay, int zoneChangeMinutes,
                             const NightOptions& options) {
    int imsakMinutes = options.imsakMinutes;
    if (imsakMinutes < leastImsakMinutes)
        imsakMinutes = leastImsakMinutes;
    if (imsakMinutes > mostImsakMinutes)
        imsakMinutes = mostImsakMinutes;
    // The next day's end of the night on this day's clock.
    const double nextEnd = options.end == nightEndsAtSunrise ? nextDay.sunrise : nextDay.dawn;
    const double endHours = nextEnd + hoursPerDay - zoneChangeMinutes / minutesPerHour;
    const double nightHours = endHours - day.sunset;
    NightTimes night;
    night.imsak = day.dawn - imsakMinutes / minutesPerHour;
    night.midnight = day.sunset + nightHours / 2.0;
    night.lastThird = day.sunset + nightHours * 2.0 / 3.0;
    return night;
}

NightTimes computeNightTimes(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                             int zoneMinutes, int nextDayZoneMinutes, const PrayerOptions& prayerOptions,
                             const NightOptions& nightOptions) {
    int nextYear = year;
    int nextMonth = month;
    int nextDay = day + 1;
    normalizeGregorianDate(nextYear, nextMonth, nextDay);
    const PrayerTimes today = computeDayTimes(year, month, day, latitudeDeg, longitudeDeg, zoneMinutes, prayerOptions);
    const PrayerTimes tomorrow =
        computeDayTimes(nextYear, nextMonth, nextDay, latitudeDeg, longitudeDeg, nextDayZoneMinutes, prayerOptions);
    return nightTimesBetween(today, tomorrow, nextDayZoneMinutes - zoneMinutes, nightOptions);
}

double hoursOfClockDay(double hours) {
    if (!std::isfinite(hours))
        return hours;
    double folded = std::fmod(hours, hoursPerDay);
    if (folded < 0.0)
        folded += hoursPerDay;
    return folded >= hoursPerDay ? 0.0 : folded;
}

bool readNightEnd(const char* name, NightEnd& end) {
    if (name == nullptr)
        return false;
    for (int i = 0; i < 2; ++i) {
        if (equalsIgnoringCase(name, nightEndNames[i])) {
            end = static_cast<NightEnd>(i);
            return true;
        }
    }
    return false;
}

const char* nightEndName(NightEnd end) {
    return nightEndNames[end == nightEndsAtSunrise ? 1 : 0];
}
