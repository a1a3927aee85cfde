// The calculation choices that praytime.cfg has no room for: the method, the Asr school, six
// minute adjustments, the daylight box, an optional zone name, a zone that is not whole hours, the
// Hijri adjustment, the high-latitude rule, the place's elevation and whether it counts for every
// method, and whether a town found by name brings its country's usual method. They live in selvara.ini beside praytime.cfg, one value per key, read and
// written through the platform's profile functions (ini_file.cpp).
//
// This file is the portable half: the keys as a table, and each value turned into text and back.
// A value that is missing, empty or not what its key holds gives that key's default, so a damaged
// file never stops the program and never leaves a value out of its range.
#pragma once

#include "calculation_method.h"
#include "night_times.h"
#include "settings.h"
#include "zone_text.h"

#include <cstddef>
#include <cstdint>

constexpr size_t zoneNameSize = 64;  // an IANA zone name ("America/Argentina/Buenos_Aires")
constexpr int32_t mostHijriAdjustmentDays = 2;
// Calculation.zoneMinutes when the zone field holds whole hours (Settings.timeZone says it all).
constexpr int32_t noZoneMinutes = INT32_MIN;

// The elevation's range in whole metres, as the engine takes it.
constexpr int32_t leastElevationM = static_cast<int32_t>(lowestElevationM);
constexpr int32_t mostElevationM = static_cast<int32_t>(highestElevationM);

struct CalculationSettings {
    int32_t methodIndex;                          // into calculationMethods; its name goes to selvara.ini
    int32_t asrShadowFactor;                      // standardAsrShadowFactor or hanafiAsrShadowFactor
    int32_t adjustmentsMinutes[prayerTimeCount];  // each -120 ... 120, added to the computed time
    char zoneName[zoneNameSize];                  // a known IANA zone name, or empty
    int32_t zoneMinutes;          // the zone field in minutes when it is not whole hours, else noZoneMinutes
    int32_t hijriAdjustmentDays;  // -2 ... 2
    HighLatitudeRule highLatitudeRule;  // the user's rule; methodDefault: each method's own
    int32_t elevationM;    // the place's metres above sea level, leastElevationM ... mostElevationM
    int32_t useElevation;  // 1: the elevation for every method; 0: where the method's authority uses it
    int32_t takeCustomaryMethod;  // 1: a town found by name brings its country's usual method and Asr
    int32_t imsakMinutes;         // leastImsakMinutes ... mostImsakMinutes before Fajr
    int32_t nightEnd;             // nightEndsAtFajr or nightEndsAtSunrise
};

// The method of the timetable so far, the standard Asr, no adjustments, no zone name or minutes,
// each method's own high-latitude rule, elevation 0 used only where a method's authority uses it,
// a town found by name bringing its country's usual method, Imsak 10 minutes before Fajr and the
// night counted to Fajr.
CalculationSettings defaultCalculationSettings();

// The name of the chosen method, as selvara.ini stores it (the default's for an index out of range).
const char* methodNameOf(const CalculationSettings& choices);

// The process-wide choices, initialised with the defaults.
extern CalculationSettings Calculation;

// The keys of selvara.ini, in the order they are written.
enum IniValue {
    iniMethod,
    iniAsrSchool,
    iniAdjustDawn,  // the six adjustments follow in PrayerTimes order
    iniAdjustSunrise,
    iniAdjustNoon,
    iniAdjustAfternoon,
    iniAdjustSunset,
    iniAdjustEvening,
    iniDaylightChanges,
    iniZoneName,
    iniZoneMinutes,
    iniHijriAdjustment,
    iniImsakMinutes,  // written only when not the default, so older files stay as they are
    iniNightEnd,      // likewise, and each key below
    iniHighLatitude,
    iniUseElevation,
    iniElevation,
    iniTownMethod,
    iniValueCount
};

struct IniKey {
    const char* section;
    const char* key;
};

