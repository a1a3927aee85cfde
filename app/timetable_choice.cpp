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

bool writeChosenTimetable(const char* path, int year, int month, int firstDay) {
    TIME_ZONE_INFORMATION information = {};
    const bool computerKnown = readTimeZoneInformation(&information) != TIME_ZONE_ID_INVALID;
    ChosenClock clock;
    TimetableRequest request = chosenTimetableRequest(Settings, Calculation, computerZoneRule(information),
                                                      computerKnown, clock, year, month);
    request.firstDay = firstDay;
    return writeTimetableRequest(path, request);
}
