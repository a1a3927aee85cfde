// The monthly timetable text: a five-line header, then one fixed-column line per day with the
// day of the month, the weekday and the six prayer times. Lines end in CR LF on every platform.
#pragma once

#include "calculation_method.h"
#include "default_place.h"
#include "night_times.h"

#include <cstddef>
#include <cstdio>

// Room for the longest time field formatClockTime writes, with its terminator.
constexpr std::size_t clockTimeBufferSize = 32;

// Formats one time as two-digit hours, a colon and two-digit minutes, with no trailing spaces:
// the minutes are cut by default (12.999 gives 12:59), or rounded to the nearest or up as the
// method prints them, and a negative time keeps its sign only in the hours (-0.25 gives 00:15,
// -1.5 gives -1:30). A value that is not a finite time of a plausible size gives "--:--". Always
// terminated within size bytes.
void formatClockTime(char* buffer, std::size_t size, double hours, MinuteRounding rounding = MinuteRounding::cut);

// How a timetable is laid out: the fixed-column text of PrayingTimes.txt, or CSV for spreadsheets
// (a header line "date,weekday,fajr,sunrise,dhuhr,asr,maghrib,isha", then one line per day with the
// ISO date, the weekday abbreviation and the six times as formatClockTime gives them, a time the
// engine cannot give as an empty field; CR LF line ends as RFC 4180 has them; no field needs
// quoting).
enum class TimetableFormat {
    fixedColumns,
    csv
};

// "text" or "csv"; false for another name (format untouched).
bool readTimetableFormat(const char* name, TimetableFormat& format);

// Room for the longest line either format writes, terminator included.
constexpr std::size_t timetableLineBufferSize = 256;

// One day's line of the fixed-column text, CR LF included, into buffer (at least
// timetableLineBufferSize bytes): the day of the month, the weekday (0 = Sunday) and the six
// times, their minutes formed by rounding. Returns the line's length. The same bytes as printing each field with stdio would give.
std::size_t formatTimetableLine(char* buffer, int day, int weekday, const double (&hours)[6],
                                MinuteRounding rounding = MinuteRounding::cut);

// One day's CSV line, CR LF included, into buffer (at least timetableLineBufferSize bytes); year
// 1-9999. Returns the line's length.
std::size_t formatTimetableCsvLine(char* buffer, int year, int month, int day, int weekday,
                                   const double (&hours)[6], MinuteRounding rounding = MinuteRounding::cut);

// The same two lines with each of the six times rounded its own way (printedMinuteRoundings).
std::size_t formatTimetableLine(char* buffer, int day, int weekday, const double (&hours)[6],
                                const MinuteRounding (&roundings)[6]);
std::size_t formatTimetableCsvLine(char* buffer, int year, int month, int day, int weekday,
                                   const double (&hours)[6], const MinuteRounding (&roundings)[6]);

// The UTC offset in minutes east of Greenwich in force on a local date (for example at local noon,
// from daylight-saving rules). context is the provider's own data, passed through unchanged.
typedef int (*ZoneOffsetProvider)(const void* context, int year, int month, int day);

// Everything one timetable needs. Each day is computed with its own zone offset as the zone.
struct TimetableRequest {
    double latitudeDeg = defaultLatitudeDeg;        // north positive
    double longitudeDeg = defaultLongitudeDeg;      // east positive
    int zoneMinutes = defaultZoneMinutes;           // east; every day's zone when zoneOffsetForDay is null
    ZoneOffsetProvider zoneOffsetForDay = nullptr;  // optional; a value outside -12:00..+14:00 is not used
    const void* zoneContext = nullptr;              // handed to zoneOffsetForDay
    PrayerOptions options;                          // method, shadow rule, adjustments
    int year = 2026;
    int month = 1;     // 1-12; another month writes an empty file
    int firstDay = 1;  // with dayCount > 0
    int dayCount = 0;  // 0: the whole month from day 1; > 0: that many days from firstDay on
    TimetableFormat format = TimetableFormat::fixedColumns;
    // CSV only: three more columns "imsak,midnight,last_third", the night's times of each day as
    // the clock shows them (the night after the day's sunset). The fixed-column text never has them.
    bool nightColumns = false;
    NightOptions night;
};

// The zone (minutes) a request uses on one day: its provider's when that gives a zone in range,
// else the fixed zone.
int timetableZoneMinutes(const TimetableRequest& request, int year, int month, int day);

// The night after a day's sunset for the request's place, options and night choices, each of the
// two days on the zone the request gives it.
NightTimes nightTimesOfRequestDay(const TimetableRequest& request, int year, int month, int day);

// The timetable of a request to an open stream (binary mode) / to a new file at path. The file
// function returns false as writeTimetable does.
void writeTimetableRequestTo(std::FILE* file, const TimetableRequest& request);
bool writeTimetableRequest(const char* path, const TimetableRequest& request);

// The dayCount that asks for the whole month from day 1 (firstDay is then not used).
constexpr int wholeMonthDayCount = 0;

// Creates or replaces the file at path with the timetable of the fixed method (a zone of a day or
// more, or not a number, counts as 0). dayCount = 0 writes the whole month from day 1; a positive
// dayCount writes that many consecutive days from firstDay, carrying into the following months. Returns false when the file cannot be
// opened (nothing is written anywhere) or could not be written completely; the caller reports it.
bool writeTimetable(const char* path, double zoneHours, double longitudeDeg, double latitudeDeg, int year,
                    int month, int firstDay, int dayCount);
