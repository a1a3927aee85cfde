#include "calculation_method.h"
#include "calendar.h"
#include "prayer_times.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

TEST(CalculationMethod, NamesAreFoundIgnoringCase) {
    const char* names[] = {"selvara", "mwl",       "isna",   "egypt",  "karachi", "makkah", "gulf",  "kuwait",
                           "qatar",   "singapore", "turkey", "tehran", "jafari",  "france", "russia"};
    ASSERT_EQ(calculationMethodCount, 15);
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(findCalculationMethod(names[i]), i) << names[i];
        EXPECT_STREQ(calculationMethods[i].name, names[i]);
    }
    EXPECT_EQ(findCalculationMethod("KARACHI"), 4);
    EXPECT_EQ(findCalculationMethod("Tehran"), 11);
    EXPECT_EQ(findCalculationMethod("selvar"), -1);
    EXPECT_EQ(findCalculationMethod("selvaras"), -1);
    EXPECT_EQ(findCalculationMethod(""), -1);
    EXPECT_EQ(findCalculationMethod(nullptr), -1);
    EXPECT_EQ(defaultCalculationMethod, 0);
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The default options must reproduce the program's fixed method bit for bit, on every path.
TEST(CalculationMethod, DefaultOptionsGiveTheFixedMethodsBits) {
    const PrayerOptions defaults;
    EXPECT_TRUE(validPrayerOptions(defaults));
    for (double latitudeDeg = -80.0; latitudeDeg <= 80.0; latitudeDeg += 3.3) {
        for (int dayOfYear = 1; dayOfYear <= 366; dayOfYear += 5) {
            int year = 2026;
            int month = 1;
            int day = dayOfYear;
            normalizeGregorianDate(year, month, day);
            const PrayerTimes a = computeDayTimes(year, month, day, latitudeDeg, 15.59, 60, defaults);
            const PrayerTimes b =
                computePrayerTimes(year, month, day, timetableParameters(latitudeDeg, 15.59, 1.0));
            ASSERT_TRUE(sameBits(a.dawn, b.dawn) && sameBits(a.sunrise, b.sunrise) &&
                        sameBits(a.noon, b.noon) && sameBits(a.afternoon, b.afternoon) &&
                        sameBits(a.sunset, b.sunset) && sameBits(a.evening, b.evening))
                << latitudeDeg << " " << year << "-" << month << "-" << day;
        }
    }
}

}  // namespace
