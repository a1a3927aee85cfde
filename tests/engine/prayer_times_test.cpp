#include "prayer_times.h"
#include "timetable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;

std::string clock(double hours) {
    char text[clockTimeBufferSize];
    formatClockTime(text, sizeof text, hours);
    return text;
}

struct ReferenceDay {
    double latitudeDeg;
    double longitudeDeg;
    int zoneHours;
    int year;
    int month;
    int day;
    const char* times[6];  // dawn, sunrise, noon, afternoon, sunset, evening
    const char* path;
};

// Each row takes a different path through the rules.
const ReferenceDay referenceDays[] = {
    {45.49,
     15.59,
     1,
     2026,
     1,
     1,
     {"05:45", "07:37", "12:01", "14:07", "16:24", "17:54"},
     "ordinary, no horizon correction"},
    {21.42,
     39.83,
     3,
     2024,
     2,
     28,
     {"05:23", "06:41", "12:34", "15:55", "18:27", "19:57"},
     "horizon corrections of 300 m"},
    {-33.87,
     151.21,
     10,
     2026,
     6,
     21,
     {"05:22", "06:56", "11:57", "14:36", "16:57", "18:27"},
     "southern hemisphere, horizon corrections"},
    {59.91,
     10.75,
     1,
     2026,
     6,
     21,
     {"01:08", "02:53", "12:19", "17:00", "21:44", "23:14"},
     "dawn by the solstice fraction"},
    {59.91,
     10.75,
     1,
     2026,
     12,
     21,
     {"06:24", "09:17", "12:15", "13:08", "15:12", "16:42"},
     "beyond 48 degrees, ordinary dawn rule"},
    {69.65,
     18.96,
     1,
     2026,
     6,
     21,
     {"01:07", "03:56", "11:46", "15:55", "19:34", "21:04"},
     "no sunset: substitute latitude"},
    {69.65,
     18.96,
     1,
     2026,
     12,
     21,
     {"05:27", "07:18", "11:42", "13:48", "16:05", "17:35"},
     "no sunrise: substitute latitude"},
};

PrayerTimes timesFor(double latitudeDeg, double longitudeDeg, int zoneHours, int year, int month, int day) {
    return computePrayerTimes(year, month, day, timetableParameters(latitudeDeg, longitudeDeg, zoneHours));
}

TEST(PrayerTimes, ReferenceDaysPrintAsTabulated) {
    for (const ReferenceDay& row : referenceDays) {
        SCOPED_TRACE(row.path);
        const PrayerTimes t =
            timesFor(row.latitudeDeg, row.longitudeDeg, row.zoneHours, row.year, row.month, row.day);
        EXPECT_EQ(clock(t.dawn), row.times[0]);
        EXPECT_EQ(clock(t.sunrise), row.times[1]);
        EXPECT_EQ(clock(t.noon), row.times[2]);
        EXPECT_EQ(clock(t.afternoon), row.times[3]);
        EXPECT_EQ(clock(t.sunset), row.times[4]);
        EXPECT_EQ(clock(t.evening), row.times[5]);
    }
}

