// The reference implementation of the prayer-time engine: engine/prayer_times.cpp as it stood
// before its per-place precomputation and caches, kept unchanged (only put in a namespace) as the
// oracle that the faster engine must match bit for bit (reference_engine_test.cpp, and
// tools/check-engine-oracle.sh over millions of place-days).
//
// Its lifetime: this copy changes only with a deliberate change of a formula, made here and in the
// engine in the same commit, whose message says which formula changed and why. A change to the
// engine's speed, layout or names never touches it; if the engine then disagrees, the engine is
// wrong.
#include "reference_prayer_times.h"

#include "calendar.h"

#include <cmath>

namespace reference_engine {

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double hoursPerRadian = 3.819718634205488;       // 12 / pi: hour angle to hours

// Altitude of the sun's upper limb at rise and set, with refraction: -0.833333 degrees.
constexpr double riseSetAltitudeRad = -0.014544404615521906;
// The horizon-correction step uses -0.83333 degrees, a hair different from the one above.
constexpr double correctionAltitudeRad = -0.014544352255644346;
constexpr double zenithMinusRefractionRad = 1.5562519745392522;  // 89.16667 degrees
constexpr double earthRadiusM = 6378140.0;

constexpr double horizonCorrectionMaxLatitudeRad = 0.79;
constexpr double highLatitudeRad = 0.83776;  // 48 degrees: from here dawn may use the night share
constexpr double shortestDayHours = 1.0;
constexpr double longestDayHours = 23.0;
constexpr double asrFallbackHours = 3.5;
// Newton's method converges in three or four steps for the orbit's eccentricity (about 0.0167) on
// any real date; the bound only ends the loop for an eccentricity outside (-1, 1) or not a number,
// which dates hundreds of thousands of years away, or a zone of billions of hours, give.
constexpr int keplerMostSteps = 50;

// arccos and arcsin through atan2, so an argument beyond +-1 yields not-a-number rather than a
// clamped angle; callers test the argument where a rule depends on it.
double arcCos(double x) {
    return std::atan2(std::sqrt((1.0 + x) * (1.0 - x)), x);
}

double arcSin(double u) {
    return std::atan2(u, std::sqrt((1.0 + u) * (1.0 - u)));
}

}  // namespace

// Gives what subtracting 360 while the angle exceeds 360, then adding 360 while it is below 0,
// gives: a value in (0, 360] from above, [0, 360) from below, exactly 0 and 360 unchanged. Each
// of those steps is exact in binary floating point, and so is fmod, so one fmod gives the same
// bits without a loop that grows with the distance from the epoch.
double reduceDegrees(double angleDeg) {
    if (angleDeg > 360.0) {
        angleDeg = std::fmod(angleDeg, 360.0);
        if (angleDeg == 0.0)
            angleDeg = 360.0;  // the subtraction stops at 360, not at 0
    } else if (angleDeg < 0.0) {
        angleDeg = std::fmod(angleDeg, 360.0);
        if (angleDeg < 0.0)
            angleDeg += 360.0;
        else
            angleDeg = 0.0;  // an exact multiple ends at +0
    }
    return angleDeg;
}

