// The generated animation file and palette: layout, colours and how the
// pictures follow one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "string_table_reader.h"

namespace {

constexpr int kPictures = 44;
constexpr int kSide = 120;
constexpr int kRecordBytes = 8 + kSide * kSide;
constexpr size_t kFileBytes = 633952;
constexpr size_t kPaletteBytes = 1536;

const std::string kDataDir = SELVARA_DATA_DIR;

int32_t littleEndian32(const std::string& bytes, size_t at) {
    return int32_t(uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
                   uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24);
}

class AnimationFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        file = new std::string(readWholeFile(kDataDir + "/panim.dat"));
        palette = new std::string(readWholeFile(kDataDir + "/palette.bin"));
    }
    static void TearDownTestSuite() {
        delete file;
        delete palette;
        file = palette = nullptr;
    }
    // Pixel of picture k at column x, row y counted from the top (rows are stored bottom-up).
    static uint8_t pixel(int k, int x, int y) {
        return uint8_t((*file)[size_t(k) * kRecordBytes + 8 + size_t(kSide - 1 - y) * kSide + x]);
    }
    // Share of picture a's figure pixels (above the mat) that lie within
    // kNearPixels of a figure pixel of picture b: 1 when b covers a with a
    // small shift, low when the figure has moved to another place.
    static double nearShare(int a, int b) {
        constexpr int kRows = 104;
        constexpr int kNearPixels = 4;
        std::vector<char> nearB(size_t(kRows) * kSide, 0);
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kSide; ++x) {
                if (pixel(b, x, y) == 0)
                    continue;
                for (int dy = -kNearPixels; dy <= kNearPixels; ++dy) {
                    for (int dx = -kNearPixels; dx <= kNearPixels; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < kSide && ny < kRows)
                            nearB[size_t(ny) * kSide + nx] = 1;
                    }
                }
            }
        }
        int inA = 0, covered = 0;
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kSide; ++x) {
                if (pixel(a, x, y) == 0)
                    continue;
                ++inA;
                covered += nearB[size_t(y) * kSide + x];
            }
        }
        return inA == 0 ? 0.0 : double(covered) / inA;
    }
    static double likeness(int a, int b) { return std::min(nearShare(a, b), nearShare(b, a)); }
    static std::string* file;
    static std::string* palette;
};
std::string* AnimationFile::file = nullptr;
std::string* AnimationFile::palette = nullptr;

TEST_F(AnimationFile, HasFortyFourRecordsOf120By120) {
    ASSERT_EQ(file->size(), kFileBytes);
    for (int k = 0; k < kPictures; ++k) {
        EXPECT_EQ(littleEndian32(*file, size_t(k) * kRecordBytes), kSide) << "width of " << k;
        EXPECT_EQ(littleEndian32(*file, size_t(k) * kRecordBytes + 4), kSide) << "height of " << k;
    }
}

TEST_F(AnimationFile, EveryPictureShowsAFigureInFigureColours) {
    ASSERT_EQ(file->size(), kFileBytes);
    for (int k = 0; k < kPictures; ++k) {
        int drawn = 0, outsideFigureColours = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const uint8_t v = pixel(k, x, y);
                if (v == 0)
                    continue;
                ++drawn;
                if (v < 10 || v > 245)
                    ++outsideFigureColours;
            }
        }
        EXPECT_GT(drawn, 1000) << "picture " << k;
        EXPECT_EQ(outsideFigureColours, 0) << "picture " << k;
        // Black background around the figure: the corners stay black.
        EXPECT_EQ(pixel(k, 0, 0), 0) << "picture " << k;
        EXPECT_EQ(pixel(k, kSide - 1, 0), 0) << "picture " << k;
    }
}

