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

constexpr int backdropColourTableEntries = 256;
constexpr int backdropColourTableBytes = backdropColourTableEntries * sizeof(RGBQUAD);
constexpr int backdropHeaderBlockBytes = sizeof(BITMAPINFOHEADER) + backdropColourTableBytes;
constexpr int backdropPaletteBlockBytes = sizeof(LOGPALETTE) + 255 * sizeof(PALETTEENTRY);

// The logical palette of the header's 256 colour-table entries (each marked PC_NOCOLLAPSE in the
// table too); null when it cannot be made.
HPALETTE backdropPaletteFromColourTable(BITMAPINFO* header);

// Where and in which colours a backdrop's title is drawn: the shadow first, then the text.
struct BackdropTitleLook {
    COLORREF shadowColour;
    int shadowXPx, shadowYPx;
    COLORREF textColour;
    int textXPx, textYPx;
};

// Draws the title into backdrop.bitmap through a memory device context compatible with
// referenceDc (null: the screen), with backdrop.palette selected when usePalette.
void drawBackdropTitle(HDC referenceDc, const char* title, const BackdropTitleLook& look, bool usePalette);

void buildSnapshotBackdrop(HWND window, const char* title);
void buildGradientBackdrop(HWND window);
void drawGradientTitle(const char* title);
