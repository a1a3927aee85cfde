// The search over the built places.dat: well-known places with their country, coordinates and zone;
// accents, case and word prefixes; the order; the pick of one place for the console tool. The
// coordinates are checked against tzdata's zone1970.tab, whose principal city of each zone is an
// independent record of where that city lies.
#include "place_file.h"
#include "place_search.h"
#include "zone_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

class PlaceSearch : public testing::Test {
protected:
    static void SetUpTestSuite() {
        list = new PlaceList;
        result = readPlaceFile(SELVARA_PLACES_DAT, *list);
    }
    static void TearDownTestSuite() {
        delete list;
        list = nullptr;
    }
    void SetUp() override { ASSERT_EQ(result.status, placeFileOk) << SELVARA_PLACES_DAT; }

    static const Place& first(const char* query, TextEncoding encoding = textUtf8) {
        static const Place none{};
        const std::vector<uint32_t> found = searchPlaces(*list, parsePlaceQuery(query, encoding), 1);
        return found.empty() ? none : list->places[found[0]];
    }
    static std::string zoneOf(const Place& place) {
        return place.zoneIndex < list->zoneNames.size() ? list->zoneNames[place.zoneIndex] : std::string();
    }

    static PlaceList* list;
    static PlaceFileResult result;
};
PlaceList* PlaceSearch::list = nullptr;
PlaceFileResult PlaceSearch::result{placeFileMissing, 0};

// Coordinates from tzdata's zone1970.tab (degrees and minutes) where the city is a zone's principal
// city; otherwise (marked) from the city's own published coordinates, to a tenth of a degree.
struct KnownPlace {
    const char* query;
    TextEncoding encoding;
    const char* asciiName;
    const char* country;
    double latitude;
    double longitude;
    const char* zone;
};

const KnownPlace knownPlaces[] = {
    {"Karachi", textUtf8, "Karachi", "PK", 24 + 52 / 60.0, 67 + 3 / 60.0, "Asia/Karachi"},
    {"sao paulo", textUtf8, "Sao Paulo", "BR", -(23 + 32 / 60.0), -(46 + 37 / 60.0), "America/Sao_Paulo"},
    {"São Paulo", textUtf8, "Sao Paulo", "BR", -(23 + 32 / 60.0), -(46 + 37 / 60.0), "America/Sao_Paulo"},
    {"S\xE3o Paulo", textCp1252, "Sao Paulo", "BR", -(23 + 32 / 60.0), -(46 + 37 / 60.0),
     "America/Sao_Paulo"},
    {"zurich", textUtf8, "Zurich", "CH", 47 + 23 / 60.0, 8 + 32 / 60.0, "Europe/Zurich"},
    {"ZÜRICH", textUtf8, "Zurich", "CH", 47 + 23 / 60.0, 8 + 32 / 60.0, "Europe/Zurich"},
    {"Z\xDCRICH", textCp1252, "Zurich", "CH", 47 + 23 / 60.0, 8 + 32 / 60.0, "Europe/Zurich"},
    {"tromso", textUtf8, "Tromso", "NO", 69.65, 18.96, "Europe/Oslo"},  // the city's own
    {"lumpur", textUtf8, "Kuala Lumpur", "MY", 3 + 10 / 60.0, 101 + 42 / 60.0, "Asia/Kuala_Lumpur"},
    {"koln", textUtf8, "Koeln", "DE", 50.94, 6.96, "Europe/Berlin"},  // the city's own
    {"Köln", textUtf8, "Koeln", "DE", 50.94, 6.96, "Europe/Berlin"},
    {"koeln", textUtf8, "Koeln", "DE", 50.94, 6.96, "Europe/Berlin"},
    {"tehran", textUtf8, "Tehran", "IR", 35 + 40 / 60.0, 51 + 26 / 60.0, "Asia/Tehran"},
    {"Kolkata", textUtf8, "Kolkata", "IN", 22 + 32 / 60.0, 88 + 22 / 60.0, "Asia/Kolkata"},
    {"cairo", textUtf8, "Cairo", "EG", 30 + 3 / 60.0, 31 + 15 / 60.0, "Africa/Cairo"},
    {"istanbul", textUtf8, "Istanbul", "TR", 41 + 1 / 60.0, 28 + 58 / 60.0, "Europe/Istanbul"},
    {"london", textUtf8, "London", "GB", 51 + 30 / 60.0 + 30 / 3600.0, -(0 + 7 / 60.0 + 31 / 3600.0),
     "Europe/London"},
    {"new york", textUtf8, "New York City", "US", 40 + 42 / 60.0 + 51 / 3600.0,
     -(74 + 0 / 60.0 + 23 / 3600.0), "America/New_York"},
    {"kathmandu", textUtf8, "Kathmandu", "NP", 27 + 43 / 60.0, 85 + 19 / 60.0, "Asia/Kathmandu"},
    {"jakarta", textUtf8, "Jakarta", "ID", -(6 + 10 / 60.0), 106 + 48 / 60.0, "Asia/Jakarta"},
    {"riyadh", textUtf8, "Riyadh", "SA", 24 + 38 / 60.0, 46 + 43 / 60.0, "Asia/Riyadh"},
};

