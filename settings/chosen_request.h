// The timetable request the user's settings ask for: the place and zone of praytime.cfg, the
// method, Asr school and adjustments of selvara.ini, and the clock each day follows (zone_choice.h).
// The main window's timetable and the reminder's schedule are built from it, so both give the same
// times.
#pragma once

#include "calculation_settings.h"
#include "computer_zone_rule.h"
#include "settings.h"
#include "timetable.h"

// What the request's zone provider reads; it must outlive the request.
struct ChosenClock {
    int namedZone;              // index into the zone table, or -1
    ComputerZoneRule computer;  // this computer's rule
};

// The request for year and month (the whole month) from the records. computerKnown says whether
// the computer's rule could be read at all. The request points into clock.
TimetableRequest chosenTimetableRequest(const SettingsRecord& place, const CalculationSettings& choices,
                                        const ComputerZoneRule& computer, bool computerKnown,
                                        ChosenClock& clock, int year, int month);

// The night after a day's sunset at a place (the page's fields as they stand), with the zone of each
// of the two days as the request takes it and the Imsak and night choices. Moves the request to
// the place.
NightTimes chosenNightTimesAt(TimetableRequest& request, const CalculationSettings& choices, double latitudeDeg,
                              double longitudeDeg, int year, int month, int day);