namespace {

// The substitute latitude carries the sign of the real one; a latitude of 0 counts as north.
double signedSubstituteLatitude(const PrayerParameters& parameters) {
    const double magnitude = std::fabs(parameters.substituteLatitude);
    return parameters.latitudeRad < 0.0 ? -magnitude : magnitude;
}

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

double solveKepler(double meanAnomalyRad, double eccentricity) {
    double e = meanAnomalyRad;
    double residual;
    int steps = 0;
    do {
        residual = e - eccentricity * std::sin(e) - meanAnomalyRad;
        e -= residual / (1.0 - eccentricity * std::cos(e));
        steps += 1;
    } while (std::fabs(residual) > 1e-9 && steps < keplerMostSteps);
    return e;
}

double solarDeclination(double eclipticLongitudeRad) {
    // A fixed obliquity, converted with the 9-digit factor on purpose.
    const double obliquityRad = 23.441884 * 0.017453292;
    const double s = std::sin(eclipticLongitudeRad) * std::sin(obliquityRad);
    return std::atan2(s, std::sqrt((1.0 + s) * (1.0 - s)));
}

SunDay sunTimes(int year, int month, int day, double longitudeRad, double latitudeRad, double zoneHours) {
    const double j0 = julianDay(year, month, day);
    // Julian centuries from day number 2451545 to local midnight of the date.
    const double t = (j0 - zoneHours / 24.0 - 2451545.0) / 36525.0;
    const double t2 = t * t;
    const double t3 = t2 * t;

    const double meanLongitudeRad =
        reduceDegrees(279.6966778 + 36000.76892 * t + 0.0003025 * t2) * radiansPerDegree;
    const double meanAnomalyRad =
        reduceDegrees(358.47583 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3) * radiansPerDegree;
    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
    const double obliquityRad =
        (23.452294 - 0.0130125 * t - 0.00000164 * t2 + 0.000000503 * t3) * radiansPerDegree;
    const double tanHalfObliquity = std::tan(obliquityRad / 2.0);
    const double y = tanHalfObliquity * tanHalfObliquity;

    const double l = meanLongitudeRad;
    const double m = meanAnomalyRad;
    const double equationOfTimeHours =
        hoursPerRadian *
        (y * std::sin(2.0 * l) - 2.0 * e * std::sin(m) + 4.0 * e * y * std::sin(m) * std::cos(2.0 * l) -
         0.5 * y * y * std::sin(4.0 * l) - 1.25 * e * e * std::sin(2.0 * m));

    const double eccentricAnomalyRad = solveKepler(m, e);
    const double trueAnomalyRad =
        2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(eccentricAnomalyRad / 2.0));
    const double trueLongitudeRad = l - m + trueAnomalyRad;

    SunDay sun;
    sun.declination = solarDeclination(trueLongitudeRad);
    sun.transit = 12.0 + zoneHours - equationOfTimeHours - longitudeRad * hoursPerRadian;
    sun.noSunrise = false;

    double x = (std::sin(riseSetAltitudeRad) - std::sin(latitudeRad) * std::sin(sun.declination)) /
               (std::cos(latitudeRad) * std::cos(sun.declination));
    if (x > 1.0) {
        x = 1.0;
        sun.noSunrise = true;
    }
    const double halfDayHours = arcCos(x) * hoursPerRadian;  // not a number when the sun never sets
    sun.rise = sun.transit - halfDayHours;
    sun.set = sun.transit + halfDayHours;
    return sun;
}

