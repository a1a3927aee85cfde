// The reference implementation of the prayer-time engine (reference_prayer_times.cpp): the
// engine's entry points as they were before the engine was made faster, the oracle of its tests.
// It changes only with a deliberate formula change, in the same commit as the engine's, said in
// that commit's message.
#pragma once

#include "prayer_times.h"

namespace reference_engine {

double reduceDegrees(double angleDeg);
PrayerParameters timetableParameters(double latitudeDeg, double longitudeDeg, double zoneHours);
SunDay sunTimes(int year, int month, int day, double longitudeRad, double latitudeRad, double zoneHours);
double solveKepler(double meanAnomalyRad, double eccentricity);
double solarDeclination(double eclipticLongitudeRad);
double dawnFraction(int year, int month, int day, const PrayerParameters& parameters);
double eveningFraction(int year, int month, int day, const PrayerParameters& parameters,
                       double depressionRad);
PrayerTimes computePrayerTimes(int year, int month, int day, const PrayerParameters& parameters);

}  // namespace reference_engine
