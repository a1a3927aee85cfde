// The installer's backdrop: a snapshot of the screen taken when the installer starts, darkened by
// a checkerboard of black pixels (or, on an 8-bit display, kept as is with a palette made from
// the screen's own colours), with the title painted on it.
#include "backdrop.h"

#include <cstring>

constexpr int paletteVersion = 0x300;
constexpr int colourTableEntries = 256;
constexpr int trueColourBits = 24;
constexpr int paletteColourBits = 8;
constexpr COLORREF titleShadowColour = RGB(32, 0, 64);
constexpr int titleShadowXPx = 10, titleShadowYPx = 10;
constexpr int titleXPx = 16, titleYPx = 16;

static int imageBytes(int bitsPerPixel, int widthPx, int heightPx) {
    return ((bitsPerPixel * widthPx + 31) & ~31) / 8 * heightPx;
}

// Every pixel with x + y even becomes black; rows are counted from the first row in memory.
static void darkenCheckerboard(BYTE* pixels, int widthPx, int heightPx, int strideBytes) {
    for (int y = 0; y < heightPx; ++y) {
        BYTE* row = pixels + static_cast<size_t>(y) * strideBytes;
        for (int x = (y & 1); x < widthPx; x += 2) {
            row[3 * x] = 0;
            row[3 * x + 1] = 0;
            row[3 * x + 2] = 0;
        }
    }
}

static HPALETTE paletteFromColourTable(BITMAPINFO* header) {
    LOGPALETTE* block = static_cast<LOGPALETTE*>(LocalAlloc(LPTR, backdropPaletteBlockBytes));
    if (block == nullptr) {
        return nullptr;
    }
    block->palVersion = paletteVersion;
    block->palNumEntries = colourTableEntries;
    for (int i = 0; i < colourTableEntries; ++i) {
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

static void drawSnapshotTitle(HWND window, const char* title) {
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HPALETTE oldPalette = nullptr;
    const bool usePalette = backdrop.palette != nullptr && backdrop.colourBits != trueColourBits;
    if (usePalette) {
        oldPalette = SelectPalette(memoryDc, backdrop.palette, FALSE);
    }
    HGDIOBJ oldBitmap = SelectObject(memoryDc, backdrop.bitmap);
    HGDIOBJ oldFont = SelectObject(memoryDc, backdrop.titleFont);
    SetBkMode(memoryDc, TRANSPARENT);
    const int titleChars = lstrlenA(title);
    SetTextColor(memoryDc, titleShadowColour);
    TextOutA(memoryDc, titleShadowXPx, titleShadowYPx, title, titleChars);
    SetTextColor(memoryDc, PALETTERGB(192, 128, 255));
    TextOutA(memoryDc, titleXPx, titleYPx, title, titleChars);
    SelectObject(memoryDc, oldFont);
    if (usePalette) {
        SelectPalette(memoryDc, oldPalette, FALSE);
    }
    SelectObject(memoryDc, oldBitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
}

void buildSnapshotBackdrop(HWND window, const char* title) {
    const int widthPx = backdrop.screenWidthPx;
    const int heightPx = backdrop.screenHeightPx;
    HDC displayDc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    if (displayDc == nullptr) {
        return;
    }
    HDC memoryDc = CreateCompatibleDC(displayDc);
    backdrop.bitmap = CreateCompatibleBitmap(displayDc, widthPx, heightPx);
    if (memoryDc == nullptr || backdrop.bitmap == nullptr) {
        if (memoryDc != nullptr)
            DeleteDC(memoryDc);
        DeleteDC(displayDc);
        return;
    }
    HGDIOBJ oldBitmap = SelectObject(memoryDc, backdrop.bitmap);
    BitBlt(memoryDc, 0, 0, widthPx, heightPx, displayDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, oldBitmap);

    backdrop.header = static_cast<BITMAPINFO*>(LocalAlloc(LPTR, backdropHeaderBlockBytes));
    if (backdrop.header != nullptr) {
        BITMAPINFOHEADER& h = backdrop.header->bmiHeader;
        const int bits = backdrop.colourBits > paletteColourBits ? trueColourBits : paletteColourBits;
        h.biSize = sizeof(BITMAPINFOHEADER);
        h.biWidth = widthPx;
        h.biHeight = heightPx;
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(bits);
        h.biCompression = BI_RGB;
        h.biSizeImage = static_cast<DWORD>(imageBytes(bits, widthPx, heightPx));
        h.biClrUsed = colourTableEntries;
        GetDIBits(memoryDc, backdrop.bitmap, 0, heightPx, nullptr, backdrop.header, DIB_RGB_COLORS);
        h.biSizeImage = static_cast<DWORD>(imageBytes(bits, widthPx, heightPx));
        backdrop.pixels = static_cast<BYTE*>(LocalAlloc(LPTR, h.biSizeImage + 3));
        if (backdrop.pixels != nullptr) {
            GetDIBits(memoryDc, backdrop.bitmap, 0, heightPx, backdrop.pixels, backdrop.header,
                      DIB_RGB_COLORS);
            if (bits == trueColourBits) {
                darkenCheckerboard(backdrop.pixels, widthPx, heightPx,
                                   heightPx > 0 ? static_cast<int>(h.biSizeImage) / heightPx : 0);
            } else {
                backdrop.palette = paletteFromColourTable(backdrop.header);
            }
            SetDIBits(memoryDc, backdrop.bitmap, 0, heightPx, backdrop.pixels, backdrop.header,
                      DIB_RGB_COLORS);
        }
    }
    DeleteDC(memoryDc);
    DeleteDC(displayDc);
    drawSnapshotTitle(window, title);
}
