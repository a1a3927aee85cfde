// The installer's backdrop: a snapshot of the screen taken when the installer starts, darkened by
// a checkerboard of black pixels (or, on an 8-bit display, kept as is with a palette made from
// the screen's own colours), with the title painted on it.
#include "backdrop.h"

#include <cstring>

constexpr int trueColourBits = 24;
constexpr int paletteColourBits = 8;
constexpr BackdropTitleLook snapshotTitleLook = {RGB(32, 0, 64), 10, 10, PALETTERGB(192, 128, 255), 16, 16};

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

static void drawSnapshotTitle(HWND window, const char* title) {
    HDC windowDc = GetDC(window);
    const bool usePalette = backdrop.palette != nullptr && backdrop.colourBits != trueColourBits;
    drawBackdropTitle(windowDc, title, snapshotTitleLook, usePalette);
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
        h.biClrUsed = backdropColourTableEntries;
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
                backdrop.palette = backdropPaletteFromColourTable(backdrop.header);
            }
            SetDIBits(memoryDc, backdrop.bitmap, 0, heightPx, backdrop.pixels, backdrop.header,
                      DIB_RGB_COLORS);
        }
    }
    DeleteDC(memoryDc);
    DeleteDC(displayDc);
    drawSnapshotTitle(window, title);
}
