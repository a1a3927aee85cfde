// Draws the main program's icons and writes them as .ico files (16 x 16 and 32 x 32, 32-bit
// colour with alpha and an AND mask), and the author page's logo as a 24-bit .bmp. Run by the
// build on the host:
//   icon_generator <output folder>
// Shapes are described as signed distance functions on a 32 x 32 unit canvas and sampled 8 x 8
// times per pixel, so the same drawing gives clean edges at both sizes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Colour {
    double r, g, b, a;  // 0-1, not premultiplied
};

// Negative inside, positive outside, in canvas units.
using Shape = std::function<double(double x, double y)>;

struct Layer {
    Shape shape;
    Colour colour;
};

using Drawing = std::vector<Layer>;

Shape circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape box(double x0, double y0, double x1, double y1, double cornerRadius = 0) {
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hx = (x1 - x0) / 2 - cornerRadius, hy = (y1 - y0) / 2 - cornerRadius;
    return [=](double x, double y) {
        const double dx = std::fabs(x - cx) - hx, dy = std::fabs(y - cy) - hy;
        const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
        return outside + std::min(std::max(dx, dy), 0.0) - cornerRadius;
    };
}

Shape segment(double x0, double y0, double x1, double y1, double width) {
    return [=](double x, double y) {
        const double vx = x1 - x0, vy = y1 - y0, px = x - x0, py = y - y0;
        const double t = std::clamp((px * vx + py * vy) / (vx * vx + vy * vy), 0.0, 1.0);
        return std::hypot(px - vx * t, py - vy * t) - width / 2;
    };
}

// Convex polygon, corners in clockwise or counter-clockwise order.
Shape polygon(std::vector<std::pair<double, double>> corners) {
    return [=](double x, double y) {
        double worst = -1e9;
        const size_t n = corners.size();
        double orientation = 0;
        for (size_t i = 0; i < n; ++i) {
            const auto& a = corners[i];
            const auto& b = corners[(i + 1) % n];
            orientation += (b.first - a.first) * (b.second + a.second);
        }
        const double sign = orientation > 0 ? 1 : -1;
        for (size_t i = 0; i < n; ++i) {
            const auto& a = corners[i];
            const auto& b = corners[(i + 1) % n];
            const double ex = b.first - a.first, ey = b.second - a.second;
            const double length = std::hypot(ex, ey);
            const double distance = sign * ((x - a.first) * ey - (y - a.second) * ex) / length;
            worst = std::max(worst, -distance);
        }
        return worst;
    };
}

Shape outline(Shape shape, double width) {
    return [=](double x, double y) { return std::fabs(shape(x, y)) - width / 2; };
}

Shape subtract(Shape from, Shape cut) {
    return [=](double x, double y) { return std::max(from(x, y), -cut(x, y)); };
}

Shape unite(Shape a, Shape b) {
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Colour rgb(int r, int g, int b, double a = 1.0) {
    return {r / 255.0, g / 255.0, b / 255.0, a};
}

// Five-pointed star around (cx, cy).
Shape star(double cx, double cy, double outer, double inner) {
    Shape result;
    const double pi = 3.14159265358979323846;
    for (int i = 0; i < 5; ++i) {
        const double a0 = -pi / 2 + i * 2 * pi / 5;
        const double a1 = a0 + pi / 5, am = a0 - pi / 5;
        Shape spike = polygon({{cx + outer * std::cos(a0), cy + outer * std::sin(a0)},
                               {cx + inner * std::cos(a1), cy + inner * std::sin(a1)},
                               {cx, cy},
                               {cx + inner * std::cos(am), cy + inner * std::sin(am)}});
        result = result ? unite(result, spike) : spike;
    }
    return result;
}

Drawing applicationIcon() {
    const Colour night = rgb(20, 70, 90), edge = rgb(8, 40, 55), gold = rgb(245, 196, 60);
    Shape crescent = subtract(circle(14.5, 16, 10), circle(18.5, 13.5, 8.4));
    return {{box(1, 1, 31, 31, 6), night},
            {outline(box(1, 1, 31, 31, 6), 1.2), edge},
            {crescent, gold},
            {star(23.2, 18.5, 4.6, 1.9), gold}};
}

Drawing calculateIcon() {
    const Colour body = rgb(88, 96, 110), bodyEdge = rgb(40, 44, 52), screen = rgb(178, 222, 150);
    const Colour key = rgb(236, 238, 242), accent = rgb(240, 140, 40);
    Drawing drawing = {{box(5, 1.5, 27, 30.5, 3), body},
                       {outline(box(5, 1.5, 27, 30.5, 3), 1.2), bodyEdge},
                       {box(8, 4.5, 24, 11, 1), screen},
                       {segment(14, 8, 21.5, 8, 1.4), rgb(40, 70, 40)}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const double x = 8 + column * 5.6, y = 13.5 + row * 5.6;
            drawing.push_back({box(x, y, x + 4.2, y + 4.2, 0.8), row == 2 && column == 2 ? accent : key});
        }
    }
    return drawing;
}

