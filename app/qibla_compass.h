// The Qibla on the calculation page: the line of text and the small compass the program draws
// itself (north up, a needle towards the Kaaba).
#pragma once

#include "qibla.h"

#include <windows.h>

#include <cstddef>

// "Qibla 136.8° (SE), 2,157 km" (code page 1252 degree sign), or what stands at the Kaaba and at
// its antipode. Always terminated within size bytes.
void formatQiblaLine(const Qibla& qibla, char* text, size_t size);

// The needle's tip for a compass of the given radius around (centreX, centreY): north up, the
// bearing clockwise. Rounded to whole pixels.
POINT compassNeedleTip(int centreX, int centreY, int radius, double bearingDeg);

// The compass into rect of hdc: a ring, the letter N at the top, and a needle from the centre
// towards the Kaaba (a dot at the centre only where there is no one direction).
void drawQiblaCompass(HDC hdc, const RECT& rect, const Qibla& qibla);

// The needle's colour, for tests that look for it.
constexpr COLORREF compassNeedleColour = RGB(0, 128, 0);
