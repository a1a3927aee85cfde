// places.dat against hostile bytes: every cut, every damaged field, random bytes. A refused file
// leaves the list empty, and nothing reads outside the bytes given (the sanitizers watch).
#include "place_file.h"
#include "place_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

Place makePlace(const char* name, const char* asciiName, const char* country, uint16_t zone, int32_t latE4,
                int32_t lonE4, uint32_t population, int16_t elevationM = 0) {
    Place place{name, asciiName, {country[0], country[1], '\0'}, zone, latE4, lonE4, population, elevationM};
    return place;
}

// Three places over two zones, one with a name outside ASCII.
std::vector<uint8_t> smallFile() {
    const std::vector<std::string> zones = {"Asia/Karachi", "Europe/Zurich"};
    const std::vector<Place> places = {
        makePlace("Z\xFCrich", "Zurich", "CH", 1, 473667, 85500, 341730, 408),
        makePlace("Karachi", "Karachi", "PK", 0, 248608, 670104, 11624219, 8),
        makePlace("Lahore", "Lahore", "PK", 0, 315497, 743436, 6310888, 214),
    };
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(encodePlaceFile(zones, places, bytes, error)) << error;
    return bytes;
}

// Offsets in smallFile(): the header, then the zones "Asia/Karachi" (1 + 12 bytes) and
// "Europe/Zurich" (1 + 13), then the first place: "Zürich" (1 + 6), "Zurich" (1 + 6), country...
constexpr size_t zonesOffset = placeFileHeaderBytes;
constexpr size_t firstPlaceOffset = zonesOffset + 13 + 14;
constexpr size_t firstCountryOffset = firstPlaceOffset + 7 + 7;
constexpr size_t firstZoneOffset = firstCountryOffset + 2;
constexpr size_t firstLatitudeOffset = firstZoneOffset + 2;
constexpr size_t firstElevationOffset = firstLatitudeOffset + 4 + 4 + 4;

void putU16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void putU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

struct HostileCase {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    PlaceFileStatus expected;
};

