// The installer's record stream: the decompressed content of the setup archive.
//
// Records follow each other with no header, padding or trailer:
//   name length  1 byte, unsigned (N)
//   name         N bytes, ANSI, no terminating zero, backslash between directory names
//   size         4 bytes, unsigned, little-endian
//   data         size bytes
// The installer reads exactly archiveRecordCount records. Portable code: the packer (a build-host
// program) writes streams with it and the installer reads them with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "install_manifest.h"

constexpr int archiveRecordCount = installedFileCount;
constexpr size_t recordNameBufferBytes = 260;  // the installer's name buffer
constexpr size_t recordNameMaxBytes = 255;     // what one length byte can hold
constexpr size_t recordSizeFieldBytes = 4;
// The most data the records of one archive may add up to (the shipped ones hold under 2 MB), and
// the most a decompressed archive may hold with its names and size fields.
constexpr uint64_t archiveMostDataBytes = uint64_t{64} * 1024 * 1024;
constexpr uint64_t archiveMostStreamBytes = archiveMostDataBytes + uint64_t{1024} * 1024;

struct ArchiveRecordHeader {
    char name[recordNameBufferBytes];  // zero-terminated
    size_t nameBytes;                  // as stored, 0 to recordNameMaxBytes
    uint32_t dataBytes;
};

enum RecordStreamStatus {
    recordStreamOk = 0,
    recordStreamTruncated,      // the stream ends inside a record, or a size runs past its end
    recordStreamUnsafeName,     // empty, absolute, with a drive, a ".." element, a device name or a zero byte
    recordStreamTooFewRecords,  // ends cleanly before archiveRecordCount records
    recordStreamUnreadable,     // the stream's length cannot be determined
    recordStreamTooLarge,       // the records' data add up to more than the room allowed
};

// True when the name may be joined to the installation directory: not empty, no zero byte, no
// drive or colon, not starting with a separator, no empty element, no element made only of dots
// and spaces, no element naming a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9, in any case, with or
// without an extension). '/' counts as a separator here because the file system treats it as one.
bool isSafeRecordName(const char* name, size_t nameBytes);

// Reads the name length, the name (into a buffer cleared first) and the size at the stream's
// position. Does not check the name. Returns recordStreamOk, recordStreamTooFewRecords when the
// stream ends exactly before the record, or recordStreamTruncated.
RecordStreamStatus readRecordHeader(std::FILE* stream, ArchiveRecordHeader& header);

// As readRecordHeader, for a stream held in memory: reads the header at `offset` and, when it is
// whole, moves `offset` past it (to the record's data).
RecordStreamStatus readRecordHeaderAt(const uint8_t* bytes, size_t byteCount, size_t& offset,
                                      ArchiveRecordHeader& header);

// As scanRecordStream (with the same outcome for the same bytes), for a stream held in memory.
RecordStreamStatus scanRecordBytes(const uint8_t* bytes, size_t byteCount, uint64_t mostDataBytes);

// Checks the whole stream before anything is written: the first archiveRecordCount records exist
// completely, carry safe names and hold at most mostDataBytes (and never more than
// archiveMostDataBytes) of data together. Bytes after them are ignored. On return the stream
// stands at its start again. Without a limit, archiveMostDataBytes applies.
RecordStreamStatus scanRecordStream(std::FILE* stream, uint64_t mostDataBytes);
RecordStreamStatus scanRecordStream(std::FILE* stream);

// Appends one record to a stream held in memory (the packer). False when the name is unsafe or
// longer than recordNameMaxBytes, or the data does not fit a 32-bit size.
bool appendRecord(std::vector<uint8_t>& stream, const char* name, const uint8_t* data, size_t dataBytes);
