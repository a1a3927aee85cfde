// Pictures, palette and frame buffer on the window system.
#include "animation_win32.h"

#include "settings.h"

HBITMAP frameBuffer;
HGLOBAL frameBufferInfo;
HPALETTE animationPalette;

const char frameLoadErrorText[] = "Error while loading praying animations";

static const char animationFileName[] = "panim.dat";

// The loader's report of a record of another size; the context is the owner window.
static void reportBadFrameRecord(int, void* owner) {
    MessageBoxA(static_cast<HWND>(owner), frameLoadErrorText, nullptr, MB_ICONERROR | MB_OK);
}

void loadAnimationFrames(HWND owner) {
    if (framesLoadAttempted) {
        return;
    }
    char path[pathBufferSize];
    if (!buildProgramFilePath(animationFileName, path, sizeof path)) {
        framesLoadAttempted = true;  // no path: the pictures stay empty for this run
        return;
    }
    loadAnimationFramesFromPath(path, reportBadFrameRecord, owner);
}

bool loadAnimationPalette(const char* paletteResource, uint8_t* colourTable) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, paletteResource, RT_RCDATA);
    if (resource == nullptr) {
        return false;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) {
        return false;
    }
    const uint8_t* records = static_cast<const uint8_t*>(LockResource(loaded));
    const DWORD sizeBytes = SizeofResource(module, resource);
    PaletteColour colours[paletteEntryCount];
    if (!decodePaletteRecords(records, sizeBytes, colours)) {
        return false;
    }

    HLOCAL block = LocalAlloc(LPTR, logicalPaletteBytes);
    if (block == nullptr) {
        return false;
    }
    writeLogicalPalette(colours, PC_NOCOLLAPSE, static_cast<uint8_t*>(block));
    writeColourTable(colours, colourTable);
    HPALETTE palette = CreatePalette(static_cast<const LOGPALETTE*>(block));
    LocalFree(block);
    if (animationPalette != nullptr) {
        DeleteObject(animationPalette);
    }
    animationPalette = palette;
    return palette != nullptr;
}

// The previous bitmap and its information block, if any. The pixel pointer is cleared before the
// bitmap goes, so that nothing can copy into freed memory.
static void releaseFrameBuffer() {
    frameBufferPixels = nullptr;
    if (frameBuffer != nullptr) {
        DeleteObject(frameBuffer);
        frameBuffer = nullptr;
    }
    if (frameBufferInfo != nullptr) {
        GlobalFree(frameBufferInfo);
        frameBufferInfo = nullptr;
    }
}

bool createFrameBuffer(HWND window, const char* paletteResource) {
    releaseFrameBuffer();

    frameBufferInfo = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, frameBufferInfoBytes);
    if (frameBufferInfo == nullptr) {
        return false;
    }
    uint8_t* info = static_cast<uint8_t*>(GlobalLock(frameBufferInfo));
    if (info == nullptr) {
        GlobalFree(frameBufferInfo);
        frameBufferInfo = nullptr;
        return false;
    }
    writeFrameBufferHeader(info);
    // Without the palette resource the colour table stays zero: every index shows black.
    loadAnimationPalette(paletteResource, info + bitmapHeaderBytes);

    HDC dc = GetDC(window);
    void* bits = nullptr;
    HBITMAP bitmap = nullptr;
    if (dc != nullptr) {
        bitmap = CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(info), DIB_RGB_COLORS, &bits,
                                  nullptr, 0);
        ReleaseDC(window, dc);
    }
    GlobalUnlock(frameBufferInfo);

    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        return false;
    }
    frameBuffer = bitmap;
    frameBufferPixels = static_cast<uint8_t*>(bits);
    return true;
}
