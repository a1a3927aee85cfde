#include "calculation_method.h"

#include "ascii_names.h"
#include "hijri.h"

namespace {

constexpr double radiansPerDegree = 0.017453292519943295;  // pi / 180
constexpr double minutesPerHour = 60.0;
constexpr int ramadanMonth = 9;

// The Hijri month of the day with the user's Hijri adjustment, as the calendar page shows it.
bool isRamadan(int year, int month, int day, int hijriAdjustmentDays) {
    int hijriYear;
    int hijriMonth;
    int hijriDay;
    int weekday;
    // Outside the tabulated years no date is known to be in Ramadan: the ordinary interval holds.
    return adjustedGregorianToHijri(year, month, day, hijriAdjustmentDays, hijriYear, hijriMonth, hijriDay,
                                    weekday) &&
           hijriMonth == ramadanMonth;
}

// Names of the high-latitude rules, in the order of HighLatitudeRule.
const char* const highLatitudeRuleNames[] = {"method", "middle", "seventh", "angle", "none"};
constexpr int highLatitudeRuleCount = 5;

}  // namespace

const CalculationMethod& chosenMethod(const PrayerOptions& options) {
    const bool known = options.methodIndex >= 0 && options.methodIndex < calculationMethodCount;
    return calculationMethods[known ? options.methodIndex : defaultCalculationMethod];
}

const char* highLatitudeRuleName(HighLatitudeRule rule) {
    const int index = static_cast<int>(rule);
    return index >= 0 && index < highLatitudeRuleCount ? highLatitudeRuleNames[index] : highLatitudeRuleNames[0];
}

bool readHighLatitudeRule(const char* name, HighLatitudeRule& rule) {
    if (!name)
        return false;
    for (int i = 0; i < highLatitudeRuleCount; ++i) {
        if (sameNameIgnoringCase(name, highLatitudeRuleNames[i])) {
            rule = static_cast<HighLatitudeRule>(i);
            return true;
        }
    }
    return false;
}

HighLatitudeRule effectiveHighLatitudeRule(const PrayerOptions& options) {
    const int index = static_cast<int>(options.highLatitudeRule);
    if (options.highLatitudeRule != HighLatitudeRule::methodDefault && index > 0 && index < highLatitudeRuleCount)
        return options.highLatitudeRule;
    return chosenMethod(options).highLatitudeRule;
}

MinuteRounding printedMinuteRounding(const PrayerOptions& options) {
    return chosenMethod(options).rounding;
}

