#include "timetable_choice.h"

#include "calculation_settings.h"
#include "chosen_timetable.h"
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
    const ComputerZoneRule computer = computerZoneRule(information);
    ChosenTimetable chosen;
    buildChosenTimetable(Settings, Calculation, computerKnown ? &computer : nullptr, year, month, firstDay,
                         chosen);
    return writeTimetableRequest(path, chosen.request);
}
