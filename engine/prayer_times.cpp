#include "prayer_times.h"

#include "calendar.h"
#include "solar_position.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180

constexpr double horizonCorrectionMaxLatitudeRad = 0.79;
constexpr double highLatitudeRad = 0.83776;  // 48 degrees: from here dawn may use the night share
constexpr double shortestDayHours = 1.0;
constexpr double longestDayHours = 23.0;
constexpr double asrFallbackHours = 3.5;
constexpr double hoursPerDay = 24.0;

// At 48 degrees and beyond a twilight time is taken as a share of the night once the magnitude of
// its hour-angle argument passes 0.45 + 1.3369 times the depression (0.8933 for 19 degrees): the
// sun comes close to the depression, or never reaches it.
constexpr double nightShareArgumentBase = 0.45;
constexpr double nightShareArgumentPerRadian = 1.3369;

}  // namespace

PrayerParameters timetableParameters(double latitudeDeg, double longitudeDeg, double zoneHours) {
    PrayerParameters parameters;
    parameters.safetyHours = 0.016388;
    parameters.longitudeRad = longitudeDeg * radiansPerDegree;
    parameters.latitudeRad = latitudeDeg * radiansPerDegree;
    parameters.westHeight = 300.0;
    parameters.eastHeight = 300.0;
    parameters.zoneHours = zoneHours;
    parameters.fajrDepression = 0.33161255787892263;  // 19 degrees
    parameters.asrShadowFactor = 1.0;
    parameters.substituteLatitude = 0.7853981633974483;  // 45 degrees
    parameters.ishaInterval = 1.5;
    parameters.ishaDepression = 0.0;
    parameters.maghribDepression = 0.0;
    return parameters;
}

