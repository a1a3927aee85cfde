#include "chosen_request.h"

#include "zone_choice.h"
#include "zone_rules.h"

// Whole hours of a hand-typed zone field beyond any real zone: the timetable has always been
// computed with zone 0 for these (as writeTimetable does with a zone of a day or more).
static const int32_t fullDayHours = 24;

static int computerOffsetForDay(const void* context, int year, int month, int day) {
    return computerOffsetAtNoonMinutes(static_cast<const ChosenClock*>(context)->computer, year, month, day);
}

static int namedOffsetForDay(const void* context, int year, int month, int day) {
    return timeZoneOffsetForDay(&static_cast<const ChosenClock*>(context)->namedZone, year, month, day);
}

static PrayerOptions chosenOptions(const CalculationSettings& choices) {
    PrayerOptions options;
    const int method = findCalculationMethod(choices.methodName);
    options.methodIndex = method >= 0 ? method : defaultCalculationMethod;
    options.asrShadowFactor = choices.asrShadowFactor;
    for (int i = 0; i < adjustmentCount; ++i) {
        options.adjustMinutes[i] = choices.adjustmentsMinutes[i];
    }
    options.hijriAdjustmentDays = choices.hijriAdjustmentDays;  // when makkah's Ramadan begins
    options.highLatitudeRule = choices.highLatitudeRule;
    options.elevationM = choices.elevationM;
    options.useElevation = choices.useElevation != 0;
    return options;
}

// The zone field in minutes for the request: with its minutes when it has any, whole hours as the
// timetable has always taken them.
static int fixedZoneMinutes(const SettingsRecord& place, bool zoneKnown, int32_t zoneMinutes) {
    if (zoneKnown) {
        return zoneMinutes;
    }
    const bool plausible = place.timeZone > -fullDayHours && place.timeZone < fullDayHours;
    return plausible ? place.timeZone * 60 : 0;
}

TimetableRequest chosenTimetableRequest(const SettingsRecord& place, const CalculationSettings& choices,
                                        const ComputerZoneRule& computer, bool computerKnown,
                                        ChosenClock& clock, int year, int month) {
    int32_t zoneMinutes = 0;
    const bool zoneKnown = zoneMinutesOfPlace(place, choices, zoneMinutes);
    clock.namedZone = findTimeZone(choices.zoneName);
    clock.computer = computer;

    ZoneClockInputs inputs;
    inputs.daylightChanges = place.daylightChanges != 0;
    inputs.zoneNameKnown = clock.namedZone >= 0;
    inputs.placeZoneKnown = zoneKnown;
    inputs.placeZoneMinutes = zoneMinutes;
    inputs.computerHasDaylightTime = computerKnown && computerHasDaylightTime(computer);
    inputs.computerStandardOffsetMinutes = computerStandardOffsetMinutes(computer);

    TimetableRequest request;
    request.latitudeDeg = place.latitude;
    request.longitudeDeg = place.longitude;
    request.zoneMinutes = fixedZoneMinutes(place, zoneKnown, zoneMinutes);
    request.options = chosenOptions(choices);
    request.year = year;
    request.month = month;
    request.firstDay = 1;
    request.dayCount = wholeMonthDayCount;
    switch (chooseZoneClock(inputs)) {
        case ZoneClock::fixedZone: break;
        case ZoneClock::namedZone:
            request.zoneOffsetForDay = namedOffsetForDay;
            request.zoneContext = &clock;
            break;
        case ZoneClock::computerRules:
            request.zoneOffsetForDay = computerOffsetForDay;
            request.zoneContext = &clock;
            break;
    }
    return request;
}
