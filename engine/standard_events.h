// The accurate path of every method other than the program's own: the standard sun events, each
// with the sun's place at that event (solar_model.h), then the method's minutes and the user's
// adjustments. Times are decimal hours of the zone's clock on the local date, not wrapped and not
// rounded (rounding is the printing's, by the method's MinuteRounding).
//
// Events: sunrise and sunset when the sun's upper limb is 0.833 degrees below a sea-level horizon
// (lower by the horizon dip of the place's elevation where the method or the user uses it); noon
// at the transit; the afternoon where a shadow is its noon length plus the shadow factor; dawn and
// the evening by depression angle, interval or the method's seasonal minutes. A high-latitude
// rule (calculation_method.h) bounds the twilight times by a share of the night.
#pragma once

#include "calculation_method.h"

// A local date and the offset of its clock in minutes east of Greenwich.
struct LocalDate {
    int year;
    int month;
    int day;
    int zoneMinutes;
};

// The upper limb at rise and set: refraction at the horizon and the sun's semi-diameter.
constexpr double sunriseAltitudeDeg = -0.833;

// The dip of the sea-level horizon seen from elevationM metres (degrees; 0 at or below sea level).
double horizonDipDeg(double elevationM);

// The sun's transit (hours of the zone's clock on the date) at a longitude (degrees, east positive).
double solarTransitHours(const LocalDate& date, double longitudeDeg);

// When the sun's centre stands at altitudeDeg: rising (before the transit) or setting (after it),
// in hours of the zone's clock on the date; not a number when the sun does not reach the altitude.
double solarAltitudeHours(const LocalDate& date, double latitudeDeg, double longitudeDeg, double altitudeDeg,
                          bool setting);

// The six times of count dates at one place with the options (any method but the program's own,
// whose times come from computePrayerTimes). Consecutive dates share the sun's daily samples.
// With a high-latitude rule every time is a finite number; with HighLatitudeRule::none a twilight
// time that does not exist is not a number.
void computeStandardTimesRun(double latitudeDeg, double longitudeDeg, const PrayerOptions& options,
                             const LocalDate* dates, int count, PrayerTimes* times);
