// praytime.cfg: defaults, the exact 280-byte layout, and files that are short, long or garbage.
#include "settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string scratchPath(const char* name) {
    return std::string("settings_test_") + name + ".cfg";
}

void writeBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    if (!bytes.empty()) {
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    }
    std::fclose(file);
}

std::vector<unsigned char> readBytes(const std::string& path) {
    std::vector<unsigned char> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return bytes;
    }
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        bytes.push_back(static_cast<unsigned char>(c));
    }
    std::fclose(file);
    return bytes;
}

// A record that differs from the defaults in every field.
SettingsRecord otherPlace() {
    SettingsRecord record = defaultSettings();
    record.latitude = -33.87;
    record.longitude = 151.21;
    std::snprintf(record.townName, sizeof record.townName, "%s", "Sydney");
    record.timeZone = 10;
    return record;
}

// The 280 bytes of a file holding `record` (built by hand, not by the code under test).
std::vector<unsigned char> fileBytes(double latitude, double longitude, const char* town, int32_t zone) {
    std::vector<unsigned char> bytes(settingsFileSize, 0);
    uint64_t bits;
    std::memcpy(&bits, &latitude, 8);
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    std::memcpy(&bits, &longitude, 8);
    for (int i = 0; i < 8; ++i)
        bytes[8 + i] = static_cast<unsigned char>(bits >> (8 * i));
    std::memcpy(&bytes[16], town, std::strlen(town));
    const uint32_t z = static_cast<uint32_t>(zone);
    for (int i = 0; i < 4; ++i)
        bytes[276 + i] = static_cast<unsigned char>(z >> (8 * i));
    return bytes;
}

class SettingsFile : public ::testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }
    std::string path = scratchPath(::testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST(SettingsDefaults, FirstRunValues) {
    const SettingsRecord record = defaultSettings();
    EXPECT_EQ(record.latitude, 45.49);
    EXPECT_EQ(record.longitude, 15.59);
    EXPECT_STREQ(record.townName, "Zagreb");
    EXPECT_EQ(record.timeZone, 1);
    EXPECT_EQ(record.daylightChanges, 1);
    EXPECT_EQ(Settings.latitude, 45.49) << "the process-wide record starts with the defaults";
    EXPECT_STREQ(Settings.townName, "Zagreb");
}

TEST_F(SettingsFile, SavedFileIsExactly280LittleEndianBytes) {
    SettingsRecord record = defaultSettings();
    record.timeZone = -5;
    ASSERT_TRUE(saveSettingsFile(path.c_str(), record));
    const std::vector<unsigned char> bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 280u);
    EXPECT_EQ(bytes, fileBytes(45.49, 15.59, "Zagreb", -5));
    // -5 as 32-bit two's complement, low byte first.
    EXPECT_EQ(bytes[276], 0xFB);
    EXPECT_EQ(bytes[277], 0xFF);
    EXPECT_EQ(bytes[278], 0xFF);
    EXPECT_EQ(bytes[279], 0xFF);
    // 45.49 = 0x4046BEB851EB851F, low byte first.
    const unsigned char latitude[8] = {0x1F, 0x85, 0xEB, 0x51, 0xB8, 0xBE, 0x46, 0x40};
    EXPECT_EQ(0, std::memcmp(bytes.data(), latitude, 8));
}

TEST_F(SettingsFile, TownFieldIsWrittenWholeWithLeftovers) {
    SettingsRecord record = defaultSettings();
    std::memset(record.townName, 0, sizeof record.townName);
    std::snprintf(record.townName, sizeof record.townName, "%s", "Sarajevo-Novi Grad");
    std::memcpy(record.townName, "Bihac", 6);  // shorter name over a longer one
    ASSERT_TRUE(saveSettingsFile(path.c_str(), record));
    const std::vector<unsigned char> bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 280u);
    EXPECT_EQ(0, std::memcmp(&bytes[16], "Bihac\0vo-Novi Grad", 18));
}

TEST_F(SettingsFile, RoundTripKeepsEveryStoredField) {
    SettingsRecord saved = otherPlace();
    saved.daylightChanges = 0;
    ASSERT_TRUE(saveSettingsFile(path.c_str(), saved));
    SettingsRecord loaded = defaultSettings();
    ASSERT_TRUE(loadSettingsFile(path.c_str(), loaded));
    EXPECT_EQ(loaded.latitude, -33.87);
    EXPECT_EQ(loaded.longitude, 151.21);
    EXPECT_STREQ(loaded.townName, "Sydney");
    EXPECT_EQ(loaded.timeZone, 10);
    EXPECT_EQ(loaded.daylightChanges, 1) << "the daylight flag is not stored";
}

TEST_F(SettingsFile, MissingFileLeavesRecordUnchanged) {
    SettingsRecord record = otherPlace();
    EXPECT_FALSE(loadSettingsFile("no_such_folder/praytime.cfg", record));
    EXPECT_EQ(record.latitude, -33.87);
    EXPECT_STREQ(record.townName, "Sydney");
    EXPECT_EQ(record.timeZone, 10);
}

TEST_F(SettingsFile, CannotCreateReportsFailure) {
    EXPECT_FALSE(saveSettingsFile("no_such_folder/praytime.cfg", defaultSettings()));
}

