// gunzipStream: the decompression loop of the installer through a 16 KB buffer; gunzipToMemory:
// the same into a block that grows.
#include "gunzip_stream.h"

#include <algorithm>
#include <new>

constexpr unsigned gunzipBufferBytes = 16384;
// Room added when the block is full: as much as it holds (at least this), so that zlib inflates
// straight into large pieces of it and a stream of any size costs few reallocations.
constexpr size_t gunzipLeastGrowthBytes = size_t{64} * 1024;

GunzipResult gunzipStream(gzFile source, std::FILE* destination, uint64_t mostBytes) {
    static unsigned char buffer[gunzipBufferBytes];
    uint64_t totalBytes = 0;
    for (;;) {
        const int count = gzread(source, buffer, gunzipBufferBytes);
        if (count < 0) {
            int code = 0;
            const char* text = gzerror(source, &code);
            return {gunzipReadFailed, text != nullptr ? text : ""};
        }
        if (count == 0) {
            return {gunzipOk, ""};
        }
        totalBytes += static_cast<uint64_t>(count);
        if (totalBytes > mostBytes) {
            return {gunzipTooLarge, ""};
        }
        if (std::fwrite(buffer, 1, static_cast<size_t>(count), destination) != static_cast<size_t>(count)) {
            return {gunzipWriteFailed, ""};
        }
    }
}

// Makes room after the bytes already held: what the reserved block has left, or as much again as
// it holds. False when memory runs out.
static bool makeRoom(std::vector<uint8_t>& plain, size_t usedBytes) {
    try {
        const size_t spareBytes = plain.capacity() - usedBytes;
        plain.resize(usedBytes + (spareBytes > 0 ? spareBytes : std::max(usedBytes, gunzipLeastGrowthBytes)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

GunzipResult gunzipToMemory(gzFile source, std::vector<uint8_t>& plain, uint64_t mostBytes,
                            size_t sizeHintBytes) {
    plain.clear();
    try {
        // One byte over the hint, so that the read which finds the end needs no more room.
        plain.reserve(static_cast<size_t>(std::min<uint64_t>(sizeHintBytes, mostBytes)) + 1);
    } catch (const std::bad_alloc&) {
        return {gunzipNoMemory, ""};
    }
    size_t usedBytes = 0;
    for (;;) {
        if (!makeRoom(plain, usedBytes)) {
            plain.clear();
            return {gunzipNoMemory, ""};
        }
        const size_t roomBytes = std::min<size_t>(plain.size() - usedBytes, 1u << 30);
        const int count = gzread(source, plain.data() + usedBytes, static_cast<unsigned>(roomBytes));
        if (count < 0) {
            plain.clear();
            int code = 0;
            const char* text = gzerror(source, &code);
            return {gunzipReadFailed, text != nullptr ? text : ""};
        }
        usedBytes += static_cast<size_t>(count);
        plain.resize(usedBytes);
        if (usedBytes > mostBytes) {
            plain.clear();
            return {gunzipTooLarge, ""};
        }
        if (count == 0) {
            return {gunzipOk, ""};
        }
    }
}