const HostileCase hostileCases[] = {
    {"empty", [](std::vector<uint8_t>& b) { b.clear(); }, placeFileNotPlaces},
    {"one byte", [](std::vector<uint8_t>& b) { b.resize(1); }, placeFileNotPlaces},
    {"header cut", [](std::vector<uint8_t>& b) { b.resize(placeFileHeaderBytes - 1); }, placeFileNotPlaces},
    {"header only", [](std::vector<uint8_t>& b) { b.resize(placeFileHeaderBytes); }, placeFileTruncated},
    {"wrong magic", [](std::vector<uint8_t>& b) { b[0] = 'X'; }, placeFileNotPlaces},
    {"the first version, without elevations", [](std::vector<uint8_t>& b) { b[8] = 1; }, placeFileNewVersion},
    {"a later version", [](std::vector<uint8_t>& b) { b[8] = 3; }, placeFileNewVersion},
    {"no zones", [](std::vector<uint8_t>& b) { b[10] = b[11] = 0; }, placeFileDamaged},
    {"too many zones", [](std::vector<uint8_t>& b) { b[10] = b[11] = 0xFF; }, placeFileDamaged},
    {"no places", [](std::vector<uint8_t>& b) { putU32(b, 12, 0); }, placeFileDamaged},
    {"huge place count", [](std::vector<uint8_t>& b) { putU32(b, 12, 0xFFFFFFFF); }, placeFileDamaged},
    {"one place more than stored", [](std::vector<uint8_t>& b) { putU32(b, 12, 4); }, placeFileDamaged},
    {"one place fewer than stored", [](std::vector<uint8_t>& b) { putU32(b, 12, 2); }, placeFileDamaged},
    {"size field too large",
     [](std::vector<uint8_t>& b) { putU32(b, 16, static_cast<uint32_t>(b.size() + 1)); }, placeFileTruncated},
    {"size field too small",
     [](std::vector<uint8_t>& b) { putU32(b, 16, static_cast<uint32_t>(b.size() - 1)); }, placeFileDamaged},
    {"bytes after the last place",
     [](std::vector<uint8_t>& b) {
         b.push_back(0);
         putU32(b, 16, static_cast<uint32_t>(b.size()));
     },
     placeFileDamaged},
    {"empty zone name", [](std::vector<uint8_t>& b) { b[zonesOffset] = 0; }, placeFileDamaged},
    {"zone name past the end", [](std::vector<uint8_t>& b) { b[zonesOffset] = 0xFF; }, placeFileDamaged},
    {"space in a zone name", [](std::vector<uint8_t>& b) { b[zonesOffset + 5] = ' '; }, placeFileDamaged},
    {"empty place name", [](std::vector<uint8_t>& b) { b[firstPlaceOffset] = 0; }, placeFileDamaged},
    {"place name too long", [](std::vector<uint8_t>& b) { b[firstPlaceOffset] = placeNameMaxBytes + 1; },
     placeFileDamaged},
    {"tab in a name", [](std::vector<uint8_t>& b) { b[firstPlaceOffset + 2] = '\t'; }, placeFileDamaged},
    {"byte outside ASCII in the ASCII name", [](std::vector<uint8_t>& b) { b[firstPlaceOffset + 9] = 0xFC; },
     placeFileDamaged},
    {"name outside ASCII without ASCII form", [](std::vector<uint8_t>& b) { b[firstPlaceOffset + 7] = 0; },
     placeFileDamaged},
    {"lower-case country", [](std::vector<uint8_t>& b) { b[firstCountryOffset] = 'c'; }, placeFileDamaged},
    {"zone index past the zones", [](std::vector<uint8_t>& b) { b[firstZoneOffset] = 2; }, placeFileDamaged},
    {"latitude beyond the pole", [](std::vector<uint8_t>& b) { putU32(b, firstLatitudeOffset, 900001); },
     placeFileDamaged},
    {"longitude beyond 180 degrees",
     [](std::vector<uint8_t>& b) { putU32(b, firstLatitudeOffset + 4, static_cast<uint32_t>(-1800001)); },
     placeFileDamaged},
    {"elevation below the lowest shore",
     [](std::vector<uint8_t>& b) { putU16(b, firstElevationOffset, static_cast<uint16_t>(-501)); },
     placeFileDamaged},
    {"elevation above the highest summit",
     [](std::vector<uint8_t>& b) { putU16(b, firstElevationOffset, 9001); }, placeFileDamaged},
};

TEST(PlaceFile, ReadsWhatItWrites) {
    const std::vector<uint8_t> bytes = smallFile();
    PlaceList list;
    const PlaceFileResult result = parsePlaceFile(bytes.data(), bytes.size(), list);
    ASSERT_EQ(result.status, placeFileOk);
    ASSERT_EQ(list.places.size(), 3u);
    EXPECT_EQ(list.places[0].name, "Karachi");  // sorted, most populous first
    EXPECT_EQ(list.places[2].name, "Z\xFCrich");
    EXPECT_EQ(list.places[2].asciiName, "Zurich");
    EXPECT_STREQ(list.places[2].countryCode, "CH");
    EXPECT_EQ(list.zoneNames[list.places[2].zoneIndex], "Europe/Zurich");
    EXPECT_EQ(list.places[2].latitudeE4, 473667);
    EXPECT_EQ(list.places[2].longitudeE4, 85500);
    EXPECT_EQ(list.places[2].population, 341730u);
    EXPECT_EQ(list.places[2].elevationM, 408);
}

