// The palette resource: any bytes decoded, and the colour table and logical palette written from
// what was decoded.
#include "palette.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PaletteColour colours[paletteEntryCount] = {};
    if (!decodePaletteRecords(data, size, colours))
        return 0;
    std::vector<uint8_t> colourTable(colourTableBytes);
    writeColourTable(colours, colourTable.data());
    std::vector<uint8_t> logicalPalette(logicalPaletteBytes);
    writeLogicalPalette(colours, 0, logicalPalette.data());
    std::vector<uint8_t> header(bitmapHeaderBytes);
    writeFrameBufferHeader(header.data());
    return 0;
}
