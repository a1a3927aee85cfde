// What the calculation page hands to the engine: the place and zone of Settings, the choices of
// Calculation, and the clock each day follows (fixed zone, a named zone's rules, or this
// computer's daylight rule; see zone_choice.h).
#pragma once

#include "night_times.h"

// The zone field's text as minutes east of Greenwich, when it is a zone the engine accepts
// (whole hours, 5.5, 5:30, -3:30, +5:45). False for anything else.
bool zoneFieldMinutes(const char* text, int& zoneMinutes);

// Writes the month's timetable to `path` as the page's settings ask. False when the file cannot be
// written.
bool writeChosenTimetable(const char* path, int year, int month, int firstDay);

// The night after the day's sunset at a place (the fields as they stand), with the zone of each of
// the two days as the timetable would take it and the Imsak and night choices of Calculation.
NightTimes chosenNightTimes(double latitudeDeg, double longitudeDeg, int year, int month, int day);
