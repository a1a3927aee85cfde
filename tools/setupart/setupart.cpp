// Draws the installer's artwork into a folder: the page banner (556 x 384, 256 colours, a calm
// night gradient with a crescent, stars and the product name) and the icons of the installer,
// the uninstaller and the folder browsers (32 x 32 and 16 x 16, 32-bit with a mask).
//
//   setupart OUTPUT_FOLDER
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// ---------------------------------------------------------------- shapes (coverage 0..1)

double circleCoverage(double x, double y, double cx, double cy, double radius) {
    const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
    return std::fmin(1.0, std::fmax(0.0, radius - d + 0.5));
}

// A crescent: a disc with an offset disc cut away.
double crescentCoverage(double x, double y, double cx, double cy, double radius) {
    const double outer = circleCoverage(x, y, cx, cy, radius);
    const double inner = circleCoverage(x, y, cx + radius * 0.38, cy - radius * 0.22, radius * 0.86);
    return std::fmax(0.0, outer - inner);
}

// 5 x 7 letters for the words drawn on the banner.
const char* glyphRows(char letter) {
    switch (letter) {
        case 'A': return "01110100011000111111100011000110001";
        case 'E': return "11111100001000011110100001000011111";
        case 'L': return "10000100001000010000100001000011111";
        case 'P': return "11110100011000111110100001000010000";
        case 'R': return "11110100011000111110101001001010001";
        case 'S': return "01111100001000001110000010000111110";
        case 'T': return "11111001000010000100001000010000100";
        case 'U': return "10001100011000110001100011000101110";
        case 'V': return "10001100011000110001100010101000100";
        default: return nullptr;
    }
}

// Coverage of a word set in the block letters with rounded cells, `cellPx` per dot.
double textCoverage(const char* word, double x, double y, double left, double top, double cellPx) {
    const double advance = 6 * cellPx;
    const int index = static_cast<int>(std::floor((x - left) / advance));
    if (index < 0 || index >= static_cast<int>(std::strlen(word)) || y < top) {
        return 0;
    }
    const char* rows = glyphRows(word[index]);
    if (rows == nullptr) {
        return 0;
    }
    const double gx = (x - left - index * advance) / cellPx;
    const double gy = (y - top) / cellPx;
    const int col = static_cast<int>(gx), row = static_cast<int>(gy);
    if (col < 0 || col >= 5 || row < 0 || row >= 7 || rows[row * 5 + col] != '1') {
        return 0;
    }
    return 1;
}

// ---------------------------------------------------------------- the banner

const int bannerWidth = 556, bannerHeight = 384;
const Rgb pageBlue = {0, 0, 136};  // the pages' control background
const Rgb skyTop = {8, 14, 52};
const Rgb gold = {240, 200, 96};
const Rgb paleLavender = {226, 214, 255};

Rgb bannerPixel(double x, double y) {
    // Sky: dark at the top, the pages' blue from the middle down (where the controls stand).
    const double t = std::fmin(1.0, y / 230.0);
    Rgb c = mix(skyTop, pageBlue, t * t * (3 - 2 * t));
    // A soft glow behind the crescent.
    const double glow = std::exp(-((x - 440) * (x - 440) + (y - 92) * (y - 92)) / (2 * 70.0 * 70.0));
    c = mix(c, Rgb{60, 70, 170}, 0.45 * glow);
    // Stars: a fixed scatter in the upper part.
    unsigned seed = 12345;
    for (int s = 0; s < 60; ++s) {
        seed = seed * 1103515245u + 12345u;
        const double sx = (seed >> 8) % bannerWidth;
        seed = seed * 1103515245u + 12345u;
        const double sy = (seed >> 8) % 200;
        seed = seed * 1103515245u + 12345u;
        const double radius = 0.6 + ((seed >> 8) % 100) / 120.0;
        const double k = circleCoverage(x, y, sx, sy, radius);
        if (k > 0)
            c = mix(c, Rgb{255, 255, 235}, k * 0.9);
    }
    // The crescent.
    const double moon = crescentCoverage(x, y, 440, 92, 54);
    if (moon > 0) {
        const double shade = 0.75 + 0.25 * std::fmax(0.0, 1 - (y - 40) / 110.0);
        c = mix(c, Rgb{gold.r * shade, gold.g * shade, gold.b * shade}, moon);
    }
    // The product name with a shadow, and a line under it.
    const double shadow = textCoverage("SELVARA", x - 4, y - 4, 36, 70, 8);
    if (shadow > 0)
        c = mix(c, Rgb{4, 4, 30}, 0.8 * shadow);
    const double name = textCoverage("SELVARA", x, y, 36, 70, 8);
    if (name > 0)
        c = mix(paleLavender, Rgb{255, 255, 255}, (y - 70) / 56.0);
    const double word = textCoverage("SETUP", x, y, 40, 150, 3);
    if (word > 0)
        c = gold;
    if (y >= 178 && y < 180 && x >= 36 && x < 370)
        c = mix(c, gold, 0.8);
    return c;
}