TEST(PrayerTimes, SunPositionAndPathFlags) {
    // Polar night at 69.65 N: the sun never rises, so the day is flagged.
    const SunDay winter = sunTimes(2026, 12, 21, 18.96 * radiansPerDegree, 69.65 * radiansPerDegree, 1.0);
    EXPECT_TRUE(winter.noSunrise);
    // Midnight sun: rise and set are not numbers, but the day is not flagged as sunless.
    const SunDay summer = sunTimes(2026, 6, 21, 18.96 * radiansPerDegree, 69.65 * radiansPerDegree, 1.0);
    EXPECT_FALSE(summer.noSunrise);
    EXPECT_TRUE(std::isnan(summer.rise));
    EXPECT_TRUE(std::isnan(summer.set));
    // The declination near the solstices is close to the obliquity.
    EXPECT_NEAR(summer.declination / radiansPerDegree, 23.44, 0.05);
    EXPECT_NEAR(winter.declination / radiansPerDegree, -23.44, 0.05);

    // Kepler's equation is solved to well below 1e-9.
    for (double m = -3.0; m <= 3.0; m += 0.25) {
        const double e = solveKepler(m, 0.0167);
        EXPECT_NEAR(e - 0.0167 * std::sin(e), m, 1e-12);
    }
    // At an ecliptic longitude of 90 degrees the declination is the fixed obliquity: 23.441884
    // degrees with the 9-digit factor 0.017453292 (pi / 180 would give 0.40913805867).
    EXPECT_NEAR(solarDeclination(1.5707963267948966), 0.409138046482128, 1e-14);
    EXPECT_NEAR(solarDeclination(-1.5707963267948966), -0.409138046482128, 1e-14);
}

// The reduction of the mean longitude and anomaly gives, bit for bit, what subtracting and adding
// 360 one step at a time gives, including exact multiples, over thousands of years either way.
TEST(PrayerTimes, AngleReductionMatchesStepwiseSubtraction) {
    auto stepwise = [](double angleDeg) {
        while (angleDeg > 360.0)
            angleDeg -= 360.0;
        while (angleDeg < 0.0)
            angleDeg += 360.0;
        return angleDeg;
    };
    const double exact[] = {
        0.0,     360.0,  720.0, -360.0, -720.0, 1080.0, 359.99999999999994, 360.00000000000006,
        -1e-300, 1e-300, -0.1,  3600.5, -3600.5};
    for (double angle : exact) {
        const double expected = stepwise(angle);
        const double actual = reduceDegrees(angle);
        EXPECT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0) << angle;
    }
    // Mean longitudes and anomalies from 8,000 years before to 8,000 years after the epoch.
    for (double t = -80.0; t <= 80.0; t += 0.0137) {
        for (double angle : {279.6966778 + 36000.76892 * t + 0.0003025 * t * t,
                             358.47583 + 35999.04975 * t - 0.00015 * t * t}) {
            const double expected = stepwise(angle);
            const double actual = reduceDegrees(angle);
            ASSERT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0) << angle;
        }
    }
}

TEST(PrayerTimes, EveningIsAlwaysTheIntervalAfterSunset) {
    for (const ReferenceDay& row : referenceDays) {
        const PrayerTimes t =
            timesFor(row.latitudeDeg, row.longitudeDeg, row.zoneHours, row.year, row.month, row.day);
        EXPECT_DOUBLE_EQ(t.evening, t.sunset + 1.5);
    }
}

TEST(PrayerTimes, HorizonCorrectionOnlyBelowTheLatitudeLimit) {
    // Exactly 0.79 radians gets no correction: the heights then change nothing.
    PrayerParameters p = timetableParameters(0.0, 15.0, 1.0);
    p.latitudeRad = 0.79;
    PrayerParameters flat = p;
    flat.eastHeight = 0.0;
    flat.westHeight = 0.0;
    PrayerTimes high = computePrayerTimes(2026, 3, 20, p);
    PrayerTimes ground = computePrayerTimes(2026, 3, 20, flat);
    EXPECT_DOUBLE_EQ(high.sunrise, ground.sunrise);
    EXPECT_DOUBLE_EQ(high.sunset, ground.sunset);

    // Just below it the 300 m horizon brings sunrise earlier and sunset later.
    p.latitudeRad = 0.7899;
    flat.latitudeRad = 0.7899;
    high = computePrayerTimes(2026, 3, 20, p);
    ground = computePrayerTimes(2026, 3, 20, flat);
    EXPECT_LT(high.sunrise, ground.sunrise - 0.03);
    EXPECT_GT(high.sunset, ground.sunset + 0.03);

    // With both heights 0 sunrise is the plain sun time and sunset adds only the safety hours.
    const SunDay sun = sunTimes(2026, 3, 20, flat.longitudeRad, flat.latitudeRad, 1.0);
    EXPECT_DOUBLE_EQ(ground.sunrise, sun.rise);
    EXPECT_DOUBLE_EQ(ground.sunset, sun.set + 0.016388);
}

