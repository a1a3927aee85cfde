#include "solar_model.h"

#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double degreesPerRadian = 57.29577951308232;
constexpr double daysPerJulianCentury = 36525.0;
constexpr double arcsecondsPerDegree = 3600.0;
// The mean obliquity at J2000, 23 deg 26' 21.448" (22.2): its sine and cosine.
constexpr double sinObliquityJ2000 = 0.39777715593191365;
constexpr double cosObliquityJ2000 = 0.9174820620691818;

// An angle in degrees brought into [-180, 180).
double signedDegrees(double angleDeg) {
    return angleDeg - 360.0 * std::floor((angleDeg + 180.0) / 360.0);
}

}  // namespace

SunSample sunSampleAt(double daysFromJ2000) {
    const double t = daysFromJ2000 / daysPerJulianCentury;  // Julian centuries (25.1)
    const double t2 = t * t;

    // Geometric mean longitude (25.2), mean anomaly (25.3), the equation of the centre.
    const double meanLongitudeDeg = 280.46646 + 36000.76983 * t + 0.0003032 * t2;
    const double meanAnomalyRad = (357.52911 + 35999.05029 * t - 0.0001537 * t2) * radiansPerDegree;
    const double sinM = std::sin(meanAnomalyRad);
    const double cosM = std::cos(meanAnomalyRad);
    const double sin2M = 2.0 * sinM * cosM;
    const double sin3M = sinM * (3.0 - 4.0 * sinM * sinM);
    const double centreDeg = (1.914602 - 0.004817 * t - 0.000014 * t2) * sinM +
                             (0.019993 - 0.000101 * t) * sin2M + 0.000289 * sin3M;
    const double trueLongitudeDeg = meanLongitudeDeg + centreDeg;

    // The Moon's ascending node, the apparent longitude (aberration and nutation, p. 164) and the
    // obliquity: mean (22.2) corrected for nutation (25.8). The obliquity moves by under 0.02
    // degree from its J2000 value over the years covered, so its sine and cosine are taken to
    // first order in that movement (the second-order term is under 1e-7).
    const double nodeRad = (125.04 - 1934.136 * t) * radiansPerDegree;
    const double sinNode = std::sin(nodeRad);
    const double cosNode = std::cos(nodeRad);
    const double apparentLongitudeRad = (trueLongitudeDeg - 0.00569 - 0.00478 * sinNode) * radiansPerDegree;
    const double obliquityChangeRad =
        (-0.013004166667 * t - 1.6388889e-7 * t2 + 5.0361111e-7 * t2 * t + 0.00256 * cosNode) * radiansPerDegree;
    const double sinObliquity = sinObliquityJ2000 + cosObliquityJ2000 * obliquityChangeRad;
    const double cosObliquity = cosObliquityJ2000 - sinObliquityJ2000 * obliquityChangeRad;

    // Right ascension (25.6) and declination (25.7).
    const double sinLambda = std::sin(apparentLongitudeRad);
    const double cosLambda = std::cos(apparentLongitudeRad);
    const double rightAscensionDeg = std::atan2(cosObliquity * sinLambda, cosLambda) * degreesPerRadian;
    SunSample sample;
    sample.sinDeclination = sinObliquity * sinLambda;
    sample.cosDeclination = std::sqrt(1.0 - sample.sinDeclination * sample.sinDeclination);

    // Nutation in longitude, the three largest terms (chapter 22, p. 144; the Moon's term, 0.23",
    // is a hundredth of a second of time), for the equation of the equinoxes. The Sun's mean
    // longitude L of that series is within two degrees of the apparent one, which moves its
    // 1.32" term by under 0.1". Then the mean sidereal time at Greenwich (12.4) less its 360
    // degrees a day.
    const double sin2L = 2.0 * sinLambda * cosLambda;
    const double nutationArcsec = -17.20 * sinNode - 1.32 * sin2L + 0.21 * 2.0 * sinNode * cosNode;
    const double siderealExcessDeg = 280.46061837 + 0.98564736629 * daysFromJ2000 + 0.000387933 * t2 -
                                     t2 * t / 38710000.0 +
                                     nutationArcsec * cosObliquity / arcsecondsPerDegree;
    sample.hourAngleExcessDeg = signedDegrees(siderealExcessDeg - rightAscensionDeg);
    return sample;
}