namespace {

// The sun's place on one date, the same at every latitude: what sunTimes works out before the
// latitude comes in.
struct SolarDay {
    double declination;  // radians
    double sinDeclination;
    double cosDeclination;
    double transit;  // hours of the zone's clock
};

// Days are worked out in runs, stage by stage, each stage a loop over the run's days. The days do
// not depend on one another, so the processor overlaps one day's maths-library calls with the next
// day's instead of waiting for each result in turn; every day still goes through the same
// operations in the same order, so each value has the bits a day worked out alone has.
constexpr int runMostDays = 32;

// The sun's orbit on one date: what the equation of time and Kepler's equation start from.
struct OrbitDay {
    double meanLongitudeRad;  // L
    double meanAnomalyRad;    // M
    double eccentricity;      // e
    double y;                 // tan^2(obliquity / 2)
    double sinMean;           // sin(m)
    double cosMean;           // cos(m)
    double equationOfTimeHours;
    double eccentricAnomalyRad;
};

OrbitDay orbitDay(int year, int month, int day, double zoneHours) {
    const double t = julianCenturiesToLocalMidnight(year, month, day, zoneHours);
    OrbitDay orbit;
    orbit.meanLongitudeRad = sunMeanLongitudeRad(t);
    orbit.meanAnomalyRad = sunMeanAnomalyRad(t);
    orbit.eccentricity = orbitEccentricity(t);
    orbit.y = obliquityTermOfEquationOfTime(meanObliquityRad(t));
    return orbit;
}

void takeEquationOfTime(OrbitDay& orbit) {
    orbit.sinMean = std::sin(orbit.meanAnomalyRad);
    orbit.cosMean = std::cos(orbit.meanAnomalyRad);
    orbit.equationOfTimeHours = equationOfTimeHours(orbit.meanLongitudeRad, orbit.meanAnomalyRad,
                                                    orbit.eccentricity, orbit.y, orbit.sinMean);
}

// The sun's longitude on the ecliptic: the mean longitude moved by the equation of the centre.
double eclipticLongitudeOf(const OrbitDay& orbit) {
    return sunTrueLongitudeRad(orbit.meanLongitudeRad, orbit.meanAnomalyRad,
                               trueAnomalyRad(orbit.eccentricAnomalyRad, orbit.eccentricity));
}

// Newton's method as solveKepler for each day of a run, the first step from the sine and cosine of
// the mean anomaly (which the equation of time has already taken). The days step in lock step:
// each day takes its own steps in its own order, but one round's steps do not wait on each other.
void solveKeplerRun(OrbitDay* orbits, int count) {
    double residuals[runMostDays];
    bool anyPending = false;
    for (int i = 0; i < count; ++i) {
        OrbitDay& orbit = orbits[i];
        const KeplerStep step = keplerStep(orbit.meanAnomalyRad, orbit.sinMean, orbit.cosMean,
                                           orbit.meanAnomalyRad, orbit.eccentricity);
        residuals[i] = step.residualRad;
        orbit.eccentricAnomalyRad = step.eccentricAnomalyRad;
        anyPending = anyPending || keplerStepsOn(residuals[i]);
    }
    for (int steps = 1; anyPending && steps < keplerMostSteps; ++steps) {
        anyPending = false;
        for (int i = 0; i < count; ++i) {
            if (!keplerStepsOn(residuals[i]))
                continue;
            OrbitDay& orbit = orbits[i];
            const double e = orbit.eccentricAnomalyRad;
            const KeplerStep step =
                keplerStep(e, std::sin(e), std::cos(e), orbit.meanAnomalyRad, orbit.eccentricity);
            residuals[i] = step.residualRad;
            orbit.eccentricAnomalyRad = step.eccentricAnomalyRad;
            anyPending = anyPending || keplerStepsOn(residuals[i]);
        }
    }
}

// A date and the zone of its clock: what the sun of a day depends on besides the longitude.
struct SolarDate {
    int year;
    int month;
    int day;
    double zoneHours;
};

// The sun of count (at most runMostDays) dates at one longitude (as longitudeHours gives it).
void solarDays(const SolarDate* dates, int count, double longitudeHours, SolarDay* solar) {
    OrbitDay orbits[runMostDays];
    for (int i = 0; i < count; ++i)
        orbits[i] = orbitDay(dates[i].year, dates[i].month, dates[i].day, dates[i].zoneHours);
    for (int i = 0; i < count; ++i)
        takeEquationOfTime(orbits[i]);
    solveKeplerRun(orbits, count);
    double eclipticLongitudesRad[runMostDays];
    for (int i = 0; i < count; ++i)
        eclipticLongitudesRad[i] = eclipticLongitudeOf(orbits[i]);
    for (int i = 0; i < count; ++i)
        solar[i].declination = solarDeclination(eclipticLongitudesRad[i]);
    for (int i = 0; i < count; ++i) {
        SolarDay& sun = solar[i];
        sun.sinDeclination = std::sin(sun.declination);
        sun.cosDeclination = std::cos(sun.declination);
        sun.transit = transitHours(dates[i].zoneHours, orbits[i].equationOfTimeHours, longitudeHours);
    }
}

SolarDay solarDay(int year, int month, int day, double longitudeHours, double zoneHours) {
    const SolarDate date = {year, month, day, zoneHours};
    SolarDay sun;
    solarDays(&date, 1, longitudeHours, &sun);
    return sun;
}

// Sine and cosine of a latitude, worked out once for a place.
struct LatitudeTerms {
    double latitudeRad;
    double sinLatitude;
    double cosLatitude;
};

LatitudeTerms latitudeTerms(double latitudeRad) {
    return {latitudeRad, std::sin(latitudeRad), std::cos(latitudeRad)};
}

// Rise and set of the sun of a date at a latitude; ss and cc receive sin(latitude) sin(declination)
// and cos(latitude) cos(declination), which the prayer steps use again.
SunDay sunAtLatitude(const SolarDay& solar, const LatitudeTerms& latitude, double& ss, double& cc) {
    SunDay sun;
    sun.declination = solar.declination;
    sun.transit = solar.transit;
    sun.noSunrise = false;
    ss = latitude.sinLatitude * solar.sinDeclination;
    cc = latitude.cosLatitude * solar.cosDeclination;
    double x = hourAngleArgument(std::sin(riseSetAltitudeRad), ss, cc);
    if (x > 1.0) {
        x = 1.0;
        sun.noSunrise = true;
    }
    const double halfDayHours = hourAngleHours(x);  // not a number when the sun never sets
    sun.rise = sun.transit - halfDayHours;
    sun.set = sun.transit + halfDayHours;
    return sun;
}

}  // namespace

SunDay sunTimes(int year, int month, int day, double longitudeRad, double latitudeRad, double zoneHours) {
    double ss;
    double cc;
    return sunAtLatitude(solarDay(year, month, day, longitudeHours(longitudeRad), zoneHours),
                         latitudeTerms(latitudeRad), ss, cc);
}

