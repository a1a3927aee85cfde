// Picture file reading (well-formed, truncated and hostile records) and copying pictures into the
// 600 x 120 frame buffer (bottom-up rows, clipping).
#include "frames.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int side = animationPictureSide;
constexpr size_t shippedRecordBytes = 8 + 120 * 120;

void putInt32(std::vector<uint8_t>& bytes, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// Pixel byte of record k at stored row r, column c; padding bytes are 0xEE.
uint8_t patternByte(int k, int r, int c) {
    return static_cast<uint8_t>((k * 7 + r * 3 + c) % 200 + 1);
}

// One record declaring width x height, followed by `pixelBytes` bytes of pattern (a negative
// count writes the full stride x height block).
void appendRecord(std::vector<uint8_t>& file, int k, int32_t width, int32_t height, int64_t pixelBytes = -1) {
    putInt32(file, width);
    putInt32(file, height);
    const int64_t stride = frameStrideBytes(width);
    if (pixelBytes < 0)
        pixelBytes = stride * height;
    for (int64_t n = 0; n < pixelBytes; ++n) {
        const int r = static_cast<int>(n / stride), c = static_cast<int>(n % stride);
        file.push_back(c < width ? patternByte(k, r, c) : 0xEE);
    }
}

std::vector<uint8_t> wellFormedFile() {
    std::vector<uint8_t> file;
    for (int k = 0; k < animationFrameCount; ++k)
        appendRecord(file, k, side, side);
    return file;
}

// A scratch file in the working directory, removed again by the destructor.
struct ScratchFile {
    std::string path;
    explicit ScratchFile(const std::vector<uint8_t>& bytes) {
        path = std::string("scratch_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
               ".dat";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f) {
            if (!bytes.empty())
                std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
    ~ScratchFile() { std::remove(path.c_str()); }
};

struct ReadResult {
    FrameFileResult result;
    std::vector<int> reports;  // record numbers reported as having a bad size
};

void collectReport(int recordIndex, void* context) {
    static_cast<std::vector<int>*>(context)->push_back(recordIndex);
}

AnimationFrame frames[animationFrameCount];

ReadResult readBytes(const std::vector<uint8_t>& bytes) {
    ScratchFile scratch(bytes);
    ReadResult out{};
    std::FILE* f = std::fopen(scratch.path.c_str(), "rb");
    EXPECT_NE(f, nullptr);
    if (!f)
        return out;
    out.result = readAnimationFrames(f, frames, collectReport, &out.reports);
    std::fclose(f);
    return out;
}

void expectPattern(const AnimationFrame& frame, int k, const std::string& where) {
    ASSERT_EQ(frame.pixels.size(), static_cast<size_t>(frame.stride) * frame.height) << where;
    for (int r = 0; r < frame.height; ++r)
        for (int c = 0; c < frame.width; ++c)
            ASSERT_EQ(frame.pixels[r * frame.stride + c], patternByte(k, r, c))
                << where << " r" << r << " c" << c;
}

void expectEmpty(int firstRecord, int lastRecord) {
    for (int k = firstRecord; k <= lastRecord; ++k)
        EXPECT_TRUE(frames[k].pixels.empty()) << "record " << k;
}

TEST(FrameFile, StrideRoundsWidthUpToFourBytes) {
    EXPECT_EQ(frameStrideBytes(120), 120);
    EXPECT_EQ(frameStrideBytes(121), 124);
    EXPECT_EQ(frameStrideBytes(100), 100);
    EXPECT_EQ(frameStrideBytes(1), 4);
    EXPECT_EQ(frameStrideBytes(0), 0);
    EXPECT_EQ(frameStrideBytes(2147483647), 2147483648LL);
}

TEST(FrameFile, ShippedLayoutLoadsEveryRecordWithoutReports) {
    const std::vector<uint8_t> bytes = wellFormedFile();
    ASSERT_EQ(bytes.size(), 633952u);
    const ReadResult r = readBytes(bytes);
    EXPECT_EQ(r.result, FrameFileResult::allRecordsRead);
    EXPECT_TRUE(r.reports.empty());
    for (int k = 0; k < animationFrameCount; ++k) {
        EXPECT_EQ(frames[k].width, 120);
        EXPECT_EQ(frames[k].height, 120);
        EXPECT_EQ(frames[k].stride, 120);
        expectPattern(frames[k], k, "record " + std::to_string(k));
    }
}

TEST(FrameFile, OtherSizesAreReportedOnceAndReadAllTheSame) {
    std::vector<uint8_t> bytes;
    for (int k = 0; k < animationFrameCount; ++k) {
        if (k == 5)
            appendRecord(bytes, k, 100, 100);
        else if (k == 9)
            appendRecord(bytes, k, 121, 120);
        else if (k == 20)
            appendRecord(bytes, k, 0, 120);  // an empty picture, 8 bytes in the file
        else
            appendRecord(bytes, k, side, side);
    }
    const ReadResult r = readBytes(bytes);
    EXPECT_EQ(r.result, FrameFileResult::allRecordsRead);
    EXPECT_EQ(r.reports, (std::vector<int>{5, 9, 20}));
    EXPECT_EQ(frames[5].stride, 100);
    expectPattern(frames[5], 5, "100 x 100");
    EXPECT_EQ(frames[9].stride, 124);
    EXPECT_EQ(frames[9].pixels.size(), 124u * 120u);
    expectPattern(frames[9], 9, "width 121");
    EXPECT_TRUE(frames[20].pixels.empty());
    // The records after the odd ones were found at the right offsets.
    for (int k : {6, 10, 21, 43})
        expectPattern(frames[k], k, "record " + std::to_string(k));
}

TEST(FrameFile, TruncatedHeaderCountsAsEmptyAndIsReportedForEveryMissingRecord) {
    std::vector<uint8_t> bytes;
    for (int k = 0; k < 10; ++k)
        appendRecord(bytes, k, side, side);
    putInt32(bytes, side);  // half a header
    const ReadResult r = readBytes(bytes);
    EXPECT_EQ(r.result, FrameFileResult::allRecordsRead);
    std::vector<int> expected;
    for (int k = 10; k < animationFrameCount; ++k)
        expected.push_back(k);
    EXPECT_EQ(r.reports, expected);
    expectPattern(frames[9], 9, "last whole record");
    for (int k = 10; k < animationFrameCount; ++k) {
        EXPECT_EQ(frames[k].width, 0);
        EXPECT_EQ(frames[k].height, 0);
    }
    expectEmpty(10, 43);
}

TEST(FrameFile, TruncatedPixelsKeepBlackForTheMissingPart) {
    std::vector<uint8_t> bytes;
    appendRecord(bytes, 0, side, side);
    appendRecord(bytes, 1, side, side, 5000);
    const ReadResult r = readBytes(bytes);
    EXPECT_EQ(r.result, FrameFileResult::allRecordsRead);
    EXPECT_EQ(r.reports.size(), 42u);  // records 2-43 have no header
    ASSERT_EQ(frames[1].pixels.size(), 14400u);
    for (size_t n = 0; n < 14400; ++n) {
        const uint8_t expected =
            n < 5000 ? patternByte(1, static_cast<int>(n / 120), static_cast<int>(n % 120)) : 0;
        ASSERT_EQ(frames[1].pixels[n], expected) << "byte " << n;
    }
}

TEST(FrameFile, EmptyFileGivesEmptyPicturesAndAReportForEach) {
    const ReadResult r = readBytes({});
    EXPECT_EQ(r.reports.size(), 44u);
    expectEmpty(0, 43);
}

TEST(FrameFile, SizesThatCannotBeHadStopReadingAtThatRecord) {
    struct Hostile {
        int32_t width, height;
    };
    const Hostile cases[] = {
        // clang-format off
        {-120, 120}, {120, -1}, {-120, -120},  // negative sides, also when their product is positive
        {100000, 100000}, {2147483647, 2147483647}, {2147483647, 1}, {1, 2147483647},
        {-2147483647 - 1, 120}, {2048, 2049},  // just above the 4 MiB block limit
        // clang-format on
    };
    for (const Hostile& h : cases) {
        std::vector<uint8_t> bytes;
        for (int k = 0; k < animationFrameCount; ++k)
            appendRecord(bytes, k, k == 3 ? h.width : side, k == 3 ? h.height : side, k == 3 ? 64 : -1);
        const ReadResult r = readBytes(bytes);
        const std::string where = std::to_string(h.width) + " x " + std::to_string(h.height);
        EXPECT_EQ(r.result, FrameFileResult::stoppedAtBadRecord) << where;
        EXPECT_EQ(r.reports, std::vector<int>{3}) << where;
        expectPattern(frames[2], 2, where);
        expectEmpty(3, 43);
        EXPECT_EQ(frames[4].width, 0) << where;  // never read
    }
}

TEST(FrameFile, LargestAllowedBlockIsReadAndPaddedWithBlack) {
    std::vector<uint8_t> bytes;
    appendRecord(bytes, 0, 2048, 2048, 300);
    const ReadResult r = readBytes(bytes);
    EXPECT_EQ(r.result, FrameFileResult::allRecordsRead);
    ASSERT_EQ(frames[0].pixels.size(), static_cast<size_t>(maximumFrameBlockBytes));
    EXPECT_EQ(frames[0].pixels[299], patternByte(0, 0, 299));
    EXPECT_EQ(frames[0].pixels[300], 0);
    EXPECT_EQ(r.reports.front(), 0);
}

TEST(FrameFile, LoadIsAttemptedOncePerRunEvenWhenTheFileIsMissing) {
    framesLoadAttempted = false;
    std::vector<int> reports;
    loadAnimationFramesFromPath("no_such_directory/panim.dat", collectReport, &reports);
    EXPECT_TRUE(framesLoadAttempted);
    EXPECT_TRUE(reports.empty());  // a missing file is not reported
    for (const AnimationFrame& frame : animationFrames)
        EXPECT_TRUE(frame.pixels.empty());

    std::vector<uint8_t> bad;
    appendRecord(bad, 0, 100, 100);
    ScratchFile scratch(bad);
    loadAnimationFramesFromPath(scratch.path.c_str(), collectReport, &reports);
    EXPECT_TRUE(reports.empty());  // not read again, nothing repeated
    EXPECT_TRUE(animationFrames[0].pixels.empty());

    framesLoadAttempted = false;
    ScratchFile good(wellFormedFile());
    loadAnimationFramesFromPath(good.path.c_str(), collectReport, &reports);
    EXPECT_TRUE(reports.empty());
    expectPattern(animationFrames[43], 43, "global table");
    framesLoadAttempted = false;
}

// Frame buffer with guard bytes on both sides, to see any write outside it.
struct GuardedBuffer {
    static constexpr size_t guardBytes = 4096;
    static constexpr uint8_t guard = 0xA5;
    std::vector<uint8_t> bytes = std::vector<uint8_t>(guardBytes + frameBufferImageBytes + guardBytes, guard);
    GuardedBuffer() { std::fill(pixels(), pixels() + frameBufferImageBytes, 0); }
    uint8_t* pixels() { return bytes.data() + guardBytes; }
    // Byte at screen row (from the top) and column.
    uint8_t at(int screenRow, int column) {
        return pixels()[(frameBufferHeight - 1 - screenRow) * frameBufferRowBytes + column];
    }
    bool guardsIntact() const {
        for (size_t n = 0; n < guardBytes; ++n)
            if (bytes[n] != guard || bytes[bytes.size() - 1 - n] != guard)
                return false;
        return true;
    }
};

AnimationFrame patternFrame(int k, int32_t width, int32_t height) {
    AnimationFrame frame{width, height, static_cast<int32_t>(frameStrideBytes(width)), {}};
    frame.pixels.assign(static_cast<size_t>(frame.stride) * height, 0xEE);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            frame.pixels[r * frame.stride + c] = patternByte(k, r, c);
    return frame;
}

// Expects `frame` at (x, y) and black everywhere else.
void expectPlaced(GuardedBuffer& buffer, const AnimationFrame& frame, int k, int32_t x, int32_t y) {
    ASSERT_TRUE(buffer.guardsIntact());
    for (int row = 0; row < frameBufferHeight; ++row) {
        for (int col = 0; col < frameBufferWidth; ++col) {
            const int64_t i = int64_t{row} - y, j = int64_t{col} - x;
            const bool inside = i >= 0 && i < frame.height && j >= 0 && j < frame.width;
            const uint8_t expected =
                inside ? patternByte(k, frame.height - 1 - static_cast<int>(i), static_cast<int>(j)) : 0;
            ASSERT_EQ(buffer.at(row, col), expected) << "row " << row << " column " << col;
        }
    }
}

TEST(FrameCopy, TopStoredRowLandsInTheTopRowOfTheScreen) {
    GuardedBuffer buffer;
    const AnimationFrame frame = patternFrame(7, side, side);
    copyFrameToBuffer(frame, buffer.pixels(), 10, 0);
    expectPlaced(buffer, frame, 7, 10, 0);
    // The last stored row is screen row 0 (memory row 119); the first stored row is screen row 119.
    EXPECT_EQ(buffer.pixels()[119 * 600 + 10], patternByte(7, 119, 0));
    EXPECT_EQ(buffer.pixels()[0 * 600 + 10], patternByte(7, 0, 0));
}

TEST(FrameCopy, PictureAtColumn520LosesItsRightmost40Columns) {
    GuardedBuffer buffer;
    const AnimationFrame frame = patternFrame(3, side, side);
    copyFrameToBuffer(frame, buffer.pixels(), 520, 0);
    expectPlaced(buffer, frame, 3, 520, 0);
    EXPECT_EQ(buffer.at(0, 599), patternByte(3, 119, 79));
}

TEST(FrameCopy, ClipsAtEveryEdgeAndNeverWritesOutside) {
    const AnimationFrame frame = patternFrame(11, side, side);
    const int places[][2] = {{0, 0},    {480, 0},        {599, 119},      {600, 0},
                             {0, 120},  {-60, 0},        {0, -60},        {-119, -119},
                             {-120, 0}, {2147483647, 0}, {0, 2147483647}, {-2147483647, -2147483647},
                             {300, 50}};
    for (const auto& p : places) {
        GuardedBuffer buffer;
        copyFrameToBuffer(frame, buffer.pixels(), p[0], p[1]);
        SCOPED_TRACE("at " + std::to_string(p[0]) + ", " + std::to_string(p[1]));
        expectPlaced(buffer, frame, 11, p[0], p[1]);
    }
}

TEST(FrameCopy, OddSizesDrawWithTheirOwnSizeAndSkipPadding) {
    GuardedBuffer buffer;
    const AnimationFrame small = patternFrame(5, 100, 100);
    copyFrameToBuffer(small, buffer.pixels(), 10, 0);
    expectPlaced(buffer, small, 5, 10, 0);  // the top-left part of its 120 x 120 place

    GuardedBuffer wide;
    const AnimationFrame odd = patternFrame(9, 121, 120);
    ASSERT_EQ(odd.stride, 124);
    copyFrameToBuffer(odd, wide.pixels(), 410, 0);
    expectPlaced(wide, odd, 9, 410, 0);  // padding bytes (0xEE) never appear
}

TEST(FrameCopy, EmptyOrInconsistentPicturesDrawNothing) {
    std::vector<AnimationFrame> nothing{
        AnimationFrame{120, 120, 120, {}},                              // no pixels
        AnimationFrame{120, 0, 120, std::vector<uint8_t>(14400, 9)},    // height 0
        AnimationFrame{120, -5, 120, std::vector<uint8_t>(14400, 9)},   // negative height
        AnimationFrame{0, 120, 0, std::vector<uint8_t>(14400, 9)},      // width 0
        AnimationFrame{120, 120, 120, std::vector<uint8_t>(14399, 9)},  // block too small
        AnimationFrame{124, 120, 120, std::vector<uint8_t>(14400, 9)},  // stride below width
    };
    for (size_t n = 0; n < nothing.size(); ++n) {
        GuardedBuffer buffer;
        copyFrameToBuffer(nothing[n], buffer.pixels(), 10, 0);
        ASSERT_TRUE(buffer.guardsIntact()) << "case " << n;
        for (int i = 0; i < frameBufferImageBytes; ++i)
            ASSERT_EQ(buffer.pixels()[i], 0) << "case " << n;
    }
}

TEST(FrameCopy, BlitFrameUsesTheLoadedTableAndTheCurrentBuffer) {
    animationFrames[12] = patternFrame(12, side, side);
    frameBufferPixels = nullptr;
    blitFrame(10, 0, 12);  // no buffer: nothing, no crash

    GuardedBuffer buffer;
    frameBufferPixels = buffer.pixels();
    for (int index : {-1, 44, 1000})
        blitFrame(10, 0, index);
    for (int i = 0; i < frameBufferImageBytes; ++i)
        ASSERT_EQ(buffer.pixels()[i], 0);

    blitFrame(260, 0, 12);
    expectPlaced(buffer, animationFrames[12], 12, 260, 0);
    frameBufferPixels = nullptr;
    animationFrames[12] = AnimationFrame{0, 0, 0, {}};
}

}  // namespace
