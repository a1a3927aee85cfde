// The monthly timetable text: a five-line header, then one fixed-column line per day with the
// day of the month, the weekday and the six prayer times. Lines end in CR LF on every platform.
#pragma once

#include <cstdio>

// Writes one time as two-digit hours, a colon and two-digit minutes (minutes cut, not rounded),
// then five spaces. A value that is not a finite time of a plausible size is written as "--:--".
void writeClockTime(std::FILE* file, double hours);

// Writes the timetable to an open stream (opened in binary mode: the line ends are written as
// CR LF here). dayCount = 0 writes the whole month from day 1; a positive dayCount writes that
// many consecutive days from firstDay, carrying into the following months.
void writeTimetableTo(std::FILE* file, double zoneHours, double longitudeDeg, double latitudeDeg,
                      int year, int month, int firstDay, int dayCount);

// Creates or replaces the file at path with the timetable. Returns false, writing nothing
// anywhere, when the file cannot be opened; the caller reports it.
bool writeTimetable(const char* path, double zoneHours, double longitudeDeg, double latitudeDeg,
                    int year, int month, int firstDay, int dayCount);
