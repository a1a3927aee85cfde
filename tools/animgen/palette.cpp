#include "palette.h"

namespace {

// The platform's reserved colours: ten at the start of the palette, ten at its end.
const Rgb kSystemLow[10] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
};
const Rgb kSystemHigh[10] = {
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255},
};

// Each shading ramp runs from a shadow colour through a mid tone to a highlight.
struct RampAnchors {
    Rgb dark;
    Rgb mid;
    Rgb light;
};

const RampAnchors kMaterialRamps[MAT_COUNT] = {
    // clang-format off
    {{38, 20, 12}, {168, 112, 74}, {242, 204, 168}},    // skin
    {{26, 30, 44}, {158, 164, 182}, {252, 250, 242}},   // robe and cap
    {{8, 6, 6}, {52, 38, 30}, {118, 94, 76}},           // hair and beard
    {{8, 26, 30}, {38, 104, 106}, {150, 212, 200}},     // woman's garment
    {{30, 28, 44}, {136, 130, 168}, {236, 232, 248}},   // head scarf
    {{26, 6, 10}, {128, 22, 34}, {214, 86, 82}},        // prayer mat
    {{36, 26, 6}, {170, 128, 36}, {250, 220, 120}},     // mat border
    {{10, 10, 14}, {46, 46, 56}, {92, 92, 104}},        // floor shadow
    // clang-format on
};

// Spare figure entries after the material ramps: two plain gradients.
const RampAnchors kSpareRamps[2] = {
    {{12, 12, 12}, {128, 128, 128}, {244, 244, 244}},
    {{10, 18, 40}, {60, 100, 160}, {190, 214, 244}},
};

uint8_t mix(uint8_t from, uint8_t to, double t) {
    return static_cast<uint8_t>(from + (to - from) * t + 0.5);
}

Rgb rampColour(const RampAnchors& ramp, double t) {
    const Rgb& from = t < 0.5 ? ramp.dark : ramp.mid;
    const Rgb& to = t < 0.5 ? ramp.mid : ramp.light;
    const double local = t < 0.5 ? t * 2.0 : (t - 0.5) * 2.0;
    return {mix(from.red, to.red, local), mix(from.green, to.green, local), mix(from.blue, to.blue, local)};
}

}  // namespace

uint8_t rampIndex(int material, int level) {
    if (level < 0)
        level = 0;
    if (level > kRampLevels - 1)
        level = kRampLevels - 1;
    return static_cast<uint8_t>(kFirstFigureColour + material * kRampLevels + level);
}

void buildPalette(Rgb (&colours)[kPaletteEntries]) {
    for (int i = 0; i < 10; ++i) {
        colours[i] = kSystemLow[i];
        colours[246 + i] = kSystemHigh[i];
    }
    for (int m = 0; m < MAT_COUNT; ++m) {
        for (int level = 0; level < kRampLevels; ++level) {
            colours[rampIndex(m, level)] = rampColour(kMaterialRamps[m], level / double(kRampLevels - 1));
        }
    }
    const int firstSpare = kFirstFigureColour + MAT_COUNT * kRampLevels;
    const int spareCount = kLastFigureColour + 1 - firstSpare;
    const int half = spareCount / 2;
    for (int i = 0; i < spareCount; ++i) {
        const int ramp = i < half ? 0 : 1;
        const int count = ramp == 0 ? half : spareCount - half;
        const int position = ramp == 0 ? i : i - half;
        colours[firstSpare + i] =
            rampColour(kSpareRamps[ramp], count > 1 ? position / double(count - 1) : 0.0);
    }
}

void encodePaletteResource(const Rgb (&colours)[kPaletteEntries], uint8_t (&bytes)[kPaletteFileBytes]) {
    for (int i = 0; i < kPaletteEntries; ++i) {
        uint8_t* record = bytes + i * kPaletteRecordBytes;
        record[0] = colours[i].red;
        record[1] = 0;
        record[2] = colours[i].green;
        record[3] = 0;
        record[4] = colours[i].blue;
        record[5] = 0;
    }
}