TEST(PrayerTimes, HighLatitudeDawnRuleStartsAtExactly48Degrees) {
    // At 0.83776 radians the night share replaces the ordinary dawn in midsummer; just below it
    // the ordinary rule still gives a time (the sun still reaches the dawn depression at 47.99).
    PrayerParameters p = timetableParameters(0.0, 10.0, 1.0);
    p.latitudeRad = 0.83776;
    // The dawns are data/raw_times.csv's, computed outside the engine (make_raw_times.py).
    const PrayerTimes at48 = computePrayerTimes(2026, 6, 10, p);
    EXPECT_NEAR(at48.dawn, 1.628673249717, 1e-9);  // 01:37, the solstice's share of the night
    p.latitudeRad = 0.8377580409572782;            // 48 degrees exactly, a hair below 0.83776
    const PrayerTimes below = computePrayerTimes(2026, 6, 10, p);
    EXPECT_NEAR(below.dawn, 0.568419740729, 1e-9);  // 00:34, the ordinary rule
}

TEST(PrayerTimes, LatitudeZeroCountsAsNorth) {
    PrayerParameters north = timetableParameters(0.0, 0.0, 0.0);
    PrayerParameters south = north;
    south.latitudeRad = -1e-9;
    // The substitute latitude takes the real one's sign: June at 45 N differs from June at 45 S.
    EXPECT_NE(dawnFraction(2026, 6, 21, north), dawnFraction(2026, 6, 21, south));
    north.latitudeRad = 0.0;
    PrayerParameters reallyNorth = north;
    reallyNorth.latitudeRad = 1e-9;
    EXPECT_DOUBLE_EQ(dawnFraction(2026, 6, 21, north), dawnFraction(2026, 6, 21, reallyNorth));
}

// Below 48 degrees, in the band where the sun never reaches the dawn depression near the
// summer solstice, dawn comes from the solstice night share instead of being no number at all.
TEST(PrayerTimes, DawnInTheBandBelow48DegreesIsANumber) {
    const PrayerTimes t = timesFor(47.8, 10.0, 1, 2026, 6, 21);
    EXPECT_FALSE(std::isnan(t.dawn));
    EXPECT_EQ(clock(t.sunrise), "04:20");
    EXPECT_EQ(clock(t.noon), "12:22");
    EXPECT_EQ(clock(t.afternoon), "16:37");
    EXPECT_EQ(clock(t.sunset), "20:22");
    EXPECT_EQ(clock(t.evening), "21:52");
    EXPECT_LT(t.dawn, t.sunrise - 1.0);
    EXPECT_GT(t.dawn, 0.0);

    // The solstice's share of the night at 45 degrees, as data/raw_times.csv computes it outside the
    // engine (make_raw_times.py).
    EXPECT_NEAR(t.dawn, 1.655119579660, 1e-9);
}

// Across every latitude, both hemispheres and every day of a year, no time is ever anything
// but a finite number, and the order of the day holds.
TEST(PrayerTimes, EveryLatitudeAndDayGivesFiniteOrderedTimes) {
    const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int failures = 0;
    for (int tenths = -900; tenths <= 900 && failures < 10; tenths += 5) {
        const double latitudeDeg = tenths / 10.0;
        const PrayerParameters p = timetableParameters(latitudeDeg, 15.0, 1.0);
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= monthDays[month - 1]; ++day) {
                const PrayerTimes t = computePrayerTimes(2026, month, day, p);
                const double all[6] = {t.dawn, t.sunrise, t.noon, t.afternoon, t.sunset, t.evening};
                bool ok = true;
                for (double v : all)
                    ok = ok && std::isfinite(v);
                ok = ok && t.dawn < t.sunrise && t.sunrise < t.noon && t.noon < t.afternoon &&
                     t.afternoon < t.sunset && t.sunset < t.evening;
                if (!ok) {
                    ADD_FAILURE() << "latitude " << latitudeDeg << " on 2026-" << month << "-" << day << ": "
                                  << clock(t.dawn) << " " << clock(t.sunrise) << " " << clock(t.noon) << " "
                                  << clock(t.afternoon) << " " << clock(t.sunset) << " " << clock(t.evening);
                    ++failures;
                }
            }
        }
    }
}