TEST_F(PlaceSearch, FindsWellKnownPlaces) {
    for (const KnownPlace& known : knownPlaces) {
        const Place& place = first(known.query, known.encoding);
        EXPECT_EQ(place.asciiName, known.asciiName) << known.query;
        EXPECT_STREQ(place.countryCode, known.country) << known.query;
        EXPECT_NEAR(place.latitudeE4 / 1e4, known.latitude, 0.15) << known.query;
        EXPECT_NEAR(place.longitudeE4 / 1e4, known.longitude, 0.15) << known.query;
        EXPECT_EQ(zoneOf(place), known.zone) << known.query;
    }
}

// Heights above sea level as the cities publish them (their town halls or centres); the list's
// heights are the elevation model's at the place's coordinates, so they agree within a band.
struct KnownHeight {
    const char* query;
    int elevationM;
};

const KnownHeight knownHeights[] = {
    {"Denver, US", 1609},  // "the Mile High City": 5,280 ft
    {"La Paz, BO", 3640},  {"Quito, EC", 2850},  {"Mexico City", 2240},
    {"Addis Ababa", 2355}, {"Asmara, ER", 2325}, {"Jericho, PS", -258},
    {"Amsterdam, NL", -2}, {"Sanaa", 2250},      {"Kabul", 1791},
};
constexpr int heightBandM = 150;  // a hilly centre such as La Paz spans more than that

TEST_F(PlaceSearch, CarriesEachPlacesElevation) {
    for (const KnownHeight& known : knownHeights) {
        const PlacePick pick = pickPlace(*list, parsePlaceQuery(known.query, textUtf8), 2);
        ASSERT_EQ(pick.status, placePickFound) << known.query;
        EXPECT_NEAR(list->places[pick.placeIndex].elevationM, known.elevationM, heightBandM) << known.query;
    }
}

// Towns whose authority computes its timetable at a point of its own (and, the Habous ministry, a
// height) are listed there, not at GeoNames' point: places/data/authority-points.tsv, from the
// place lines of the authorities' tables in tests/engine/data/authorities.
TEST_F(PlaceSearch, TownsOfAnAuthorityAreAtItsPoint) {
    const struct {
        const char* query;
        int32_t latitudeE4;
        int32_t longitudeE4;
        int elevationM;
    } towns[] = {
        {"Cairo, EG", 300776, 312747, 23},      // the Survey Authority's, read from its tables
        {"Tabuk, SA", 283775, 365350, 768},     // the Umm al-Qura calendar's, read from its tables
        {"Ankara, TR", 399380, 328480, 874},    // Diyanet's published point, GeoNames' height
        {"Abu Dhabi, AE", 244594, 543006, 6},   // the Awqaf service's city list
        {"Ifrane, MA", 335333, -50992, 1336},   // the Habous ministry's point and height
        {"Karachi, PK", 248608, 670104, 8},     // no such point: GeoNames'
    };
    for (const auto& town : towns) {
        const PlacePick pick = pickPlace(*list, parsePlaceQuery(town.query, textUtf8), 2);
        ASSERT_EQ(pick.status, placePickFound) << town.query;
        const Place& place = list->places[pick.placeIndex];
        EXPECT_EQ(place.latitudeE4, town.latitudeE4) << town.query;
        EXPECT_EQ(place.longitudeE4, town.longitudeE4) << town.query;
        EXPECT_EQ(place.elevationM, town.elevationM) << town.query;
    }
}

