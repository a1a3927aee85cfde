#include "standard_events.h"

#include "calendar.h"
#include "solar_model.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double degreesPerRadian = 57.29577951308232;
constexpr double hoursPerDegree = 1.0 / 15.0;  // the hour angle turns 15 degrees an hour
constexpr double hoursPerDay = 24.0;
constexpr double daysPerHour = 1.0 / 24.0;
constexpr double minutesPerHour = 60.0;
constexpr double minutesPerDay = 1440.0;
constexpr double j2000DayNumber = 2451545.0;
// Days from J2000 beyond which a date has no meaning for the sun (about 27 million years).
constexpr double farthestDay = 1e10;

// The mean Earth radius for the horizon dip: the dip is a geometric angle, refraction at the
// horizon is already in sunriseAltitudeDeg.
constexpr double earthRadiusM = 6371000.0;

// Where the sun does not rise or does not set on a date, sunrise, sunset and the times built on them
// are taken at this latitude (with the place's sign): the sun crosses the horizon there on every
// day of the year, even seen from 9000 m.
constexpr double substituteLatitudeDeg = 60.0;

// An event's instant is found by fixed-point steps, the sun's place taken at the last estimate;
// the steps stop when what the next one would move the instant by is less than this (0.36 s,
// within the model's own second).
constexpr double eventToleranceHours = 1e-4;
constexpr int mostEventSteps = 8;

// The sun's samples at 12h UT of whole days, kept for the next call: consecutive dates and places
// on the same dates (a bulk run) share them. One cache per thread.
struct CachedSample {
    long long day;
    SunSample sample;
};
constexpr int cachedSampleCount = 8;  // a power of two: the slot is the day's low bits

const SunSample& sampleOfDay(long long day) {
    thread_local CachedSample cache[cachedSampleCount] = {
        {LLONG_MIN, {}}, {LLONG_MIN, {}}, {LLONG_MIN, {}}, {LLONG_MIN, {}},
        {LLONG_MIN, {}}, {LLONG_MIN, {}}, {LLONG_MIN, {}}, {LLONG_MIN, {}},
    };
    CachedSample& slot = cache[static_cast<unsigned long long>(day) & (cachedSampleCount - 1)];
    if (slot.day != day) {
        slot.day = day;
        slot.sample = sunSampleAt(static_cast<double>(day));
    }
    return slot.sample;
}

// A quantity through three samples one day apart, at p days from the middle one (Meeus,
// Astronomical Algorithms, 2nd ed., equation 3.3): y2 + p (y3 - y1) / 2 + p^2 (y3 - 2 y2 + y1) / 2.
struct Quadratic {
    double middle;
    double slope;
    double curve;
};

Quadratic quadraticThrough(double y1, double y2, double y3) {
    return {y2, 0.5 * (y3 - y1), 0.5 * (y3 - 2.0 * y2 + y1)};
}

double valueAt(const Quadratic& q, double p) {
    return q.middle + p * (q.slope + p * q.curve);
}

// The sun over one local date: its samples at the three whole UT days around the date's noon.
struct DaySun {
    double midnightDays;  // local midnight of the date, UT days from J2000
    double middleDay;     // the middle sample's day
    double zoneHours;
    Quadratic hourAngleExcessDeg;
    Quadratic sinDeclination;
    Quadratic cosDeclination;
};

DaySun daySun(const LocalDate& date) {
    DaySun sun;
    const double dayNumber = julianDay(date.year, date.month, date.day + 0.5) - j2000DayNumber;
    sun.zoneHours = date.zoneMinutes / minutesPerHour;
    sun.midnightDays = dayNumber - 0.5 - date.zoneMinutes / minutesPerDay;  // once a day: divisions are fine
    sun.middleDay = std::floor(sun.midnightDays + 1.0);  // the whole day nearest local noon
    if (!(std::fabs(sun.middleDay) < farthestDay))
        sun.middleDay = 0.0;  // a date or zone of no meaning: some day, rather than an unbounded number
    const long long middle = static_cast<long long>(sun.middleDay);
    const SunSample& before = sampleOfDay(middle - 1);
    const SunSample& at = sampleOfDay(middle);
    const SunSample& after = sampleOfDay(middle + 1);
    sun.hourAngleExcessDeg =
        quadraticThrough(before.hourAngleExcessDeg, at.hourAngleExcessDeg, after.hourAngleExcessDeg);
    sun.sinDeclination = quadraticThrough(before.sinDeclination, at.sinDeclination, after.sinDeclination);
    sun.cosDeclination = quadraticThrough(before.cosDeclination, at.cosDeclination, after.cosDeclination);
    return sun;
}

