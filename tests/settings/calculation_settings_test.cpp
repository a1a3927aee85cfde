// selvara.ini's values: each key's text into the records and back, what damaged text gives, and
// the zone kept in minutes beside praytime.cfg's whole hours.
#include "calculation_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

struct Decoded {
    SettingsRecord place = defaultSettings();
    CalculationSettings choices = defaultCalculationSettings();
};

Decoded decode(IniValue value, const char* text) {
    Decoded result;
    // Start from values that differ from every default, so that a default is really set.
    result.place.daylightChanges = 0;
    result.choices.methodIndex = findCalculationMethod("mwl");
    result.choices.asrShadowFactor = hanafiAsrShadowFactor;
    for (int32_t& minutes : result.choices.adjustmentsMinutes) {
        minutes = 77;
    }
    std::strcpy(result.choices.zoneName, "Europe/London");
    result.choices.zoneMinutes = 330;
    result.choices.hijriAdjustmentDays = -1;
    result.choices.highLatitudeRule = HighLatitudeRule::none;
    result.choices.elevationM = 1234;
    result.choices.useElevation = 1;
    result.choices.takeCustomaryMethod = 0;
    result.choices.imsakMinutes = 33;
    result.choices.nightEnd = nightEndsAtSunrise;
    decodeIniValue(value, text, result.place, result.choices);
    return result;
}

TEST(CalculationSettings, Defaults) {
    const CalculationSettings choices = defaultCalculationSettings();
    EXPECT_STREQ(methodNameOf(choices), "selvara");
    EXPECT_EQ(choices.asrShadowFactor, 1);
    for (int32_t minutes : choices.adjustmentsMinutes) {
        EXPECT_EQ(minutes, 0);
    }
    EXPECT_STREQ(choices.zoneName, "");
    EXPECT_EQ(choices.zoneMinutes, noZoneMinutes);
    EXPECT_EQ(choices.hijriAdjustmentDays, 0);
    EXPECT_EQ(choices.highLatitudeRule, HighLatitudeRule::methodDefault);
    EXPECT_EQ(choices.elevationM, 0);
    EXPECT_EQ(choices.useElevation, 0);
    EXPECT_EQ(choices.takeCustomaryMethod, 1);
    EXPECT_EQ(choices.imsakMinutes, 10);
    EXPECT_EQ(choices.nightEnd, nightEndsAtFajr);
}

