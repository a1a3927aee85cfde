#include "contact_sheet.h"

#include <vector>

#include "png_writer.h"

namespace {

constexpr int kColumns = 11;
constexpr int kSide = 120;
constexpr int kGap = 4;
constexpr int kLabelHeight = 16;
constexpr int kCellWidth = kSide + kGap;
constexpr int kCellHeight = kSide + kLabelHeight + kGap;
constexpr uint8_t kFrameIndex = 248;  // system grey
constexpr uint8_t kTextIndex = 255;   // system white
constexpr int kGlyphScale = 2;

// 3 x 5 digits, one row per entry, bit 2 = left column.
const uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};

void drawNumber(std::vector<uint8_t>& sheet, int width, int x, int y, int number) {
    const int digits[2] = {number / 10, number % 10};
    for (int d = 0; d < 2; ++d) {
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 3; ++column) {
                if (!(kDigits[digits[d]][row] & (4 >> column)))
                    continue;
                for (int sy = 0; sy < kGlyphScale; ++sy) {
                    for (int sx = 0; sx < kGlyphScale; ++sx) {
                        const int px = x + (d * 4 + column) * kGlyphScale + sx;
                        const int py = y + row * kGlyphScale + sy;
                        sheet[size_t(py) * width + px] = kTextIndex;
                    }
                }
            }
        }
    }
}

}  // namespace

bool writeContactSheet(const std::string& path, const uint8_t (&pictures)[kPictureCount][120 * 120],
                       const Rgb (&colours)[kPaletteEntries], int scale, int first, int last) {
    if (scale < 1)
        scale = 1;
    if (first < 0)
        first = 0;
    if (last > kPictureCount - 1)
        last = kPictureCount - 1;
    if (last < first)
        return false;
    const int count = last - first + 1;
    const int columns = count < kColumns ? count : kColumns;
    const int rows = (count + kColumns - 1) / kColumns;
    const int width = columns * kCellWidth + kGap;
    const int height = rows * kCellHeight + kGap;
    std::vector<uint8_t> sheet(size_t(width) * height, 0);
    for (int k = first; k <= last; ++k) {
        const int left = kGap + ((k - first) % kColumns) * kCellWidth;
        const int top = kGap + ((k - first) / kColumns) * kCellHeight;
        for (int i = -1; i <= kSide; ++i) {  // thin frame around each picture
            sheet[size_t(top - 1) * width + left + i] = kFrameIndex;
            sheet[size_t(top + kSide) * width + left + i] = kFrameIndex;
            sheet[size_t(top + i) * width + left - 1] = kFrameIndex;
            sheet[size_t(top + i) * width + left + kSide] = kFrameIndex;
        }
        for (int row = 0; row < kSide; ++row) {
            for (int column = 0; column < kSide; ++column) {
                sheet[size_t(top + row) * width + left + column] = pictures[k][row * kSide + column];
            }
        }
        drawNumber(sheet, width, left + kSide / 2 - 7, top + kSide + 3, k);
    }
    if (scale == 1)
        return writeIndexedPng(path, width, height, sheet, colours);
    std::vector<uint8_t> scaled(size_t(width) * scale * height * scale);
    for (int y = 0; y < height * scale; ++y) {
        for (int x = 0; x < width * scale; ++x) {
            scaled[size_t(y) * width * scale + x] = sheet[size_t(y / scale) * width + x / scale];
        }
    }
    return writeIndexedPng(path, width * scale, height * scale, scaled, colours);
}
