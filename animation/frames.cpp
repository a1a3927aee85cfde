// Reading panim.dat and copying its pictures into the frame buffer.
#include "frames.h"

#include <algorithm>
#include <cstring>

AnimationFrame animationFrames[animationFrameCount];
bool framesLoadAttempted = false;
uint8_t* frameBufferPixels = nullptr;

namespace {

int32_t readInt32LittleEndian(const uint8_t* bytes) {
    const uint32_t value =
        uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
    return static_cast<int32_t>(value);
}

// Pixel block of a record in bytes, or -1 when it cannot be had (negative sides, or larger than
// maximumFrameBlockBytes). Computed in 64 bits so that no product overflows.
int64_t frameBlockBytes(int32_t widthPixels, int32_t heightPixels) {
    if (widthPixels < 0 || heightPixels < 0)
        return -1;
    const int64_t bytes = frameStrideBytes(widthPixels) * heightPixels;
    return bytes > maximumFrameBlockBytes ? -1 : bytes;
}

}  // namespace

int64_t frameStrideBytes(int64_t widthPixels) {
    return ((widthPixels * 8 + 31) & ~int64_t{31}) / 8;
}

FrameFileResult readAnimationFrames(std::FILE* file, AnimationFrame (&frames)[animationFrameCount],
                                    FrameSizeReport report, void* context) {
    for (AnimationFrame& frame : frames)
        frame = AnimationFrame{0, 0, 0, {}};

    for (int k = 0; k < animationFrameCount; ++k) {
        AnimationFrame& frame = frames[k];
        uint8_t header[frameRecordHeaderBytes];
        if (std::fread(header, 1, sizeof header, file) == sizeof header) {
            frame.width = readInt32LittleEndian(header);
            frame.height = readInt32LittleEndian(header + 4);
        }
        // else: the file ended inside the header; the record counts as 0 x 0.

        if (frame.width != animationPictureSide || frame.height != animationPictureSide) {
            if (report)
                report(k, context);
        }

        const int64_t blockBytes = frameBlockBytes(frame.width, frame.height);
        if (blockBytes < 0)
            return FrameFileResult::stoppedAtBadRecord;  // this record and the rest stay empty
        frame.stride = static_cast<int32_t>(frameStrideBytes(frame.width));
        if (blockBytes == 0)
            continue;
        frame.pixels.assign(static_cast<size_t>(blockBytes), 0);
        // A short read leaves the rest of the block black; later records then find the file at
        // its end and count as 0 x 0.
        std::fread(frame.pixels.data(), 1, frame.pixels.size(), file);
    }
    return FrameFileResult::allRecordsRead;
}

void loadAnimationFramesFromPath(const char* path, FrameSizeReport report, void* context) {
    if (framesLoadAttempted)
        return;
    framesLoadAttempted = true;
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return;
    readAnimationFrames(file, animationFrames, report, context);
    std::fclose(file);
}

void copyFrameToBuffer(const AnimationFrame& frame, uint8_t* buffer, int32_t x, int32_t y) {
    if (!buffer || frame.height <= 0 || frame.width <= 0 || frame.pixels.empty())
        return;
    // Refuse a record whose block does not hold its rows (the loader never makes one).
    if (frame.stride < frame.width ||
        int64_t{frame.stride} * frame.height > static_cast<int64_t>(frame.pixels.size()))
        return;

    // Columns of the picture that land inside the buffer: x + j in 0 .. width of buffer - 1.
    const int64_t firstColumn = x < 0 ? -int64_t{x} : 0;
    const int64_t endColumn = std::min<int64_t>(frame.width, int64_t{frameBufferWidth} - x);
    if (firstColumn >= endColumn)
        return;
    const size_t runBytes = static_cast<size_t>(endColumn - firstColumn);

    for (int64_t i = 0; i < frame.height; ++i) {
        const int64_t targetRow = int64_t{y} + i;  // counted from the top
        if (targetRow < 0)
            continue;
        if (targetRow >= frameBufferHeight)
            break;
        const int64_t memoryRow = frameBufferHeight - 1 - targetRow;
        const int64_t storedRow = frame.height - 1 - i;
        uint8_t* target = buffer + memoryRow * frameBufferRowBytes + (x + firstColumn);
        const uint8_t* source = frame.pixels.data() + storedRow * frame.stride + firstColumn;
        std::memcpy(target, source, runBytes);
    }
}

void blitFrame(int32_t x, int32_t y, int32_t index) {
    if (index < 0 || index >= animationFrameCount)
        return;
    copyFrameToBuffer(animationFrames[index], frameBufferPixels, x, y);
}
