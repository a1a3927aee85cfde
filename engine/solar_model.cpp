#include "solar_model.h"

#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double degreesPerRadian = 57.29577951308232;
constexpr double daysPerJulianCentury = 36525.0;
constexpr double arcsecondsPerDegree = 3600.0;

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
    // obliquity: mean (22.2) corrected for nutation (25.8).
    const double nodeRad = (125.04 - 1934.136 * t) * radiansPerDegree;
    const double sinNode = std::sin(nodeRad);
    const double cosNode = std::cos(nodeRad);
    const double apparentLongitudeRad = (trueLongitudeDeg - 0.00569 - 0.00478 * sinNode) * radiansPerDegree;
    const double meanObliquityDeg = 23.439291111111 - 0.013004166667 * t - 1.6388889e-7 * t2 + 5.0361111e-7 * t2 * t;
    const double obliquityRad = (meanObliquityDeg + 0.00256 * cosNode) * radiansPerDegree;

    // Right ascension (25.6) and declination (25.7).
    const double sinLambda = std::sin(apparentLongitudeRad);
    const double cosLambda = std::cos(apparentLongitudeRad);
    const double sinObliquity = std::sin(obliquityRad);
    const double cosObliquity = std::cos(obliquityRad);
    const double rightAscensionDeg = std::atan2(cosObliquity * sinLambda, cosLambda) * degreesPerRadian;
    SunSample sample;
    sample.sinDeclination = sinObliquity * sinLambda;
    sample.cosDeclination = std::sqrt(1.0 - sample.sinDeclination * sample.sinDeclination);

    // Nutation in longitude, the four largest terms (chapter 22, p. 144), for the equation of the
    // equinoxes; the mean sidereal time at Greenwich (12.4) less its 360 degrees a day.
    const double sunLongitudeRad = (280.4665 + 36000.7698 * t) * radiansPerDegree;
    const double moonLongitudeRad = (218.3165 + 481267.8813 * t) * radiansPerDegree;
    const double nutationArcsec = -17.20 * sinNode - 1.32 * std::sin(2.0 * sunLongitudeRad) -
                                  0.23 * std::sin(2.0 * moonLongitudeRad) + 0.21 * 2.0 * sinNode * cosNode;
    const double siderealExcessDeg = 280.46061837 + 0.98564736629 * daysFromJ2000 + 0.000387933 * t2 -
                                     t2 * t / 38710000.0 +
                                     nutationArcsec * cosObliquity / arcsecondsPerDegree;
    sample.hourAngleExcessDeg = signedDegrees(siderealExcessDeg - rightAscensionDeg);
    return sample;
}
