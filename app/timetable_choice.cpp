#include "timetable_choice.h"

#include "calculation_settings.h"
#include "calendar.h"
#include "computer_zone_rule.h"
#include "local_clock.h"
#include "settings.h"
#include "timetable.h"
#include "zone_choice.h"
#include "zone_rules.h"
#include "zone_text.h"

// Whole hours of a hand-typed zone field beyond any real zone: the timetable has always been
// computed with zone 0 for these (as writeTimetable does with a zone of a day or more).
static const int32_t fullDayHours = 24;

bool zoneFieldMinutes(const char* text, int& zoneMinutes) {
    return parseZoneText(text, zoneMinutes);
}

static int computerOffsetForDay(const void* context, int year, int month, int day) {
    return computerOffsetAtNoonMinutes(*static_cast<const ComputerZoneRule*>(context), year, month, day);
}

static PrayerOptions chosenOptions() {
    PrayerOptions options;
    const int method = findCalculationMethod(Calculation.methodName);
    options.methodIndex = method >= 0 ? method : defaultCalculationMethod;
    options.asrShadowFactor = Calculation.asrShadowFactor;
    for (int i = 0; i < adjustmentCount; ++i) {
        options.adjustMinutes[i] = Calculation.adjustmentsMinutes[i];
    }
    options.hijriAdjustmentDays = Calculation.hijriAdjustmentDays;  // when makkah's Ramadan begins
    options.highLatitudeRule = Calculation.highLatitudeRule;
    options.elevationM = Calculation.elevationM;
    options.useElevation = Calculation.useElevation != 0;
    return options;
}

// The zone field in minutes for the request: with its minutes when it has any, whole hours as the
// timetable has always taken them.
static int fixedZoneMinutes(bool zoneKnown, int32_t zoneMinutes) {
    if (zoneKnown) {
        return zoneMinutes;
    }
    const bool plausible = Settings.timeZone > -fullDayHours && Settings.timeZone < fullDayHours;
    return plausible ? Settings.timeZone * 60 : 0;
}

// The clock rules a request may point into; they live as long as the request is used.
struct ChosenClock {
    int namedZone;
    ComputerZoneRule computer;
};

// The request for the page's place, zone and choices, its zone rules in `clock`.
static TimetableRequest chosenRequest(ChosenClock& clock) {
    int32_t zoneMinutes = 0;
    const bool zoneKnown = zoneMinutesOfPlace(Settings, Calculation, zoneMinutes);
    TIME_ZONE_INFORMATION information = {};
    const bool computerKnown = readTimeZoneInformation(&information) != TIME_ZONE_ID_INVALID;
    clock.computer = computerZoneRule(information);
    ZoneClockInputs inputs;
    inputs.daylightChanges = Settings.daylightChanges != 0;
    clock.namedZone = findTimeZone(Calculation.zoneName);
    inputs.zoneNameKnown = clock.namedZone >= 0;
    inputs.placeZoneKnown = zoneKnown;
    inputs.placeZoneMinutes = zoneMinutes;
    inputs.computerHasDaylightTime = computerKnown && computerHasDaylightTime(clock.computer);
    inputs.computerStandardOffsetMinutes = computerStandardOffsetMinutes(clock.computer);

    TimetableRequest request;
    request.latitudeDeg = Settings.latitude;
    request.longitudeDeg = Settings.longitude;
    request.zoneMinutes = fixedZoneMinutes(zoneKnown, zoneMinutes);
    request.options = chosenOptions();
    request.dayCount = 0;
    switch (chooseZoneClock(inputs)) {
        case ZoneClock::fixedZone: break;
        case ZoneClock::namedZone:
            request.zoneOffsetForDay = timeZoneOffsetForDay;
            request.zoneContext = &clock.namedZone;
            break;
        case ZoneClock::computerRules:
            request.zoneOffsetForDay = computerOffsetForDay;
            request.zoneContext = &clock.computer;
            break;
    }
    return request;
}

bool writeChosenTimetable(const char* path, int year, int month, int firstDay) {
    ChosenClock clock;
    TimetableRequest request = chosenRequest(clock);
    request.year = year;
    request.month = month;
    request.firstDay = firstDay;
    return writeTimetableRequest(path, request);
}

NightTimes chosenNightTimes(double latitudeDeg, double longitudeDeg, int year, int month, int day) {
    ChosenClock clock;
    TimetableRequest request = chosenRequest(clock);
    request.latitudeDeg = latitudeDeg;
    request.longitudeDeg = longitudeDeg;
    int nextYear = year;
    int nextMonth = month;
    int nextDay = day + 1;
    normalizeGregorianDate(nextYear, nextMonth, nextDay);
    NightOptions night;
    night.imsakMinutes = Calculation.imsakMinutes;
    night.end = Calculation.nightEnd == nightEndsAtSunrise ? nightEndsAtSunrise : nightEndsAtFajr;
    return computeNightTimes(year, month, day, request.latitudeDeg, request.longitudeDeg,
                             timetableZoneMinutes(request, year, month, day),
                             timetableZoneMinutes(request, nextYear, nextMonth, nextDay), request.options, night);
}
