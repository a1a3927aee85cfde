// The sun's place for a date, formula by formula in the order they are applied: the mean elements
// of the sun's orbit, the equation of time, Kepler's equation, the true longitude, the declination,
// the transit, and the hour angle at which the sun stands at a given altitude. Each formula cites
// where it is published; the prayer rules and the runs of days that apply them are in
// prayer_times.cpp.
//
// Books cited:
//   [AFC] J. Meeus, Astronomical Formulae for Calculators, 4th edition, Willmann-Bell 1988.
//   [AA]  J. Meeus, Astronomical Algorithms, 2nd edition, Willmann-Bell 1998.
//
// Angles are radians unless the name says Deg; times decimal hours of the zone's clock.
#pragma once

#include <cmath>

// 12 / pi: an hour angle in radians to hours.
constexpr double solarHoursPerRadian = 3.819718634205488;

// Reduces an angle in degrees into 0-360 as repeated subtraction (while above 360) and then
// addition (while below 0) of 360 would: exactly 0 and 360 stay as they are.
double reduceDegrees(double angleDeg);

// Julian centuries T from day number 2451545.0 (2000 January 1.5) to local midnight of a date on
// a clock zoneHours east of Greenwich; [AA] eq. (12.1) with the Julian day of [AA] eq. (7.1).
// The orbital elements below are referred to 1900 in [AFC] and are evaluated with this T
// nonetheless: the published timetables rest on that choice.
double julianCenturiesToLocalMidnight(int year, int month, int day, double zoneHours);

// The sun's mean longitude L, reduced into 0-360 degrees and given in radians: [AFC] ch. 18,
// L = 279.69668 + 36000.76892 T + 0.0003025 T^2 (to seven decimals, 279.6966778).
double sunMeanLongitudeRad(double centuries);

// The sun's mean anomaly M, reduced into 0-360 degrees and given in radians: [AFC] ch. 18,
// M = 358.47583 + 35999.04975 T - 0.000150 T^2 - 0.0000033 T^3.
double sunMeanAnomalyRad(double centuries);

// The eccentricity of the Earth's orbit: [AFC] ch. 18, e = 0.01675104 - 0.0000418 T - 0.000000126 T^2.
double orbitEccentricity(double centuries);

// The mean obliquity of the ecliptic: [AFC] ch. 18,
// epsilon = 23.452294 - 0.0130125 T - 0.00000164 T^2 + 0.000000503 T^3 degrees.
double meanObliquityRad(double centuries);

// y = tan^2(epsilon / 2), the obliquity's term of the equation of time: [AA] ch. 28.
double obliquityTermOfEquationOfTime(double obliquityRad);

// The equation of time in hours (apparent minus mean solar time): [AA] eq. (28.3),
// E = y sin 2L - 2e sin M + 4ey sin M cos 2L - y^2/2 sin 4L - 5/4 e^2 sin 2M, from radians to hours
// at 12/pi. sinMeanAnomaly is sin M, which Kepler's first step also uses.
double equationOfTimeHours(double meanLongitudeRad, double meanAnomalyRad, double eccentricity,
                           double obliquityTerm, double sinMeanAnomaly);

// Newton's method on Kepler's equation E - e sin E = M stops once a step began with a residual of
// at most this, or after keplerMostSteps steps. Newton's method converges in three or four steps
// for the orbit's eccentricity (about 0.0167) on any real date; the bound only ends the loop for an
// eccentricity outside (-1, 1) or not a number, which dates hundreds of thousands of years away, or
// a zone of billions of hours, give.
constexpr double keplerResidualLimitRad = 1e-9;
constexpr int keplerMostSteps = 50;

// One step of Newton's method on Kepler's equation, [AA] eq. (30.7):
// E' = E - (E - e sin E - M) / (1 - e cos E), from E with its sine and cosine.
struct KeplerStep {
    double eccentricAnomalyRad;  // E'
    double residualRad;          // E - e sin E - M, the residual the step started from
};
inline KeplerStep keplerStep(double eccentricAnomalyRad, double sinEccentricAnomaly, double cosEccentricAnomaly,
                             double meanAnomalyRad, double eccentricity) {
    const double e = eccentricAnomalyRad;
    const double residual = e - eccentricity * sinEccentricAnomaly - meanAnomalyRad;
    return {e - residual / (1.0 - eccentricity * cosEccentricAnomaly), residual};
}

// Whether another step follows one that started from this residual (not a number ends the loop).
inline bool keplerStepsOn(double residualRad) {
    return std::fabs(residualRad) > keplerResidualLimitRad;
}

