// The places file of the bulk timetable mode: CSV (RFC 4180: commas, fields in double quotes may
// hold commas, line breaks and doubled quotes; LF or CR LF line ends; a UTF-8 byte-order mark is
// skipped) with a header line naming the columns, in any order:
//
//   name,latitude,longitude,zone[,method][,asr][,adjust][,elevation][,high_lat]
//
// zone: whole or decimal hours or H:MM ("1", "5.5", "-3:30") or a tz name ("Europe/London");
// method, asr, adjust, elevation, high_lat: the values of --method, --asr, --adjust, --elevation
// and --high-lat (an empty field keeps the command's own). Blank lines are skipped. A row that cannot be read is reported with its line and
// the others are still read.
#pragma once

#include "prayer_arguments.h"

#include <cstddef>
#include <string>
#include <vector>

// Limits that keep a hostile file from costing unbounded memory; a row beyond them is refused.
constexpr std::size_t placesFieldMaxBytes = 1000;
constexpr std::size_t placesFieldMaxCount = 32;
constexpr std::size_t bulkPlacesCsvMaxBytes = 64u * 1024u * 1024u;

struct PlaceRow {
    int lineNumber;  // line of the file where the row starts; the header is line 1
    std::string name;
    double latitudeDeg;   // -90 to 90, north positive
    double longitudeDeg;  // -180 to 180, east positive
    PrayerArguments prayer;
};

struct PlaceRowError {
    int lineNumber;
    std::string message;
};

struct BulkPlacesCsv {
    std::string headerError;  // not empty: the header is missing or wrong, and no row was read
    std::vector<PlaceRow> rows;
    std::vector<PlaceRowError> errors;
};

// Reads a places file held in memory. defaults gives the method, shadow rule and adjustments of a
// row whose columns are absent or empty.
BulkPlacesCsv parseBulkPlacesCsv(const char* text, std::size_t size, const PrayerOptions& defaults);

// Splits one CSV record off [cursor, end) into fields, advancing cursor past its line end and
// line past the lines it spans. Returns an empty text, or why the record is refused (cursor then
// stands at the start of the line after the record's first line).
std::string readCsvRecord(const char*& cursor, const char* end, int& line, std::vector<std::string>& fields);

// A name as a file name: letters, digits, '-', '_' and '.' kept, every other byte (blanks, path
// separators, quotes, bytes above 127) as '_', no leading '.', at most bulkPlaceFileNameMaxBytes
// bytes, device names of Windows (CON, NUL, COM1, ...) prefixed with '_'; "place" for an empty
// result.
constexpr std::size_t bulkPlaceFileNameMaxBytes = 64;
std::string safeFileName(const std::string& name);

// Gives each name a file name of its own: safeFileName, then "-2", "-3", ... for a name already
// taken (compared without ASCII case, as Windows' file systems do).
std::vector<std::string> uniqueFileNames(const std::vector<std::string>& names);
