// Reads a compiled time-zone file (the TZif format of the tz database, versions 1 to 4): the
// changes of clock with the offset after each, and the POSIX TZ string at the end that gives the
// rule for the times after the last listed change. Every count and index is checked against the
// bytes there are; nothing is read outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TzFileType {
    int32_t offsetSeconds;  // east of Greenwich
    bool daylight;
};

struct TzFile {
    std::vector<int64_t> changeSeconds;  // UTC seconds since 1970, ascending
    std::vector<uint8_t> changeTypes;    // index into types, one per change
    std::vector<TzFileType> types;       // at least one
    std::string footer;                  // POSIX TZ string; empty when the file has none
};

enum class TzFileError {
    none,
    tooShort,        // the bytes end before a header, a data block or the footer
    badMagic,        // not "TZif"
    badCounts,       // no type, more than 256 types, or counts that contradict each other
    badTypeIndex,    // a change names a type that does not exist
    unorderedTimes,  // the change times do not ascend
    badFooter,       // the footer is not framed by new lines or holds a non-printing byte
};

// Reads the file's bytes. Uses the 64-bit data of a version 2+ file, else the 32-bit data.
TzFileError readTzFile(const unsigned char* bytes, std::size_t size, TzFile& file);

const char* tzFileErrorText(TzFileError error);