TEST_F(AnimationFile, PaletteHoldsTheSystemColoursAndVisibleFigureColours) {
    ASSERT_EQ(palette->size(), kPaletteBytes);
    struct Expected {
        int index;
        int red, green, blue;
    };
    const Expected system[] = {
        // clang-format off
        {0, 0, 0, 0},         {1, 128, 0, 0},       {2, 0, 128, 0},       {3, 128, 128, 0},
        {4, 0, 0, 128},       {5, 128, 0, 128},     {6, 0, 128, 128},     {7, 192, 192, 192},
        {8, 192, 220, 192},   {9, 166, 202, 240},   {246, 255, 251, 240}, {247, 160, 160, 164},
        {248, 128, 128, 128}, {249, 255, 0, 0},     {250, 0, 255, 0},     {251, 255, 255, 0},
        {252, 0, 0, 255},     {253, 255, 0, 255},   {254, 0, 255, 255},   {255, 255, 255, 255},
        // clang-format on
    };
    auto channel = [&](int index, int c) {
        return uint8_t((*palette)[size_t(index) * 6 + c * 2]) |
               uint8_t((*palette)[size_t(index) * 6 + c * 2 + 1]) << 8;
    };
    for (const Expected& e : system) {
        EXPECT_EQ(channel(e.index, 0), e.red) << "index " << e.index;
        EXPECT_EQ(channel(e.index, 1), e.green) << "index " << e.index;
        EXPECT_EQ(channel(e.index, 2), e.blue) << "index " << e.index;
    }
    for (int i = 0; i < 256; ++i) {
        for (int c = 0; c < 3; ++c)
            EXPECT_LE(channel(i, c), 255) << "index " << i;
    }
    for (int i = 10; i <= 245; ++i) {
        EXPECT_GT(channel(i, 0) + channel(i, 1) + channel(i, 2), 0)
            << "figure colour " << i << " would vanish into the background";
    }
}

// Pictures the step rules show one tick apart must overlap largely; the
// pairs come from every transition the prayer courses make.
TEST_F(AnimationFile, PicturesShownOneTickApartMoveSmoothly) {
    ASSERT_EQ(file->size(), kFileBytes);
    std::vector<std::pair<int, int>> pairs;
    auto chain = [&](int from, int to) {
        for (int k = from; k < to; ++k)
            pairs.push_back({k, k + 1});
    };
    chain(0, 4);    // standing down to kneeling
    chain(5, 9);    // into the bow
    chain(10, 17);  // sitting into prostration
    chain(18, 24);  // raising the hands
    chain(38, 43);  // supplication
    const std::pair<int, int> jumps[] = {
        {0, 18},  {18, 5},  {5, 0},   {0, 5},   {4, 11},  {11, 4},  {10, 36}, {36, 37},
        {37, 36}, {36, 34}, {34, 35}, {35, 36}, {36, 38}, {43, 40}, {38, 10},
    };
    pairs.insert(pairs.end(), std::begin(jumps), std::end(jumps));
    for (const auto& p : pairs) {
        EXPECT_GT(likeness(p.first, p.second), 0.75) << p.first << " -> " << p.second;
    }
    // The measure does tell different positions apart.
    EXPECT_LT(likeness(0, 17), 0.2);   // standing / prostration
    EXPECT_LT(likeness(0, 10), 0.5);   // standing / sitting
    EXPECT_LT(likeness(10, 17), 0.5);  // sitting / prostration
    EXPECT_LT(likeness(5, 9), 0.7);    // standing / bow
}

TEST_F(AnimationFile, ManAndWomanDetailPicturesDiffer) {
    ASSERT_EQ(file->size(), kFileBytes);
    const std::pair<int, int> pairs[] = {{25, 31}, {26, 32}, {27, 33}};
    for (const auto& p : pairs) {
        int differing = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x)
                differing += pixel(p.first, x, y) != pixel(p.second, x, y);
        }
        EXPECT_GT(differing, kSide * kSide / 5) << p.first << " / " << p.second;
    }
}

// Proportions stay the same: the standing figure has the same height whether
// its hands are folded or raised, and the sitting figure keeps its height
// while it turns its head or raises its hands.
TEST_F(AnimationFile, FigureKeepsItsHeightWithinAPosition) {
    ASSERT_EQ(file->size(), kFileBytes);
    auto topRow = [&](int k) {
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                if (pixel(k, x, y) != 0)
                    return y;
            }
        }
        return kSide;
    };
    for (int k : {5, 18, 19, 20, 21, 22, 23, 24})
        EXPECT_NEAR(topRow(k), topRow(0), 1) << k;
    for (int k : {34, 35, 36, 37, 38, 39, 40, 41, 42, 43})
        EXPECT_NEAR(topRow(k), topRow(10), 1) << k;
    EXPECT_GT(topRow(10), topRow(0) + 25);   // sitting is clearly lower than standing
    EXPECT_GT(topRow(17), topRow(10) + 20);  // and prostration lower again
}

}  // namespace
