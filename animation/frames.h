// The 44 animation pictures of panim.dat and the 600 x 120 frame buffer they are copied into.
// Portable part: reading the picture records from a standard file stream and copying a picture
// into a plain 8-bit buffer. The window-system side (message box, DIB section) wraps these.
//
// panim.dat is 44 records and nothing else. A record is width and height (signed 32-bit,
// little-endian) followed by stride x height bytes of palette indices, rows stored bottom-up,
// each row padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

constexpr int animationFrameCount = 44;
constexpr int32_t animationPictureSide = 120;  // width and height of every shipped picture
constexpr int frameRecordHeaderBytes = 8;

// Frame buffer: 8-bit palette indices, rows stored bottom-up (memory row 0 is the bottom row on
// screen), frameBufferRowBytes bytes per row.
constexpr int32_t frameBufferWidth = 600;
constexpr int32_t frameBufferHeight = 120;
constexpr int32_t frameBufferImageBytes = frameBufferWidth * frameBufferHeight;     // 72,000
constexpr int32_t frameBufferRowBytes = frameBufferImageBytes / frameBufferHeight;  // 600

// Largest pixel block one record may declare: 4 MiB (a 2048 x 2048 picture). A record declaring a
// negative width or height, or a larger block, cannot be loaded, and reading stops there.
constexpr int64_t maximumFrameBlockBytes = int64_t{4} * 1024 * 1024;

struct AnimationFrame {
    int32_t width;                // pixels, as read
    int32_t height;               // pixels, as read
    int32_t stride;               // bytes per stored row: width rounded up to a multiple of 4
    std::vector<uint8_t> pixels;  // stride x height bytes, bottom row first; empty = absent
};

// The pictures of this run, index = record number; filled once and kept until the process ends.
extern AnimationFrame animationFrames[animationFrameCount];
extern bool framesLoadAttempted;

// Pixel memory of the frame buffer (frameBufferImageBytes bytes), or null while there is none.
// Set by whoever creates the buffer.
extern uint8_t* frameBufferPixels;

// Bytes per stored row for a width: ((width x 8 + 31) with the low five bits cleared) / 8.
int64_t frameStrideBytes(int64_t widthPixels);

// Called once for each record whose declared size is not 120 x 120 (a record whose header could
// not be read counts as 0 x 0), before that record's pixels are read.
using FrameSizeReport = void (*)(int recordIndex, void* context);

enum class FrameFileResult {
    allRecordsRead,      // all 44 records were taken in order (short ones padded with black)
    stoppedAtBadRecord,  // a record declared a block that cannot be had; it and the rest are empty
};

// Reads the 44 records from `file` into `frames`, which is cleared first. `report` may be null.
// A record whose pixels end early keeps zero bytes for the missing part. Never reads or writes
// outside a block.
FrameFileResult readAnimationFrames(std::FILE* file, AnimationFrame (&frames)[animationFrameCount],
                                    FrameSizeReport report, void* context);

// Fills animationFrames from the file at `path` unless framesLoadAttempted is set; sets it before
// trying, so a failed load is not repeated in the same run. A file that cannot be opened leaves
// every picture empty without a report.
void loadAnimationFramesFromPath(const char* path, FrameSizeReport report, void* context);

// Copies `frame` into `buffer` (frameBufferWidth x frameBufferHeight, bottom-up rows of
// frameBufferRowBytes) with its top-left corner at column x and row y counted from the top.
// Parts that fall outside the buffer are skipped; a picture with no pixels draws nothing.
void copyFrameToBuffer(const AnimationFrame& frame, uint8_t* buffer, int32_t x, int32_t y);

// Copies animationFrames[index] into frameBufferPixels; nothing when there is no buffer or the
// index is outside 0-43.
void blitFrame(int32_t x, int32_t y, int32_t index);
