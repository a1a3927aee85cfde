#include "prayer_arguments.h"

#include "ascii_names.h"
#include "calculation_method.h"
#include "customary_method.h"
#include "zone_rules.h"
#include "zone_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whole hours as before (-14 to 14); other zones as the zone field takes them (-12:00 to +14:00).
constexpr int mostWholeZoneHours = 14;

bool readZone(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    int hours;
    if (readInt(text, hours) && hours >= -mostWholeZoneHours && hours <= mostWholeZoneHours) {
        arguments.zoneMinutes = hours * 60;
        return arguments.haveZone = true;
    }
    return arguments.haveZone = parseZoneText(text, arguments.zoneMinutes);
}

bool readTimeZoneName(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    arguments.timeZone = findTimeZone(text);
    if (arguments.timeZone < 0)
        std::fprintf(stderr,
                     "selvara-cli: unknown time zone: %s (an Area/Location name such as Europe/London)\n",
                     text);
    return arguments.haveTimeZone = arguments.timeZone >= 0;
}

bool readMethod(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    arguments.methodAuto = sameNameIgnoringCase(text, autoMethodName);
    if (arguments.methodAuto)
        return true;
    const int method = findCalculationMethod(text);
    if (method < 0) {
        std::fprintf(stderr, "selvara-cli: unknown method: %s; the methods are:", text);
        for (int i = 0; i < calculationMethodCount; ++i)
            std::fprintf(stderr, " %s", calculationMethods[i].name);
        std::fprintf(stderr, " (and %s with --place)", autoMethodName);
        std::fputc('\n', stderr);
        return false;
    }
    arguments.options.methodIndex = method;
    return true;
}

bool readAsr(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    const int school = findAsrSchool(text);
    if (school < 0)
        return false;
    arguments.options.asrShadowFactor = asrSchools[school].shadowFactor;
    arguments.haveAsr = true;
    return true;
}

// Six whole numbers of minutes, -120 to 120, separated by commas: F,S,D,A,M,I.
bool readAdjust(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    int minutes[prayerTimeCount];
    const char* p = text;
    for (int i = 0; i < prayerTimeCount; ++i) {
        const char* start = p;
        if (*p == '+' || *p == '-')
            ++p;
        int digits = 0;
        while (*p >= '0' && *p <= '9' && digits < 4) {
            ++p;
            ++digits;
        }
        if (digits == 0)
            return false;
        minutes[i] = std::atoi(start);
        if (minutes[i] < shortestAdjustMinutes || minutes[i] > longestAdjustMinutes)
            return false;
        if (*p != (i + 1 < prayerTimeCount ? ',' : '\0'))
            return false;
        ++p;
    }
    for (int i = 0; i < prayerTimeCount; ++i)
        arguments.options.adjustMinutes[i] = minutes[i];
    return true;
}

// Metres above sea level, -500 to 9000: the horizon dip of that height at sunrise and sunset.
bool readElevation(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    double metres;
    if (!readDouble(text, metres) || !(metres >= lowestElevationM && metres <= highestElevationM))
        return false;
    arguments.options.elevationM = metres;
    arguments.options.useElevation = true;
    arguments.haveElevation = true;
    return true;
}

// middle, seventh, angle or none; method (the method's own rule) is taken as well.
bool readHighLatitude(const char* text, void* target) {
    PrayerArguments& arguments = *static_cast<PrayerArguments*>(target);
    return readHighLatitudeRule(text, arguments.options.highLatitudeRule);
}

}  // namespace

void addPrayerOptions(PrayerArguments& arguments, CliOption* rows) {
    rows[0] = {"--zone", readZone, &arguments, nullptr};
    rows[1] = {"--tz", readTimeZoneName, &arguments, nullptr};
    rows[2] = {"--method", readMethod, &arguments, nullptr};
    rows[3] = {"--asr", readAsr, &arguments, nullptr};
    rows[4] = {"--adjust", readAdjust, &arguments, nullptr};
    rows[5] = {"--elevation", readElevation, &arguments, nullptr};
    rows[6] = {"--high-lat", readHighLatitude, &arguments, nullptr};
}

int checkPrayerArguments(const PrayerArguments& arguments) {
    if (arguments.haveZone && arguments.haveTimeZone)
        return usageError("--zone and --tz exclude each other", nullptr);
    return exitOk;
}

int zoneMinutesOn(const PrayerArguments& arguments, int year, int month, int day) {
    if (arguments.haveTimeZone)
        return zoneOffsetAtLocalNoon(arguments.timeZone, year, month, day);
    return arguments.zoneMinutes;
}

TimetableRequest timetableRequestFor(const PrayerArguments& arguments, double latitudeDeg,
                                     double longitudeDeg, int year, int month, TimetableFormat format) {
    TimetableRequest request;
    request.latitudeDeg = latitudeDeg;
    request.longitudeDeg = longitudeDeg;
    request.zoneMinutes = arguments.zoneMinutes;
    if (arguments.haveTimeZone) {
        request.zoneOffsetForDay = timeZoneOffsetForDay;
        request.zoneContext = &arguments.timeZone;
    }
    request.options = arguments.options;
    request.year = year;
    request.month = month;
    request.format = format;
    return request;
}