TEST_F(PlaceSearch, HoldsTheListTheBudgetAllows) {
    EXPECT_GE(list->places.size(), 25000u);
    std::FILE* file = std::fopen(SELVARA_PLACES_DAT, "rb");
    ASSERT_NE(file, nullptr);
    std::fseek(file, 0, SEEK_END);
    const long fileBytes = std::ftell(file);
    std::fclose(file);
    EXPECT_LE(fileBytes, 1500 * 1000L);
    // National capitals with fewer than 15,000 inhabitants are there too.
    for (const char* capital :
         {"Vaduz, LI", "Valletta, MT", "Ngerulmud, PW", "Funafuti, TV", "Vatican City, VA"}) {
        EXPECT_FALSE(searchPlaces(*list, parsePlaceQuery(capital, textUtf8), 1).empty()) << capital;
    }
}

// Each place's zone has rules in the table the programs carry, so --place and the search dialog can
// apply its daylight time.
TEST_F(PlaceSearch, EveryZoneIsInTheZoneTable) {
    for (const std::string& zone : list->zoneNames) {
        EXPECT_GE(findTimeZone(zone.c_str()), 0) << zone;
    }
}

TEST_F(PlaceSearch, MatchesWordPrefixesMostPopulousFirst) {
    EXPECT_EQ(first("Kar").asciiName, "Karachi");
    EXPECT_EQ(first("paulo").asciiName, "Sao Paulo");
    EXPECT_EQ(first("kuala l").asciiName, "Kuala Lumpur");
    EXPECT_EQ(first("ndjamena").asciiName, "N'Djamena");
    EXPECT_TRUE(searchPlaces(*list, parsePlaceQuery("umpur", textUtf8), 10).empty());  // not a word start
    EXPECT_TRUE(searchPlaces(*list, parsePlaceQuery("xqzv", textUtf8), 10).empty());
    EXPECT_TRUE(searchPlaces(*list, parsePlaceQuery("", textUtf8), 10).empty());
    EXPECT_TRUE(searchPlaces(*list, parsePlaceQuery("Москва", textUtf8), 10).empty());

    const std::vector<uint32_t> found = searchPlaces(*list, parsePlaceQuery("san", textUtf8), 100000);
    ASSERT_GT(found.size(), 100u);
    for (size_t i = 1; i < found.size(); ++i) {
        EXPECT_GE(list->places[found[i - 1]].population, list->places[found[i]].population);
    }
    EXPECT_EQ(searchPlaces(*list, parsePlaceQuery("san", textUtf8), 7).size(), 7u);
}

TEST_F(PlaceSearch, KeepsOneCountryAfterAComma) {
    const Place& pakistan = first("Hyderabad, PK");
    EXPECT_STREQ(pakistan.countryCode, "PK");
    EXPECT_STREQ(first("hyderabad,in").countryCode, "IN");
    EXPECT_TRUE(searchPlaces(*list, parsePlaceQuery("Karachi, FR", textUtf8), 10).empty());
}

struct PickCase {
    const char* query;
    PlacePickStatus status;
    const char* asciiName;  // the pick, or the first candidate
    const char* country;
};