Drawing textIcon() {
    const Colour paper = rgb(255, 255, 255), edge = rgb(70, 80, 95), ink = rgb(60, 90, 160);
    Shape page = polygon({{5, 1.5}, {20, 1.5}, {27, 8.5}, {27, 30.5}, {5, 30.5}});
    Drawing drawing = {{page, paper},
                       {outline(page, 1.3), edge},
                       {polygon({{20, 1.5}, {27, 8.5}, {20, 8.5}}), rgb(205, 212, 225)},
                       {outline(polygon({{20, 1.5}, {27, 8.5}, {20, 8.5}}), 1.0), edge}};
    const double lineEnds[] = {17, 23, 23, 20, 23, 15};
    for (int i = 0; i < 6; ++i) {
        const double y = 8 + i * 3.8;
        drawing.push_back({segment(9, y, lineEnds[i], y, 1.6), ink});
    }
    return drawing;
}

Drawing calendarIcon() {
    const Colour paper = rgb(255, 255, 255), edge = rgb(70, 70, 80), band = rgb(205, 45, 45);
    Drawing drawing = {{box(2.5, 4, 29.5, 30, 2.5), paper},
                       // clang-format off
                       {box(2.5, 4, 29.5, 11, 2.5), band},
                       {box(2.5, 8, 29.5, 11), band},
                       {outline(box(2.5, 4, 29.5, 30, 2.5), 1.3), edge},
                       {segment(9, 1.5, 9, 7, 2.2), edge},
                       // clang-format on
                       {segment(23, 1.5, 23, 7, 2.2), edge}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const double x = 5.5 + column * 5.9, y = 13.5 + row * 5.3;
            const bool today = row == 1 && column == 2;
            drawing.push_back({box(x, y, x + 3.8, y + 3.4, 0.5), today ? band : rgb(90, 100, 120)});
        }
    }
    return drawing;
}

Drawing animationIcon() {
    const Colour disc = rgb(40, 130, 70), edge = rgb(20, 80, 40), mark = rgb(255, 255, 255);
    return {{circle(16, 16, 14.5), disc},
            {outline(circle(16, 16, 14.5), 1.3), edge},
            {polygon({{12, 8.5}, {24, 16}, {12, 23.5}}), mark}};
}

Drawing authorIcon() {
    const Colour skin = rgb(240, 200, 160), shirt = rgb(50, 100, 190), edge = rgb(30, 40, 70);
    Shape shoulders = subtract(box(4, 19, 28, 36, 9), box(0, 30.5, 32, 40));
    return {{shoulders, shirt},
            {outline(shoulders, 1.2), edge},
            {circle(16, 11, 7), skin},
            {outline(circle(16, 11, 7), 1.2), edge}};
}

struct Image {
    int size;
    std::vector<uint8_t> bgra;  // top row first
};

constexpr int samplesPerAxis = 8;       // per pixel, in each direction
constexpr double designGridUnits = 32;  // the drawings' coordinates span 0..32 across the icon

// The colour at one point of the drawing, layers composited in order over transparency
// (premultiplied red, green, blue, then alpha).
struct Premultiplied {
    double r, g, b, a;
};
Premultiplied colourAt(const Drawing& drawing, double x, double y) {
    Premultiplied c = {0, 0, 0, 0};
    for (const Layer& layer : drawing) {
        if (layer.shape(x, y) > 0) {
            continue;
        }
        const Colour& l = layer.colour;
        c.r = l.r * l.a + c.r * (1 - l.a);
        c.g = l.g * l.a + c.g * (1 - l.a);
        c.b = l.b * l.a + c.b * (1 - l.a);
        c.a = l.a + c.a * (1 - l.a);
    }
    return c;
}

