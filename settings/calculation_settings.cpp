#include "calculation_settings.h"

#include "zone_rules.h"

#include <cstdio>
#include <cstring>

CalculationSettings Calculation = defaultCalculationSettings();

static const char calculationSection[] = "Calculation";
static const char zoneSection[] = "Zone";
static const char calendarSection[] = "Calendar";
static const char placeSection[] = "Place";
static const char nightSection[] = "Night";

const IniKey iniKeys[iniValueCount] = {
    {calculationSection, "Method"},
    {calculationSection, "AsrSchool"},
    {calculationSection, "FajrMinutes"},
    {calculationSection, "SunriseMinutes"},
    {calculationSection, "DhuhrMinutes"},
    {calculationSection, "AsrMinutes"},
    {calculationSection, "MaghribMinutes"},
    {calculationSection, "IshaMinutes"},
    {zoneSection, "DaylightChanges"},
    {zoneSection, "Name"},
    {zoneSection, "Minutes"},
    {calendarSection, "HijriAdjustment"},
    {nightSection, "ImsakMinutes"},
    {nightSection, "Ends"},
    {calculationSection, "HighLatitude"},
    {calculationSection, "UseElevation"},
    {placeSection, "Elevation"},
    {placeSection, "TownMethod"},
};

// More digits than any value of ours has: a longer number is refused, never wrapped.
static const int mostNumberDigits = 6;

CalculationSettings defaultCalculationSettings() {
    CalculationSettings choices;
    std::memset(&choices, 0, sizeof choices);
    choices.methodIndex = defaultCalculationMethod;
    choices.asrShadowFactor = asrSchools[defaultAsrSchool].shadowFactor;
    choices.zoneMinutes = noZoneMinutes;
    choices.highLatitudeRule = HighLatitudeRule::methodDefault;
    choices.elevationM = 0;
    choices.useElevation = 0;
    choices.takeCustomaryMethod = 1;
    choices.imsakMinutes = defaultImsakMinutes;
    choices.nightEnd = nightEndsAtFajr;
    return choices;
}

const char* methodNameOf(const CalculationSettings& choices) {
    const bool known = choices.methodIndex >= 0 && choices.methodIndex < calculationMethodCount;
    return calculationMethods[known ? choices.methodIndex : defaultCalculationMethod].name;
}

static bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// A whole decimal number with an optional sign and at most mostNumberDigits digits, alone in the
// text apart from blanks around it.
static bool parseWholeNumber(const char* text, int32_t& value) {
    if (text == nullptr) {
        return false;
    }
    while (isSpace(*text)) {
        ++text;
    }
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
    }
    int32_t magnitude = 0;
    int digits = 0;
    while (*text >= '0' && *text <= '9') {
        if (++digits > mostNumberDigits) {
            return false;
        }
        magnitude = magnitude * 10 + (*text - '0');
        ++text;
    }
    while (isSpace(*text)) {
        ++text;
    }
    if (digits == 0 || *text != '\0') {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

static void decodeMethod(const char* text, CalculationSettings& choices) {
    const int method = findCalculationMethod(text);
    choices.methodIndex = method >= 0 ? method : defaultCalculationMethod;
}

static void decodeAsrSchool(const char* text, CalculationSettings& choices) {
    const int school = findAsrSchool(text);
    choices.asrShadowFactor = asrSchools[school >= 0 ? school : defaultAsrSchool].shadowFactor;
}

// A whole number from least to most into value; false (value unchanged) for anything else.
static bool wholeNumberInRange(const char* text, int32_t least, int32_t most, int32_t& value) {
    int32_t parsed = 0;
    if (!parseWholeNumber(text, parsed) || parsed < least || parsed > most) {
        return false;
    }
    value = parsed;
    return true;
}

bool adjustmentFromText(const char* text, int32_t& minutes) {
    return wholeNumberInRange(text, shortestAdjustMinutes, longestAdjustMinutes, minutes);
}

static void decodeAdjustment(int index, const char* text, CalculationSettings& choices) {
    int32_t minutes = 0;
    choices.adjustmentsMinutes[index] = adjustmentFromText(text, minutes) ? minutes : 0;
}

static void decodeDaylight(const char* text, SettingsRecord& place) {
    int32_t flag = 0;
    const bool valid = parseWholeNumber(text, flag) && (flag == 0 || flag == 1);
    place.daylightChanges = valid ? flag : defaultSettings().daylightChanges;
}

static void decodeZoneName(const char* text, CalculationSettings& choices) {
    const int zone = findTimeZone(text);
    std::snprintf(choices.zoneName, sizeof choices.zoneName, "%s", zone >= 0 ? timeZoneName(zone) : "");
}

static void decodeZoneMinutes(const char* text, CalculationSettings& choices) {
    int32_t minutes = 0;
    const bool valid = parseWholeNumber(text, minutes) && minutes >= westmostZoneMinutes &&
                       minutes <= eastmostZoneMinutes && minutes % 60 != 0;
    choices.zoneMinutes = valid ? minutes : noZoneMinutes;
}

// A number beyond the range is held at its nearest end; text that is not a number gives 0.
static void decodeHijriAdjustment(const char* text, CalculationSettings& choices) {
    int32_t days = 0;
    if (!parseWholeNumber(text, days)) {
        days = 0;
    }
    if (days > mostHijriAdjustmentDays) {
        days = mostHijriAdjustmentDays;
    }
    if (days < -mostHijriAdjustmentDays) {
        days = -mostHijriAdjustmentDays;
    }
    choices.hijriAdjustmentDays = days;
}

static void decodeHighLatitude(const char* text, CalculationSettings& choices) {
    HighLatitudeRule rule = HighLatitudeRule::methodDefault;
    if (text == nullptr || !readHighLatitudeRule(text, rule)) {
        rule = HighLatitudeRule::methodDefault;
    }
    choices.highLatitudeRule = rule;
}

// 0 or 1; anything else gives the key's default.
static int32_t decodeFlag(const char* text, int32_t defaultFlag) {
    int32_t flag = 0;
    return parseWholeNumber(text, flag) && (flag == 0 || flag == 1) ? flag : defaultFlag;
}

bool elevationFromText(const char* text, int32_t& metres) {
    return wholeNumberInRange(text, leastElevationM, mostElevationM, metres);
}

// Whole metres from -500 to 9000; anything else gives 0, the sea's level.
static void decodeElevation(const char* text, CalculationSettings& choices) {
    int32_t metres = 0;
    choices.elevationM = elevationFromText(text, metres) ? metres : 0;
}

bool imsakMinutesFromText(const char* text, int32_t& minutes) {
    return wholeNumberInRange(text, leastImsakMinutes, mostImsakMinutes, minutes);
}

// Whole minutes from 0 to 60; anything else gives the default.
static void decodeImsakMinutes(const char* text, CalculationSettings& choices) {
    int32_t minutes = 0;
    choices.imsakMinutes = imsakMinutesFromText(text, minutes) ? minutes : defaultImsakMinutes;
}

// "fajr" or "sunrise" in any case; anything else gives Fajr.
static void decodeNightEnd(const char* text, CalculationSettings& choices) {
    NightEnd end = nightEndsAtFajr;
    choices.nightEnd = text != nullptr && readNightEnd(text, end) ? end : nightEndsAtFajr;
}

void decodeIniValue(IniValue value, const char* text, SettingsRecord& place, CalculationSettings& choices) {
    switch (value) {
        case iniMethod: decodeMethod(text, choices); break;
        case iniAsrSchool: decodeAsrSchool(text, choices); break;
        case iniAdjustDawn:
        case iniAdjustSunrise:
        case iniAdjustNoon:
        case iniAdjustAfternoon:
        case iniAdjustSunset:
        case iniAdjustEvening: decodeAdjustment(value - iniAdjustDawn, text, choices); break;
        case iniDaylightChanges: decodeDaylight(text, place); break;
        case iniZoneName: decodeZoneName(text, choices); break;
        case iniZoneMinutes: decodeZoneMinutes(text, choices); break;
        case iniHijriAdjustment: decodeHijriAdjustment(text, choices); break;
        case iniHighLatitude: decodeHighLatitude(text, choices); break;
        case iniUseElevation: choices.useElevation = decodeFlag(text, 0); break;
        case iniElevation: decodeElevation(text, choices); break;
        case iniTownMethod: choices.takeCustomaryMethod = decodeFlag(text, 1); break;
        case iniImsakMinutes: decodeImsakMinutes(text, choices); break;
        case iniNightEnd: decodeNightEnd(text, choices); break;
        case iniValueCount: break;
    }
}

void encodeIniValue(IniValue value, const SettingsRecord& place, const CalculationSettings& choices,
                    char* text, size_t size) {
    if (size == 0) {
        return;
    }
    text[0] = '\0';
    switch (value) {
        case iniMethod: std::snprintf(text, size, "%s", methodNameOf(choices)); break;
        case iniAsrSchool: std::snprintf(text, size, "%s", asrSchoolOfFactor(choices.asrShadowFactor).name); break;
        case iniAdjustDawn:
        case iniAdjustSunrise:
        case iniAdjustNoon:
        case iniAdjustAfternoon:
        case iniAdjustSunset:
        case iniAdjustEvening:
            std::snprintf(text, size, "%d",
                          static_cast<int>(choices.adjustmentsMinutes[value - iniAdjustDawn]));
            break;
        case iniDaylightChanges: std::snprintf(text, size, "%d", place.daylightChanges != 0 ? 1 : 0); break;
        case iniZoneName: std::snprintf(text, size, "%.*s", int(zoneNameSize - 1), choices.zoneName); break;
        case iniZoneMinutes:
            if (choices.zoneMinutes != noZoneMinutes) {
                std::snprintf(text, size, "%d", static_cast<int>(choices.zoneMinutes));
            }
            break;
        case iniHijriAdjustment:
            std::snprintf(text, size, "%d", static_cast<int>(choices.hijriAdjustmentDays));
            break;
        case iniHighLatitude:
            if (choices.highLatitudeRule != HighLatitudeRule::methodDefault) {
                std::snprintf(text, size, "%s", highLatitudeRuleName(choices.highLatitudeRule));
            }
            break;
        case iniUseElevation:
            if (choices.useElevation != 0) {
                std::snprintf(text, size, "1");
            }
            break;
        case iniElevation:
            if (choices.elevationM != 0) {
                std::snprintf(text, size, "%d", static_cast<int>(choices.elevationM));
            }
            break;
        case iniTownMethod:
            if (choices.takeCustomaryMethod == 0) {
                std::snprintf(text, size, "0");
            }
            break;
        case iniImsakMinutes:
            if (choices.imsakMinutes != defaultImsakMinutes) {
                std::snprintf(text, size, "%d", static_cast<int>(choices.imsakMinutes));
            }
            break;
        case iniNightEnd:
            if (choices.nightEnd != nightEndsAtFajr) {
                std::snprintf(text, size, "%s", nightEndName(static_cast<NightEnd>(choices.nightEnd)));
            }
            break;
        case iniValueCount: break;
    }
}

static const int32_t minutesPerHour = 60;
// Whole hours of a hand-typed zone field beyond any real zone: the timetable has always been
// computed with zone 0 for these.
static const int32_t fullDayHours = 24;

// The one place where praytime.cfg's whole hours become minutes.
static int32_t minutesOfWholeHours(int32_t hours) {
    return hours * minutesPerHour;
}

int32_t wholeHoursForZoneMinutes(int32_t zoneMinutes) {
    const int64_t minutes = zoneMinutes;
    const int64_t hours = minutes >= 0 ? (minutes + 30) / 60 : -((-minutes + 30) / 60);
    return static_cast<int32_t>(hours);
}

void reconcileZoneMinutes(const SettingsRecord& place, CalculationSettings& choices) {
    if (choices.zoneMinutes != noZoneMinutes &&
        wholeHoursForZoneMinutes(choices.zoneMinutes) != place.timeZone) {
        choices.zoneMinutes = noZoneMinutes;
    }
}

bool zoneMinutesOfPlace(const SettingsRecord& place, const CalculationSettings& choices,
                        int32_t& zoneMinutes) {
    if (choices.zoneMinutes != noZoneMinutes &&
        wholeHoursForZoneMinutes(choices.zoneMinutes) == place.timeZone) {
        zoneMinutes = choices.zoneMinutes;
        return true;
    }
    if (place.timeZone < westmostZoneMinutes / minutesPerHour ||
        place.timeZone > eastmostZoneMinutes / minutesPerHour) {
        return false;
    }
    zoneMinutes = minutesOfWholeHours(place.timeZone);
    return true;
}

int32_t fixedZoneMinutesOfPlace(const SettingsRecord& place, const CalculationSettings& choices) {
    int32_t zoneMinutes = 0;
    if (zoneMinutesOfPlace(place, choices, zoneMinutes)) {
        return zoneMinutes;
    }
    const bool plausible = place.timeZone > -fullDayHours && place.timeZone < fullDayHours;
    return plausible ? minutesOfWholeHours(place.timeZone) : 0;
}

void storeZoneMinutes(int32_t zoneMinutes, SettingsRecord& place, CalculationSettings& choices) {
    place.timeZone = wholeHoursForZoneMinutes(zoneMinutes);
    choices.zoneMinutes = zoneMinutes % 60 != 0 ? zoneMinutes : noZoneMinutes;
}

void formatZoneField(const SettingsRecord& place, const CalculationSettings& choices, char* text,
                     size_t size) {
    int32_t minutes = 0;
    const bool hasMinutes = choices.zoneMinutes != noZoneMinutes &&
                            zoneMinutesOfPlace(place, choices, minutes) && minutes % 60 != 0;
    if (!hasMinutes) {
        std::snprintf(text, size, "%d", static_cast<int>(place.timeZone));
        return;
    }
    formatZoneText(text, size, minutes);
}
