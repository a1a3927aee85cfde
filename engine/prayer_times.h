// The six prayer times of a day derived from the sun's position (solar_position.h), with the rules
// that take over where the real latitude gives no usable day or night.
//
// The plain reading of these formulas, one day at a time with no caches, is the reference copy in
// tests/engine/reference_prayer_times.cpp: the tests hold every result here to its bits.
//
// Results are memoised per thread and per place: each thread keeps the terms of the last place it
// asked for (sines of the latitudes and fixed altitudes) and the solstice night shares of its
// years, and reuses them while the PrayerParameters stay byte for byte the same. Any thread may
// call; a new place costs one preparation.
//
// Angles are radians, times decimal hours of the zone's clock (13.5 = 13:30), heights metres.
#pragma once

#include "solar_position.h"

struct PrayerParameters {
    double safetyHours;         // hours added to noon, afternoon, sunset and (ordinary rule) dawn
    double longitudeRad;        // radians, east positive
    double latitudeRad;         // radians, north positive
    double westHeight;          // metres, for the sunset-side horizon correction
    double eastHeight;          // metres, for the sunrise-side horizon correction
    double zoneHours;           // hours east of Greenwich
    double fajrDepression;      // radians below the horizon at dawn
    double asrShadowFactor;     // added to the noon shadow ratio for the afternoon time
    double substituteLatitude;  // radians; magnitude used where the real latitude has no usable day
    double ishaInterval;        // hours from sunset to the evening prayer (when ishaDepression is 0)
    double ishaDepression;      // radians below the horizon for the evening prayer; 0: use ishaInterval
    double maghribDepression;   // radians below the horizon for sunset (Maghrib); 0: the sun's upper limb
};

// Decimal hours of the zone's clock, not wrapped into 0-24.
struct PrayerTimes {
    double dawn;
    double sunrise;
    double noon;
    double afternoon;
    double sunset;
    double evening;
};

struct SunDay {
    double rise;         // hours of the zone's clock; not a number when the sun does not set
    double transit;      // hours of the zone's clock
    double set;          // hours of the zone's clock
    double declination;  // radians
    bool noSunrise;      // the sun stays below -0.833333 degrees all day
};

// The fixed method values the timetable uses, for a place in degrees and a zone in hours.
PrayerParameters timetableParameters(double latitudeDeg, double longitudeDeg, double zoneHours);

SunDay sunTimes(int year, int month, int day, double longitudeRad, double latitudeRad, double zoneHours);

// Dawn's share of the night at the substitute latitude on the given date.
double dawnFraction(int year, int month, int day, const PrayerParameters& parameters);

// The share of the night from sunset to the moment the sun is depressionRad below the horizon, at
// the substitute latitude on the given date: dawn's share mirrored after sunset.
double eveningFraction(int year, int month, int day, const PrayerParameters& parameters,
                       double depressionRad);

// The six times of one day. Every time is a finite number: where the sun never reaches an
// altitude, a high-latitude rule gives the time instead.
PrayerTimes computePrayerTimes(int year, int month, int day, const PrayerParameters& parameters);

// One day of a run: its date and the parameters in force on it (a zone's offset may change within
// a month).
struct PrayerDay {
    int year;
    int month;
    int day;
    PrayerParameters parameters;
};

// The six times of count days: times[i] has the bits computePrayerTimes gives for days[i], but a
// run of days is worked out faster than one call a day (a timetable's month, a bulk run).
void computePrayerTimesRun(const PrayerDay* days, int count, PrayerTimes* times);
