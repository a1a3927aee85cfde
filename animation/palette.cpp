// Palette records, colour table, logical palette and bitmap header as bytes.
#include "palette.h"

#include "frames.h"

namespace {

constexpr uint32_t uncompressedRgb = 0;  // the platform's BI_RGB
constexpr uint16_t bitsPerPixel = 8;

void putUint16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void putUint32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

bool decodePaletteRecords(const uint8_t* data, size_t sizeBytes,
                          PaletteColour (&colours)[paletteEntryCount]) {
    if (!data || sizeBytes < paletteResourceBytes)
        return false;
    for (int i = 0; i < paletteEntryCount; ++i) {
        const uint8_t* record = data + i * paletteRecordBytes;
        // Low bytes of the three 16-bit values; the high bytes are not used.
        colours[i].red = record[0];
        colours[i].green = record[2];
        colours[i].blue = record[4];
    }
    return true;
}

void writeColourTable(const PaletteColour (&colours)[paletteEntryCount], uint8_t* colourTable) {
    for (int i = 0; i < paletteEntryCount; ++i) {
        uint8_t* entry = colourTable + 4 * i;
        entry[0] = colours[i].blue;
        entry[1] = colours[i].green;
        entry[2] = colours[i].red;
    }
}

void writeLogicalPalette(const PaletteColour (&colours)[paletteEntryCount], uint8_t entryFlags,
                         uint8_t* block) {
    putUint16(block, logicalPaletteVersion);
    putUint16(block + 2, paletteEntryCount);
    for (int i = 0; i < paletteEntryCount; ++i) {
        uint8_t* entry = block + 4 + 4 * i;
        entry[0] = colours[i].red;
        entry[1] = colours[i].green;
        entry[2] = colours[i].blue;
        entry[3] = entryFlags;
    }
}

void writeFrameBufferHeader(uint8_t* header) {
    putUint32(header + 0, bitmapHeaderBytes);
    putUint32(header + 4, frameBufferWidth);
    putUint32(header + 8, frameBufferHeight);  // positive: rows stored bottom-up
    putUint16(header + 12, 1);                 // planes
    putUint16(header + 14, bitsPerPixel);
    putUint32(header + 16, uncompressedRgb);
    putUint32(header + 20, frameBufferImageBytes);
    putUint32(header + 24, 0);                  // horizontal resolution
    putUint32(header + 28, 0);                  // vertical resolution
    putUint32(header + 32, paletteEntryCount);  // colours used
    putUint32(header + 36, 0);                  // colours important
}
