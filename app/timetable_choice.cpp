#include "timetable_choice.h"

#include "calculation_settings.h"
#include "chosen_request.h"
#include "local_clock.h"
#include "settings.h"
#include "timetable.h"
#include "zone_text.h"

bool zoneFieldMinutes(const char* text, int& zoneMinutes) {
    return parseZoneText(text, zoneMinutes);
}

// The request for the page's place, zone and choices (the month is the caller's), its zone rules
// in `clock`.
static TimetableRequest chosenRequest(ChosenClock& clock) {
    TIME_ZONE_INFORMATION information = {};
    const bool computerKnown = readTimeZoneInformation(&information) != TIME_ZONE_ID_INVALID;
    return chosenTimetableRequest(Settings, Calculation, computerZoneRule(information), computerKnown, clock,
                                  TimetableRequest().year, TimetableRequest().month);
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
    return chosenNightTimesAt(request, Calculation, latitudeDeg, longitudeDeg, year, month, day);
}