TEST(CalculationSettings, TextValues) {
    const std::string longName(200, 'k');
    const struct {
        IniValue value;
        const char* text;
        const char* expected;
    } cases[] = {
        // clang-format off
        {iniMethod, "karachi", "karachi"},  {iniMethod, "KaRaChI", "karachi"}, {iniMethod, "Tehran", "tehran"},
        {iniMethod, "jupiter", "selvara"},  {iniMethod, "", "selvara"},        {iniMethod, nullptr, "selvara"},
        {iniMethod, " karachi", "selvara"}, {iniMethod, longName.c_str(), "selvara"},
        {iniZoneName, "Asia/Karachi", "Asia/Karachi"},       {iniZoneName, "america/new_york", "America/New_York"},
        {iniZoneName, "Mars/Olympus_Mons", ""},              {iniZoneName, "", ""},
        {iniZoneName, nullptr, ""},                          {iniZoneName, longName.c_str(), ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        const Decoded result = decode(c.value, c.text);
        const char* stored = c.value == iniMethod ? methodNameOf(result.choices) : result.choices.zoneName;
        EXPECT_STREQ(stored, c.expected) << (c.text ? c.text : "(missing)");
    }
}

TEST(CalculationSettings, NumberValues) {
    const struct {
        IniValue value;
        const char* text;
        int32_t expected;
    } cases[] = {
        // clang-format off
        {iniAsrSchool, "hanafi", 2},   {iniAsrSchool, "HANAFI", 2},      {iniAsrSchool, "standard", 1},
        {iniAsrSchool, "2", 1},        {iniAsrSchool, "hanafix", 1},     {iniAsrSchool, nullptr, 1},
        {iniAdjustDawn, "5", 5},       {iniAdjustSunrise, "-120", -120}, {iniAdjustNoon, "120", 120},
        {iniAdjustAfternoon, "+7", 7}, {iniAdjustSunset, " 3 ", 3},      {iniAdjustEvening, "-0", 0},
        {iniAdjustDawn, "121", 0},     {iniAdjustDawn, "-121", 0},       {iniAdjustDawn, "99999999999", 0},
        {iniAdjustDawn, "3x", 0},      {iniAdjustDawn, "--3", 0},        {iniAdjustDawn, "0x10", 0},
        {iniAdjustDawn, "", 0},        {iniAdjustDawn, "-", 0},          {iniAdjustDawn, "1.5", 0},
        {iniDaylightChanges, "0", 0},  {iniDaylightChanges, "1", 1},     {iniDaylightChanges, "2", 1},
        {iniDaylightChanges, "no", 1}, {iniDaylightChanges, "", 1},      {iniDaylightChanges, nullptr, 1},
        {iniZoneMinutes, "330", 330},  {iniZoneMinutes, "-210", -210},   {iniZoneMinutes, "345", 345},
        {iniZoneMinutes, "840", noZoneMinutes},  {iniZoneMinutes, "300", noZoneMinutes},
        {iniZoneMinutes, "870", noZoneMinutes},  {iniZoneMinutes, "-750", noZoneMinutes},
        {iniZoneMinutes, "5:30", noZoneMinutes}, {iniZoneMinutes, "", noZoneMinutes},
        {iniHijriAdjustment, "1", 1},  {iniHijriAdjustment, "-2", -2},   {iniHijriAdjustment, "5", 2},
        {iniHijriAdjustment, "-7", -2}, {iniHijriAdjustment, "99999999999", 0}, {iniHijriAdjustment, "x", 0},
        {iniHighLatitude, "middle", int32_t(HighLatitudeRule::middleOfNight)},
        {iniHighLatitude, "SEVENTH", int32_t(HighLatitudeRule::seventhOfNight)},
        {iniHighLatitude, "angle", int32_t(HighLatitudeRule::twilightAngle)},
        {iniHighLatitude, "none", int32_t(HighLatitudeRule::none)},
        {iniHighLatitude, "method", int32_t(HighLatitudeRule::methodDefault)},
        {iniHighLatitude, "midnight", int32_t(HighLatitudeRule::methodDefault)},
        {iniHighLatitude, "", int32_t(HighLatitudeRule::methodDefault)},
        {iniHighLatitude, nullptr, int32_t(HighLatitudeRule::methodDefault)},
        {iniUseElevation, "1", 1},     {iniUseElevation, "0", 0},        {iniUseElevation, "2", 0},
        {iniUseElevation, "yes", 0},   {iniUseElevation, nullptr, 0},
        {iniElevation, "406", 406},    {iniElevation, "-233", -233},     {iniElevation, " 9000 ", 9000},
        {iniElevation, "-500", -500},  {iniElevation, "9001", 0},        {iniElevation, "-501", 0},
        {iniElevation, "406.5", 0},    {iniElevation, "1e3", 0},         {iniElevation, "99999999999", 0},
        {iniElevation, nullptr, 0},
        {iniTownMethod, "0", 0},       {iniTownMethod, "1", 1},          {iniTownMethod, "no", 1},
        {iniTownMethod, nullptr, 1},
        {iniImsakMinutes, "0", 0},     {iniImsakMinutes, " 60 ", 60},    {iniImsakMinutes, "61", 10},
        {iniImsakMinutes, "-1", 10},   {iniImsakMinutes, "15.5", 10},    {iniImsakMinutes, nullptr, 10},
        {iniNightEnd, "sunrise", 1},   {iniNightEnd, "Sunrise", 1},      {iniNightEnd, "fajr", 0},
        {iniNightEnd, "1", 0},         {iniNightEnd, "", 0},             {iniNightEnd, nullptr, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const Decoded result = decode(c.value, c.text);
        int32_t stored = 0;
        switch (c.value) {
            case iniAsrSchool: stored = result.choices.asrShadowFactor; break;
            case iniDaylightChanges: stored = result.place.daylightChanges; break;
            case iniZoneMinutes: stored = result.choices.zoneMinutes; break;
            case iniHijriAdjustment: stored = result.choices.hijriAdjustmentDays; break;
            case iniHighLatitude: stored = static_cast<int32_t>(result.choices.highLatitudeRule); break;
            case iniUseElevation: stored = result.choices.useElevation; break;
            case iniElevation: stored = result.choices.elevationM; break;
            case iniTownMethod: stored = result.choices.takeCustomaryMethod; break;
            case iniImsakMinutes: stored = result.choices.imsakMinutes; break;
            case iniNightEnd: stored = result.choices.nightEnd; break;
            default: stored = result.choices.adjustmentsMinutes[c.value - iniAdjustDawn]; break;
        }
        EXPECT_EQ(stored, c.expected) << iniKeys[c.value].key << "=" << (c.text ? c.text : "(missing)");
    }
}

TEST(CalculationSettings, DefaultsAreWrittenAsTheseTexts) {
    // The keys that came later are left out while they hold their defaults, so files written
    // before them stay as they were.
    const char* const expected[iniValueCount] = {"selvara", "standard", "0", "0", "0", "0", "0", "0", "1",
                                                 "",        "",         "0", "",  "",  "",  "",  "",  ""};
    const SettingsRecord place = defaultSettings();
    const CalculationSettings choices = defaultCalculationSettings();
    for (int value = 0; value < iniValueCount; ++value) {
        char text[iniValueTextSize];
        encodeIniValue(static_cast<IniValue>(value), place, choices, text, sizeof text);
        EXPECT_STREQ(text, expected[value]) << iniKeys[value].key;
    }
}

TEST(CalculationSettings, EveryValueReadsBackAsWritten) {
    SettingsRecord place = defaultSettings();
    place.daylightChanges = 0;
    place.timeZone = 6;
    CalculationSettings choices = defaultCalculationSettings();
    choices.methodIndex = findCalculationMethod("karachi");
    choices.asrShadowFactor = hanafiAsrShadowFactor;
    const int32_t adjustments[prayerTimeCount] = {-120, 2, 0, 5, 120, -3};
    std::memcpy(choices.adjustmentsMinutes, adjustments, sizeof adjustments);
    std::strcpy(choices.zoneName, "Asia/Kolkata");
    choices.zoneMinutes = 330;
    choices.hijriAdjustmentDays = -2;
    choices.highLatitudeRule = HighLatitudeRule::seventhOfNight;
    choices.elevationM = -233;
    choices.useElevation = 1;
    choices.takeCustomaryMethod = 0;
    choices.imsakMinutes = 25;
    choices.nightEnd = nightEndsAtSunrise;

    SettingsRecord readPlace = defaultSettings();
    readPlace.timeZone = 6;
    CalculationSettings read = defaultCalculationSettings();
    for (int value = 0; value < iniValueCount; ++value) {
        char text[iniValueTextSize];
        encodeIniValue(static_cast<IniValue>(value), place, choices, text, sizeof text);
        decodeIniValue(static_cast<IniValue>(value), text, readPlace, read);
    }
    reconcileZoneMinutes(readPlace, read);
    EXPECT_EQ(std::memcmp(&read, &choices, sizeof read), 0);
    EXPECT_EQ(readPlace.daylightChanges, 0);
}

// A file written before the night's times, the high-latitude rule and the elevation had keys: those
// keys are missing and take their defaults; everything the file holds reads as it always did.
TEST(CalculationSettings, AFileWithoutTheNewerKeysReadsAsBefore) {
    const char* const olderFile[iniValueCount] = {
        "karachi", "hanafi",       "1",     "0", "0",     "2",     "-1",    "0",
        "0",       "Asia/Karachi", nullptr, "1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    SettingsRecord place = defaultSettings();
    place.timeZone = 5;
    CalculationSettings read = defaultCalculationSettings();
    for (int value = 0; value < iniValueCount; ++value) {
        decodeIniValue(static_cast<IniValue>(value), olderFile[value], place, read);
    }
    reconcileZoneMinutes(place, read);
    EXPECT_STREQ(methodNameOf(read), "karachi");
    EXPECT_EQ(read.asrShadowFactor, hanafiAsrShadowFactor);
    const int32_t adjustments[prayerTimeCount] = {1, 0, 0, 2, -1, 0};
    EXPECT_EQ(std::memcmp(read.adjustmentsMinutes, adjustments, sizeof adjustments), 0);
    EXPECT_EQ(place.daylightChanges, 0);
    EXPECT_STREQ(read.zoneName, "Asia/Karachi");
    EXPECT_EQ(read.zoneMinutes, noZoneMinutes);
    EXPECT_EQ(read.hijriAdjustmentDays, 1);
    EXPECT_EQ(read.highLatitudeRule, HighLatitudeRule::methodDefault);
    EXPECT_EQ(read.elevationM, 0);
    EXPECT_EQ(read.useElevation, 0);
    EXPECT_EQ(read.takeCustomaryMethod, 1);

    // Its choices reach the engine as before: the default high-latitude rule and no elevation.
    PrayerOptions options;
    options.methodIndex = read.methodIndex;
    EXPECT_EQ(options.highLatitudeRule, read.highLatitudeRule);
    EXPECT_EQ(options.elevationM, read.elevationM);
    EXPECT_EQ(options.useElevation, read.useElevation != 0);
}

TEST(CalculationSettings, KeysAreUniqueWithinTheirSection) {
    for (int a = 0; a < iniValueCount; ++a) {
        for (int b = a + 1; b < iniValueCount; ++b) {
            const bool same = std::strcmp(iniKeys[a].section, iniKeys[b].section) == 0 &&
                              std::strcmp(iniKeys[a].key, iniKeys[b].key) == 0;
            EXPECT_FALSE(same) << iniKeys[a].key;
        }
    }
}

TEST(ZoneMinutes, WholeHoursForTheOldFile) {
    const int32_t cases[][2] = {{60, 1},    {330, 6},
                                {345, 6},   {315, 5},
                                {-210, -4}, {210, 4},
                                {-30, -1},  {29, 0},
                                {-29, 0},   {-570, -10},
                                {840, 14},  {-720, -12},
                                {525, 9},   {INT32_MIN + 60, INT32_MIN / 60 + 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(wholeHoursForZoneMinutes(c[0]), c[1]) << c[0];
    }
}

TEST(ZoneMinutes, StoredShownAndReconciled) {
    const struct {
        int32_t minutes;
        int32_t hours;
        int32_t keptMinutes;
        const char* shown;
    } cases[] = {
        {330, 6, 330, "5:30"},           {-210, -4, -210, "-3:30"},  {345, 6, 345, "5:45"},
        {-30, -1, -30, "-0:30"},         {30, 1, 30, "0:30"},        {300, 5, noZoneMinutes, "5"},
        {-300, -5, noZoneMinutes, "-5"}, {0, 0, noZoneMinutes, "0"}, {840, 14, noZoneMinutes, "14"},
    };
    for (const auto& c : cases) {
        SettingsRecord place = defaultSettings();
        CalculationSettings choices = defaultCalculationSettings();
        storeZoneMinutes(c.minutes, place, choices);
        EXPECT_EQ(place.timeZone, c.hours) << c.minutes;
        EXPECT_EQ(choices.zoneMinutes, c.keptMinutes) << c.minutes;
        char text[16];
        formatZoneField(place, choices, text, sizeof text);
        EXPECT_STREQ(text, c.shown);
        int32_t zoneMinutes = 0;
        ASSERT_TRUE(zoneMinutesOfPlace(place, choices, zoneMinutes));
        EXPECT_EQ(zoneMinutes, c.minutes);
    }
}

TEST(ZoneMinutes, AnotherZoneInPraytimeCfgWins) {
    SettingsRecord place = defaultSettings();
    CalculationSettings choices = defaultCalculationSettings();
    choices.zoneMinutes = 330;
    place.timeZone = 6;
    reconcileZoneMinutes(place, choices);
    EXPECT_EQ(choices.zoneMinutes, 330);
    place.timeZone = 2;  // written by a program that knows only praytime.cfg
    reconcileZoneMinutes(place, choices);
    EXPECT_EQ(choices.zoneMinutes, noZoneMinutes);
    char text[16];
    formatZoneField(place, choices, text, sizeof text);
    EXPECT_STREQ(text, "2");
}

TEST(ZoneMinutes, WholeHoursBeyondTheRangeHaveNoMinutes) {
    const int32_t hours[] = {15, -13, INT_MAX, INT_MIN};
    for (int32_t h : hours) {
        SettingsRecord place = defaultSettings();
        place.timeZone = h;
        int32_t minutes = 0;
        EXPECT_FALSE(zoneMinutesOfPlace(place, defaultCalculationSettings(), minutes)) << h;
        char text[16];
        formatZoneField(place, defaultCalculationSettings(), text, sizeof text);
        EXPECT_EQ(std::string(text), std::to_string(h));
    }
}

}  // namespace
