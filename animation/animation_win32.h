// The window-system side of the prayer pictures: loading panim.dat from the program directory with
// an error box for a bad record, the animation palette from the program's resources, and the
// 600 x 120 8-bit DIB section the pictures are copied into (blitFrame, frames.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "frames.h"
#include "palette.h"

// The frame buffer: the DIB section (its pixel memory is frameBufferPixels) and the movable global
// block of frameBufferInfoBytes holding its header and colour table (kept unlocked). Both null
// until createFrameBuffer succeeds.
extern HBITMAP frameBuffer;
extern HGLOBAL frameBufferInfo;

// The logical palette made from the program's palette resource; null when the resource is missing.
extern HPALETTE animationPalette;

// Text of the box shown for each record whose size is not 120 x 120.
extern const char frameLoadErrorText[];

// Fills animationFrames from programDirectory\panim.dat, once per run (see
// loadAnimationFramesFromPath). A missing file is silent; a record of another size shows an error
// box owned by `owner` and is loaded all the same.
void loadAnimationFrames(HWND owner);

// Reads the RCDATA resource `paletteResource` of the running program, writes the 256 colour-table
// entries (blue, green, red) at `colourTable` (colourTableBytes) and replaces animationPalette.
// False, with the table untouched and no palette, when the resource is missing or too short.
bool loadAnimationPalette(const char* paletteResource, uint8_t* colourTable);

// (Re)builds frameBufferInfo, the colour table (from `paletteResource`), animationPalette and the
// frame buffer, all black, for the device context of `window`. False when the block or the DIB
// section cannot be made; nothing is drawn then.
bool createFrameBuffer(HWND window, const char* paletteResource);
