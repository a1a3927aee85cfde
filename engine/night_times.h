// The night's times that follow from the six prayer times: Imsak, a set number of minutes before
// Fajr, when the fast's meal stops; the middle of the night; and the start of its last third. The
// night runs from sunset to the next day's Fajr, or, as some calculators count it, to the next
// day's sunrise.
#pragma once

#include "calculation_method.h"
#include "prayer_times.h"

constexpr int defaultImsakMinutes = 10;
constexpr int leastImsakMinutes = 0;
constexpr int mostImsakMinutes = 60;

enum NightEnd : int {
    nightEndsAtFajr = 0,     // the night runs from sunset to the next day's Fajr (the default)
    nightEndsAtSunrise = 1,  // the night runs from sunset to the next day's sunrise
};

struct NightOptions {
    int imsakMinutes = defaultImsakMinutes;  // 0-60 minutes before Fajr
    NightEnd end = nightEndsAtFajr;
};

// True when every field is within its range.
bool validNightOptions(const NightOptions& options);

// Decimal hours of the day's own zone clock, like PrayerTimes and not wrapped into 0-24: a middle
// of the night after midnight is above 24 (24.5 = 00:30 of the next day). Not a number where a
// time it needs is not a number.
struct NightTimes {
    double imsak;      // the day's Fajr less the Imsak minutes
    double midnight;   // sunset plus half the night
    double lastThird;  // sunset plus two thirds of the night
};

// From the day's times and the next day's, each on its own zone clock; zoneChangeMinutes is the
// next day's zone less the day's (60 on the day before clocks go forward, 0 on most days). Options
// out of range are held at their nearest end (the night end at Fajr).
NightTimes nightTimesBetween(const PrayerTimes& day, const PrayerTimes& nextDay, int zoneChangeMinutes,
                             const NightOptions& options);

// The same for a date and place, each of the two days with its own zone (minutes east of
// Greenwich) and the options' method and adjustments, as computeDayTimes gives them.
NightTimes computeNightTimes(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                             int zoneMinutes, int nextDayZoneMinutes, const PrayerOptions& prayerOptions,
                             const NightOptions& nightOptions);

// A time of the clock folded into 0 <= hours < 24 (24.5 gives 0.5, -0.25 gives 23.75), for showing a
// night time as the clock shows it; not a number stays as it is.
double hoursOfClockDay(double hours);

// "fajr" or "sunrise" (any case); false for another name (end untouched).
bool readNightEnd(const char* name, NightEnd& end);
const char* nightEndName(NightEnd end);
