// Internal to the background window: the backdrop picture and how it is built and painted.
#pragma once

#include <windows.h>

struct BackdropState {
    int screenWidthPx;
    int screenHeightPx;
    int colourBits;  // installer only (BITSPIXEL)
    HBITMAP bitmap;
    HPALETTE palette;    // 8-bit pictures only
    BITMAPINFO* header;  // 40-byte header and 256-entry colour table, kept for the process
    BYTE* pixels;        // pixel buffer (snapshot) or the section's bits (gradient)
    HFONT titleFont;
    bool titlePending;  // uninstaller: the title is drawn at the first paint
};

extern BackdropState backdrop;

constexpr int backdropColourTableBytes = 256 * sizeof(RGBQUAD);
constexpr int backdropHeaderBlockBytes = sizeof(BITMAPINFOHEADER) + backdropColourTableBytes;
constexpr int backdropPaletteBlockBytes = sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY);

void buildSnapshotBackdrop(HWND window, const char* title);
void buildGradientBackdrop(HWND window);
void drawGradientTitle(const char* title);