// 216 colour cube + 40 extra shades (the sky and gold); the pages' blue is exact.
std::vector<Rgb> bannerPalette() {
    std::vector<Rgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({r * 51.0, g * 51.0, b * 51.0});
    for (int i = 0; i < 24; ++i) {
        const Rgb c = mix(skyTop, pageBlue, i / 23.0);
        palette.push_back({std::round(c.r), std::round(c.g), std::round(c.b)});
    }
    for (int i = 0; i < 16; ++i) {
        const Rgb c = mix(Rgb{90, 70, 30}, gold, i / 15.0);
        palette.push_back({std::round(c.r), std::round(c.g), std::round(c.b)});
    }
    return palette;
}

int nearest(const std::vector<Rgb>& palette, Rgb c) {
    int best = 0;
    double bestDistance = 1e30;
    for (size_t i = 0; i < palette.size(); ++i) {
        const double d = (palette[i].r - c.r) * (palette[i].r - c.r) * 0.3 +
                         (palette[i].g - c.g) * (palette[i].g - c.g) * 0.59 +
                         (palette[i].b - c.b) * (palette[i].b - c.b) * 0.11;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

void put16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& out, unsigned v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

constexpr int bannerSupersamples = 3;  // per axis, for each pixel of the banner
constexpr int bannerSkyRows = 230;     // rows from the top drawn as sky; below, the pages' flat blue

// The banner in full colour: each pixel the mean of a grid of samples of the sky, then the flat
// blue of the pages' controls below the sky.
std::vector<Rgb> renderBanner() {
    std::vector<Rgb> image(bannerWidth * bannerHeight);
    const int samples = bannerSupersamples;
    for (int y = 0; y < bannerHeight; ++y)
        for (int x = 0; x < bannerWidth; ++x) {
            Rgb sum = {0, 0, 0};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const Rgb c = bannerPixel(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            const double n = samples * samples;
            image[y * bannerWidth + x] = {sum.r / n, sum.g / n, sum.b / n};
        }
    for (int y = bannerSkyRows; y < bannerHeight; ++y)
        for (int x = 0; x < bannerWidth; ++x)
            image[y * bannerWidth + x] = pageBlue;
    return image;
}

// Palette indices of the image by Floyd-Steinberg error diffusion (the image is used up).
std::vector<uint8_t> ditherToPalette(std::vector<Rgb>& image, const std::vector<Rgb>& palette) {
    std::vector<uint8_t> indices(bannerWidth * bannerHeight);
    for (int y = 0; y < bannerHeight; ++y)
        for (int x = 0; x < bannerWidth; ++x) {
            Rgb& c = image[y * bannerWidth + x];
            const int index = nearest(palette, c);
            indices[y * bannerWidth + x] = static_cast<uint8_t>(index);
            const Rgb e = {c.r - palette[index].r, c.g - palette[index].g, c.b - palette[index].b};
            auto spread = [&](int dx, int dy, double w) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || nx >= bannerWidth || ny >= bannerHeight)
                    return;
                Rgb& n = image[ny * bannerWidth + nx];
                n = {n.r + e.r * w, n.g + e.g * w, n.b + e.b * w};
            };
            spread(1, 0, 7 / 16.0);
            spread(-1, 1, 3 / 16.0);
            spread(0, 1, 5 / 16.0);
            spread(1, 1, 1 / 16.0);
        }
    return indices;
}

constexpr unsigned bmpFileHeaderBytes = 14;
constexpr unsigned bmpInfoHeaderBytes = 40;
constexpr unsigned bmpPaletteEntries = 256;
constexpr unsigned bmpPixelsPerMetre = 2835;  // 72 dots per inch

// An 8-bit .bmp file of the indices and the palette: headers, colour table, bottom-up rows padded
// to four bytes.
std::vector<uint8_t> bannerBmpBytes(const std::vector<uint8_t>& indices, const std::vector<Rgb>& palette) {
    const int stride = (bannerWidth + 3) & ~3;
    std::vector<uint8_t> out;
    const unsigned offset = bmpFileHeaderBytes + bmpInfoHeaderBytes + bmpPaletteEntries * 4;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + stride * bannerHeight);
    put32(out, 0);
    put32(out, offset);
    put32(out, bmpInfoHeaderBytes);
    put32(out, bannerWidth);
    put32(out, bannerHeight);
    put16(out, 1);  // planes
    put16(out, 8);  // bits per pixel
    put32(out, 0);  // no compression
    put32(out, stride * bannerHeight);
    put32(out, bmpPixelsPerMetre);
    put32(out, bmpPixelsPerMetre);
    put32(out, bmpPaletteEntries);
    put32(out, 0);
    for (const Rgb& c : palette) {
        out.push_back(static_cast<uint8_t>(c.b));
        out.push_back(static_cast<uint8_t>(c.g));
        out.push_back(static_cast<uint8_t>(c.r));
        out.push_back(0);
    }
    for (int y = bannerHeight - 1; y >= 0; --y) {
        for (int x = 0; x < stride; ++x)
            out.push_back(x < bannerWidth ? indices[y * bannerWidth + x] : 0);
    }
    return out;
}

