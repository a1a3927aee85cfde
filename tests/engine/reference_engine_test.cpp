// The engine against its reference implementation (reference_prayer_times.cpp, the engine before
// it was made faster): every raw value bit for bit, over random places, dates, zones and every
// calculation method, a run of consecutive days per place as a timetable asks for them, places
// alternating so that the engine's per-place record is made anew again and again.
//
// SELVARA_ORACLE_PLACE_DAYS sets the number of place-days (200,000 by default);
// tools/check-engine-oracle.sh runs millions on the optimised build.
#include "calculation_method.h"
#include "calendar.h"
#include "prayer_times.h"
#include "reference_prayer_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

long placeDaysToCheck() {
    const char* text = std::getenv("SELVARA_ORACLE_PLACE_DAYS");
    const long count = text ? std::atol(text) : 0;
    return count > 0 ? count : 200000;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

::testing::AssertionResult sameTimes(const PrayerTimes& fast, const PrayerTimes& reference) {
    const double a[] = {fast.dawn, fast.sunrise, fast.noon, fast.afternoon, fast.sunset, fast.evening};
    const double b[] = {reference.dawn,      reference.sunrise, reference.noon,
                        reference.afternoon, reference.sunset,  reference.evening};
    for (int i = 0; i < 6; ++i) {
        if (!sameBits(a[i], b[i]))
            return ::testing::AssertionFailure() << "time " << i << ": " << a[i] << " against " << b[i];
    }
    return ::testing::AssertionSuccess();
}

struct RandomPlace {
    PrayerOptions options;
    double latitudeDeg;
    double longitudeDeg;
    int zoneMinutes;
};

RandomPlace randomPlace(std::mt19937_64& random) {
    RandomPlace place;
    std::uniform_real_distribution<double> latitude(-90.0, 90.0);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    std::uniform_int_distribution<int> zone(-12 * 60, 14 * 60);
    std::uniform_int_distribution<int> method(0, calculationMethodCount - 1);
    std::uniform_int_distribution<int> coin(0, 3);
    place.latitudeDeg = latitude(random);
    if (coin(random) == 0)  // the polar bands, where every rule of the engine comes into play
        place.latitudeDeg = place.latitudeDeg / 90.0 * 25.0 + (place.latitudeDeg < 0 ? -65.0 : 65.0);
    place.longitudeDeg = longitude(random);
    place.zoneMinutes = coin(random) == 0 ? zone(random) : zone(random) / 60 * 60;
    place.options.methodIndex = method(random);
    place.options.asrShadowFactor = coin(random) == 0 ? hanafiAsrShadowFactor : standardAsrShadowFactor;
    return place;
}

TEST(ReferenceEngine, EveryRawValueIsTheReferencesBitForBit) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> year(1900, 2100);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> dayOfMonth(1, 28);
    constexpr int daysPerPlace = 16;
    const long placeDays = placeDaysToCheck();
    long failures = 0;
    for (long done = 0; done < placeDays && failures < 10; done += 2 * daysPerPlace) {
        // Two places, day by day in turn.
        const RandomPlace places[2] = {randomPlace(random), randomPlace(random)};
        int y = year(random);
        int m = month(random);
        int d = dayOfMonth(random);
        for (int i = 0; i < daysPerPlace; ++i) {
            for (const RandomPlace& place : places) {
                const PrayerParameters parameters = methodParameters(
                    place.latitudeDeg, place.longitudeDeg, place.zoneMinutes, place.options, y, m, d);
                const auto verdict = sameTimes(computePrayerTimes(y, m, d, parameters),
                                               reference_engine::computePrayerTimes(y, m, d, parameters));
                if (!verdict) {
                    ++failures;
                    ADD_FAILURE() << verdict.message() << " at " << place.latitudeDeg << ", "
                                  << place.longitudeDeg << ", zone " << place.zoneMinutes << " min, method "
                                  << place.options.methodIndex << ", " << y << "-" << m << "-" << d;
                }
            }
            d += 1;
            normalizeGregorianDate(y, m, d);
        }
    }
}

