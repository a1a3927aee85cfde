// The window-system side of the prayer pictures: loading panim.dat from the program directory with
// an error box for a bad record, the animation palette from the program's resources, and the
// 600 x 120 8-bit DIB section the pictures are copied into (blitFrame, frames.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "frames.h"
#include "palette.h"

// The main window (owned by the program's shell): owner of the loader's message box, and the
// window whose device context the frame buffer is made for.
extern HWND mainWindow;

// The frame buffer: the DIB section (its pixel memory is frameBufferPixels), the movable global
// block of frameBufferInfoBytes holding its header and colour table (kept unlocked), and its row
// stride. All null / 0 until createFrameBuffer succeeds.
extern HBITMAP frameBuffer;
extern HGLOBAL frameBufferInfo;
extern int32_t frameBufferStrideBytes;

// The logical palette made from RCDATA_PALETTE; null when the resource is missing.
extern HPALETTE animationPalette;

// Text of the box shown for each record whose size is not 120 x 120.
extern const char frameLoadErrorText[];

// Fills animationFrames from programDirectory\panim.dat, once per run (see
// loadAnimationFramesFromPath). A missing file is silent; a record of another size shows an error
// box owned by mainWindow and is loaded all the same.
void loadAnimationFrames();

// Reads RCDATA_PALETTE, writes the 256 colour-table entries (blue, green, red) at `colourTable`
// (colourTableBytes) and replaces animationPalette. False, with the table untouched and no
// palette, when the resource is missing or too short.
bool loadAnimationPalette(uint8_t* colourTable);

// (Re)builds frameBufferInfo, the colour table, animationPalette and the frame buffer, all black.
// False when the block or the DIB section cannot be made; nothing is drawn then.
bool createFrameBuffer();