// Newton's method on E - e sin E = M from E = M: mean anomaly M (radians) and eccentricity e give
// the eccentric anomaly E (radians). At least one step is taken, and one past the step whose
// residual met the limit. Stops after at most keplerMostSteps steps, so that an eccentricity
// outside (-1, 1), where the method need not converge, still returns (a value of no meaning).
double solveKepler(double meanAnomalyRad, double eccentricity);

// The true anomaly from the eccentric anomaly: [AA] eq. (30.1), tan(v/2) = sqrt((1+e)/(1-e)) tan(E/2).
double trueAnomalyRad(double eccentricAnomalyRad, double eccentricity);

// The sun's true longitude on the ecliptic, the mean longitude moved by the equation of the centre
// v - M: [AFC] ch. 18, L - M + v, not reduced.
inline double sunTrueLongitudeRad(double meanLongitudeRad, double meanAnomalyRad, double trueAnomalyRad) {
    return meanLongitudeRad - meanAnomalyRad + trueAnomalyRad;
}

// Declination (radians) of the sun at ecliptic longitude lambda (radians), with the ecliptic
// latitude taken as 0: [AA] eq. (25.7), sin delta = sin epsilon sin lambda, for a fixed obliquity
// epsilon = 23.441884 degrees converted with the nine-digit factor 0.017453292 on purpose.
double solarDeclination(double eclipticLongitudeRad);

// A longitude (radians, east positive) as the hours by which the sun's transit comes earlier.
inline double longitudeHours(double longitudeRad) {
    return longitudeRad * solarHoursPerRadian;
}

// The sun's transit on the zone's clock: mean noon 12 h moved by the zone, the equation of time
// and the longitude, [AA] ch. 28 (the equation of time as apparent minus mean time).
inline double transitHours(double zoneHours, double equationOfTimeHours, double longitudeHours) {
    constexpr double meanNoonHours = 12.0;
    return meanNoonHours + zoneHours - equationOfTimeHours - longitudeHours;
}

// Altitude of the sun's upper limb at rise and set, refraction included: -0.833333 degrees,
// [AA] ch. 15 (h0 = -0 deg 50').
constexpr double riseSetAltitudeRad = -0.014544404615521906;
// The horizon-correction step takes the same altitude to five decimals, -0.83333 degrees.
constexpr double correctionAltitudeRad = -0.014544352255644346;

// arccos and arcsin through atan2, so an argument beyond +-1 yields not-a-number rather than a
// clamped angle; callers test the argument where a rule depends on it.
inline double arcCos(double x) {
    return std::atan2(std::sqrt((1.0 + x) * (1.0 - x)), x);
}
inline double arcSin(double u) {
    return std::atan2(u, std::sqrt((1.0 + u) * (1.0 - u)));
}

// The cosine of the hour angle at which the sun stands at altitude a, given sin a and, for the
// latitude phi and declination delta in use, SS = sin phi sin delta and CC = cos phi cos delta:
// [AA] eq. (15.1), cos H = (sin a - sin phi sin delta) / (cos phi cos delta). Beyond +-1 the sun
// never reaches the altitude.
inline double hourAngleArgument(double sinAltitude, double ss, double cc) {
    return (sinAltitude - ss) / cc;
}

// The hour angle H = arccos(argument) in hours (12/pi per radian); not a number beyond +-1.
inline double hourAngleHours(double argument) {
    return arcCos(argument) * solarHoursPerRadian;
}

// The hours between the hour angle H0 (radians) and the hour angle of an argument:
// (H0 - arccos(argument)) at 12/pi hours per radian.
inline double hourAngleDifferenceHours(double hourAngleRad, double argument) {
    return (hourAngleRad - arcCos(argument)) * solarHoursPerRadian;
}

// The altitude (radians) at which the horizon correction for a height is taken: 89.16667 degrees
// less arcsin(R / (R + h)), the angle between the vertical and a line of sight from height h that
// grazes a sphere of radius R (right triangle of hypotenuse R + h). R = 6378140 m, the IAU 1976
// equatorial radius, [AA] ch. 11.
double horizonCorrectionAltitudeRad(double heightM);

// The sun's altitude at the afternoon prayer: where a shadow is its noon length plus
// shadowFactor times the object's height. At transit the sun's zenith distance is |phi - delta|
// ([AA] eq. (13.6) with H = 0), so the noon shadow is tan|phi - delta| heights and the altitude
// is arccot(shadowFactor + tan|phi - delta|).
double afternoonAltitudeRad(double shadowFactor, double declinationRad, double latitudeRad);

// The night from sunset to the next sunrise, taking the day's own rise as the next one's.
inline double nightLengthHours(double riseHours, double setHours) {
    constexpr double hoursPerDay = 24.0;
    return hoursPerDay - setHours + riseHours;
}