// The sun held where it stands at 0h UT of the date, for authorities that take it once a day.
void holdSunAtUtcMidnight(DaySun& sun) {
    const double p = sun.midnightDays + sun.zoneHours / hoursPerDay - sun.middleDay;
    sun.hourAngleExcessDeg = {valueAt(sun.hourAngleExcessDeg, p), 0.0, 0.0};
    sun.sinDeclination = {valueAt(sun.sinDeclination, p), 0.0, 0.0};
    sun.cosDeclination = {valueAt(sun.cosDeclination, p), 0.0, 0.0};
}

double daysFromMiddle(const DaySun& sun, double hours) {
    return sun.midnightDays + hours * daysPerHour - sun.middleDay;
}

// The place's latitude and longitude as the events use them.
struct Place {
    double sinLatitude;
    double cosLatitude;
    double longitudeDeg;
};

Place placeAt(double latitudeDeg, double longitudeDeg) {
    const double latitudeRad = latitudeDeg * radiansPerDegree;
    return {std::sin(latitudeRad), std::cos(latitudeRad), longitudeDeg};
}

// The clock time at which the sun's local hour angle is hourAngleDeg, with the sun's place at
// `hours`: the hour angle is 15 (t - 12 - zone) + E + longitude.
double clockAtHourAngle(const DaySun& sun, const Place& place, double hours, double hourAngleDeg) {
    const double excessDeg = valueAt(sun.hourAngleExcessDeg, daysFromMiddle(sun, hours));
    return 12.0 + sun.zoneHours + (hourAngleDeg - excessDeg - place.longitudeDeg) * hoursPerDegree;
}

// The transit, brought into the date's 24 hours; two steps: the equation of time moves by under
// a second of time over the hours the first estimate can be off.
double transitOf(const DaySun& sun, const Place& place) {
    double hours = clockAtHourAngle(sun, place, 12.0, 0.0);
    hours = clockAtHourAngle(sun, place, hours, 0.0);
    if (hours < 0.0)
        hours += hoursPerDay;
    else if (hours >= hoursPerDay)
        hours -= hoursPerDay;
    return hours;
}

// cos H of the hour angle H at which the sun stands at the altitude whose sine is given, with the
// sun's declination at `hours`; beyond +-1 where it does not reach that altitude.
double hourAngleCosine(const DaySun& sun, const Place& place, double hours, double sinAltitude) {
    const double p = daysFromMiddle(sun, hours);
    return (sinAltitude - place.sinLatitude * valueAt(sun.sinDeclination, p)) /
           (place.cosLatitude * valueAt(sun.cosDeclination, p));
}

// Where the first estimate's hour angle has a sine of at least quickSineLeast and the sun's move to
// the estimate changes cos H by less than quickCosineChange, the hour angle at the estimate is taken
// from the first by the Taylor series of arccos to the second order: the third-order term left,
// (change^3 / 6) (1 + 2 cos^2) / sin^5, is under 3e-4 degree (0.07 s of time) at those bounds.
// Elsewhere (near the sun's highest or lowest altitude, or a fast-moving declination far north or
// south) steps are taken.
constexpr double quickSineLeast = 0.3;
constexpr double quickCosineChange = 0.003;

// The instant the sun stands at the altitude, before (side -1) or after (side +1) the transit:
// from the transit's sun, then again with the sun at the new estimate. The sun's place at that
// second estimate is within about a minute of the event's, which moves the event by well under
// a second; where the hour angle is sensitive to the declination, fixed-point steps go on until
// they are small (each step's size shrinks by a steady factor, so the last step and that factor
// bound what is left).
double eventAt(const DaySun& sun, const Place& place, double transitHours, double sinAltitude, double side) {
    const double firstCosine = hourAngleCosine(sun, place, transitHours, sinAltitude);
    if (!(firstCosine >= -1.0 && firstCosine <= 1.0))
        return NAN;
    const double firstAngleRad = std::acos(firstCosine);
    double hours = clockAtHourAngle(sun, place, transitHours, side * firstAngleRad * degreesPerRadian);
    const double cosine = hourAngleCosine(sun, place, hours, sinAltitude);
    const double sine = std::sqrt(1.0 - firstCosine * firstCosine);
    const double change = cosine - firstCosine;
    if (sine >= quickSineLeast && std::fabs(change) < quickCosineChange) {
        // d(arccos x)/dx = -1 / sin, d2(arccos x)/dx2 = -cos / sin^3.
        const double angleRad = firstAngleRad - change / sine - 0.5 * firstCosine * change * change / (sine * sine * sine);
        return clockAtHourAngle(sun, place, hours, side * angleRad * degreesPerRadian);
    }
    double lastStep = std::fabs(hours - transitHours);
    for (int step = 1; step < mostEventSteps; ++step) {
        const double stepCosine = hourAngleCosine(sun, place, hours, sinAltitude);
        if (!(stepCosine >= -1.0 && stepCosine <= 1.0))
            return NAN;
        const double next = clockAtHourAngle(sun, place, hours, side * std::acos(stepCosine) * degreesPerRadian);
        const double move = std::fabs(next - hours);
        hours = next;
        if (move < eventToleranceHours || move * move < eventToleranceHours * lastStep)
            break;
        lastStep = move;
    }
    return hours;
}

