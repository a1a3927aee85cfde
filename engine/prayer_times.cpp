#include "prayer_times.h"

#include "calendar.h"

#include <cmath>

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

double dawnFraction(int year, int month, int day, const PrayerParameters& parameters) {
    const double latitudeRad = signedSubstituteLatitude(parameters);
    const SunDay sun = sunTimes(year, month, day, parameters.longitudeRad, latitudeRad, parameters.zoneHours);
    const double ss = std::sin(latitudeRad) * std::sin(sun.declination);
    const double cc = std::cos(latitudeRad) * std::cos(sun.declination);
    const double nightHours = 24.0 - sun.set + sun.rise;
    const double dawnHours = sun.transit -
                             arcCos((std::sin(-parameters.fajrDepression) - ss) / cc) * hoursPerRadian -
                             parameters.safetyHours;
    return (sun.rise - dawnHours) / nightHours;
}

PrayerTimes computePrayerTimes(int year, int month, int day, const PrayerParameters& parameters) {
    const double realLatitudeRad = parameters.latitudeRad;
    double latitudeRad = realLatitudeRad;
    SunDay sun = sunTimes(year, month, day, parameters.longitudeRad, latitudeRad, parameters.zoneHours);
    double ss = std::sin(latitudeRad) * std::sin(sun.declination);
    double cc = std::cos(latitudeRad) * std::cos(sun.declination);

    // Horizon corrections for the height of the place, only at moderate latitudes.
    double riseCorrectionHours = 0.0;
    double setCorrectionHours = 0.0;
    if (!sun.noSunrise && std::fabs(latitudeRad) < horizonCorrectionMaxLatitudeRad &&
        (parameters.eastHeight != 0.0 || parameters.westHeight != 0.0)) {
        const double h0 = arcCos((std::sin(correctionAltitudeRad) - ss) / cc);
        auto correctionHours = [&](double heightM) {
            const double altitudeRad =
                zenithMinusRefractionRad - arcSin(earthRadiusM / (earthRadiusM + heightM));
            return (h0 - arcCos((std::sin(altitudeRad) - ss) / cc)) * hoursPerRadian;
        };
        setCorrectionHours = correctionHours(parameters.westHeight);
        riseCorrectionHours = correctionHours(parameters.eastHeight);
    }

    // No usable day at the real latitude: take the sun times of the substitute latitude.
    const double dayLengthHours = std::fabs(sun.set - sun.rise);
    if (sun.noSunrise || dayLengthHours <= shortestDayHours || !(dayLengthHours < longestDayHours)) {
        latitudeRad = signedSubstituteLatitude(parameters);
        sun = sunTimes(year, month, day, parameters.longitudeRad, latitudeRad, parameters.zoneHours);
        ss = std::sin(latitudeRad) * std::sin(sun.declination);
        cc = std::cos(latitudeRad) * std::cos(sun.declination);
    }

    if (sun.transit < 0.0)
        sun.transit += 24.0;

    PrayerTimes times;
    times.sunrise = sun.rise - riseCorrectionHours;
    times.noon = sun.transit + parameters.safetyHours;
    times.sunset = sun.set + setCorrectionHours + parameters.safetyHours;

    // Afternoon: the sun's altitude where a shadow is its noon length plus the shadow factor.
    const double shadowRatio =
        parameters.asrShadowFactor + std::tan(std::fabs(sun.declination - latitudeRad));
    const double asrAltitudeRad = std::atan(1.0 / shadowRatio);
    const double asrArgument = (std::sin(asrAltitudeRad) - ss) / cc;
    if (std::fabs(asrArgument) > 1.0)
        times.afternoon = sun.transit + asrFallbackHours + parameters.safetyHours;
    else
        times.afternoon = sun.transit + arcCos(asrArgument) * hoursPerRadian + parameters.safetyHours;

    // Dawn: the ordinary rule, or a share of the night taken from the solstice of the place's
    // hemisphere at the substitute latitude. At 48 degrees and beyond the share is used when the
    // sun comes close to, or never reaches, the dawn depression; below 48 degrees only when it
    // never reaches it (the ordinary rule would give no time at all).
    const double dawnArgument = (std::sin(-parameters.fajrDepression) - ss) / cc;
    const double ordinaryDawn =
        sun.transit - arcCos(dawnArgument) * hoursPerRadian - riseCorrectionHours + parameters.safetyHours;
    const bool useNightShare = std::fabs(realLatitudeRad) < highLatitudeRad
                                   ? !(std::fabs(dawnArgument) <= 1.0)
                                   : std::fabs(dawnArgument) > 0.45 + 1.3369 * parameters.fajrDepression;
    if (useNightShare) {
        // The solstice's share is a pure function of the year and place: worked out only when used.
        const int solsticeMonth = realLatitudeRad >= 0.0 ? 6 : 12;
        const double share = dawnFraction(year, solsticeMonth, 21, parameters);
        const double nightHours = 24.0 - sun.set + sun.rise;
        times.dawn = sun.rise - share * nightHours;
    } else {
        times.dawn = ordinaryDawn;
    }

    times.evening = times.sunset + parameters.ishaInterval;
    return times;
}