// The substitute latitude takes over where the day is at most 1 hour or at least 23 hours long.
// Latitudes are narrowed down to the two neighbouring doubles around each limit; on the long
// side of 1 hour (short side of 23 hours) the real latitude's sunrise is used, at or beyond the
// limit the sunrise of 45 degrees.
double dayLengthHours(double latitudeRad, int month) {
    const SunDay sun = sunTimes(2026, month, 21, 0.0, latitudeRad, 0.0);
    return std::fabs(sun.set - sun.rise);
}

// The two neighbouring latitudes between lowRad and highRad where the day length crosses
// limitHours (its sign against the limit differs at the two ends).
std::pair<double, double> latitudesAround(double limitHours, double lowRad, double highRad, int month) {
    const bool lowAbove = dayLengthHours(lowRad, month) > limitHours;
    for (;;) {
        const double middle = lowRad + (highRad - lowRad) / 2.0;
        if (middle <= lowRad || middle >= highRad)
            return {lowRad, highRad};
        if ((dayLengthHours(middle, month) > limitHours) == lowAbove)
            lowRad = middle;
        else
            highRad = middle;
    }
}

TEST(PrayerTimes, SubstituteLatitudeFromDaysOfOneAndOfTwentyThreeHours) {
    PrayerParameters p = timetableParameters(0.0, 0.0, 0.0);
    p.eastHeight = 0.0;
    p.westHeight = 0.0;
    const double substituteRise = sunTimes(2026, 12, 21, 0.0, 0.7853981633974483, 0.0).rise;
    const double substituteRiseJune = sunTimes(2026, 6, 21, 0.0, 0.7853981633974483, 0.0).rise;
    struct Case {
        double limitHours;
        int month;
        double lowRad;   // a latitude on the real side of the limit
        double highRad;  // a latitude on the substitute side
    };
    // December 21: the day shrinks to 1 hour between 1.17 and 1.18 rad (67.0 and 67.6 N); June 21:
    // it grows to 23 hours between 1.14 and 1.147 rad (65.3 and 65.7 N).
    const Case cases[] = {{1.0, 12, 1.17, 1.18}, {23.0, 6, 1.14, 1.147}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limitHours);
        const auto [inside, beyond] = latitudesAround(c.limitHours, c.lowRad, c.highRad, c.month);
        const bool shortSide = c.limitHours < 12.0;
        const double insideLength = dayLengthHours(inside, c.month);
        const double beyondLength = dayLengthHours(beyond, c.month);
        EXPECT_TRUE(shortSide ? insideLength > 1.0 : insideLength < 23.0) << insideLength;
        EXPECT_TRUE(shortSide ? beyondLength <= 1.0 : beyondLength >= 23.0) << beyondLength;
        p.latitudeRad = inside;
        EXPECT_DOUBLE_EQ(computePrayerTimes(2026, c.month, 21, p).sunrise,
                         sunTimes(2026, c.month, 21, 0.0, inside, 0.0).rise);
        p.latitudeRad = beyond;
        EXPECT_DOUBLE_EQ(computePrayerTimes(2026, c.month, 21, p).sunrise,
                         shortSide ? substituteRise : substituteRiseJune);
    }
}

}  // namespace
