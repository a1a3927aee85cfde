#include "solar_position.h"

#include "calendar.h"

#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180

constexpr double j2000DayNumber = 2451545.0;  // 2000 January 1.5
constexpr double daysPerJulianCentury = 36525.0;
constexpr double hoursPerDay = 24.0;

constexpr double zenithMinusRefractionRad = 1.5562519745392522;  // 89.16667 degrees
constexpr double earthRadiusM = 6378140.0;

// Below this magnitude an angle's unit in the last place is at most 1, so an integer multiple of
// 360 is a multiple of it.
constexpr double exactRemainderLimitDeg = 4503599627370496.0;  // 2^52

// std::fmod(angleDeg, 360.0) without the library call. The division rounded toward zero gives the
// whole quotient q: an angle short of a multiple of 360 by at least a unit in its last place is
// short of the whole quotient by more than half a unit of the quotient's last place, so rounding
// cannot carry the quotient across a whole number. angleDeg - 360 q is then exact (a multiple of
// the angle's unit in the last place, smaller than the angle). The two corrections guard that
// argument and do not change a result it holds for. Beyond 2^52 degrees the library does it.
double remainderOf360(double angleDeg) {
    if (!(std::fabs(angleDeg) < exactRemainderLimitDeg))
        return std::fmod(angleDeg, 360.0);
    const double quotient = std::trunc(angleDeg / 360.0);
    double remainder = angleDeg - quotient * 360.0;
    if (angleDeg > 0.0 && remainder < 0.0)
        remainder += 360.0;
    else if (angleDeg < 0.0 && remainder > 0.0)
        remainder -= 360.0;
    else if (remainder == 0.0)
        return angleDeg < 0.0 ? -0.0 : 0.0;  // the library's zero has the angle's sign
    return remainder;
}

}  // namespace

// Gives what subtracting 360 while the angle exceeds 360, then adding 360 while it is below 0,
// gives: a value in (0, 360] from above, [0, 360) from below, exactly 0 and 360 unchanged. Each
// of those steps is exact in binary floating point, and so is the remainder, so one remainder
// gives the same bits without a loop that grows with the distance from the epoch.
double reduceDegrees(double angleDeg) {
    if (angleDeg > 360.0) {
        angleDeg = remainderOf360(angleDeg);
        if (angleDeg == 0.0)
            angleDeg = 360.0;  // the subtraction stops at 360, not at 0
    } else if (angleDeg < 0.0) {
        angleDeg = remainderOf360(angleDeg);
        if (angleDeg < 0.0)
            angleDeg += 360.0;
        else
            angleDeg = 0.0;  // an exact multiple ends at +0
    }
    return angleDeg;
}

double julianCenturiesToLocalMidnight(int year, int month, int day, double zoneHours) {
    const double midnightDayNumber = julianDay(year, month, day);
    return (midnightDayNumber - zoneHours / hoursPerDay - j2000DayNumber) / daysPerJulianCentury;
}

double sunMeanLongitudeRad(double centuries) {
    const double t = centuries;
    const double t2 = t * t;
    return reduceDegrees(279.6966778 + 36000.76892 * t + 0.0003025 * t2) * radiansPerDegree;
}

double sunMeanAnomalyRad(double centuries) {
    const double t = centuries;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return reduceDegrees(358.47583 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3) * radiansPerDegree;
}

double orbitEccentricity(double centuries) {
    const double t = centuries;
    const double t2 = t * t;
    return 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
}

double meanObliquityRad(double centuries) {
    const double t = centuries;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (23.452294 - 0.0130125 * t - 0.00000164 * t2 + 0.000000503 * t3) * radiansPerDegree;
}

double obliquityTermOfEquationOfTime(double obliquityRad) {
    const double tanHalfObliquity = std::tan(obliquityRad / 2.0);
    return tanHalfObliquity * tanHalfObliquity;
}

double equationOfTimeHours(double meanLongitudeRad, double meanAnomalyRad, double eccentricity,
                           double obliquityTerm, double sinMeanAnomaly) {
    const double l = meanLongitudeRad;
    const double m = meanAnomalyRad;
    const double e = eccentricity;
    const double y = obliquityTerm;
    const double sinM = sinMeanAnomaly;
    return solarHoursPerRadian * (y * std::sin(2.0 * l) - 2.0 * e * sinM + 4.0 * e * y * sinM * std::cos(2.0 * l) -
                             0.5 * y * y * std::sin(4.0 * l) - 1.25 * e * e * std::sin(2.0 * m));
}

double solveKepler(double meanAnomalyRad, double eccentricity) {
    double e = meanAnomalyRad;
    KeplerStep step;
    int steps = 0;
    do {
        step = keplerStep(e, std::sin(e), std::cos(e), meanAnomalyRad, eccentricity);
        e = step.eccentricAnomalyRad;
        steps += 1;
    } while (keplerStepsOn(step.residualRad) && steps < keplerMostSteps);
    return e;
}

double trueAnomalyRad(double eccentricAnomalyRad, double eccentricity) {
    const double e = eccentricity;
    return 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(eccentricAnomalyRad / 2.0));
}

double solarDeclination(double eclipticLongitudeRad) {
    const double obliquityRad = 23.441884 * 0.017453292;
    const double s = std::sin(eclipticLongitudeRad) * std::sin(obliquityRad);
    return arcSin(s);
}

double horizonCorrectionAltitudeRad(double heightM) {
    return zenithMinusRefractionRad - arcSin(earthRadiusM / (earthRadiusM + heightM));
}

double afternoonAltitudeRad(double shadowFactor, double declinationRad, double latitudeRad) {
    const double shadowRatio = shadowFactor + std::tan(std::fabs(declinationRad - latitudeRad));
    return std::atan(1.0 / shadowRatio);
}