// A file of the first version (no elevation after each place) is refused whole, by its version,
// before any of its places is read.
TEST(PlaceFile, RefusesTheFirstLayout) {
    const uint8_t firstLayout[] = {
        'S',  'V',  'P',  'L', 'A', 'C', 'E', 'S',  1,    0,    1,    0,    1,    0,    0,
        0,    52,   0,    0,   0,                                                              // header
        12,   'A',  's',  'i', 'a', '/', 'K', 'a',  'r',  'a',  'c',  'h',  'i',               // zone
        1,    'K',  0,    'P', 'K', 0,   0,   0x20, 0xCB, 0x03, 0x00, 0x98, 0x39, 0x0A, 0x00,  // place
        0x0B, 0x5F, 0xB1, 0x00};
    PlaceList list;
    EXPECT_EQ(parsePlaceFile(firstLayout, sizeof firstLayout, list).status, placeFileNewVersion);
    EXPECT_TRUE(list.places.empty());
    char text[64];
    describePlaceFileResult(PlaceFileResult{placeFileNewVersion, 0}, text, sizeof text);
    EXPECT_STREQ(text, "no places: places.dat is of another version");
}

// Places that differ in one field only (the zone, the case of the ASCII name, the longitude) come
// out in one order whatever the order of the places and of the zones in the file.
TEST(PlaceFile, SortsTheSameWhateverTheFileOrder) {
    const std::vector<std::string> zones = {"America/Denver", "America/Phoenix"};
    const std::vector<std::string> zonesReversed = {"America/Phoenix", "America/Denver"};
    const std::vector<Place> places = {
        makePlace("Twin", "Twin", "US", 0, 330000, -1120000, 500),
        makePlace("Twin", "Twin", "US", 1, 330000, -1120000, 500),
        makePlace("Twin", "TWIN", "US", 0, 330000, -1120000, 500),
        makePlace("Twin", "Twin", "US", 0, 330000, -1120001, 500),
    };
    std::vector<std::string> expected;
    for (int variant = 0; variant < 2 * 24; ++variant) {
        const bool reverseZones = variant % 2 == 1;
        std::vector<size_t> order = {0, 1, 2, 3};
        for (int k = 0; k < variant / 2; ++k) {
            std::next_permutation(order.begin(), order.end());
        }
        std::vector<Place> shuffled;
        for (const size_t i : order) {
            Place place = places[i];
            place.zoneIndex = static_cast<uint16_t>(reverseZones ? 1 - place.zoneIndex : place.zoneIndex);
            shuffled.push_back(place);
        }
        std::vector<uint8_t> bytes;
        std::string error;
        ASSERT_TRUE(encodePlaceFile(reverseZones ? zonesReversed : zones, shuffled, bytes, error)) << error;
        PlaceList list;
        ASSERT_EQ(parsePlaceFile(bytes.data(), bytes.size(), list).status, placeFileOk);
        std::vector<std::string> seen;
        for (const Place& place : list.places) {
            seen.push_back(place.asciiName + " " + std::to_string(place.longitudeE4) + " " +
                           list.zoneNames[place.zoneIndex]);
        }
        if (expected.empty()) {
            expected = seen;
        }
        EXPECT_EQ(seen, expected) << "variant " << variant;
    }
}

TEST(PlaceFile, RefusesEachDamagedField) {
    for (const HostileCase& c : hostileCases) {
        std::vector<uint8_t> bytes = smallFile();
        c.damage(bytes);
        PlaceList list;
        const PlaceFileResult result = parsePlaceFile(bytes.data(), bytes.size(), list);
        EXPECT_EQ(result.status, c.expected) << c.what;
        EXPECT_TRUE(list.places.empty() && list.zoneNames.empty()) << c.what;
        EXPECT_TRUE(searchPlaces(list, parsePlaceQuery("Karachi", textUtf8), 10).empty()) << c.what;
    }
}

TEST(PlaceFile, RefusesEveryCut) {
    const std::vector<uint8_t> bytes = smallFile();
    for (size_t size = 0; size < bytes.size(); ++size) {
        // A copy of exactly `size` bytes, so that the sanitizer sees any read past the cut.
        std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        PlaceList list;
        EXPECT_NE(parsePlaceFile(cut.data(), cut.size(), list).status, placeFileOk) << size;
        EXPECT_TRUE(list.places.empty()) << size;
    }
}

