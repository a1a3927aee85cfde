// Generates the prayer animation data: panim.dat (44 pictures of 120 x 120
// palette indices), palette.bin (the 1,536-byte palette resource) and, on
// request, a PNG contact sheet of all pictures.
//
//   animgen --out-dir DIR [--sheet FILE.png] [--sheet-scale N] [--only-sheet]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "contact_sheet.h"
#include "palette.h"
#include "poses.h"

namespace {

constexpr int32_t kRecordSide = 120;

uint8_t pictures[kPictureCount][kRecordSide * kRecordSide];

void putLittleEndian32(FILE* f, int32_t value) {
    const uint32_t v = uint32_t(value);
    const uint8_t bytes[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    std::fwrite(bytes, 1, 4, f);
}

// Records in order, each: width, height, then the rows from the bottom row up.
bool writeAnimationFile(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    for (int k = 0; k < kPictureCount; ++k) {
        putLittleEndian32(f, kRecordSide);
        putLittleEndian32(f, kRecordSide);
        for (int row = kRecordSide - 1; row >= 0; --row) {
            std::fwrite(pictures[k] + row * kRecordSide, 1, kRecordSide, f);
        }
    }
    const bool ok = !std::ferror(f);
    return std::fclose(f) == 0 && ok;
}

bool writePaletteFile(const std::string& path, const Rgb (&colours)[kPaletteEntries]) {
    uint8_t bytes[kPaletteFileBytes];
    encodePaletteResource(colours, bytes);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes, 1, sizeof bytes, f) == sizeof bytes;
    return std::fclose(f) == 0 && written;
}

int usage() {
    std::fprintf(stderr, "usage: animgen --out-dir DIR [--sheet FILE.png] [--sheet-scale N]\n"
                         "               [--sheet-range FIRST LAST] [--only-sheet]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string outDir;
    std::string sheetPath;
    int sheetScale = 1;
    bool onlySheet = false;
    int firstInSheet = 0;
    int lastInSheet = kPictureCount - 1;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--out-dir") == 0 && hasValue) {
            outDir = argv[++i];
        } else if (std::strcmp(argv[i], "--sheet") == 0 && hasValue) {
            sheetPath = argv[++i];
        } else if (std::strcmp(argv[i], "--sheet-scale") == 0 && hasValue) {
            sheetScale = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--sheet-range") == 0 && i + 2 < argc) {
            firstInSheet = std::atoi(argv[++i]);
            lastInSheet = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--only-sheet") == 0) {
            onlySheet = true;
        } else {
            return usage();
        }
    }
    if ((outDir.empty() && !onlySheet) || (onlySheet && sheetPath.empty()))
        return usage();

    Rgb colours[kPaletteEntries];
    buildPalette(colours);
    for (int k = 0; k < kPictureCount; ++k)
        drawPrayerPicture(k, pictures[k]);

    if (!onlySheet) {
        if (!writeAnimationFile(outDir + "/panim.dat")) {
            std::fprintf(stderr, "animgen: cannot write %s/panim.dat\n", outDir.c_str());
            return 1;
        }
        if (!writePaletteFile(outDir + "/palette.bin", colours)) {
            std::fprintf(stderr, "animgen: cannot write %s/palette.bin\n", outDir.c_str());
            return 1;
        }
    }
    if (!sheetPath.empty() &&
        !writeContactSheet(sheetPath, pictures, colours, sheetScale, firstInSheet, lastInSheet)) {
        std::fprintf(stderr, "animgen: cannot write %s\n", sheetPath.c_str());
        return 1;
    }
    return 0;
}
