// One playback tick: advance the step rules and copy the three pictures (figure, man, woman)
// into the 600 x 120 frame buffer, as the page does on every timer tick.
#include "frames.h"
#include "step_rules.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void fillPictures() {
    for (int k = 0; k < animationFrameCount; ++k) {
        AnimationFrame& frame = animationFrames[k];
        frame.width = frame.height = animationPictureSide;
        frame.stride = static_cast<int32_t>(frameStrideBytes(frame.width));
        frame.pixels.assign(static_cast<size_t>(frame.stride) * frame.height, 0);
        for (size_t n = 0; n < frame.pixels.size(); ++n)
            frame.pixels[n] = static_cast<uint8_t>((n * 31 + k) % 236 + 10);
    }
}

void BM_PlaybackTick(benchmark::State& bench) {
    fillPictures();
    std::vector<uint8_t> buffer(frameBufferImageBytes, 0);
    frameBufferPixels = buffer.data();
    AnimationState s = initialAnimationState;
    s.selectedRow = 2;  // a four-unit prayer, restarted whenever it finishes
    rewindAnimation(s);
    for (auto _ : bench) {
        if (s.step == animationFinishedStep)
            rewindAnimation(s);
        advanceAnimationState(s);
        blitFrame(10, 0, s.figureFrame);
        blitFrame(260, 0, s.manFrame);
        blitFrame(410, 0, s.womanFrame);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    frameBufferPixels = nullptr;
}
BENCHMARK(BM_PlaybackTick);

void BM_AdvanceOnly(benchmark::State& bench) {
    AnimationState s = initialAnimationState;
    s.selectedRow = 2;
    rewindAnimation(s);
    for (auto _ : bench) {
        if (s.step == animationFinishedStep)
            rewindAnimation(s);
        advanceAnimationState(s);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_AdvanceOnly);

}  // namespace

BENCHMARK_MAIN();
