// The timetable the calculation page writes, built from what is stored: the place and zone of the
// settings record, the calculation choices and this computer's zone rule, with the clock each day
// follows (see zone_choice.h). Portable, so it is tested natively; app/timetable_choice.cpp only
// reads the platform's zone and writes the file.
#pragma once

#include "calculation_settings.h"
#include "computer_zone_rule.h"
#include "settings.h"
#include "timetable.h"

// A request and what its zone provider reads: request.zoneContext points into this record, so the
// request is used from the record it was built in (not copied out of it).
struct ChosenTimetable {
    TimetableRequest request;
    int namedZone;              // the tz table's index of the chosen zone name, or -1
    ComputerZoneRule computer;  // this computer's rule as given (all zero when unknown)
};

// The month's timetable as the stored settings ask for it. computer is null when the platform gave
// no zone information. firstDay is kept in the request (the whole month is written).
void buildChosenTimetable(const SettingsRecord& place, const CalculationSettings& choices,
                          const ComputerZoneRule* computer, int year, int month, int firstDay,
                          ChosenTimetable& chosen);

// The night after a day's sunset at a place (the page's fields as they stand), with the zone of each
// of the two days as the chosen timetable takes it and the Imsak and night choices. Moves the
// request to the place.
NightTimes chosenNightTimesAt(ChosenTimetable& chosen, const CalculationSettings& choices, double latitudeDeg,
                              double longitudeDeg, int year, int month, int day);