TEST(PlaceFile, SurvivesEveryByteChangedAndRandomBytes) {
    const std::vector<uint8_t> bytes = smallFile();
    for (size_t at = 0; at < bytes.size(); ++at) {
        for (const uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
            std::vector<uint8_t> changed = bytes;
            changed[at] = value;
            PlaceList list;
            if (parsePlaceFile(changed.data(), changed.size(), list).status == placeFileOk) {
                searchPlaces(list, parsePlaceQuery("a", textUtf8), 10);
            }
        }
    }
    std::mt19937 random(20261208);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> noise(random() % 200);
        for (uint8_t& byte : noise) {
            byte = static_cast<uint8_t>(random());
        }
        if (noise.size() >= 8 && round % 2 == 0) {
            std::memcpy(noise.data(), placeFileMagic, 8);  // half of them get past the magic
        }
        PlaceList list;
        if (parsePlaceFile(noise.data(), noise.size(), list).status != placeFileOk) {
            EXPECT_TRUE(list.places.empty());
        }
    }
}

TEST(PlaceFile, RefusesTooLargeAndMissingFiles) {
    std::vector<uint8_t> bytes = smallFile();
    bytes.resize(placeFileMaxBytes + 1);
    PlaceList list;
    EXPECT_EQ(parsePlaceFile(bytes.data(), bytes.size(), list).status, placeFileTooLarge);

    const std::string path = testing::TempDir() + "places_too_large.dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
    EXPECT_EQ(readPlaceFile(path.c_str(), list).status, placeFileTooLarge);
    std::remove(path.c_str());
    EXPECT_EQ(readPlaceFile(path.c_str(), list).status, placeFileMissing);
    EXPECT_EQ(readPlaceFile(nullptr, list).status, placeFileMissing);
}

TEST(PlaceFile, DescribesEachOutcomeWithinItsBuffer) {
    char text[64];
    describePlaceFileResult(PlaceFileResult{placeFileDamaged, 12}, text, sizeof text);
    EXPECT_STREQ(text, "no places: places.dat is damaged (place 12)");
    describePlaceFileResult(PlaceFileResult{placeFileMissing, 0}, text, sizeof text);
    EXPECT_STREQ(text, "no places: places.dat is missing");
    char small[8];
    describePlaceFileResult(PlaceFileResult{placeFileTruncated, 0}, small, sizeof small);
    EXPECT_STREQ(small, "no plac");
}

TEST(PlaceFile, WriterRefusesFieldsOutOfRange) {
    std::vector<uint8_t> bytes;
    std::string error;
    const std::vector<std::string> zones = {"Asia/Karachi"};
    EXPECT_FALSE(encodePlaceFile(zones, {makePlace("K", "K", "PK", 1, 0, 0, 1)}, bytes, error));
    EXPECT_FALSE(encodePlaceFile(zones, {makePlace(std::string(64, 'a').c_str(), "a", "PK", 0, 0, 0, 1)},
                                 bytes, error));
    EXPECT_FALSE(encodePlaceFile(zones, {makePlace("\xFC", "\xFC", "PK", 0, 0, 0, 1)}, bytes, error));
    EXPECT_FALSE(encodePlaceFile({"Asia Karachi"}, {makePlace("K", "K", "PK", 0, 0, 0, 1)}, bytes, error));
    EXPECT_FALSE(encodePlaceFile(zones, {}, bytes, error));
    EXPECT_FALSE(encodePlaceFile(zones, {makePlace("K", "K", "PK", 0, 0, 0, 1, -501)}, bytes, error));
    EXPECT_FALSE(encodePlaceFile(zones, {makePlace("K", "K", "PK", 0, 0, 0, 1, 9001)}, bytes, error));
    EXPECT_TRUE(
        encodePlaceFile(zones, {makePlace("K", "K", "PK", 0, -900000, 1800000, 0, -500)}, bytes, error));
    EXPECT_TRUE(
        encodePlaceFile(zones, {makePlace("K", "K", "PK", 0, 900000, -1800000, 0, 9000)}, bytes, error));
}

}  // namespace