double sinOfDeg(double angleDeg) {
    return std::sin(angleDeg * radiansPerDegree);
}

// What the method and the options fix for every day at one place.
struct Rules {
    const CalculationMethod* method;
    int asrShadowFactor;
    double latitudeDeg;
    double sinSunriseAltitude;
    double sinSunsetAltitude;
    double sinDawnAltitude;
    double sinEveningAltitude;
    double sinMaghribAltitude;
    double sinPrintedSunriseAltitude;
    HighLatitudeRule highLatitudeRule;
    HighLatitudeRule dawnHighLatitudeRule;
};

// The true altitude of the sun seen at apparentDeg above the horizon: less the refraction of the
// standard atmosphere (Bennett's formula, in minutes of arc; good to 0.1' above 15 degrees).
double trueAltitudeOfApparentDeg(double apparentDeg) {
    const double refractionArcmin =
        1.0 / std::tan((apparentDeg + 7.31 / (apparentDeg + 4.4)) * radiansPerDegree);
    return apparentDeg - refractionArcmin / 60.0;
}

Rules rulesOf(double latitudeDeg, const PrayerOptions& options) {
    Rules rules;
    rules.method = &chosenMethod(options);
    rules.asrShadowFactor = options.asrShadowFactor == hanafiAsrShadowFactor ? 2 : 1;
    rules.latitudeDeg = latitudeDeg;
    const bool elevated = rules.method->usesElevation || options.useElevation;
    const double elevationM = elevated && options.elevationM >= lowestElevationM &&
                                      options.elevationM <= highestElevationM
                                  ? options.elevationM
                                  : 0.0;
    const double fullDipDeg = horizonDipDeg(elevationM);
    double sunriseDipDeg = fullDipDeg;
    double sunsetDipDeg = fullDipDeg;
    if (rules.method->usesElevation) {
        const double sunsetShare =
            rules.method->sunsetDipShare > 0.0 ? rules.method->sunsetDipShare : rules.method->elevationDipShare;
        sunriseDipDeg = std::max(rules.method->leastHorizonDipDeg, rules.method->elevationDipShare * fullDipDeg);
        sunsetDipDeg = std::max(rules.method->leastHorizonDipDeg, sunsetShare * fullDipDeg);
    }
    rules.sinSunriseAltitude = sinOfDeg(sunriseAltitudeDeg - sunriseDipDeg);
    rules.sinSunsetAltitude = sinOfDeg(sunriseAltitudeDeg - sunsetDipDeg);
    rules.sinDawnAltitude = sinOfDeg(-rules.method->dawnDepressionDeg);
    rules.sinEveningAltitude = sinOfDeg(-rules.method->eveningDepressionDeg);
    rules.sinMaghribAltitude = sinOfDeg(-rules.method->maghribDepressionDeg);
    rules.sinPrintedSunriseAltitude = sinOfDeg(-rules.method->sunriseDepressionDeg);
    rules.highLatitudeRule = effectiveHighLatitudeRule(options);
    // The method's own rule stands where the user chose none (or one of no meaning).
    const bool methodsOwnRule =
        options.highLatitudeRule == HighLatitudeRule::methodDefault || options.highLatitudeRule != rules.highLatitudeRule;
    rules.dawnHighLatitudeRule =
        methodsOwnRule && rules.method->dawnHighLatitudeRule != HighLatitudeRule::methodDefault
            ? rules.method->dawnHighLatitudeRule
            : rules.highLatitudeRule;
    return rules;
}

// The share of the night a twilight time may lie from sunrise or sunset under the rule; not a
// number for none.
double nightShare(HighLatitudeRule rule, double depressionDeg) {
    switch (rule) {
    case HighLatitudeRule::middleOfNight:
        return 0.5;
    case HighLatitudeRule::seventhOfNight:
        return 1.0 / 7.0;
    case HighLatitudeRule::twilightAngle:
        return depressionDeg / 60.0;
    default:
        return NAN;
    }
}

