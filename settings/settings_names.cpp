#include "settings_names.h"

#include "calculation_method.h"
#include "zone_rules.h"

#include <cstdio>

const char* defaultMethodName() {
    return calculationMethods[defaultCalculationMethod].name;
}

const char* knownMethodName(const char* name) {
    const int index = findCalculationMethod(name);
    return index >= 0 ? calculationMethods[index].name : nullptr;
}

int methodNameCount() {
    return calculationMethodCount;
}

const char* methodNameAt(int index) {
    const bool known = index >= 0 && index < calculationMethodCount;
    return calculationMethods[known ? index : defaultCalculationMethod].name;
}

// "\xB0" is the degree sign of the Windows ANSI code page the dialogs use.
void describeMethod(int index, char* text, size_t size) {
    if (size == 0) {
        return;
    }
    const bool known = index >= 0 && index < calculationMethodCount;
    const CalculationMethod& method = calculationMethods[known ? index : defaultCalculationMethod];
    char evening[64];
    if (method.eveningDepressionDeg > 0) {
        std::snprintf(evening, sizeof evening, "Isha %g\xB0", method.eveningDepressionDeg);
    } else if (method.ramadanIntervalMinutes > 0) {
        std::snprintf(evening, sizeof evening, "Isha %g min after Maghrib (%g in Ramadan)",
                      method.eveningIntervalMinutes, method.ramadanIntervalMinutes);
    } else {
        std::snprintf(evening, sizeof evening, "Isha %g min after Maghrib", method.eveningIntervalMinutes);
    }
    char maghrib[32] = "";
    if (method.maghribDepressionDeg > 0) {
        std::snprintf(maghrib, sizeof maghrib, ", Maghrib %g\xB0", method.maghribDepressionDeg);
    }
    std::snprintf(text, size, "Fajr %g\xB0, %s%s", method.dawnDepressionDeg, evening, maghrib);
}

const char* knownZoneName(const char* name) {
    const int index = findTimeZone(name);
    return index >= 0 ? timeZoneName(index) : nullptr;
}

int knownZoneCount() {
    return timeZoneCount();
}

const char* knownZoneAt(int index) {
    return timeZoneName(index);
}
