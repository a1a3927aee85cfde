// The customary method of a town's country: the rows in order and well formed, each naming a method
// of the table and a country that the place list holds, and the lookup of the towns the console tool
// and the Find dialog offer it for.
#include "calculation_method.h"
#include "customary_method.h"
#include "place_file.h"
#include "place_search.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

TEST(CustomaryMethod, RowsAreSortedAndNameKnownMethods) {
    ASSERT_GT(customaryMethodCount, 0);
    for (int i = 0; i < customaryMethodCount; ++i) {
        const CustomaryMethod& row = customaryMethods[i];
        ASSERT_EQ(std::strlen(row.countryCode), 2u) << i;
        EXPECT_TRUE(row.countryCode[0] >= 'A' && row.countryCode[0] <= 'Z' && row.countryCode[1] >= 'A' &&
                    row.countryCode[1] <= 'Z')
            << row.countryCode;
        if (i > 0) {
            EXPECT_LT(std::strcmp(customaryMethods[i - 1].countryCode, row.countryCode), 0)
                << row.countryCode;
        }
        EXPECT_GE(findCalculationMethod(row.methodName), 0) << row.countryCode << " " << row.methodName;
        EXPECT_TRUE(row.asrShadowFactor == standardAsrShadowFactor ||
                    row.asrShadowFactor == hanafiAsrShadowFactor)
            << row.countryCode;
    }
    EXPECT_GE(findCalculationMethod(noCustomaryMethod.methodName), 0);
}

// Every country of the table is a country code of the place list (GeoNames' own codes), so that no
// row is lost to a mistyped code.
TEST(CustomaryMethod, EveryCountryHasTownsInThePlaceList) {
    PlaceList list;
    ASSERT_EQ(readPlaceFile(SELVARA_PLACES_DAT, list).status, placeFileOk);
    std::set<std::string> countries;
    for (const Place& place : list.places) {
        countries.insert(place.countryCode);
    }
    for (int i = 0; i < customaryMethodCount; ++i) {
        EXPECT_EQ(countries.count(customaryMethods[i].countryCode), 1u) << customaryMethods[i].countryCode;
    }
}

struct Expected {
    const char* countryCode;
    const char* methodName;
    int asrShadowFactor;
};

// The customs the product promises by name.
const Expected promised[] = {
    {"PK", "karachi", hanafiAsrShadowFactor},  {"pk", "karachi", hanafiAsrShadowFactor},
    {"TR", "turkey", standardAsrShadowFactor}, {"MA", "morocco", standardAsrShadowFactor},
    {"MY", "jakim", standardAsrShadowFactor},  {"ID", "kemenag", standardAsrShadowFactor},
    {"IR", "tehran", standardAsrShadowFactor}, {"US", "isna", standardAsrShadowFactor},
    {"CA", "isna", standardAsrShadowFactor},   {"GB", "moonsighting", standardAsrShadowFactor},
    {"FR", "france", standardAsrShadowFactor}, {"SA", "makkah", standardAsrShadowFactor},
    {"AE", "dubai", standardAsrShadowFactor},  {"KW", "kuwait", standardAsrShadowFactor},
    {"QA", "qatar", standardAsrShadowFactor},  {"SG", "singapore", standardAsrShadowFactor},
    {"OM", "oman", standardAsrShadowFactor},
    {"DE", "mwl", standardAsrShadowFactor},  // no row: the Muslim World League's
    {"XX", "mwl", standardAsrShadowFactor},    {"P", "mwl", standardAsrShadowFactor},
    {"PAK", "mwl", standardAsrShadowFactor},   {"P1", "mwl", standardAsrShadowFactor},
    {"", "mwl", standardAsrShadowFactor},
};

TEST(CustomaryMethod, LooksUpEachCountry) {
    for (const Expected& expected : promised) {
        const CustomaryMethod& row = customaryMethodFor(expected.countryCode);
        EXPECT_STREQ(row.methodName, expected.methodName) << expected.countryCode;
        EXPECT_EQ(row.asrShadowFactor, expected.asrShadowFactor) << expected.countryCode;
        EXPECT_EQ(hasCustomaryMethod(expected.countryCode), std::strcmp(expected.methodName, "mwl") != 0)
            << expected.countryCode;
    }
    EXPECT_STREQ(customaryMethodFor(nullptr).methodName, "mwl");
    EXPECT_FALSE(hasCustomaryMethod(nullptr));
}

// A town with a custom of its own takes it, whatever the case of its name; every other town, and a
// town of the same name in another country, its country's.
TEST(CustomaryMethod, ATownWithItsOwnCustomTakesIt) {
    struct Town {
        const char* countryCode;
        const char* name;
        const char* methodName;
    };
    const Town towns[] = {
        {"AE", "Dubai", "iacad"},   {"ae", "DUBAI", "iacad"},   {"AE", "Sharjah", "dubai"},
        {"AE", "Dubai City", "dubai"}, {"AE", nullptr, "dubai"}, {"IN", "Dubai", "karachi"},
        {nullptr, "Dubai", "mwl"},
    };
    for (const Town& town : towns) {
        EXPECT_STREQ(customaryMethodForTown(town.countryCode, town.name).methodName, town.methodName)
            << (town.countryCode ? town.countryCode : "null") << " " << (town.name ? town.name : "null");
    }
    for (int i = 0; i < customaryTownMethodCount; ++i)
        EXPECT_GE(findCalculationMethod(customaryTownMethods[i].custom.methodName), 0);
}

}  // namespace
