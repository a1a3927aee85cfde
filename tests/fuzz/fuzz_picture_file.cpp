// The picture file panim.dat: any bytes read as the 44 picture records, and every picture that
// loads copied into the frame buffer at the page's own places and at places off every edge.
#include "frames.h"

#include <cstdio>
#include <vector>

namespace {

struct Place {
    int32_t x;
    int32_t y;
};

const Place copyPlaces[] = {
    {0, 0}, {240, 0}, {480, 0}, {-119, -119}, {599, 119}, {-2147483647 - 1, 5}, {5, 2147483647},
};

AnimationFrame frames[animationFrameCount];
std::vector<uint8_t> buffer(frameBufferImageBytes);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (file == nullptr) {
        if (size == 0)
            return 0;  // fmemopen refuses an empty block
        return -1;
    }
    readAnimationFrames(file, frames, nullptr, nullptr);
    std::fclose(file);
    for (const AnimationFrame& frame : frames) {
        for (const Place& place : copyPlaces)
            copyFrameToBuffer(frame, buffer.data(), place.x, place.y);
    }
    return 0;
}