// Dawn no earlier than sunrise less the share of the night, the evening times no later than sunset
// plus theirs; a time that does not exist takes the bound. With none nothing changes.
void boundTwilight(double& hours, double anchorHours, double side, double share, double nightHours) {
    if (std::isnan(share))
        return;
    const double bound = anchorHours + side * share * nightHours;
    if (!(side * (hours - bound) <= 0.0))
        hours = bound;
}

// The six times of one date at one latitude; the sun's samples already taken.
PrayerTimes timesAt(const DaySun& sun, const Place& place, const Rules& rules, double eveningIntervalMinutes,
                    const LocalDate& date) {
    const CalculationMethod& method = *rules.method;
    PrayerTimes times;
    const double transit = transitOf(sun, place);
    DaySun heldSun;
    const DaySun* noonSunOf = &sun;
    if (method.noonSunAtUtcMidnight) {
        heldSun = sun;
        holdSunAtUtcMidnight(heldSun);
        noonSunOf = &heldSun;
    }
    const DaySun& noonSun = *noonSunOf;
    const double noonTransit = method.noonSunAtUtcMidnight ? transitOf(noonSun, place) : transit;
    const double sunrise = eventAt(sun, place, transit, rules.sinSunriseAltitude, -1.0);
    const double sunset = eventAt(sun, place, transit, rules.sinSunsetAltitude, 1.0);
    times.sunrise = sunrise;
    if (method.sunriseDepressionDeg != 0.0) {
        // The printed sunrise only: the night and the twilight bounds keep the upper limb's. Where
        // the sun does not sink that far the upper limb's sunrise stands.
        const double lowered = eventAt(sun, place, transit, rules.sinPrintedSunriseAltitude, -1.0);
        if (!std::isnan(lowered))
            times.sunrise = lowered;
    }
    times.noon = noonTransit;

    // The noon shadow at the transit's declination; a day whose sun is too low for the shadow
    // rule takes the middle of the afternoon.
    const double p = daysFromMiddle(noonSun, noonTransit);
    const double sinDeclination = valueAt(noonSun.sinDeclination, p);
    const double cosDeclination = valueAt(noonSun.cosDeclination, p);
    const double noonZenithCos = place.sinLatitude * sinDeclination + place.cosLatitude * cosDeclination;
    const double noonZenithSin = std::sqrt(std::fmax(0.0, 1.0 - noonZenithCos * noonZenithCos));
    const double shadowRatio = rules.asrShadowFactor + noonZenithSin / noonZenithCos;
    double sinAfternoonAltitude = 1.0 / std::sqrt(1.0 + shadowRatio * shadowRatio);
    if (method.asrApparentSun)
        sinAfternoonAltitude =
            sinOfDeg(trueAltitudeOfApparentDeg(std::asin(sinAfternoonAltitude) * degreesPerRadian));
    if (method.asrSunAtTransit) {
        const double cosine = hourAngleCosine(noonSun, place, noonTransit, sinAfternoonAltitude);
        times.afternoon = cosine >= -1.0 && cosine <= 1.0
                              ? clockAtHourAngle(noonSun, place, noonTransit, std::acos(cosine) * degreesPerRadian)
                              : NAN;
    } else {
        times.afternoon = eventAt(noonSun, place, noonTransit, sinAfternoonAltitude, 1.0);
    }
    if (std::isnan(times.afternoon) || !(noonZenithCos > 0.0))
        times.afternoon = noonTransit + 0.5 * (sunset - noonTransit);

    const double nightHours = hoursPerDay - (sunset - sunrise);
    const int shadowFactor = rules.asrShadowFactor;
    if (method.seasonalDawnMinutes) {
        // The seasonal minutes before sunrise and after sunset, unrounded: the Committee's own
        // tables print these instants rounded.
        const double dawnMinutes =
            method.seasonalDawnMinutes(rules.latitudeDeg, date.year, date.month, date.day, shadowFactor);
        times.dawn = sunrise - dawnMinutes / minutesPerHour;
    } else {
        times.dawn = eventAt(sun, place, transit, rules.sinDawnAltitude, -1.0);
    }
    boundTwilight(times.dawn, sunrise, -1.0, nightShare(rules.dawnHighLatitudeRule, method.dawnDepressionDeg),
                  nightHours);

    times.sunset = sunset;
    if (method.maghribDepressionDeg != 0.0) {
        times.sunset = eventAt(sun, place, transit, rules.sinMaghribAltitude, 1.0);
        boundTwilight(times.sunset, sunset, 1.0, nightShare(rules.highLatitudeRule, method.maghribDepressionDeg),
                      nightHours);
    }

    if (method.seasonalEveningMinutes) {
        const double eveningMinutes =
            method.seasonalEveningMinutes(rules.latitudeDeg, date.year, date.month, date.day, shadowFactor);
        times.evening = sunset + eveningMinutes / minutesPerHour;
    } else if (method.eveningDepressionDeg != 0.0) {
        times.evening = eventAt(sun, place, transit, rules.sinEveningAltitude, 1.0);
    } else {
        times.evening = sunset + eveningIntervalMinutes / minutesPerHour;
        return times;
    }
    boundTwilight(times.evening, sunset, 1.0, nightShare(rules.highLatitudeRule, method.eveningDepressionDeg),
                  nightHours);
    return times;
}