TEST(ReferenceEngine, SunAndNightSharesAreTheReferences) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> year(1900, 2100);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> day(1, 28);
    std::uniform_real_distribution<double> depression(0.05, 0.4);
    for (int i = 0; i < 20000; ++i) {
        const RandomPlace place = randomPlace(random);
        const int y = year(random);
        const int m = month(random);
        const int d = day(random);
        const PrayerParameters p = methodParameters(place.latitudeDeg, place.longitudeDeg, place.zoneMinutes,
                                                    place.options, y, m, d);
        const SunDay fast = sunTimes(y, m, d, p.longitudeRad, p.latitudeRad, p.zoneHours);
        const SunDay reference =
            reference_engine::sunTimes(y, m, d, p.longitudeRad, p.latitudeRad, p.zoneHours);
        ASSERT_TRUE(sameBits(fast.rise, reference.rise) && sameBits(fast.set, reference.set) &&
                    sameBits(fast.transit, reference.transit) &&
                    sameBits(fast.declination, reference.declination) &&
                    fast.noSunrise == reference.noSunrise)
            << y << "-" << m << "-" << d;
        ASSERT_TRUE(sameBits(dawnFraction(y, m, d, p), reference_engine::dawnFraction(y, m, d, p)));
        const double depressionRad = depression(random);
        ASSERT_TRUE(sameBits(eveningFraction(y, m, d, p, depressionRad),
                             reference_engine::eveningFraction(y, m, d, p, depressionRad)));
    }
}

// A run of days (a timetable's month) against the reference day by day: runs of every length up
// to beyond the engine's run size, crossing months and years, and a zone that changes within the
// run as daylight time does.
TEST(ReferenceEngine, RunsOfDaysAreTheReferencesBitForBit) {
    std::mt19937_64 random(1208);
    std::uniform_int_distribution<int> year(1900, 2100);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> dayOfMonth(1, 31);
    std::uniform_int_distribution<int> length(1, 70);
    constexpr int longestRun = 70;
    PrayerDay days[longestRun];
    PrayerTimes times[longestRun];
    const long placeDays = placeDaysToCheck() / 4;
    for (long done = 0; done < placeDays;) {
        const RandomPlace place = randomPlace(random);
        const int count = length(random);
        const int changeAt = length(random);  // from here on, the zone is an hour ahead
        int y = year(random);
        int m = month(random);
        int d = dayOfMonth(random);
        for (int i = 0; i < count; ++i) {
            normalizeGregorianDate(y, m, d);
            const int zoneMinutes = place.zoneMinutes + (i >= changeAt ? 60 : 0);
            days[i] = PrayerDay{
                y, m, d,
                methodParameters(place.latitudeDeg, place.longitudeDeg, zoneMinutes, place.options, y, m, d)};
            d += 1;
        }
        computePrayerTimesRun(days, count, times);
        for (int i = 0; i < count; ++i) {
            const PrayerDay& day = days[i];
            ASSERT_TRUE(sameTimes(
                times[i], reference_engine::computePrayerTimes(day.year, day.month, day.day, day.parameters)))
                << "day " << i << " of " << count << " at " << place.latitudeDeg << ", " << place.longitudeDeg
                << ", " << day.year << "-" << day.month << "-" << day.day;
        }
        done += count;
    }
}

// The angle reduction against the library's remainder, around multiples of 360 at every scale (a
// few units in the last place either side, where a division may round up to the next whole
// quotient), and beyond the range it works out without the library.
TEST(ReferenceEngine, AngleReductionIsTheReferences) {
    std::mt19937_64 random(360);
    long checked = 0;
    for (double scale = 1.0; scale < 1e17; scale *= 3.7) {
        std::uniform_real_distribution<double> multiple(0.0, scale);
        for (int i = 0; i < 2000; ++i) {
            const double sign = i % 2 ? -1.0 : 1.0;
            double angle = sign * 360.0 * std::floor(multiple(random));
            for (int ulps = 0; ulps < 4; ++ulps) {
                for (double toward : {1e300, -1e300}) {
                    const double fast = reduceDegrees(angle);
                    const double reference = reference_engine::reduceDegrees(angle);
                    ASSERT_TRUE(sameBits(fast, reference))
                        << angle << ": " << fast << " against " << reference;
                    angle = std::nextafter(angle, toward);
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

}  // namespace
