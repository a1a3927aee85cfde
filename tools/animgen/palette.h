// The 256-colour palette of the prayer pictures: the twenty reserved system
// colours at 0-9 and 246-255, shading ramps for the figure at 10-245.
#pragma once

#include <cstdint>

enum Material {
    MAT_SKIN,
    MAT_ROBE,
    MAT_HAIR,
    MAT_GARMENT,
    MAT_SCARF,
    MAT_MAT,
    MAT_GOLD,
    MAT_SHADOW,
    MAT_COUNT
};

constexpr int kPaletteEntries = 256;
constexpr int kFirstFigureColour = 10;
constexpr int kLastFigureColour = 245;
constexpr int kRampLevels = 16;
constexpr int kPaletteRecordBytes = 6;
constexpr int kPaletteFileBytes = kPaletteEntries * kPaletteRecordBytes;  // 1,536

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// Colour of every palette index.
void buildPalette(Rgb (&colours)[kPaletteEntries]);

// Palette index of a material at brightness level 0 (darkest) .. kRampLevels - 1.
uint8_t rampIndex(int material, int level);

// 1,536 bytes: per index red, green, blue as 16-bit little-endian values.
void encodePaletteResource(const Rgb (&colours)[kPaletteEntries], uint8_t (&bytes)[kPaletteFileBytes]);
