// The uninstaller's backdrop: an 8-bit section whose palette runs from black to pure blue; the
// bottom row is the brightest and every H div 255 + 1 rows upwards one level darker.
#include "backdrop.h"

constexpr int brightestLevel = 255;
constexpr BackdropTitleLook gradientTitleLook = {RGB(0, 0, 128), 10, 10, PALETTERGB(0, 0, 255), 13, 11};

// The header of the 8-bit section and its colour table: entry i is blue i.
static bool makeGradientHeader(int widthPx, int heightPx, int strideBytes) {
    backdrop.header = static_cast<BITMAPINFO*>(LocalAlloc(LPTR, backdropHeaderBlockBytes));
    if (backdrop.header == nullptr) {
        return false;
    }
    BITMAPINFOHEADER& h = backdrop.header->bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = widthPx;
    h.biHeight = heightPx;
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(heightPx * strideBytes);
    h.biClrUsed = backdropColourTableEntries;
    for (int i = 0; i < backdropColourTableEntries; ++i) {
        backdrop.header->bmiColors[i].rgbBlue = static_cast<BYTE>(i);
        backdrop.header->bmiColors[i].rgbReserved = PC_NOCOLLAPSE;
    }
    return true;
}

// Bottom-up rows: the brightest level first, one level darker every heightPx / 255 + 1 rows.
static void fillGradientRows(int widthPx, int heightPx, int strideBytes) {
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
}

void buildGradientBackdrop(HWND window) {
    const int widthPx = backdrop.screenWidthPx;
    const int heightPx = backdrop.screenHeightPx;
    const int strideBytes = ((8 * widthPx + 31) & ~31) / 8;
    if (!makeGradientHeader(widthPx, heightPx, strideBytes)) {
        return;
    }
    backdrop.palette = backdropPaletteFromColourTable(backdrop.header);

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
    fillGradientRows(widthPx, heightPx, strideBytes);
    GdiFlush();
}

void drawGradientTitle(const char* title) {
    drawBackdropTitle(nullptr, title, gradientTitleLook, backdrop.palette != nullptr);
}
