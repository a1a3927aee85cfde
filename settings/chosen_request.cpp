#include "chosen_request.h"

#include "zone_choice.h"
#include "zone_rules.h"

static int computerOffsetForDay(const void* context, int year, int month, int day) {
    return computerOffsetAtNoonMinutes(static_cast<const ChosenClock*>(context)->computer, year, month, day);
}

static int namedOffsetForDay(const void* context, int year, int month, int day) {
    return timeZoneOffsetForDay(&static_cast<const ChosenClock*>(context)->namedZone, year, month, day);
}

static PrayerOptions chosenOptions(const CalculationSettings& choices) {
    PrayerOptions options;
    options.methodIndex = choices.methodIndex;
    options.asrShadowFactor = choices.asrShadowFactor;
    for (int i = 0; i < prayerTimeCount; ++i) {
        options.adjustMinutes[i] = choices.adjustmentsMinutes[i];
    }
    options.hijriAdjustmentDays = choices.hijriAdjustmentDays;  // when makkah's Ramadan begins
    options.highLatitudeRule = choices.highLatitudeRule;
    options.elevationM = choices.elevationM;
    options.useElevation = choices.useElevation != 0;
    return options;
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
    request.zoneMinutes = fixedZoneMinutesOfPlace(place, choices);
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

NightTimes chosenNightTimesAt(TimetableRequest& request, const CalculationSettings& choices, double latitudeDeg,
                              double longitudeDeg, int year, int month, int day) {
    request.latitudeDeg = latitudeDeg;
    request.longitudeDeg = longitudeDeg;
    request.night.imsakMinutes = choices.imsakMinutes;
    request.night.end = choices.nightEnd == nightEndsAtSunrise ? nightEndsAtSunrise : nightEndsAtFajr;
    return nightTimesOfRequestDay(request, year, month, day);
}
