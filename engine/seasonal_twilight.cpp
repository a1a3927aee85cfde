#include "seasonal_twilight.h"

#include <cmath>

#include "calculation_method.h"
#include "calendar.h"
#include "prayer_times.h"

namespace {

// Minutes at latitude 0, and the minutes each of the four dates adds per 55 degrees of latitude:
// at the winter solstice (a), 91 days later (b), 137 days later (c) and 183 days later (d, the
// summer solstice). The Committee publishes them as "base + k / 55 * latitude".
struct SeasonalLine {
    double baseMinutes;
    double perLatitude55Minutes[4];
};

const SeasonalLine dawnLine = {75.0, {28.65, 19.44, 32.74, 48.10}};
const SeasonalLine generalEveningLine = {75.0, {25.60, 2.05, -9.21, 6.14}};
const SeasonalLine abyadEveningLine = {75.0, {25.60, 7.16, 36.84, 81.84}};
const SeasonalLine ahmerEveningLine = {62.0, {17.40, -7.16, 5.12, 19.44}};

// The days after the winter solstice where the lines turn: a, b, c, d, c, b, then back to a at the
// next solstice.
constexpr int turnDays[6] = {0, 91, 137, 183, 229, 275};

const SeasonalLine& eveningLine(Shafaq shafaq) {
    switch (shafaq) {
    case Shafaq::abyad:
        return abyadEveningLine;
    case Shafaq::ahmer:
        return ahmerEveningLine;
    case Shafaq::general:
        break;
    }
    return generalEveningLine;
}

double dayNumberOf(int year, int month, int day) {
    return julianDay(year, month, day + 0.5);
}

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double minutesPerHour = 60.0;
constexpr double hoursPerDay = 24.0;
constexpr double nightShareBeyondLines = 1.0 / 7.0;

// A seventh of the night (sunset to sunrise) in minutes; the night does not depend on the
// longitude. No sunrise all day: the whole day is night; no sunset: no night.
double seventhOfNightMinutes(double latitudeDeg, int year, int month, int day) {
    const SunDay sun = sunTimes(year, month, day, 0.0, latitudeDeg * radiansPerDegree, 0.0);
    double nightHours = hoursPerDay;
    if (!sun.noSunrise)
        nightHours = std::isnan(sun.set - sun.rise) ? 0.0 : hoursPerDay - (sun.set - sun.rise);
    return nightShareBeyondLines * nightHours * minutesPerHour;
}

double seasonalMinutes(const SeasonalLine& line, double latitudeDeg, int year, int month, int day) {
    const double latitudeAbsDeg = std::isnan(latitudeDeg) ? 0.0 : std::fabs(latitudeDeg);
    if (latitudeAbsDeg > seasonalTwilightHighestLatitudeDeg)
        return seventhOfNightMinutes(latitudeDeg, year, month, day);
    double valueMinutes[4];
    for (int i = 0; i < 4; ++i)
        valueMinutes[i] = line.baseMinutes + line.perLatitude55Minutes[i] / 55.0 * latitudeAbsDeg;
    // a, b, c, d, c, b, a: the value at each turn and the next one.
    const double turnValues[7] = {valueMinutes[0], valueMinutes[1], valueMinutes[2], valueMinutes[3],
                                  valueMinutes[2], valueMinutes[1], valueMinutes[0]};
    int days;
    int yearDays;
    daysSinceWinterSolstice(latitudeDeg, year, month, day, days, yearDays);
    int segment = 5;
    while (segment > 0 && days < turnDays[segment])
        --segment;
    const int segmentStart = turnDays[segment];
    const int segmentEnd = segment == 5 ? yearDays : turnDays[segment + 1];
    const double share = static_cast<double>(days - segmentStart) / (segmentEnd - segmentStart);
    return turnValues[segment] + (turnValues[segment + 1] - turnValues[segment]) * share;
}

}  // namespace

void daysSinceWinterSolstice(double latitudeDeg, int year, int month, int day, int& days, int& yearDays) {
    // Years this far out have no meaning for a timetable; holding them here keeps year +- 1 in range.
    constexpr int farthestYear = 1000000;
    if (year < -farthestYear)
        year = -farthestYear;
    if (year > farthestYear)
        year = farthestYear;
    const bool north = !(latitudeDeg < 0.0);
    const int solsticeMonth = north ? 12 : 6;
    constexpr int solsticeDay = 21;
    int solsticeYear = year;
    if (month < solsticeMonth || (month == solsticeMonth && day < solsticeDay))
        --solsticeYear;
    const double solstice = dayNumberOf(solsticeYear, solsticeMonth, solsticeDay);
    const double yearLength = dayNumberOf(solsticeYear + 1, solsticeMonth, solsticeDay) - solstice;
    double daysSince = dayNumberOf(year, month, day) - solstice;
    // A month or day out of its range is carried into the next months by the day number; one
    // carried out of this solstice year counts as its last day or its first.
    if (!(daysSince >= 0.0))
        daysSince = 0.0;
    if (daysSince > yearLength - 1.0)
        daysSince = yearLength - 1.0;
    days = static_cast<int>(daysSince);
    yearDays = static_cast<int>(yearLength);
}

double seasonalDawnMinutes(double latitudeDeg, int year, int month, int day) {
    return seasonalMinutes(dawnLine, latitudeDeg, year, month, day);
}

double seasonalEveningMinutes(double latitudeDeg, int year, int month, int day, Shafaq shafaq) {
    return seasonalMinutes(eveningLine(shafaq), latitudeDeg, year, month, day);
}

double moonsightingDawnMinutes(double latitudeDeg, int year, int month, int day, int /*asrShadowFactor*/) {
    return seasonalDawnMinutes(latitudeDeg, year, month, day);
}

double moonsightingEveningMinutes(double latitudeDeg, int year, int month, int day, int asrShadowFactor) {
    return seasonalEveningMinutes(latitudeDeg, year, month, day,
                                  asrShadowFactor == hanafiAsrShadowFactor ? Shafaq::abyad : Shafaq::general);
}