// One pixel: the mean of a grid of samples, stored as blue, green, red, alpha.
void renderPixel(const Drawing& drawing, int px, int py, double scale, uint8_t* pixel) {
    const int samples = samplesPerAxis;
    double r = 0, g = 0, b = 0, a = 0;  // premultiplied sums
    for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
            const Premultiplied c =
                colourAt(drawing, (px + (sx + 0.5) / samples) * scale, (py + (sy + 0.5) / samples) * scale);
            r += c.r, g += c.g, b += c.b, a += c.a;
        }
    }
    const double n = samples * samples;
    r /= n, g /= n, b /= n, a /= n;
    auto channel = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    pixel[0] = channel(a > 0 ? b / a : 0);
    pixel[1] = channel(a > 0 ? g / a : 0);
    pixel[2] = channel(a > 0 ? r / a : 0);
    pixel[3] = channel(a);
}

Image render(const Drawing& drawing, int size) {
    const double scale = designGridUnits / size;
    Image image{size, std::vector<uint8_t>(static_cast<size_t>(size) * size * 4)};
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            renderPixel(drawing, px, py, scale, &image.bgra[(static_cast<size_t>(py) * size + px) * 4]);
        }
    }
    return image;
}

void put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(value & 0xff);
    out.push_back((value >> 8) & 0xff);
}

void put32(std::vector<uint8_t>& out, unsigned long value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back((value >> (8 * i)) & 0xff);
    }
}

// One icon image as stored in a .ico: BITMAPINFOHEADER (height doubled), bottom-up colour rows,
// then the AND mask (1 bit a pixel, rows padded to 32 bits; set = transparent).
constexpr unsigned bitmapInfoHeaderBytes = 40;
constexpr unsigned iconBitsPerPixel = 32;
constexpr int transparentBelowAlpha = 128;  // AND-mask threshold for old renderers

std::vector<uint8_t> iconImageBytes(const Image& image) {
    std::vector<uint8_t> out;
    const int size = image.size;
    const int maskRowBytes = ((size + 31) / 32) * 4;
    put32(out, bitmapInfoHeaderBytes);
    put32(out, size);
    put32(out, size * 2);  // colour rows and mask rows
    put16(out, 1);         // planes
    put16(out, iconBitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, static_cast<unsigned long>(size) * size * 4 + maskRowBytes * size);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        const uint8_t* row = &image.bgra[static_cast<size_t>(y) * size * 4];
        out.insert(out.end(), row, row + size * 4);
    }
    for (int y = size - 1; y >= 0; --y) {
        std::vector<uint8_t> maskRow(maskRowBytes, 0);
        for (int x = 0; x < size; ++x) {
            if (image.bgra[(static_cast<size_t>(y) * size + x) * 4 + 3] < transparentBelowAlpha) {
                maskRow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), maskRow.begin(), maskRow.end());
    }
    return out;
}

constexpr int iconSizesPx[] = {16, 32};
constexpr unsigned long iconDirectoryHeaderBytes = 6;
constexpr unsigned long iconDirectoryEntryBytes = 16;