const PickCase pickCases[] = {
    {"Karachi", placePickFound, "Karachi", "PK"},
    {"London", placePickFound, "London", "GB"},  // London, Ontario has a twentieth of the people
    {"paris", placePickFound, "Paris", "FR"},
    {"Birmingham", placePickAmbiguous, "Birmingham", "GB"},  // Alabama's is a fifth of it
    {"Hyderabad", placePickAmbiguous, "Hyderabad", "IN"},
    {"Hyderabad, PK", placePickFound, "Hyderabad", "PK"},
    {"Kar", placePickAmbiguous, "Karachi", "PK"},  // Karaj is a sixth of it
    {"Karach", placePickFound, "Karachi", "PK"},
    {"xqzv", placePickNone, "", ""},
};

TEST_F(PlaceSearch, PicksOnePlaceOrSaysWhyNot) {
    for (const PickCase& c : pickCases) {
        const PlacePick pick = pickPlace(*list, parsePlaceQuery(c.query, textUtf8), 5);
        EXPECT_EQ(pick.status, c.status) << c.query;
        if (c.status == placePickNone) {
            EXPECT_TRUE(pick.candidates.empty()) << c.query;
            continue;
        }
        ASSERT_FALSE(pick.candidates.empty()) << c.query;
        EXPECT_LE(pick.candidates.size(), 5u);
        EXPECT_EQ(pick.candidates[0], pick.placeIndex);
        EXPECT_EQ(list->places[pick.placeIndex].asciiName, c.asciiName) << c.query;
        EXPECT_STREQ(list->places[pick.placeIndex].countryCode, c.country) << c.query;
    }
}

// "+2452+06703" or "+404251-0740023": latitude and longitude in degrees, minutes and seconds.
bool parseIsoCoordinates(const std::string& text, double& latitude, double& longitude) {
    const size_t split = text.find_first_of("+-", 1);
    if (split == std::string::npos) {
        return false;
    }
    const auto degrees = [](const std::string& part, size_t degreeDigits) {
        const double sign = part[0] == '-' ? -1.0 : 1.0;
        const std::string digits = part.substr(1);
        double value = std::atof(digits.substr(0, degreeDigits).c_str());
        value += std::atof(digits.substr(degreeDigits, 2).c_str()) / 60.0;
        if (digits.size() > degreeDigits + 2) {
            value += std::atof(digits.substr(degreeDigits + 2).c_str()) / 3600.0;
        }
        return sign * value;
    };
    latitude = degrees(text.substr(0, split), 2);
    longitude = degrees(text.substr(split), 3);
    return true;
}

// Every zone of zone1970.tab whose principal city (the last part of the zone's name) is in the list
// under that zone lies where tzdata says, within a quarter of a degree.
TEST_F(PlaceSearch, AgreesWithTzdataOnTheZoneCities) {
    std::ifstream table(SELVARA_ZONE1970_TAB);
    if (!table) {
        GTEST_SKIP() << "no " << SELVARA_ZONE1970_TAB << " on this machine";
    }
    int checked = 0;
    std::string line;
    while (std::getline(table, line)) {
        std::vector<std::string> fields;
        std::stringstream columns(line);
        for (std::string field; std::getline(columns, field, '\t');) {
            fields.push_back(field);
        }
        double latitude = 0;
        double longitude = 0;
        if (line.empty() || line[0] == '#' || fields.size() < 3 ||
            !parseIsoCoordinates(fields[1], latitude, longitude)) {
            continue;
        }
        const std::string zone = fields[2];
        std::string city = zone.substr(zone.rfind('/') + 1);
        for (char& c : city) {
            c = c == '_' ? ' ' : c;
        }
        const PlaceQuery query = parsePlaceQuery(city, textUtf8);
        for (const uint32_t i : searchPlaces(*list, query, 50)) {
            const Place& place = list->places[i];
            if (zoneOf(place) == zone && isExactPlaceMatch(*list, i, query)) {
                EXPECT_NEAR(place.latitudeE4 / 1e4, latitude, 0.25) << zone;
                EXPECT_NEAR(place.longitudeE4 / 1e4, longitude, 0.25) << zone;
                ++checked;
                break;
            }
        }
    }
    EXPECT_GE(checked, 150);
}

}  // namespace
