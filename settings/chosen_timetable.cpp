#include "chosen_timetable.h"

#include "calculation_method.h"
#include "zone_choice.h"
#include "zone_rules.h"

static int computerOffsetForDay(const void* context, int year, int month, int day) {
    return computerOffsetAtNoonMinutes(*static_cast<const ComputerZoneRule*>(context), year, month, day);
}

static PrayerOptions optionsOf(const CalculationSettings& choices) {
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

void buildChosenTimetable(const SettingsRecord& place, const CalculationSettings& choices,
                          const ComputerZoneRule* computer, int year, int month, int firstDay,
                          ChosenTimetable& chosen) {
    chosen.namedZone = findTimeZone(choices.zoneName);
    chosen.computer = computer != nullptr ? *computer : ComputerZoneRule{};

    int32_t zoneMinutes = 0;
    const bool zoneKnown = zoneMinutesOfPlace(place, choices, zoneMinutes);
    ZoneClockInputs inputs;
    inputs.daylightChanges = place.daylightChanges != 0;
    inputs.zoneNameKnown = chosen.namedZone >= 0;
    inputs.placeZoneKnown = zoneKnown;
    inputs.placeZoneMinutes = zoneMinutes;
    inputs.computerHasDaylightTime = computer != nullptr && computerHasDaylightTime(chosen.computer);
    inputs.computerStandardOffsetMinutes = computerStandardOffsetMinutes(chosen.computer);

    TimetableRequest& request = chosen.request;
    request = TimetableRequest();
    request.latitudeDeg = place.latitude;
    request.longitudeDeg = place.longitude;
    request.zoneMinutes = fixedZoneMinutesOfPlace(place, choices);
    request.options = optionsOf(choices);
    request.year = year;
    request.month = month;
    request.firstDay = firstDay;
    request.dayCount = wholeMonthDayCount;
    switch (chooseZoneClock(inputs)) {
        case ZoneClock::fixedZone: break;
        case ZoneClock::namedZone:
            request.zoneOffsetForDay = timeZoneOffsetForDay;
            request.zoneContext = &chosen.namedZone;
            break;
        case ZoneClock::computerRules:
            request.zoneOffsetForDay = computerOffsetForDay;
            request.zoneContext = &chosen.computer;
            break;
    }
}

NightTimes chosenNightTimesAt(ChosenTimetable& chosen, const CalculationSettings& choices, double latitudeDeg,
                              double longitudeDeg, int year, int month, int day) {
    TimetableRequest& request = chosen.request;
    request.latitudeDeg = latitudeDeg;
    request.longitudeDeg = longitudeDeg;
    request.night.imsakMinutes = choices.imsakMinutes;
    request.night.end = choices.nightEnd == nightEndsAtSunrise ? nightEndsAtSunrise : nightEndsAtFajr;
    return nightTimesOfRequestDay(request, year, month, day);
}