// The .ico file: the directory (one entry per size), then the images.
std::vector<uint8_t> iconFileBytes(const Drawing& drawing) {
    const int* sizes = iconSizesPx;
    std::vector<std::vector<uint8_t>> images;
    for (int size : iconSizesPx) {
        images.push_back(iconImageBytes(render(drawing, size)));
    }
    std::vector<uint8_t> out;
    put16(out, 0);
    put16(out, 1);  // icon
    put16(out, static_cast<unsigned>(images.size()));
    unsigned long offset = iconDirectoryHeaderBytes + iconDirectoryEntryBytes * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(sizes[i]));
        out.push_back(static_cast<uint8_t>(sizes[i]));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);  // planes
        put16(out, iconBitsPerPixel);
        put32(out, static_cast<unsigned long>(images[i].size()));
        put32(out, offset);
        offset += static_cast<unsigned long>(images[i].size());
    }
    for (const auto& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

bool writeIcon(const std::string& path, const Drawing& drawing) {
    const std::vector<uint8_t> out = iconFileBytes(drawing);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "icon_generator: cannot create %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

// The resources page's logo on the author page: a green banner with the crescent and star and
// three lines standing for the page's listings, drawn on a 160 x 32 canvas (one unit a pixel).
constexpr int logoWidthPx = 160;
constexpr int logoHeightPx = 32;

Drawing logoDrawing() {
    const Colour field = rgb(40, 130, 70), edge = rgb(20, 80, 40), gold = rgb(245, 196, 60);
    const Colour line = rgb(255, 255, 255);
    Shape banner = box(0.5, 0.5, 159.5, 31.5, 5);
    return {{banner, field},
            {outline(banner, 1.2), edge},
            {subtract(circle(16, 16, 10), circle(20, 13.5, 8.4)), gold},
            {star(24.7, 18.5, 4.6, 1.9), gold},
            {segment(40, 9, 148, 9, 3.2), line},
            {segment(40, 16, 128, 16, 2.4), line},
            {segment(40, 23, 138, 23, 2.4), line}};
}

// The drawing sampled 4 x 4 times per pixel over white, as 24-bit rows, bottom row first, each
// padded to a multiple of 4 bytes.
std::vector<uint8_t> logoPixels(const Drawing& drawing, int rowBytes) {
    const int samples = 4;
    std::vector<uint8_t> pixels(static_cast<size_t>(rowBytes) * logoHeightPx);
    for (int py = 0; py < logoHeightPx; ++py) {
        for (int px = 0; px < logoWidthPx; ++px) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = px + (sx + 0.5) / samples, y = py + (sy + 0.5) / samples;
                    Colour c = {1, 1, 1, 1};
                    for (const Layer& layer : drawing) {
                        if (layer.shape(x, y) <= 0) {
                            const Colour& l = layer.colour;
                            c = {l.r * l.a + c.r * (1 - l.a), l.g * l.a + c.g * (1 - l.a),
                                 l.b * l.a + c.b * (1 - l.a), 1};
                        }
                    }
                    r += c.r, g += c.g, b += c.b;
                }
            }
            const double n = samples * samples;
            uint8_t* pixel = &pixels[static_cast<size_t>(logoHeightPx - 1 - py) * rowBytes + px * 3];
            pixel[0] = static_cast<uint8_t>(std::lround(std::clamp(b / n, 0.0, 1.0) * 255));
            pixel[1] = static_cast<uint8_t>(std::lround(std::clamp(g / n, 0.0, 1.0) * 255));
            pixel[2] = static_cast<uint8_t>(std::lround(std::clamp(r / n, 0.0, 1.0) * 255));
        }
    }
    return pixels;
}

bool writeLogo(const std::string& path) {
    const int rowBytes = (logoWidthPx * 3 + 3) / 4 * 4;
    const std::vector<uint8_t> pixels = logoPixels(logoDrawing(), rowBytes);
    const unsigned long headerBytes = 14 + 40;
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, headerBytes + pixels.size());
    put32(out, 0);
    put32(out, headerBytes);
    put32(out, 40);
    put32(out, logoWidthPx);
    put32(out, logoHeightPx);  // positive: bottom-up rows
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);  // uncompressed
    put32(out, pixels.size());
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    out.insert(out.end(), pixels.begin(), pixels.end());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "icon_generator: cannot create %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_generator <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    struct Output {
        const char* fileName;
        Drawing (*draw)();
    };
    const Output outputs[] = {
        // clang-format off
        {"appicon.ico", applicationIcon},      {"tab_calculate.ico", calculateIcon},
        {"tab_text.ico", textIcon},            {"tab_calendar.ico", calendarIcon},
        {"tab_animation.ico", animationIcon},  {"tab_author.ico", authorIcon},
        // clang-format on
    };
    for (const Output& output : outputs) {
        if (!writeIcon(folder + "/" + output.fileName, output.draw())) {
            return 1;
        }
    }
    return writeLogo(folder + "/author_logo.bmp") ? 0 : 1;
}
