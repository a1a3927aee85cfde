#include "calculation_method.h"

#include "ascii_names.h"
#include "hijri.h"

#include <cstdio>

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

const CalculationMethod& chosenMethod(const PrayerOptions& options) {
    const bool known = options.methodIndex >= 0 && options.methodIndex < calculationMethodCount;
    return calculationMethods[known ? options.methodIndex : defaultCalculationMethod];
}

// Index of the row whose name equals name, ignoring ASCII case; -1 for none (or a null name).
template <typename Row>
int findNamedRow(const Row* rows, int count, const char* name) {
    if (!name)
        return -1;
    for (int i = 0; i < count; ++i) {
        if (sameNameIgnoringCase(name, rows[i].name))
            return i;
    }
    return -1;
}

}  // namespace

// Name, dawn, evening angle, evening interval, Ramadan interval, Maghrib angle (degrees, minutes).
const CalculationMethod calculationMethods[] = {
    {"selvara", 19.0, 0.0, 90.0, 0.0, 0.0}, {"mwl", 18.0, 17.0, 0.0, 0.0, 0.0},
    {"isna", 15.0, 15.0, 0.0, 0.0, 0.0},    {"egypt", 19.5, 17.5, 0.0, 0.0, 0.0},
    {"karachi", 18.0, 18.0, 0.0, 0.0, 0.0}, {"makkah", 18.5, 0.0, 90.0, 120.0, 0.0},
    {"gulf", 19.5, 0.0, 90.0, 0.0, 0.0},    {"kuwait", 18.0, 17.5, 0.0, 0.0, 0.0},
    {"qatar", 18.0, 0.0, 90.0, 0.0, 0.0},   {"singapore", 20.0, 18.0, 0.0, 0.0, 0.0},
    {"turkey", 18.0, 17.0, 0.0, 0.0, 0.0},  {"tehran", 17.7, 14.0, 0.0, 0.0, 4.5},
    {"jafari", 16.0, 14.0, 0.0, 0.0, 4.0},  {"france", 12.0, 12.0, 0.0, 0.0, 0.0},
    {"russia", 16.0, 15.0, 0.0, 0.0, 0.0},
};
const int calculationMethodCount = static_cast<int>(sizeof calculationMethods / sizeof calculationMethods[0]);

int findCalculationMethod(const char* name) {
    return findNamedRow(calculationMethods, calculationMethodCount, name);
}

const AsrSchool asrSchools[] = {
    {"standard", "standard", standardAsrShadowFactor},
    {"hanafi", "Hanafi", hanafiAsrShadowFactor},
};
const int asrSchoolCount = static_cast<int>(sizeof asrSchools / sizeof asrSchools[0]);

int findAsrSchool(const char* name) {
    return findNamedRow(asrSchools, asrSchoolCount, name);
}

const AsrSchool& asrSchoolOfFactor(int shadowFactor) {
    for (const AsrSchool& school : asrSchools) {
        if (school.shadowFactor == shadowFactor)
            return school;
    }
    return asrSchools[defaultAsrSchool];
}

// "\xB0" is the degree sign of the Windows ANSI code page the dialogs use.
void describeCalculationMethod(int index, char* text, std::size_t size) {
    if (size == 0)
        return;
    const bool known = index >= 0 && index < calculationMethodCount;
    const CalculationMethod& method = calculationMethods[known ? index : defaultCalculationMethod];
    char evening[64];
    if (method.eveningDepressionDeg > 0)
        std::snprintf(evening, sizeof evening, "Isha %g\xB0", method.eveningDepressionDeg);
    else if (method.ramadanIntervalMinutes > 0)
        std::snprintf(evening, sizeof evening, "Isha %g min after Maghrib (%g in Ramadan)",
                      method.eveningIntervalMinutes, method.ramadanIntervalMinutes);
    else
        std::snprintf(evening, sizeof evening, "Isha %g min after Maghrib", method.eveningIntervalMinutes);
    char maghrib[32] = "";
    if (method.maghribDepressionDeg > 0)
        std::snprintf(maghrib, sizeof maghrib, ", Maghrib %g\xB0", method.maghribDepressionDeg);
    std::snprintf(text, size, "Fajr %g\xB0, %s%s", method.dawnDepressionDeg, evening, maghrib);
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
