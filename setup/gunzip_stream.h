// The portable part of the installer's decompression: one gzip member streamed from a zlib reader
// into a standard file stream through a fixed buffer. gunzip.h wraps it with the file names and
// the message boxes.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>

enum GunzipStatus {
    gunzipOk = 0,
    gunzipReadFailed,   // zlib reports a damaged or cut stream (its text in gzipErrorText)
    gunzipWriteFailed,  // the destination took fewer bytes than were given
    gunzipTooLarge,     // the stream holds more than the most bytes allowed; the rest is not read
};

struct GunzipResult {
    GunzipStatus status;
    const char* gzipErrorText;  // zlib's own words when status is gunzipReadFailed, else ""
};

// Copies the decompressed bytes of `source` into `destination` until the end of the stream, or
// stops with gunzipTooLarge once more than mostBytes have come out. Opens and closes nothing.
GunzipResult gunzipStream(gzFile source, std::FILE* destination, uint64_t mostBytes);
