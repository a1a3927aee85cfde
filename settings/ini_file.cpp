// selvara.ini through the platform's profile functions. The profile functions parse the file
// themselves and hand over each value cut to the buffer's size; every value then goes through
// decodeIniValue, so a damaged or hostile file gives defaults, never a failure.
#include "calculation_settings.h"

#include <windows.h>

static const char iniFileName[] = "selvara.ini";
// Room for the longest directory (259 characters), a backslash and the file name.
static const size_t programFilePathSize = pathBufferSize + 32;
// What a missing key reads as: the empty text, which every key decodes to its default.
static const char missingValue[] = "";

void loadCalculationSettingsFile(const char* path, SettingsRecord& place, CalculationSettings& choices) {
    for (int value = 0; value < iniValueCount; ++value) {
        char text[iniValueTextSize] = {};
        const DWORD length = GetPrivateProfileStringA(iniKeys[value].section, iniKeys[value].key,
                                                      missingValue, text, sizeof text, path);
        // A value that fills the buffer is longer than any of ours: it is refused whole, not cut.
        const bool cut = length >= sizeof text - 1;
        text[sizeof text - 1] = '\0';
        decodeIniValue(static_cast<IniValue>(value), cut ? nullptr : text, place, choices);
    }
    reconcileZoneMinutes(place, choices);
}

bool saveCalculationSettingsFile(const char* path, const SettingsRecord& place,
                                 const CalculationSettings& choices) {
    bool written = true;
    for (int value = 0; value < iniValueCount; ++value) {
        char text[iniValueTextSize];
        encodeIniValue(static_cast<IniValue>(value), place, choices, text, sizeof text);
        // An empty value removes the key, so that the file holds only what says something.
        const char* stored = text[0] != '\0' ? text : nullptr;
        if (!WritePrivateProfileStringA(iniKeys[value].section, iniKeys[value].key, stored, path) &&
            stored != nullptr) {
            written = false;
        }
    }
    // Writes any cached state of the file out now.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);
    return written;
}

void loadCalculationSettings() {
    char path[programFilePathSize];
    if (buildProgramFilePath(iniFileName, path, sizeof path)) {
        loadCalculationSettingsFile(path, Settings, Calculation);
    }
}

void saveCalculationSettings() {
    char path[programFilePathSize];
    if (buildProgramFilePath(iniFileName, path, sizeof path)) {
        saveCalculationSettingsFile(path, Settings, Calculation);
    }
}