void addMinutes(PrayerTimes& times, const int (&minutes)[prayerTimeCount]) {
    double* fields[prayerTimeCount] = {&times.dawn,      &times.sunrise, &times.noon,
                                       &times.afternoon, &times.sunset,  &times.evening};
    for (int i = 0; i < prayerTimeCount; ++i)
        *fields[i] += minutes[i] / minutesPerHour;
}

}  // namespace

double horizonDipDeg(double elevationM) {
    if (!(elevationM > 0.0))
        return 0.0;
    return std::acos(earthRadiusM / (earthRadiusM + elevationM)) * degreesPerRadian;
}

double solarTransitHours(const LocalDate& date, double longitudeDeg) {
    return transitOf(daySun(date), placeAt(0.0, longitudeDeg));
}

double solarAltitudeHours(const LocalDate& date, double latitudeDeg, double longitudeDeg, double altitudeDeg,
                          bool setting) {
    const DaySun sun = daySun(date);
    const Place place = placeAt(latitudeDeg, longitudeDeg);
    return eventAt(sun, place, transitOf(sun, place), sinOfDeg(altitudeDeg), setting ? 1.0 : -1.0);
}

void computeStandardTimesRun(double latitudeDeg, double longitudeDeg, const PrayerOptions& options,
                             const LocalDate* dates, int count, PrayerTimes* times) {
    const Rules rules = rulesOf(latitudeDeg, options);
    const Place real = placeAt(latitudeDeg, longitudeDeg);
    const Place substitute = placeAt(latitudeDeg < 0.0 ? -substituteLatitudeDeg : substituteLatitudeDeg, longitudeDeg);
    const double areaHours =
        rules.method->areas
            ? areaDawnMinutes(*rules.method->areas, rules.method->offsetMinutes[0], latitudeDeg, longitudeDeg) /
                  minutesPerHour
            : 0.0;
    for (int i = 0; i < count; ++i) {
        const LocalDate& date = dates[i];
        LocalDate sunDate = date;
        if (rules.method->perpetualSunYear != 0) {
            sunDate.year = rules.method->perpetualSunYear;
            if (sunDate.month == 2 && sunDate.day == 29)
                sunDate.day = 28;
        }
        if (rules.method->sunDaysAhead != 0) {
            sunDate.day += rules.method->sunDaysAhead;
            normalizeGregorianDate(sunDate.year, sunDate.month, sunDate.day);
        }
        DaySun sun = daySun(sunDate);
        if (rules.method->sunAtUtcMidnight)
            holdSunAtUtcMidnight(sun);
        const double intervalMinutes = eveningIntervalMinutesOn(options, date.year, date.month, date.day);
        PrayerTimes& day = times[i];
        day = timesAt(sun, real, rules, intervalMinutes, date);
        if (std::isnan(day.sunrise) || std::isnan(day.sunset))
            day = timesAt(sun, substitute, rules, intervalMinutes, date);
        addMinutes(day, rules.method->offsetMinutes);
        day.dawn += areaHours;
        // Near the poles the night may last only minutes: an authority's minutes on sunset or
        // sunrise must not put the evening prayer before Maghrib, or dawn after sunrise.
        day.evening = std::max(day.evening, day.sunset);
        day.dawn = std::min(day.dawn, day.sunrise);
        const double ramadanHours =
            ramadanSunsetMinutesOn(options, date.year, date.month, date.day) / minutesPerHour;
        day.sunset += ramadanHours;
        if (rules.method->eveningDepressionDeg == 0.0 && !rules.method->seasonalEveningMinutes)
            day.evening += ramadanHours;
        applyAdjustments(day, options);
    }
}
