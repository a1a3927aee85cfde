// The main program's place settings, their file praytime.cfg and the paths built from the program
// directory. Portable C++ (std FILE only): the Win32 lookup of the directory is in
// program_directory.h.
#pragma once

#include "default_place.h"

#include <cstddef>
#include <cstdint>

constexpr size_t pathBufferSize = 260;    // programDirectory, timetablePath
constexpr size_t townNameSize = 260;      // the town field, terminator included
constexpr size_t settingsFileSize = 280;  // praytime.cfg

// Byte offsets of the fields in praytime.cfg (little-endian numbers).
constexpr size_t settingsLatitudeOffset = 0;    // binary64
constexpr size_t settingsLongitudeOffset = 8;   // binary64
constexpr size_t settingsTownNameOffset = 16;   // 260 bytes of text
constexpr size_t settingsTimeZoneOffset = 276;  // signed 32-bit

struct SettingsRecord {
    double latitude;              // degrees, north positive, as typed
    double longitude;             // degrees, east positive, as typed
    char townName[townNameSize];  // NUL-terminated
    int32_t timeZone;             // whole hours east of Greenwich
    int32_t daylightChanges;      // 0 or 1; never stored in the file
};

// The values of a first run.
SettingsRecord defaultSettings();

// The process-wide settings, initialised with the defaults.
extern SettingsRecord Settings;

// The directory of the program's files (no trailing separator is added or removed) and the
// timetable file inside it; both always NUL-terminated.
extern char programDirectory[pathBufferSize];
extern char timetablePath[pathBufferSize];

// Reads a settings file over `record`. A file that cannot be opened leaves the record as it is and
// returns false. Otherwise the town name is cleared, and each field that the file holds whole is
// replaced; a field that the end of the file cuts through keeps its previous value (the town
// name: empty). Bytes past 280 are ignored. The town name is always terminated afterwards.
bool loadSettingsFile(const char* path, SettingsRecord& record);

// Writes the 280-byte file (the town field whole, as the record holds it). False when the file
// cannot be created or fully written.
bool saveSettingsFile(const char* path, const SettingsRecord& record);

// The 280 bytes of the file for a record, and the reverse for a buffer of `size` bytes read from a
// file (same rules as loadSettingsFile).
void encodeSettings(const SettingsRecord& record, unsigned char (&bytes)[settingsFileSize]);
void decodeSettings(const unsigned char* bytes, size_t size, SettingsRecord& record);

// Joins programDirectory, a backslash and a file name into `path`. False (and an empty path)
// when the result does not fit or no program directory is known.
bool buildProgramFilePath(const char* fileName, char* path, size_t pathSize);

// Forms timetablePath from programDirectory; an empty path when it would not fit.
void formTimetablePath();

// The timetable file for messages: timetablePath, or, when that is empty because the directory
// leaves no room for the file name, the directory and the file name joined anyway (a message
// buffer has room for both). Always terminated within size bytes.
void describeTimetablePath(char* text, size_t size);

// praytime.cfg in the program directory into / from the process-wide Settings; silent on failure.
void loadSettings();
void saveSettings();
