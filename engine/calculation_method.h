// Calculation methods: the depression angles and intervals that the schools and authorities of
// different countries publish for dawn, sunset and the evening prayer, and the user's own choices
// on top of a method (the afternoon shadow rule and a minute adjustment per time).
#pragma once

#include "prayer_times.h"

#include <cstddef>

struct CalculationMethod {
    const char* name;               // lower case, as typed on the command line and stored in settings
    double dawnDepressionDeg;       // degrees below the horizon at dawn (Fajr)
    double eveningDepressionDeg;    // degrees below the horizon at the evening prayer; 0: an interval
    double eveningIntervalMinutes;  // minutes from sunset to the evening prayer (depression 0)
    double ramadanIntervalMinutes;  // the interval in the month of Ramadan; 0: as the rest of the year
    double maghribDepressionDeg;    // degrees below the horizon at sunset (Maghrib); 0: the sun's upper limb
};

// The methods, "selvara" (the program's own fixed values) first.
extern const CalculationMethod calculationMethods[];
extern const int calculationMethodCount;
constexpr int defaultCalculationMethod = 0;

// Index of the method whose name equals name, ignoring ASCII case; -1 for none (or a null name).
int findCalculationMethod(const char* name);

// Order of the six times in the adjustment list: dawn, sunrise, noon, afternoon, sunset, evening.
constexpr int prayerTimeCount = 6;
constexpr int shortestAdjustMinutes = -120;
constexpr int longestAdjustMinutes = 120;

// Standard: a shadow as long as the object (plus its noon shadow); Hanafi: twice as long.
constexpr int standardAsrShadowFactor = 1;
constexpr int hanafiAsrShadowFactor = 2;

// The Asr schools by name, beside the method names: the console's --asr and selvara.ini's
// AsrSchool spell them the same way, and find them without regard to case.
struct AsrSchool {
    const char* name;   // lower case, as typed on the command line and stored in settings
    const char* title;  // as the calculation page shows it
    int shadowFactor;   // standardAsrShadowFactor or hanafiAsrShadowFactor
};
extern const AsrSchool asrSchools[];
extern const int asrSchoolCount;
constexpr int defaultAsrSchool = 0;  // standard

// Index of the school whose name equals name, ignoring ASCII case; -1 for none (or a null name).
int findAsrSchool(const char* name);

// The school of a shadow factor; a factor of no school gives the default school.
const AsrSchool& asrSchoolOfFactor(int shadowFactor);

// One line about a method for the settings dialog ("Fajr 18°, Isha 17°" in the Windows ANSI code
// page); an index out of range describes the default method. Terminated within size bytes.
void describeCalculationMethod(int index, char* text, std::size_t size);

// What the user chose. The defaults give exactly the times the program has always given.
struct PrayerOptions {
    int methodIndex = defaultCalculationMethod;               // into calculationMethods
    int asrShadowFactor = standardAsrShadowFactor;            // 1 or 2
    int adjustMinutes[prayerTimeCount] = {0, 0, 0, 0, 0, 0};  // added to each time, -120..120
    int hijriAdjustmentDays = 0;  // -2..2: Ramadan is the table's Ramadan moved by this many days
};

// The parameters of one day for a place in degrees, a zone in minutes east of Greenwich and the
// options; the date matters where a method's interval changes in Ramadan. A field out of range
// falls back to its default (method selvara, factor 1).
PrayerParameters methodParameters(double latitudeDeg, double longitudeDeg, int zoneMinutes,
                                  const PrayerOptions& options, int year, int month, int day);

// The six times of one day with the options' method, shadow rule and adjustments. With default
// options and a whole-hour zone these are exactly computePrayerTimes(timetableParameters(...)).
PrayerTimes computeDayTimes(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                            int zoneMinutes, const PrayerOptions& options);

// Adds the options' adjustments (minutes, clamped to -120..120) to the six times.
void applyAdjustments(PrayerTimes& times, const PrayerOptions& options);