extern const IniKey iniKeys[iniValueCount];

// Room for any value the program writes, and the most it reads of one value: anything longer is
// not a value of ours and is cut there (and then refused by the decoder).
constexpr size_t iniValueTextSize = 80;

// Stores the text read for one key into the records: `place` receives the daylight box, `choices`
// everything else. Text that is not a valid value for the key gives the key's default. Never reads
// past the terminator; `text` may be NULL (the key is missing).
void decodeIniValue(IniValue value, const char* text, SettingsRecord& place, CalculationSettings& choices);

// The text to write for one key, always terminated within `size` bytes. An empty text means "no
// value": the key is removed (the zone minutes of a whole-hour zone).
void encodeIniValue(IniValue value, const SettingsRecord& place, const CalculationSettings& choices,
                    char* text, size_t size);

// A number of minutes to add to a time, as the dialog and the file accept it: a whole number from
// -120 to 120, an optional sign, blanks around it. False (and `minutes` unchanged) otherwise.
bool adjustmentFromText(const char* text, int32_t& minutes);

// The place's elevation as the dialog and the file accept it: whole metres from leastElevationM to
// mostElevationM, an optional sign, blanks around it. False (and `metres` unchanged) otherwise.
bool elevationFromText(const char* text, int32_t& metres);

// Imsak's minutes before Fajr as the dialog and the file accept them: a whole number from 0 to 60,
// blanks around it. False (and `minutes` unchanged) otherwise.
bool imsakMinutesFromText(const char* text, int32_t& minutes);

// After both files are read: zone minutes are kept only while praytime.cfg's whole hours still say
// the same zone (an older program that rewrote praytime.cfg with another zone wins).
void reconcileZoneMinutes(const SettingsRecord& place, CalculationSettings& choices);

// The whole hours praytime.cfg keeps for a zone in minutes: the nearest hour, halves away from zero
// (5:30 -> 6, 5:45 -> 6, -3:30 -> -4, 3:30 -> 4), as the "Get" button has always rounded.
int32_t wholeHoursForZoneMinutes(int32_t zoneMinutes);

// The zone of the place in minutes: the minutes when there are any, else the whole hours. False
// when the whole hours lie outside the zone range (only a hand-typed zone field can do that).
bool zoneMinutesOfPlace(const SettingsRecord& place, const CalculationSettings& choices,
                        int32_t& zoneMinutes);

// The zone the timetable takes as fixed: the zone of the place when it has one; otherwise a
// hand-typed whole hours under a day as they stand and anything else as 0, as writeTimetable has
// always taken a zone of a day or more.
int32_t fixedZoneMinutesOfPlace(const SettingsRecord& place, const CalculationSettings& choices);

// Stores a zone in minutes into both records: whole hours into `place.timeZone`, and the minutes
// into `choices.zoneMinutes` when they are not whole hours (noZoneMinutes otherwise).
void storeZoneMinutes(int32_t zoneMinutes, SettingsRecord& place, CalculationSettings& choices);

// The zone as the zone field shows it: "%d" for whole hours ("1", "-5"), otherwise hours, a colon
// and two-digit minutes with the sign in front ("5:30", "-3:30", "-0:30"). Terminated.
void formatZoneField(const SettingsRecord& place, const CalculationSettings& choices, char* text,
                     size_t size);

// selvara.ini in the program directory into / from the process-wide Settings.daylightChanges and
// Calculation; silent on failure. Windows only (the profile functions); loadCalculationSettings
// runs after loadSettings, since it checks its zone minutes against praytime.cfg's hours.
void loadCalculationSettings();
void saveCalculationSettings();

// The same on a named file (tests).
void loadCalculationSettingsFile(const char* path, SettingsRecord& place, CalculationSettings& choices);
bool saveCalculationSettingsFile(const char* path, const SettingsRecord& place,
                                 const CalculationSettings& choices);
