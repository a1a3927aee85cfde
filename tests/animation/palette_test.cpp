// Palette resource decoding, the colour table, the logical palette block and the frame buffer
// bitmap header, byte for byte.
#include "palette.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Rgb {
    int red, green, blue;
};

// The twenty reserved system colours: palette entries 0-9 and 246-255.
const Rgb systemColours[20] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

Rgb colourOfEntry(int i) {
    if (i < 10)
        return systemColours[i];
    if (i >= 246)
        return systemColours[i - 236];
    return {i, (i * 5) % 256, 255 - i};  // figure colours of a test palette
}

// A palette resource in the shipped layout; `highBytes` fills the unused high byte of each value.
std::vector<uint8_t> paletteResource(uint8_t highBytes) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < paletteEntryCount; ++i) {
        const Rgb c = colourOfEntry(i);
        for (int value : {c.red, c.green, c.blue}) {
            bytes.push_back(static_cast<uint8_t>(value));
            bytes.push_back(highBytes);
        }
    }
    return bytes;
}

TEST(Palette, RecordsDecodeToTheLowBytes) {
    for (uint8_t high : {uint8_t{0}, uint8_t{0xFF}}) {
        const std::vector<uint8_t> resource = paletteResource(high);
        ASSERT_EQ(resource.size(), 1536u);
        PaletteColour colours[paletteEntryCount];
        ASSERT_TRUE(decodePaletteRecords(resource.data(), resource.size(), colours));
        for (int i = 0; i < paletteEntryCount; ++i) {
            const Rgb c = colourOfEntry(i);
            EXPECT_EQ(colours[i].red, c.red) << "entry " << i;
            EXPECT_EQ(colours[i].green, c.green) << "entry " << i;
            EXPECT_EQ(colours[i].blue, c.blue) << "entry " << i;
        }
    }
}

TEST(Palette, ShortOrMissingResourceIsRefusedAndLongOneIsCut) {
    std::vector<uint8_t> resource = paletteResource(0);
    PaletteColour colours[paletteEntryCount] = {};
    EXPECT_FALSE(decodePaletteRecords(resource.data(), 1535, colours));
    EXPECT_FALSE(decodePaletteRecords(nullptr, 1536, colours));
    EXPECT_FALSE(decodePaletteRecords(resource.data(), 0, colours));
    for (const PaletteColour& c : colours)
        EXPECT_TRUE(c.red == 0 && c.green == 0 && c.blue == 0);

    resource.resize(4000, 0x77);
    ASSERT_TRUE(decodePaletteRecords(resource.data(), resource.size(), colours));
    EXPECT_EQ(colours[255].red, 255);
    EXPECT_EQ(colours[255].blue, 255);
}

TEST(Palette, ColourTableIsBlueGreenRedAndKeepsTheFourthByte) {
    const std::vector<uint8_t> resource = paletteResource(0);
    PaletteColour colours[paletteEntryCount];
    ASSERT_TRUE(decodePaletteRecords(resource.data(), resource.size(), colours));
    std::vector<uint8_t> info(frameBufferInfoBytes, 0);
    info[bitmapHeaderBytes + 3] = 0x5A;  // a fourth byte that must stay as it is
    writeColourTable(colours, info.data() + bitmapHeaderBytes);
    const uint8_t* table = info.data() + bitmapHeaderBytes;
    // Entry 9 = (166, 202, 240) -> bytes 240, 202, 166; entry 246 = (255, 251, 240).
    EXPECT_EQ(table[9 * 4 + 0], 240);
    EXPECT_EQ(table[9 * 4 + 1], 202);
    EXPECT_EQ(table[9 * 4 + 2], 166);
    EXPECT_EQ(table[246 * 4 + 0], 240);
    EXPECT_EQ(table[246 * 4 + 1], 251);
    EXPECT_EQ(table[246 * 4 + 2], 255);
    EXPECT_EQ(table[3], 0x5A);
    for (int i = 0; i < paletteEntryCount; ++i) {
        const Rgb c = colourOfEntry(i);
        ASSERT_EQ(table[i * 4 + 0], c.blue) << "entry " << i;
        ASSERT_EQ(table[i * 4 + 1], c.green) << "entry " << i;
        ASSERT_EQ(table[i * 4 + 2], c.red) << "entry " << i;
        if (i > 0) {
            ASSERT_EQ(table[i * 4 + 3], 0) << "entry " << i;
        }
    }
    for (size_t n = 0; n < bitmapHeaderBytes; ++n)
        EXPECT_EQ(info[n], 0) << "header byte " << n;
}

TEST(Palette, LogicalPaletteBlockHoldsVersionCountAndFlaggedEntries) {
    const std::vector<uint8_t> resource = paletteResource(0);
    PaletteColour colours[paletteEntryCount];
    ASSERT_TRUE(decodePaletteRecords(resource.data(), resource.size(), colours));
    std::vector<uint8_t> block(logicalPaletteBytes, 0);
    ASSERT_EQ(block.size(), 1032u);
    const uint8_t noCollapse = 0x04;
    writeLogicalPalette(colours, noCollapse, block.data());
    EXPECT_EQ(block[0], 0x00);
    EXPECT_EQ(block[1], 0x03);
    EXPECT_EQ(block[2], 0x00);
    EXPECT_EQ(block[3], 0x01);
    for (int i = 0; i < paletteEntryCount; ++i) {
        const Rgb c = colourOfEntry(i);
        const uint8_t* entry = block.data() + 4 + 4 * i;
        ASSERT_EQ(entry[0], c.red) << "entry " << i;
        ASSERT_EQ(entry[1], c.green) << "entry " << i;
        ASSERT_EQ(entry[2], c.blue) << "entry " << i;
        ASSERT_EQ(entry[3], noCollapse) << "entry " << i;
    }
    for (size_t n = 1028; n < block.size(); ++n)
        EXPECT_EQ(block[n], 0) << "spare byte " << n;
}

TEST(Palette, FrameBufferHeaderIsByteExact) {
    const uint8_t expected[40] = {
        40,   0,    0,    0,              // header size
        0x58, 0x02, 0,    0,              // width 600
        120,  0,    0,    0,              // height +120: rows bottom-up
        1,    0,                          // planes
        8,    0,                          // bits per pixel
        0,    0,    0,    0,              // uncompressed
        0x40, 0x19, 0x01, 0,              // image size 72,000
        0,    0,    0,    0, 0, 0, 0, 0,  // resolutions
        0,    1,    0,    0,              // colours used 256
        0,    0,    0,    0,              // colours important
    };
    std::vector<uint8_t> header(48, 0xCC);
    writeFrameBufferHeader(header.data());
    for (int n = 0; n < 40; ++n)
        EXPECT_EQ(header[n], expected[n]) << "byte " << n;
    for (int n = 40; n < 48; ++n)
        EXPECT_EQ(header[n], 0xCC) << "byte " << n;
    EXPECT_EQ(frameBufferInfoBytes, 1064u);
}

}  // namespace
