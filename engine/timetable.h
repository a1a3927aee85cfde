// The monthly timetable text: a five-line header, then one fixed-column line per day with the
// day of the month, the weekday and the six prayer times. Lines end in CR LF on every platform.
#pragma once

#include <cstddef>
#include <cstdio>

// Room for the longest time field formatClockTime writes, with its terminator.
constexpr std::size_t clockTimeBufferSize = 32;

// Formats one time as two-digit hours, a colon and two-digit minutes, with no trailing spaces:
// the minutes are cut, not rounded (12.999 gives 12:59), and a negative time keeps its sign only
// in the hours (-0.25 gives 00:15, -1.5 gives -1:30). A value that is not a finite time of a
// plausible size gives "--:--". Always terminated within size bytes.
void formatClockTime(char* buffer, std::size_t size, double hours);

// Writes one time as formatClockTime forms it, then five spaces.
void writeClockTime(std::FILE* file, double hours);

// Writes the timetable to an open stream (opened in binary mode: the line ends are written as
// CR LF here). dayCount = 0 writes the whole month from day 1; a positive dayCount writes that
// many consecutive days from firstDay, carrying into the following months.
void writeTimetableTo(std::FILE* file, double zoneHours, double longitudeDeg, double latitudeDeg, int year,
                      int month, int firstDay, int dayCount);

// Creates or replaces the file at path with the timetable. Returns false when the file cannot be
// opened (nothing is written anywhere) or could not be written completely; the caller reports it.
bool writeTimetable(const char* path, double zoneHours, double longitudeDeg, double latitudeDeg, int year,
                    int month, int firstDay, int dayCount);
