// The 44 prayer pictures: key poses of the figure, the in-between pictures
// interpolated from them, and the close-up detail pictures.
#pragma once

#include <cstdint>

constexpr int kPictureCount = 44;

// Draws picture `index` (0-43) as 120 x 120 palette indices, top row first.
void drawPrayerPicture(int index, uint8_t* pixelsTopDown);
