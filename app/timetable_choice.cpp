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

// The timetable the page's settings ask for, with this computer's zone as the platform reports it.
static void buildFromSettings(ChosenTimetable& chosen, int year, int month, int firstDay) {
    TIME_ZONE_INFORMATION information = {};
    const bool computerKnown = readTimeZoneInformation(&information) != TIME_ZONE_ID_INVALID;
    const ComputerZoneRule computer = computerZoneRule(information);
    buildChosenTimetable(Settings, Calculation, computerKnown ? &computer : nullptr, year, month, firstDay,
                         chosen);
}

bool writeChosenTimetable(const char* path, int year, int month, int firstDay) {
    ChosenTimetable chosen;
    buildFromSettings(chosen, year, month, firstDay);
    return writeTimetableRequest(path, chosen.request);
}

NightTimes chosenNightTimes(double latitudeDeg, double longitudeDeg, int year, int month, int day) {
    ChosenTimetable chosen;
    buildFromSettings(chosen, year, month, day);
    return chosenNightTimesAt(chosen, Calculation, latitudeDeg, longitudeDeg, year, month, day);
}
