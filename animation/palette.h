// The animation palette: decoding the palette resource (256 records of 6 bytes: red, green and
// blue as 16-bit little-endian values of which the low byte is used) into the bitmap colour table
// and the logical palette, and the header of the 8-bit frame buffer bitmap. Portable byte layouts
// only; the window-system side creates the palette and the bitmap from them.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int paletteEntryCount = 256;
constexpr size_t paletteRecordBytes = 6;
constexpr size_t paletteResourceBytes = paletteEntryCount * paletteRecordBytes;  // 1,536

// Frame buffer information block: the 40-byte bitmap header followed by the colour table of 256
// entries of (blue, green, red, 0).
constexpr size_t bitmapHeaderBytes = 40;
constexpr size_t colourTableBytes = paletteEntryCount * 4;                     // 1,024
constexpr size_t frameBufferInfoBytes = bitmapHeaderBytes + colourTableBytes;  // 1,064

// Logical palette block: version and entry count (16-bit each), then 256 entries of
// (red, green, blue, flags). The block is allocated with room for one spare entry, as the
// platform's record already counts one entry in its own size.
constexpr uint16_t logicalPaletteVersion = 0x300;
constexpr size_t logicalPaletteBytes = 8 + colourTableBytes;  // 1,032

struct PaletteColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Decodes the palette records. A resource shorter than 1,536 bytes gives false and leaves
// `colours` untouched; bytes beyond 1,536 are ignored.
bool decodePaletteRecords(const uint8_t* data, size_t sizeBytes, PaletteColour (&colours)[paletteEntryCount]);

// Writes colour-table entry i as (blue, green, red) at byte 4 x i of `colourTable`
// (colourTableBytes long), leaving each entry's fourth byte as it is.
void writeColourTable(const PaletteColour (&colours)[paletteEntryCount], uint8_t* colourTable);

// Fills a zero-filled block of logicalPaletteBytes: version 0x300, 256 entries, entry i =
// (red, green, blue, entryFlags).
void writeLogicalPalette(const PaletteColour (&colours)[paletteEntryCount], uint8_t entryFlags,
                         uint8_t* block);

// Writes the 40-byte little-endian header of the frame buffer bitmap: 600 x +120 (bottom-up),
// one plane, 8 bits per pixel, uncompressed, image size 72,000, 256 colours used.
void writeFrameBufferHeader(uint8_t* header);