bool writeBanner(const std::string& path) {
    std::vector<Rgb> image = renderBanner();
    const std::vector<Rgb> palette = bannerPalette();
    const std::vector<uint8_t> indices = ditherToPalette(image, palette);
    return writeFile(path, bannerBmpBytes(indices, palette));
}

// ---------------------------------------------------------------- icons

struct Rgba {
    double r, g, b, a;
};

Rgba over(Rgba below, Rgb colour, double coverage) {
    const double a = coverage + below.a * (1 - coverage);
    if (a <= 0)
        return {0, 0, 0, 0};
    auto channel = [&](double top, double bottom) {
        return (top * coverage + bottom * below.a * (1 - coverage)) / a;
    };
    return {channel(colour.r, below.r), channel(colour.g, below.g), channel(colour.b, below.b), a};
}

double boxCoverage(double x, double y, double x0, double y0, double x1, double y1) {
    const double cx = std::fmin(1.0, std::fmax(0.0, std::fmin(x - x0 + 0.5, x1 - x + 0.5)));
    const double cy = std::fmin(1.0, std::fmax(0.0, std::fmin(y - y0 + 0.5, y1 - y + 0.5)));
    return cx * cy;
}

// Inside a triangle (for arrows), 0 or 1.
double triangleCoverage(double x, double y, double ax, double ay, double bx, double by, double cx,
                        double cy) {
    auto side = [](double px, double py, double qx, double qy, double rx, double ry) {
        return (qx - px) * (ry - py) - (qy - py) * (rx - px);
    };
    const double d1 = side(ax, ay, bx, by, x, y), d2 = side(bx, by, cx, cy, x, y),
                 d3 = side(cx, cy, ax, ay, x, y);
    const bool negative = d1 < 0 || d2 < 0 || d3<0, positive = d1> 0 || d2 > 0 || d3 > 0;
    return negative && positive ? 0 : 1;
}

enum IconKind {
    iconSetup,
    iconUninstall,
    iconFolder,
    iconUp,
    iconNewDirectory
};