namespace {

// A night share that cannot be formed (the sun never reaches the depression even at the
// substitute latitude's solstice, which no method of the table comes near) falls back to the
// seventh of the night.
constexpr double fallbackNightShare = 1.0 / 7.0;

// A solstice's night share, kept for the year it was worked out for.
struct CachedShare {
    int year;  // 0: empty
    double depressionRad;
    bool afterSunset;
    double share;
};
constexpr int cachedShareCount = 4;  // dawn, Maghrib and the evening, with room to spare

// Everything of a place that does not change from day to day: the parameters it was made from,
// the sines and cosines of its latitudes and of the fixed angles, and the solstice shares.
struct PlaceTerms {
    PrayerParameters parameters;
    double longitudeHours;  // the longitude as longitudeHours gives it
    LatitudeTerms real;
    LatitudeTerms substitute;
    double sinDawnAltitude;     // sin(-fajrDepression)
    double sinMaghribAltitude;  // sin(-maghribDepression)
    double sinEveningAltitude;  // sin(-ishaDepression)
    double sinWestCorrectionAltitude;
    double sinEastCorrectionAltitude;
    CachedShare shares[cachedShareCount];
    int nextShare;  // the slot the next new share replaces
};

// The substitute latitude carries the sign of the real one; a latitude of 0 counts as north.
double signedSubstituteLatitude(const PrayerParameters& parameters) {
    const double magnitude = std::fabs(parameters.substituteLatitude);
    return parameters.latitudeRad < 0.0 ? -magnitude : magnitude;
}

void preparePlace(PlaceTerms& place, const PrayerParameters& parameters) {
    place.parameters = parameters;
    place.longitudeHours = longitudeHours(parameters.longitudeRad);
    place.real = latitudeTerms(parameters.latitudeRad);
    place.substitute = latitudeTerms(signedSubstituteLatitude(parameters));
    place.sinDawnAltitude = std::sin(-parameters.fajrDepression);
    place.sinMaghribAltitude = std::sin(-parameters.maghribDepression);
    place.sinEveningAltitude = std::sin(-parameters.ishaDepression);
    place.sinWestCorrectionAltitude = std::sin(horizonCorrectionAltitudeRad(parameters.westHeight));
    place.sinEastCorrectionAltitude = std::sin(horizonCorrectionAltitudeRad(parameters.eastHeight));
    for (CachedShare& share : place.shares)
        share = CachedShare{0, 0.0, false, 0.0};
    place.nextShare = 0;
}

// The place terms of the parameters: those of the previous call when the parameters are the same
// (a timetable asks for one place day after day), else made anew. One record per thread.
PlaceTerms& placeTermsFor(const PrayerParameters& parameters) {
    thread_local PlaceTerms place;
    thread_local bool prepared = false;
    if (!prepared || std::memcmp(&place.parameters, &parameters, sizeof parameters) != 0) {
        preparePlace(place, parameters);
        prepared = true;
    }
    return place;
}

// The share of the night between the sun's crossing of the horizon and its reaching depressionRad
// below it, at the substitute latitude: before sunrise for dawn, after sunset for the evening.
double nightShare(int year, int month, int day, const PlaceTerms& place, double sinAltitude,
                  bool afterSunset) {
    const PrayerParameters& parameters = place.parameters;
    double ss;
    double cc;
    const SunDay sun = sunAtLatitude(solarDay(year, month, day, place.longitudeHours, parameters.zoneHours),
                                     place.substitute, ss, cc);
    const double nightHours = nightLengthHours(sun.rise, sun.set);
    const double hourAngle = hourAngleHours(hourAngleArgument(sinAltitude, ss, cc));
    if (!afterSunset) {
        const double dawnHours = sun.transit - hourAngle - parameters.safetyHours;
        return (sun.rise - dawnHours) / nightHours;
    }
    const double eveningHours = sun.transit + hourAngle + parameters.safetyHours;
    return (eveningHours - sun.set) / nightHours;
}

// The sun of one day at the latitude in use, with the horizon corrections of the real latitude.
struct DayGeometry {
    SolarDay solar;
    SunDay sun;
    double latitudeRad;          // the latitude in use: the real one or the substitute
    double ss;                   // sin(latitude in use) sin(declination)
    double cc;                   // cos(latitude in use) cos(declination)
    double riseCorrectionHours;  // subtracted from sunrise (and from the ordinary dawn)
    double setCorrectionHours;   // added to sunset (and to an evening by angle)
};

void takeSunAt(DayGeometry& day, const LatitudeTerms& latitude) {
    day.latitudeRad = latitude.latitudeRad;
    day.sun = sunAtLatitude(day.solar, latitude, day.ss, day.cc);
}

// The hour-angle argument of an altitude, given its sine, on the day at the latitude in use.
double argumentOn(const DayGeometry& day, double sinAltitude) {
    return hourAngleArgument(sinAltitude, day.ss, day.cc);
}

// Horizon corrections for the height of the place, only at moderate latitudes.
void applyHorizonCorrections(DayGeometry& day, const PlaceTerms& place) {
    const PrayerParameters& parameters = place.parameters;
    day.riseCorrectionHours = 0.0;
    day.setCorrectionHours = 0.0;
    if (day.sun.noSunrise || !(std::fabs(day.latitudeRad) < horizonCorrectionMaxLatitudeRad) ||
        (parameters.eastHeight == 0.0 && parameters.westHeight == 0.0))
        return;
    const double h0 = arcCos(argumentOn(day, std::sin(correctionAltitudeRad)));
    day.setCorrectionHours = hourAngleDifferenceHours(h0, argumentOn(day, place.sinWestCorrectionAltitude));
    day.riseCorrectionHours = hourAngleDifferenceHours(h0, argumentOn(day, place.sinEastCorrectionAltitude));
}

// No usable day at the real latitude: take the sun times of the substitute latitude.
void substituteWhenNoUsableDay(DayGeometry& day, const PlaceTerms& place) {
    const double dayLengthHours = std::fabs(day.sun.set - day.sun.rise);
    if (day.sun.noSunrise || dayLengthHours <= shortestDayHours || !(dayLengthHours < longestDayHours))
        takeSunAt(day, place.substitute);
}

// Afternoon: the time the sun comes down to the afternoon altitude.
double afternoonTime(const DayGeometry& day, const PrayerParameters& parameters, double asrAltitudeRad) {
    const double asrArgument = argumentOn(day, std::sin(asrAltitudeRad));
    if (std::fabs(asrArgument) > 1.0)
        return day.sun.transit + asrFallbackHours + parameters.safetyHours;
    return day.sun.transit + hourAngleHours(asrArgument) + parameters.safetyHours;
}

// Whether a twilight time is taken as a share of the night. At 48 degrees and beyond the share is
// used when the sun comes close to, or never reaches, the depression; below 48 degrees only when it
// never reaches it (the ordinary rule would give no time at all).
bool useNightShare(double realLatitudeRad, double argument, double depressionRad) {
    if (std::fabs(realLatitudeRad) < highLatitudeRad)
        return !(std::fabs(argument) <= 1.0);
    return !(std::fabs(argument) <= nightShareArgumentBase + nightShareArgumentPerRadian * depressionRad);
}

// The share is taken from the solstice of the place's hemisphere at the substitute latitude: a
// pure function of the year and place, worked out when first used in a year and then kept.
double solsticeShare(int year, PlaceTerms& place, double depressionRad, double sinAltitude,
                     bool afterSunset) {
    for (const CachedShare& cached : place.shares) {
        if (cached.year == year && cached.depressionRad == depressionRad && cached.afterSunset == afterSunset)
            return cached.share;
    }
    const int solsticeMonth = place.parameters.latitudeRad >= 0.0 ? 6 : 12;
    const double share = nightShare(year, solsticeMonth, 21, place, sinAltitude, afterSunset);
    const double used = std::isfinite(share) ? share : fallbackNightShare;
    place.shares[place.nextShare] = CachedShare{year, depressionRad, afterSunset, used};
    place.nextShare = (place.nextShare + 1) % cachedShareCount;
    return used;
}

double nightHoursOf(const DayGeometry& day) {
    return nightLengthHours(day.sun.rise, day.sun.set);
}

// Dawn: the sun fajrDepression below the horizon before sunrise, or a share of the night.
double dawnTime(int year, const DayGeometry& day, PlaceTerms& place) {
    const PrayerParameters& parameters = place.parameters;
    const double depressionRad = parameters.fajrDepression;
    const double argument = argumentOn(day, place.sinDawnAltitude);
    if (useNightShare(parameters.latitudeRad, argument, depressionRad))
        return day.sun.rise -
               solsticeShare(year, place, depressionRad, place.sinDawnAltitude, false) * nightHoursOf(day);
    return day.sun.transit - hourAngleHours(argument) - day.riseCorrectionHours + parameters.safetyHours;
}

// Dawn's rule mirrored after the transit: the sun depressionRad below the horizon after sunset, or
// a share of the night after sunset.
double afterSunsetTime(int year, const DayGeometry& day, PlaceTerms& place, double depressionRad,
                       double sinAltitude) {
    const PrayerParameters& parameters = place.parameters;
    const double argument = argumentOn(day, sinAltitude);
    if (useNightShare(parameters.latitudeRad, argument, depressionRad))
        return day.sun.set + solsticeShare(year, place, depressionRad, sinAltitude, true) * nightHoursOf(day);
    return day.sun.transit + hourAngleHours(argument) + day.setCorrectionHours + parameters.safetyHours;
}

}  // namespace

