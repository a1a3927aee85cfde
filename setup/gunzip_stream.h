// The portable part of the installer's decompression: one gzip member streamed from a zlib reader
// into a standard file stream through a fixed buffer. gunzip.h wraps it with the file names and
// the message boxes.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <vector>

enum GunzipStatus {
    gunzipOk = 0,
    gunzipReadFailed,   // zlib reports a damaged or cut stream (its text in gzipErrorText)
    gunzipWriteFailed,  // the destination took fewer bytes than were given
    gunzipTooLarge,     // the stream holds more than the most bytes allowed; the rest is not read
    gunzipNoMemory,     // memory for the decompressed bytes could not be had
};

struct GunzipResult {
    GunzipStatus status;
    const char* gzipErrorText;  // zlib's own words when status is gunzipReadFailed, else ""
};

// Copies the decompressed bytes of `source` into `destination` until the end of the stream, or
// stops with gunzipTooLarge once more than mostBytes have come out. Opens and closes nothing.
GunzipResult gunzipStream(gzFile source, std::FILE* destination, uint64_t mostBytes);

// Decompresses the whole member into `plain` (whatever it held is replaced), or stops with
// gunzipTooLarge once more than mostBytes have come out. sizeHintBytes, the size the caller
// expects (the gzip trailer's), only sets the room reserved first, so that a right hint
// decompresses straight into one block; a wrong one costs a reallocation, never a wrong result.
GunzipResult gunzipToMemory(gzFile source, std::vector<uint8_t>& plain, uint64_t mostBytes,
                            size_t sizeHintBytes);
