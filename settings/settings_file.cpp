#include "settings.h"

#include <cstdio>
#include <cstring>

SettingsRecord Settings = defaultSettings();
char programDirectory[pathBufferSize];
char timetablePath[pathBufferSize];

static const char settingsFileName[] = "praytime.cfg";
static const char timetableFileName[] = "PrayingTimes.txt";

SettingsRecord defaultSettings() {
    SettingsRecord record;
    std::memset(&record, 0, sizeof record);
    record.latitude = defaultLatitudeDeg;
    record.longitude = defaultLongitudeDeg;
    std::snprintf(record.townName, sizeof record.townName, "%s", defaultTownName);
    record.timeZone = defaultTimeZoneHours;
    record.daylightChanges = 1;
    return record;
}

static uint64_t readLittleEndian64(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

static void writeLittleEndian64(uint64_t value, unsigned char* bytes) {
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

static double readDouble(const unsigned char* bytes) {
    const uint64_t bits = readLittleEndian64(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

static void writeDouble(double value, unsigned char* bytes) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeLittleEndian64(bits, bytes);
}

void encodeSettings(const SettingsRecord& record, unsigned char (&bytes)[settingsFileSize]) {
    writeDouble(record.latitude, bytes + settingsLatitudeOffset);
    writeDouble(record.longitude, bytes + settingsLongitudeOffset);
    std::memcpy(bytes + settingsTownNameOffset, record.townName, townNameSize);
    const uint32_t zone = static_cast<uint32_t>(record.timeZone);
    for (int i = 0; i < 4; ++i) {
        bytes[settingsTimeZoneOffset + i] = static_cast<unsigned char>(zone >> (8 * i));
    }
}

void decodeSettings(const unsigned char* bytes, size_t size, SettingsRecord& record) {
    if (size >= settingsLatitudeOffset + 8) {
        record.latitude = readDouble(bytes + settingsLatitudeOffset);
    }
    if (size >= settingsLongitudeOffset + 8) {
        record.longitude = readDouble(bytes + settingsLongitudeOffset);
    }
    // The town name is cleared before it is read, so a file that stops short of it (or inside
    // it) leaves the name empty.
    std::memset(record.townName, 0, townNameSize);
    if (size >= settingsTownNameOffset + townNameSize) {
        std::memcpy(record.townName, bytes + settingsTownNameOffset, townNameSize);
    }
    record.townName[townNameSize - 1] = '\0';
    if (size >= settingsTimeZoneOffset + 4) {
        uint32_t zone = 0;
        for (int i = 3; i >= 0; --i) {
            zone = (zone << 8) | bytes[settingsTimeZoneOffset + i];
        }
        int32_t signedZone;
        std::memcpy(&signedZone, &zone, sizeof signedZone);
        record.timeZone = signedZone;
    }
}

bool loadSettingsFile(const char* path, SettingsRecord& record) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    unsigned char bytes[settingsFileSize];
    const size_t size = std::fread(bytes, 1, sizeof bytes, file);
    std::fclose(file);
    decodeSettings(bytes, size, record);
    return true;
}

bool saveSettingsFile(const char* path, const SettingsRecord& record) {
    unsigned char bytes[settingsFileSize];
    encodeSettings(record, bytes);
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    const size_t written = std::fwrite(bytes, 1, sizeof bytes, file);
    const bool closed = std::fclose(file) == 0;
    return written == sizeof bytes && closed;
}

bool buildProgramFilePath(const char* fileName, char* path, size_t pathSize) {
    if (programDirectory[0] == '\0') {
        // No directory is known: never fall back to the root of the current drive.
        if (pathSize > 0) {
            path[0] = '\0';
        }
        return false;
    }
    const int length = std::snprintf(path, pathSize, "%s\\%s", programDirectory, fileName);
    if (length < 0 || static_cast<size_t>(length) >= pathSize) {
        if (pathSize > 0) {
            path[0] = '\0';
        }
        return false;
    }
    return true;
}

void formTimetablePath() {
    std::memset(timetablePath, 0, sizeof timetablePath);
    buildProgramFilePath(timetableFileName, timetablePath, sizeof timetablePath);
}

void describeTimetablePath(char* text, size_t size) {
    if (size == 0) {
        return;
    }
    if (timetablePath[0] != '\0') {
        std::snprintf(text, size, "%s", timetablePath);
    } else {
        std::snprintf(text, size, "%s\\%s", programDirectory, timetableFileName);
    }
}

// Room for the longest directory (259 characters), a backslash and the file name.
static const size_t programFilePathSize = pathBufferSize + 32;

void loadSettings() {
    char path[programFilePathSize];
    if (buildProgramFilePath(settingsFileName, path, sizeof path)) {
        loadSettingsFile(path, Settings);
    }
}

void saveSettings() {
    char path[programFilePathSize];
    if (buildProgramFilePath(settingsFileName, path, sizeof path)) {
        saveSettingsFile(path, Settings);
    }
}