// Drawn on a 32-unit canvas; u, v in 0..32.
Rgba iconPixel(IconKind kind, double u, double v) {
    Rgba c = {0, 0, 0, 0};
    if (kind == iconSetup || kind == iconUninstall) {
        // A rounded night-blue tile with the crescent, and an arrow in or out.
        const double tile =
            boxCoverage(u, v, 2, 2, 30, 30) *
            (1 - std::fmax(0.0, std::fmin(1.0, (std::hypot(std::fmax(0.0, std::fabs(u - 16) - 10),
                                                           std::fmax(0.0, std::fabs(v - 16) - 10)) -
                                                4))));
        c = over(c, mix(Rgb{20, 30, 90}, Rgb{0, 0, 160}, v / 32), tile);
        c = over(c, gold, crescentCoverage(u, v, 13, 13, 8.5));
        const Rgb arrow = kind == iconSetup ? Rgb{90, 220, 110} : Rgb{235, 80, 70};
        if (kind == iconSetup) {
            c = over(c, arrow, boxCoverage(u, v, 21, 14, 25, 22));
            c = over(c, arrow, triangleCoverage(u, v, 17, 22, 29, 22, 23, 29));
        } else {
            c = over(c, arrow, boxCoverage(u, v, 21, 21, 25, 29));
            c = over(c, arrow, triangleCoverage(u, v, 17, 21, 29, 21, 23, 14));
        }
        return c;
    }
    // A folder: tab and body, with an emblem.
    const Rgb folderBack = {206, 156, 40}, folderFront = {250, 208, 90};
    c = over(c, folderBack, boxCoverage(u, v, 3, 7, 13, 10));
    c = over(c, folderBack, boxCoverage(u, v, 3, 9, 29, 26));
    c = over(c, mix(folderFront, Rgb{255, 232, 150}, 1 - v / 32), boxCoverage(u, v, 3, 12, 29, 27));
    if (kind == iconUp) {
        const Rgb green = {30, 140, 60};
        c = over(c, green, boxCoverage(u, v, 14, 18, 18, 25));
        c = over(c, green, triangleCoverage(u, v, 9, 19, 23, 19, 16, 12));
    } else if (kind == iconNewDirectory) {
        const Rgb spark = {255, 255, 255};
        c = over(c, Rgb{0, 0, 160}, circleCoverage(u, v, 23, 9, 6.5));
        c = over(c, spark, boxCoverage(u, v, 22, 5, 24, 13));
        c = over(c, spark, boxCoverage(u, v, 19, 8, 27, 10));
    }
    return c;
}

void appendIconImage(std::vector<uint8_t>& out, IconKind kind, int side) {
    const int samples = 4;
    put32(out, 40);
    put32(out, side);
    put32(out, side * 2);
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, side * side * 4 + ((side + 31) / 32) * 4 * side);
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    std::vector<uint8_t> mask(((side + 31) / 32) * 4 * side, 0);
    const int maskStride = ((side + 31) / 32) * 4;
    for (int row = side - 1; row >= 0; --row) {
        for (int x = 0; x < side; ++x) {
            Rgba sum = {0, 0, 0, 0};
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples) * 32.0 / side;
                    const double v = (row + (sy + 0.5) / samples) * 32.0 / side;
                    const Rgba p = iconPixel(kind, u, v);
                    sum = {sum.r + p.r * p.a, sum.g + p.g * p.a, sum.b + p.b * p.a, sum.a + p.a};
                }
            const double a = sum.a / (samples * samples);
            const double r = sum.a > 0 ? sum.r / sum.a : 0, g = sum.a > 0 ? sum.g / sum.a : 0,
                         b = sum.a > 0 ? sum.b / sum.a : 0;
            out.push_back(static_cast<uint8_t>(std::lround(b)));
            out.push_back(static_cast<uint8_t>(std::lround(g)));
            out.push_back(static_cast<uint8_t>(std::lround(r)));
            out.push_back(static_cast<uint8_t>(std::lround(a * 255)));
            if (a < 0.5)
                mask[(side - 1 - row) * maskStride + x / 8] |= 0x80 >> (x % 8);
        }
    }
    out.insert(out.end(), mask.begin(), mask.end());
}

bool writeIcon(const std::string& path, IconKind kind) {
    const int sides[2] = {32, 16};
    std::vector<uint8_t> images[2];
    for (int i = 0; i < 2; ++i)
        appendIconImage(images[i], kind, sides[i]);
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 2);
    unsigned offset = 6 + 16 * 2;
    for (int i = 0; i < 2; ++i) {
        out.push_back(static_cast<uint8_t>(sides[i]));
        out.push_back(static_cast<uint8_t>(sides[i]));
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<unsigned>(images[i].size()));
        put32(out, offset);
        offset += static_cast<unsigned>(images[i].size());
    }
    for (int i = 0; i < 2; ++i)
        out.insert(out.end(), images[i].begin(), images[i].end());
    return writeFile(path, out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: setupart OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    struct Icon {
        const char* file;
        IconKind kind;
    };
    const Icon icons[] = {{"setup.ico", iconSetup},
                          {"uninstall.ico", iconUninstall},
                          {"folder.ico", iconFolder},
                          {"folder_up.ico", iconUp},
                          {"folder_new.ico", iconNewDirectory}};
    bool ok = writeBanner(folder + "/banner.bmp");
    for (const Icon& icon : icons)
        ok = writeIcon(folder + "/" + icon.file, icon.kind) && ok;
    if (!ok) {
        std::fprintf(stderr, "setupart: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
