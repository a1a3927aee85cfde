// selvara.ini's values: the input is cut into lines, line n being the text the profile functions
// hand over for key n (cut to the reader's buffer as they cut it). Whatever the text, every value
// must come out in its range, the names terminated and known (or empty), and what is written back
// must read back the same.
#include "calculation_settings.h"
#include "zone_rules.h"

#include <cstdlib>
#include <cstring>
#include <string>

static void check(const SettingsRecord& place, const CalculationSettings& choices) {
    if (choices.methodIndex < 0 || choices.methodIndex >= calculationMethodCount)
        std::abort();
    if (std::memchr(choices.zoneName, '\0', sizeof choices.zoneName) == nullptr)
        std::abort();
    if (choices.zoneName[0] != '\0' && findTimeZone(choices.zoneName) < 0)
        std::abort();
    if (choices.asrShadowFactor != standardAsrShadowFactor && choices.asrShadowFactor != hanafiAsrShadowFactor)
        std::abort();
    for (int32_t minutes : choices.adjustmentsMinutes)
        if (minutes < shortestAdjustMinutes || minutes > longestAdjustMinutes)
            std::abort();
    if (place.daylightChanges != 0 && place.daylightChanges != 1)
        std::abort();
    if (choices.zoneMinutes != noZoneMinutes &&
        (choices.zoneMinutes < westmostZoneMinutes || choices.zoneMinutes > eastmostZoneMinutes))
        std::abort();
    if (choices.hijriAdjustmentDays < -mostHijriAdjustmentDays ||
        choices.hijriAdjustmentDays > mostHijriAdjustmentDays)
        std::abort();
    const int rule = static_cast<int>(choices.highLatitudeRule);
    if (rule < static_cast<int>(HighLatitudeRule::methodDefault) ||
        rule > static_cast<int>(HighLatitudeRule::none))
        std::abort();
    if (choices.elevationM < leastElevationM || choices.elevationM > mostElevationM)
        std::abort();
    if ((choices.useElevation != 0 && choices.useElevation != 1) ||
        (choices.takeCustomaryMethod != 0 && choices.takeCustomaryMethod != 1))
        std::abort();
    if (choices.imsakMinutes < leastImsakMinutes || choices.imsakMinutes > mostImsakMinutes)
        std::abort();
    if (choices.nightEnd != nightEndsAtFajr && choices.nightEnd != nightEndsAtSunrise)
        std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SettingsRecord place = defaultSettings();
    CalculationSettings choices = defaultCalculationSettings();
    const char* text = reinterpret_cast<const char*>(data);
    size_t start = 0;
    for (int value = 0; value < iniValueCount; ++value) {
        size_t end = start;
        while (end < size && text[end] != '\n')
            ++end;
        std::string line(text + (start < size ? start : size), text + end);
        if (line.size() >= iniValueTextSize)
            line.resize(iniValueTextSize - 1);
        decodeIniValue(static_cast<IniValue>(value), start < size ? line.c_str() : nullptr, place, choices);
        start = end < size ? end + 1 : size;
    }
    // The whole hours of praytime.cfg come from the input's last four bytes, if any.
    if (size >= 4) {
        std::memcpy(&place.timeZone, data + size - 4, 4);
    }
    reconcileZoneMinutes(place, choices);
    check(place, choices);

    SettingsRecord readPlace = place;
    CalculationSettings read = defaultCalculationSettings();
    for (int value = 0; value < iniValueCount; ++value) {
        char written[iniValueTextSize];
        encodeIniValue(static_cast<IniValue>(value), place, choices, written, sizeof written);
        decodeIniValue(static_cast<IniValue>(value), written, readPlace, read);
    }
    reconcileZoneMinutes(readPlace, read);
    if (std::memcmp(&read, &choices, sizeof read) != 0 || readPlace.daylightChanges != place.daylightChanges)
        std::abort();

    char field[32];
    formatZoneField(place, choices, field, sizeof field);
    return 0;
}