// Name, dawn, evening angle, evening interval, Ramadan interval, Maghrib angle (degrees, minutes);
// the authority; its minutes added to dawn, sunrise, noon, afternoon, sunset and the evening; its
// rounding, high-latitude rule and use of the elevation; seasonal twilight (null: by angle).
const CalculationMethod calculationMethods[] = {
    {"selvara", 19.0, 0.0, 90.0, 0.0, 0.0, "Selvara", {0, 0, 0, 0, 0, 0}, MinuteRounding::cut,
     HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"mwl", 18.0, 17.0, 0.0, 0.0, 0.0, "Muslim World League", {0, 0, 0, 0, 0, 0}, MinuteRounding::nearest,
     HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"isna", 15.0, 15.0, 0.0, 0.0, 0.0, "Islamic Society of North America", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"egypt", 19.5, 17.5, 0.0, 0.0, 0.0, "Egyptian General Authority of Survey", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"karachi", 18.0, 18.0, 0.0, 0.0, 0.0, "University of Islamic Sciences, Karachi", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"makkah", 18.5, 0.0, 90.0, 120.0, 0.0, "Umm al-Qura University, Makkah", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"gulf", 19.5, 0.0, 90.0, 0.0, 0.0, "Gulf region", {0, 0, 0, 0, 0, 0}, MinuteRounding::nearest,
     HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"kuwait", 18.0, 17.5, 0.0, 0.0, 0.0, "Ministry of Awqaf and Islamic Affairs, Kuwait", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"qatar", 18.0, 0.0, 90.0, 0.0, 0.0, "Ministry of Awqaf and Islamic Affairs, Qatar", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"singapore", 20.0, 18.0, 0.0, 0.0, 0.0, "Majlis Ugama Islam Singapura", {0, 0, 1, 0, 0, 0},
     MinuteRounding::up, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"turkey", 18.0, 17.0, 0.0, 0.0, 0.0, "Diyanet, Turkey", {0, -7, 5, 4, 7, 0}, MinuteRounding::nearest,
     HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"tehran", 17.7, 14.0, 0.0, 0.0, 4.5, "Institute of Geophysics, University of Tehran", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"jafari", 16.0, 14.0, 0.0, 0.0, 4.0, "Leva Institute, Qum", {0, 0, 0, 0, 0, 0}, MinuteRounding::nearest,
     HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"france", 12.0, 12.0, 0.0, 0.0, 0.0, "Union of Islamic Organisations of France", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"russia", 16.0, 15.0, 0.0, 0.0, 0.0, "Spiritual Administration of Muslims of Russia", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"moonsighting", 18.0, 18.0, 0.0, 0.0, 0.0, "Moonsighting Committee Worldwide", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::seventhOfNight, false, nullptr, nullptr},
    {"dubai", 18.2, 18.2, 0.0, 0.0, 0.0, "Awqaf, United Arab Emirates", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"morocco", 19.0, 17.0, 0.0, 0.0, 0.0, "Ministry of Habous and Islamic Affairs, Morocco", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, true, nullptr, nullptr},
    {"uk", 18.0, 18.0, 0.0, 0.0, 0.0, "Wifaq ul Ulama, United Kingdom", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::seventhOfNight, false, nullptr, nullptr},
    {"jakim", 20.0, 18.0, 0.0, 0.0, 0.0, "JAKIM, Malaysia", {0, 0, 0, 0, 0, 0}, MinuteRounding::nearest,
     HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"kemenag", 20.0, 18.0, 0.0, 0.0, 0.0, "Kementerian Agama, Indonesia", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"algeria", 18.0, 17.0, 0.0, 0.0, 0.0, "Ministry of Religious Affairs, Algeria", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"tunisia", 18.0, 18.0, 0.0, 0.0, 0.0, "Ministry of Religious Affairs, Tunisia", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
    {"jordan", 18.0, 18.0, 0.0, 0.0, 0.0, "Ministry of Awqaf, Jordan", {0, 0, 0, 0, 0, 0},
     MinuteRounding::nearest, HighLatitudeRule::twilightAngle, false, nullptr, nullptr},
};
const int calculationMethodCount = static_cast<int>(sizeof calculationMethods / sizeof calculationMethods[0]);

int findCalculationMethod(const char* name) {
    if (!name)
        return -1;
    for (int i = 0; i < calculationMethodCount; ++i) {
        if (sameNameIgnoringCase(name, calculationMethods[i].name))
            return i;
    }
    return -1;
}

bool validPrayerOptions(const PrayerOptions& options) {
    if (options.methodIndex < 0 || options.methodIndex >= calculationMethodCount)
        return false;
    if (options.asrShadowFactor != standardAsrShadowFactor &&
        options.asrShadowFactor != hanafiAsrShadowFactor)
        return false;
    for (int minutes : options.adjustMinutes) {
        if (minutes < shortestAdjustMinutes || minutes > longestAdjustMinutes)
            return false;
    }
    const int rule = static_cast<int>(options.highLatitudeRule);
    return options.hijriAdjustmentDays >= lowestHijriAdjustmentDays &&
           options.hijriAdjustmentDays <= highestHijriAdjustmentDays && options.elevationM >= lowestElevationM &&
           options.elevationM <= highestElevationM && rule >= 0 && rule < highLatitudeRuleCount;
}

PrayerParameters methodParameters(double latitudeDeg, double longitudeDeg, int zoneMinutes,
                                  const PrayerOptions& options, int year, int month, int day) {
    PrayerParameters parameters =
        timetableParameters(latitudeDeg, longitudeDeg, zoneMinutes / minutesPerHour);
    const CalculationMethod& method = chosenMethod(options);
    parameters.fajrDepression = method.dawnDepressionDeg * radiansPerDegree;
    parameters.asrShadowFactor = options.asrShadowFactor == hanafiAsrShadowFactor ? 2.0 : 1.0;
    parameters.ishaDepression = method.eveningDepressionDeg * radiansPerDegree;
    double intervalMinutes = method.eveningIntervalMinutes;
    if (method.ramadanIntervalMinutes != 0.0 && isRamadan(year, month, day, options.hijriAdjustmentDays))
        intervalMinutes = method.ramadanIntervalMinutes;
    parameters.ishaInterval = intervalMinutes / minutesPerHour;
    parameters.maghribDepression = method.maghribDepressionDeg * radiansPerDegree;
    return parameters;
}

void applyAdjustments(PrayerTimes& times, const PrayerOptions& options) {
    double* fields[prayerTimeCount] = {&times.dawn,      &times.sunrise, &times.noon,
                                       &times.afternoon, &times.sunset,  &times.evening};
    for (int i = 0; i < prayerTimeCount; ++i) {
        int minutes = options.adjustMinutes[i];
        if (minutes == 0)
            continue;  // an untouched time keeps its exact bits
        if (minutes < shortestAdjustMinutes)
            minutes = shortestAdjustMinutes;
        if (minutes > longestAdjustMinutes)
            minutes = longestAdjustMinutes;
        *fields[i] += minutes / minutesPerHour;
    }
}

PrayerTimes computeDayTimes(int year, int month, int day, double latitudeDeg, double longitudeDeg,
                            int zoneMinutes, const PrayerOptions& options) {
    PrayerTimes times = computePrayerTimes(
        year, month, day,
        methodParameters(latitudeDeg, longitudeDeg, zoneMinutes, options, year, month, day));
    applyAdjustments(times, options);
    return times;
}
