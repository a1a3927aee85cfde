// The uninstaller's backdrop: an 8-bit section whose palette runs from black to pure blue; the
// bottom row is the brightest and every H div 255 + 1 rows upwards one level darker.
#include "backdrop.h"

constexpr int paletteVersion = 0x300;
constexpr int colourTableEntries = 256;
constexpr int brightestLevel = 255;
constexpr COLORREF titleShadowColour = RGB(0, 0, 128);
constexpr int titleShadowXPx = 10, titleShadowYPx = 10;
constexpr int titleXPx = 13, titleYPx = 11;

void buildGradientBackdrop(HWND window) {
    const int widthPx = backdrop.screenWidthPx;
    const int heightPx = backdrop.screenHeightPx;
    const int strideBytes = ((8 * widthPx + 31) & ~31) / 8;
    backdrop.header = static_cast<BITMAPINFO*>(LocalAlloc(LPTR, backdropHeaderBlockBytes));
    if (backdrop.header == nullptr) {
        return;
    }
    BITMAPINFOHEADER& h = backdrop.header->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = widthPx;
    h.biHeight = heightPx;
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(heightPx * strideBytes);
    h.biClrUsed = colourTableEntries;
    for (int i = 0; i < colourTableEntries; ++i) {
        backdrop.header->bmiColors[i].rgbBlue = static_cast<BYTE>(i);
        backdrop.header->bmiColors[i].rgbReserved = PC_NOCOLLAPSE;
    }

    LOGPALETTE* block = static_cast<LOGPALETTE*>(LocalAlloc(LPTR, backdropPaletteBlockBytes));
    if (block != nullptr) {
        block->palVersion = paletteVersion;
        block->palNumEntries = colourTableEntries;
        for (int i = 0; i < colourTableEntries; ++i) {
            block->palPalEntry[i].peBlue = static_cast<BYTE>(i);
            block->palPalEntry[i].peFlags = PC_NOCOLLAPSE;
        }
        backdrop.palette = CreatePalette(block);
        LocalFree(block);
    }

    HDC windowDc = GetDC(window);
    void* bits = nullptr;
    backdrop.bitmap = CreateDIBSection(windowDc, backdrop.header, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(window, windowDc);
    if (backdrop.bitmap == nullptr) {
        return;
    }
    backdrop.pixels = static_cast<BYTE*>(bits);
    if (backdrop.palette == nullptr) {
        return;
    }
    int level = brightestLevel;
    int rowsAtLevel = 0;
    const int extraRowsPerLevel = heightPx / brightestLevel;
    for (int y = 0; y < heightPx; ++y) {
        BYTE* row = backdrop.pixels + static_cast<size_t>(y) * strideBytes;
        for (int x = 0; x < widthPx; ++x) {
            row[x] = static_cast<BYTE>(level);
        }
        if (rowsAtLevel < extraRowsPerLevel) {
            rowsAtLevel += 1;
        } else {
            if (level > 0) {
                level -= 1;
            }
            rowsAtLevel = 0;
        }
    }
    GdiFlush();
}

void drawGradientTitle(const char* title) {
    HDC memoryDc = CreateCompatibleDC(nullptr);
    HPALETTE oldPalette = nullptr;
    if (backdrop.palette != nullptr) {
        oldPalette = SelectPalette(memoryDc, backdrop.palette, FALSE);
    }
    HGDIOBJ oldBitmap = SelectObject(memoryDc, backdrop.bitmap);
    HGDIOBJ oldFont = SelectObject(memoryDc, backdrop.titleFont);
    SetBkMode(memoryDc, TRANSPARENT);
    const int titleChars = lstrlenA(title);
    SetTextColor(memoryDc, titleShadowColour);
    TextOutA(memoryDc, titleShadowXPx, titleShadowYPx, title, titleChars);
    SetTextColor(memoryDc, PALETTERGB(0, 0, 255));
    TextOutA(memoryDc, titleXPx, titleYPx, title, titleChars);
    SelectObject(memoryDc, oldFont);
    SelectObject(memoryDc, oldBitmap);
    if (backdrop.palette != nullptr) {
        SelectPalette(memoryDc, oldPalette, FALSE);
    }
    DeleteDC(memoryDc);
}