// Short files: a field the end cuts through keeps its value; the town name is cleared first.
TEST_F(SettingsFile, ShortFiles) {
    const std::vector<unsigned char> full = fileBytes(21.42, 39.83, "Makkah", 3);
    struct Case {
        size_t size;
        double latitude, longitude;
        const char* town;
        int32_t zone;
    };
    const Case cases[] = {
        // clang-format off
        {0, -33.87, 151.21, "", 10},        // opened, empty: only the town is cleared
        {5, -33.87, 151.21, "", 10},        // cuts through latitude
        {8, 21.42, 151.21, "", 10},         // latitude only
        {12, 21.42, 151.21, "", 10},        // cuts through longitude
        {16, 21.42, 39.83, "", 10},         // both numbers, town empty
        {17, 21.42, 39.83, "", 10},         // cuts through the town: stays cleared
        {275, 21.42, 39.83, "", 10},
        {276, 21.42, 39.83, "Makkah", 10},  // whole town, no zone
        {279, 21.42, 39.83, "Makkah", 10},  // cuts through the zone
        {280, 21.42, 39.83, "Makkah", 3},
        // clang-format on
    };
    for (const Case& c : cases) {
        writeBytes(path, std::vector<unsigned char>(full.begin(), full.begin() + c.size));
        SettingsRecord record = otherPlace();
        ASSERT_TRUE(loadSettingsFile(path.c_str(), record)) << c.size;
        EXPECT_EQ(record.latitude, c.latitude) << "size " << c.size;
        EXPECT_EQ(record.longitude, c.longitude) << "size " << c.size;
        EXPECT_STREQ(record.townName, c.town) << "size " << c.size;
        EXPECT_EQ(record.timeZone, c.zone) << "size " << c.size;
    }
}

TEST_F(SettingsFile, BytesBeyond280AreIgnored) {
    std::vector<unsigned char> bytes = fileBytes(21.42, 39.83, "Makkah", -2);
    bytes.resize(1000, 0x7F);
    writeBytes(path, bytes);
    SettingsRecord record = defaultSettings();
    ASSERT_TRUE(loadSettingsFile(path.c_str(), record));
    EXPECT_EQ(record.latitude, 21.42);
    EXPECT_STREQ(record.townName, "Makkah");
    EXPECT_EQ(record.timeZone, -2);
}

TEST_F(SettingsFile, UnterminatedTownNameIsCutToTheBuffer) {
    std::vector<unsigned char> bytes = fileBytes(1, 2, "", 4);
    std::memset(&bytes[16], 'x', 260);
    writeBytes(path, bytes);
    SettingsRecord record = defaultSettings();
    ASSERT_TRUE(loadSettingsFile(path.c_str(), record));
    EXPECT_EQ(std::strlen(record.townName), 259u);
    EXPECT_EQ(record.timeZone, 4) << "the zone after the town is still read";
}

TEST_F(SettingsFile, GarbageIsTakenAsItStandsWithoutOverrun) {
    // Deterministic pseudo-random bytes: every value is accepted unchecked, nothing overruns.
    uint32_t state = 12345;
    for (int round = 0; round < 50; ++round) {
        std::vector<unsigned char> bytes(200 + round * 3);
        for (unsigned char& b : bytes) {
            state = state * 1664525u + 1013904223u;
            b = static_cast<unsigned char>(state >> 24);
        }
        writeBytes(path, bytes);
        SettingsRecord record = defaultSettings();
        ASSERT_TRUE(loadSettingsFile(path.c_str(), record));
        EXPECT_LT(std::strlen(record.townName), 260u);
        double expectedLatitude;
        uint64_t bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = (bits << 8) | bytes[i];
        std::memcpy(&expectedLatitude, &bits, 8);
        if (!std::isnan(expectedLatitude)) {
            EXPECT_EQ(record.latitude, expectedLatitude);
        }
    }
    // All bits set: NaN coordinates, zone -1, a town of 0xFF bytes.
    writeBytes(path, std::vector<unsigned char>(280, 0xFF));
    SettingsRecord record = defaultSettings();
    ASSERT_TRUE(loadSettingsFile(path.c_str(), record));
    EXPECT_TRUE(std::isnan(record.latitude));
    EXPECT_EQ(record.timeZone, -1);
    EXPECT_EQ(std::strlen(record.townName), 259u);
}

TEST(ProgramFilePaths, JoinWithOneBackslash) {
    std::snprintf(programDirectory, sizeof programDirectory, "%s", "C:\\Program Files\\Selvara");
    char path[pathBufferSize];
    ASSERT_TRUE(buildProgramFilePath("praytime.cfg", path, sizeof path));
    EXPECT_STREQ(path, "C:\\Program Files\\Selvara\\praytime.cfg");
    formTimetablePath();
    EXPECT_STREQ(timetablePath, "C:\\Program Files\\Selvara\\PrayingTimes.txt");

    // A trailing separator is kept as it is.
    std::snprintf(programDirectory, sizeof programDirectory, "%s", "D:\\");
    formTimetablePath();
    EXPECT_STREQ(timetablePath, "D:\\\\PrayingTimes.txt");
}

TEST(ProgramFilePaths, TooLongGivesEmptyPathNotACutOne) {
    std::memset(programDirectory, 0, sizeof programDirectory);
    std::memset(programDirectory, 'd', 250);  // 250 + 1 + 16 characters do not fit into 260
    formTimetablePath();
    EXPECT_STREQ(timetablePath, "");
    std::memset(programDirectory, 0, sizeof programDirectory);
    std::memset(programDirectory, 'd', 242);  // 242 + 1 + 16 = 259: fits exactly
    formTimetablePath();
    EXPECT_EQ(std::strlen(timetablePath), 259u);
    programDirectory[0] = '\0';
}

TEST(ProgramFilePaths, NoDirectoryGivesNoPath) {
    std::memset(programDirectory, 0, sizeof programDirectory);
    char path[pathBufferSize] = "old";
    EXPECT_FALSE(buildProgramFilePath("praytime.cfg", path, sizeof path));
    EXPECT_STREQ(path, "");
    formTimetablePath();
    EXPECT_STREQ(timetablePath, "") << "not the root of the current drive";
}

}  // namespace