namespace {

// A night share that cannot be formed (the sun never reaches the depression even at the
// substitute latitude's solstice, which no method of the table comes near) falls back to the
// seventh of the night.
constexpr double fallbackNightShare = 1.0 / 7.0;

// The share of the night between the sun's crossing of the horizon and its reaching depressionRad
// below it, at the substitute latitude: before sunrise for dawn, after sunset for the evening.
double nightShare(int year, int month, int day, const PrayerParameters& parameters, double depressionRad,
                  bool afterSunset) {
    const double latitudeRad = signedSubstituteLatitude(parameters);
    const SunDay sun = sunTimes(year, month, day, parameters.longitudeRad, latitudeRad, parameters.zoneHours);
    const double ss = std::sin(latitudeRad) * std::sin(sun.declination);
    const double cc = std::cos(latitudeRad) * std::cos(sun.declination);
    const double nightHours = 24.0 - sun.set + sun.rise;
    const double hourAngleHours = arcCos((std::sin(-depressionRad) - ss) / cc) * hoursPerRadian;
    if (!afterSunset) {
        const double dawnHours = sun.transit - hourAngleHours - parameters.safetyHours;
        return (sun.rise - dawnHours) / nightHours;
    }
    const double eveningHours = sun.transit + hourAngleHours + parameters.safetyHours;
    return (eveningHours - sun.set) / nightHours;
}

// The sun of one day at the latitude in use, with the horizon corrections of the real latitude.
struct DayGeometry {
    SunDay sun;
    double latitudeRad;          // the latitude in use: the real one or the substitute
    double ss;                   // sin(latitude in use) sin(declination)
    double cc;                   // cos(latitude in use) cos(declination)
    double riseCorrectionHours;  // subtracted from sunrise (and from the ordinary dawn)
    double setCorrectionHours;   // added to sunset (and to an evening by angle)
};

void takeSunAt(DayGeometry& day, int year, int month, int dayOfMonth, const PrayerParameters& parameters,
               double latitudeRad) {
    day.latitudeRad = latitudeRad;
    day.sun = sunTimes(year, month, dayOfMonth, parameters.longitudeRad, latitudeRad, parameters.zoneHours);
    day.ss = std::sin(latitudeRad) * std::sin(day.sun.declination);
    day.cc = std::cos(latitudeRad) * std::cos(day.sun.declination);
}

// (sin a - SS) / CC: the cosine of the hour angle at which the sun stands at altitude a.
double hourAngleArgument(const DayGeometry& day, double altitudeRad) {
    return (std::sin(altitudeRad) - day.ss) / day.cc;
}

// Horizon corrections for the height of the place, only at moderate latitudes.
void applyHorizonCorrections(DayGeometry& day, const PrayerParameters& parameters) {
    day.riseCorrectionHours = 0.0;
    day.setCorrectionHours = 0.0;
    if (day.sun.noSunrise || !(std::fabs(day.latitudeRad) < horizonCorrectionMaxLatitudeRad) ||
        (parameters.eastHeight == 0.0 && parameters.westHeight == 0.0))
        return;
    const double h0 = arcCos(hourAngleArgument(day, correctionAltitudeRad));
    auto correctionHours = [&](double heightM) {
        const double altitudeRad = zenithMinusRefractionRad - arcSin(earthRadiusM / (earthRadiusM + heightM));
        return (h0 - arcCos(hourAngleArgument(day, altitudeRad))) * hoursPerRadian;
    };
    day.setCorrectionHours = correctionHours(parameters.westHeight);
    day.riseCorrectionHours = correctionHours(parameters.eastHeight);
}

// No usable day at the real latitude: take the sun times of the substitute latitude.
void substituteWhenNoUsableDay(DayGeometry& day, int year, int month, int dayOfMonth,
                               const PrayerParameters& parameters) {
    const double dayLengthHours = std::fabs(day.sun.set - day.sun.rise);
    if (day.sun.noSunrise || dayLengthHours <= shortestDayHours || !(dayLengthHours < longestDayHours))
        takeSunAt(day, year, month, dayOfMonth, parameters, signedSubstituteLatitude(parameters));
}

// Afternoon: the sun's altitude where a shadow is its noon length plus the shadow factor.
double afternoonTime(const DayGeometry& day, const PrayerParameters& parameters) {
    const double shadowRatio =
        parameters.asrShadowFactor + std::tan(std::fabs(day.sun.declination - day.latitudeRad));
    const double asrAltitudeRad = std::atan(1.0 / shadowRatio);
    const double asrArgument = hourAngleArgument(day, asrAltitudeRad);
    if (std::fabs(asrArgument) > 1.0)
        return day.sun.transit + asrFallbackHours + parameters.safetyHours;
    return day.sun.transit + arcCos(asrArgument) * hoursPerRadian + parameters.safetyHours;
}

// Whether a twilight time is taken as a share of the night. At 48 degrees and beyond the share is
// used when the sun comes close to, or never reaches, the depression; below 48 degrees only when it
// never reaches it (the ordinary rule would give no time at all).
bool useNightShare(double realLatitudeRad, double argument, double depressionRad) {
    if (std::fabs(realLatitudeRad) < highLatitudeRad)
        return !(std::fabs(argument) <= 1.0);
    return !(std::fabs(argument) <= 0.45 + 1.3369 * depressionRad);
}

// The share is taken from the solstice of the place's hemisphere at the substitute latitude: a
// pure function of the year and place, worked out only when used.
double solsticeShare(int year, const PrayerParameters& parameters, double depressionRad, bool afterSunset) {
    const int solsticeMonth = parameters.latitudeRad >= 0.0 ? 6 : 12;
    const double share = nightShare(year, solsticeMonth, 21, parameters, depressionRad, afterSunset);
    return std::isfinite(share) ? share : fallbackNightShare;
}

double nightHoursOf(const DayGeometry& day) {
    return 24.0 - day.sun.set + day.sun.rise;
}

// Dawn: the sun depressionRad below the horizon before sunrise, or a share of the night.
double dawnTime(int year, const DayGeometry& day, const PrayerParameters& parameters) {
    const double depressionRad = parameters.fajrDepression;
    const double argument = hourAngleArgument(day, -depressionRad);
    if (useNightShare(parameters.latitudeRad, argument, depressionRad))
        return day.sun.rise - solsticeShare(year, parameters, depressionRad, false) * nightHoursOf(day);
    return day.sun.transit - arcCos(argument) * hoursPerRadian - day.riseCorrectionHours +
           parameters.safetyHours;
}

// Dawn's rule mirrored after the transit: the sun depressionRad below the horizon after sunset, or
// a share of the night after sunset.
double afterSunsetTime(int year, const DayGeometry& day, const PrayerParameters& parameters,
                       double depressionRad) {
    const double argument = hourAngleArgument(day, -depressionRad);
    if (useNightShare(parameters.latitudeRad, argument, depressionRad))
        return day.sun.set + solsticeShare(year, parameters, depressionRad, true) * nightHoursOf(day);
    return day.sun.transit + arcCos(argument) * hoursPerRadian + day.setCorrectionHours +
           parameters.safetyHours;
}

}  // namespace

