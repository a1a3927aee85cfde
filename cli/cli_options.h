// The console tool's argument reading: a table of `--name value` options, each with the reader that
// checks and stores its value, and the value readers the commands share.
#pragma once

#include "calendar.h"

#include <cstddef>
#include <cstdio>

// Exit statuses of selvara-cli.
constexpr int exitOk = 0;
constexpr int exitWriteFailed = 1;
constexpr int exitUsage = 2;

// Years the calendar arithmetic handles without overflowing its day numbers.
constexpr int firstYear = 1;
constexpr int lastYear = 9999;

// Reads the text of an option's value into target; false when the text is refused (target may then
// hold anything: the caller stops).
using ValueReader = bool (*)(const char* text, void* target);

// One `--name value` option of a command.
struct CliOption {
    const char* name;  // with its dashes: "--lat"
    ValueReader read;  // checks the value and stores it into target
    void* target;      // what read stores into
    bool* seen;        // set when the option was given with a good value; may be null
};

// Reads argv as `--name value` pairs against the table. Returns exitOk, or, after writing the error
// line and the usage to stderr, exitUsage for an unknown option, a refused value or a missing value.
int readOptions(int argc, char** argv, const CliOption* options, std::size_t optionCount);

template <std::size_t optionCount>
int readOptions(int argc, char** argv, const CliOption (&options)[optionCount]) {
    return readOptions(argc, argv, options, optionCount);
}

// Flushes standard output: exitOk, or, after "selvara-cli: Can not write to standard output" on
// stderr, exitWriteFailed (a full disk, a closed pipe, /dev/full).
int finishStandardOutput();

// Writes "selvara-cli: message[: detail]" and the usage to stderr; returns exitUsage.
int usageError(const char* message, const char* detail);

// Writes the usage to a stream.
void writeUsage(std::FILE* stream);

// Value readers: the whole text must be the value; ranges are checked where the name says so.
bool readDouble(const char* text, double& value);
bool readInt(const char* text, int& value);
bool readDate(const char* text, GregorianDate& date);  // YYYY-MM-DD of a real day, years 1 to 9999

bool readLatitudeDeg(const char* text, void* target);   // double, -90 to 90
bool readLongitudeDeg(const char* text, void* target);  // double, -180 to 180
bool readYear(const char* text, void* target);          // int, firstYear to lastYear
bool readMonth(const char* text, void* target);         // int, 1 to 12
bool readAnyInt(const char* text, void* target);        // int
bool readDateOption(const char* text, void* target);    // GregorianDate
bool readText(const char* text, void* target);          // const char*, not empty

// Today's date on the local clock.
void today(int& year, int& month, int& day);

// Makes stdout write bytes as they stand (no CR added on Windows).
void setBinaryStdout();