double dawnFraction(int year, int month, int day, const PrayerParameters& parameters) {
    PlaceTerms place;
    preparePlace(place, parameters);
    return nightShare(year, month, day, place, place.sinDawnAltitude, false);
}

double eveningFraction(int year, int month, int day, const PrayerParameters& parameters,
                       double depressionRad) {
    PlaceTerms place;
    preparePlace(place, parameters);
    return nightShare(year, month, day, place, std::sin(-depressionRad), true);
}

namespace {

// The six times of a run of days with the same parameters (the days' dates may cross a year).
void computeRunOfOnePlace(const PrayerDay* days, int count, PrayerTimes* times) {
    const PrayerParameters& parameters = days[0].parameters;
    PlaceTerms& place = placeTermsFor(parameters);
    SolarDate dates[runMostDays];
    for (int i = 0; i < count; ++i)
        dates[i] = SolarDate{days[i].year, days[i].month, days[i].day, parameters.zoneHours};
    SolarDay solar[runMostDays];
    solarDays(dates, count, place.longitudeHours, solar);

    DayGeometry geometry[runMostDays];
    for (int i = 0; i < count; ++i) {
        geometry[i].solar = solar[i];
        takeSunAt(geometry[i], place.real);
    }
    for (int i = 0; i < count; ++i) {
        DayGeometry& day = geometry[i];
        applyHorizonCorrections(day, place);
        substituteWhenNoUsableDay(day, place);
        if (day.sun.transit < 0.0)
            day.sun.transit += hoursPerDay;
        times[i].sunrise = day.sun.rise - day.riseCorrectionHours;
        times[i].noon = day.sun.transit + parameters.safetyHours;
    }
    for (int i = 0; i < count; ++i) {
        if (parameters.maghribDepression != 0.0)
            times[i].sunset = afterSunsetTime(days[i].year, geometry[i], place, parameters.maghribDepression,
                                              place.sinMaghribAltitude);
        else
            times[i].sunset = geometry[i].sun.set + geometry[i].setCorrectionHours + parameters.safetyHours;
    }
    double asrAltitudesRad[runMostDays];
    for (int i = 0; i < count; ++i)
        asrAltitudesRad[i] =
            afternoonAltitudeRad(parameters.asrShadowFactor, geometry[i].sun.declination, geometry[i].latitudeRad);
    for (int i = 0; i < count; ++i)
        times[i].afternoon = afternoonTime(geometry[i], parameters, asrAltitudesRad[i]);
    for (int i = 0; i < count; ++i)
        times[i].dawn = dawnTime(days[i].year, geometry[i], place);
    for (int i = 0; i < count; ++i) {
        PrayerTimes& day = times[i];
        if (parameters.ishaDepression != 0.0) {
            day.evening = afterSunsetTime(days[i].year, geometry[i], place, parameters.ishaDepression,
                                          place.sinEveningAltitude);
            // Near the poles a Maghrib by angle (the sun sinking slowly, no share) can come out
            // later than an evening taken as a share of the night: the evening then waits for
            // Maghrib.
            if (day.evening < day.sunset)
                day.evening = day.sunset;
        } else
            day.evening = day.sunset + parameters.ishaInterval;
    }
}

bool sameParameters(const PrayerParameters& a, const PrayerParameters& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

void computePrayerTimesRun(const PrayerDay* days, int count, PrayerTimes* times) {
    int first = 0;
    while (first < count) {
        int length = 1;
        while (first + length < count && length < runMostDays &&
               sameParameters(days[first + length].parameters, days[first].parameters))
            length += 1;
        computeRunOfOnePlace(days + first, length, times + first);
        first += length;
    }
}

PrayerTimes computePrayerTimes(int year, int month, int day, const PrayerParameters& parameters) {
    const PrayerDay one = {year, month, day, parameters};
    PrayerTimes times;
    computeRunOfOnePlace(&one, 1, &times);
    return times;
}
