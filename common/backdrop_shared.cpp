// What both backdrops share: the logical palette of an 8-bit picture, and the title drawn into it
// (the text once in its shadow colour, then again a few pixels off in its own colour).
#include "backdrop.h"

constexpr WORD paletteVersion = 0x300;

HPALETTE backdropPaletteFromColourTable(BITMAPINFO* header) {
    LOGPALETTE* block = static_cast<LOGPALETTE*>(LocalAlloc(LPTR, backdropPaletteBlockBytes));
    if (block == nullptr) {
        return nullptr;
    }
    block->palVersion = paletteVersion;
    block->palNumEntries = backdropColourTableEntries;
    for (int i = 0; i < backdropColourTableEntries; ++i) {
        block->palPalEntry[i].peRed = header->bmiColors[i].rgbRed;
        block->palPalEntry[i].peGreen = header->bmiColors[i].rgbGreen;
        block->palPalEntry[i].peBlue = header->bmiColors[i].rgbBlue;
        block->palPalEntry[i].peFlags = PC_NOCOLLAPSE;
        header->bmiColors[i].rgbReserved = PC_NOCOLLAPSE;
    }
    HPALETTE palette = CreatePalette(block);
    LocalFree(block);
    return palette;
}

void drawBackdropTitle(HDC referenceDc, const char* title, const BackdropTitleLook& look, bool usePalette) {
    HDC memoryDc = CreateCompatibleDC(referenceDc);
    HPALETTE oldPalette = nullptr;
    if (usePalette) {
        oldPalette = SelectPalette(memoryDc, backdrop.palette, FALSE);
    }
    HGDIOBJ oldBitmap = SelectObject(memoryDc, backdrop.bitmap);
    HGDIOBJ oldFont = SelectObject(memoryDc, backdrop.titleFont);
    SetBkMode(memoryDc, TRANSPARENT);
    const int titleChars = lstrlenA(title);
    SetTextColor(memoryDc, look.shadowColour);
    TextOutA(memoryDc, look.shadowXPx, look.shadowYPx, title, titleChars);
    SetTextColor(memoryDc, look.textColour);
    TextOutA(memoryDc, look.textXPx, look.textYPx, title, titleChars);
    SelectObject(memoryDc, oldFont);
    SelectObject(memoryDc, oldBitmap);
    if (usePalette) {
        SelectPalette(memoryDc, oldPalette, FALSE);
    }
    DeleteDC(memoryDc);
}