double dawnFraction(int year, int month, int day, const PrayerParameters& parameters) {
    return nightShare(year, month, day, parameters, parameters.fajrDepression, false);
}

double eveningFraction(int year, int month, int day, const PrayerParameters& parameters,
                       double depressionRad) {
    return nightShare(year, month, day, parameters, depressionRad, true);
}

PrayerTimes computePrayerTimes(int year, int month, int day, const PrayerParameters& parameters) {
    DayGeometry geometry;
    takeSunAt(geometry, year, month, day, parameters, parameters.latitudeRad);
    applyHorizonCorrections(geometry, parameters);
    substituteWhenNoUsableDay(geometry, year, month, day, parameters);
    if (geometry.sun.transit < 0.0)
        geometry.sun.transit += 24.0;

    PrayerTimes times;
    times.sunrise = geometry.sun.rise - geometry.riseCorrectionHours;
    times.noon = geometry.sun.transit + parameters.safetyHours;
    if (parameters.maghribDepression != 0.0)
        times.sunset = afterSunsetTime(year, geometry, parameters, parameters.maghribDepression);
    else
        times.sunset = geometry.sun.set + geometry.setCorrectionHours + parameters.safetyHours;
    times.afternoon = afternoonTime(geometry, parameters);
    times.dawn = dawnTime(year, geometry, parameters);
    if (parameters.ishaDepression != 0.0) {
        times.evening = afterSunsetTime(year, geometry, parameters, parameters.ishaDepression);
        // Near the poles a Maghrib by angle (the sun sinking slowly, no share) can come out later
        // than an evening taken as a share of the night: the evening then waits for Maghrib.
        if (times.evening < times.sunset)
            times.evening = times.sunset;
    } else
        times.evening = times.sunset + parameters.ishaInterval;
    return times;
}

}  // namespace reference_engine
