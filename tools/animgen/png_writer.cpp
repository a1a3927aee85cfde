#include "png_writer.h"

#include <cstdio>

#ifdef ANIMGEN_HAVE_ZLIB
#include <zlib.h>
#endif

namespace {

uint32_t crc32Of(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBigEndian32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v >> 24));
    out.push_back(uint8_t(v >> 16));
    out.push_back(uint8_t(v >> 8));
    out.push_back(uint8_t(v));
}

void putChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body) {
    putBigEndian32(out, uint32_t(body.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    putBigEndian32(out, crc32Of(out.data() + typeAt, body.size() + 4));
}

// A zlib stream of the raw scanlines.
std::vector<uint8_t> compressStream(const std::vector<uint8_t>& raw) {
#ifdef ANIMGEN_HAVE_ZLIB
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(size);
    if (compress2(packed.data(), &size, raw.data(), uLong(raw.size()), Z_BEST_COMPRESSION) == Z_OK) {
        packed.resize(size);
        return packed;
    }
#endif
    // Without zlib: stored (uncompressed) deflate blocks.
    std::vector<uint8_t> out = {0x78, 0x01};
    const size_t maxBlock = 65535;
    size_t at = 0;
    do {
        const size_t n = raw.size() - at < maxBlock ? raw.size() - at : maxBlock;
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(uint8_t(n));
        out.push_back(uint8_t(n >> 8));
        out.push_back(uint8_t(~n));
        out.push_back(uint8_t(~n >> 8));
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBigEndian32(out, (b << 16) | a);
    return out;
}

}  // namespace

bool writeIndexedPng(const std::string& path, int width, int height, const std::vector<uint8_t>& indices,
                     const Rgb (&colours)[kPaletteEntries]) {
    if (width <= 0 || height <= 0 || indices.size() != size_t(width) * size_t(height))
        return false;
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBigEndian32(header, uint32_t(width));
    putBigEndian32(header, uint32_t(height));
    header.insert(header.end(), {8, 3, 0, 0, 0});  // 8 bits, palette colour, deflate, no interlace
    putChunk(file, "IHDR", header);
    std::vector<uint8_t> plte;
    for (const Rgb& c : colours)
        plte.insert(plte.end(), {c.red, c.green, c.blue});
    putChunk(file, "PLTE", plte);
    std::vector<uint8_t> raw;
    raw.reserve(size_t(width + 1) * height);
    for (int row = 0; row < height; ++row) {
        raw.push_back(0);  // no filter
        raw.insert(raw.end(), indices.begin() + size_t(row) * width,
                   indices.begin() + size_t(row + 1) * width);
    }
    putChunk(file, "IDAT", compressStream(raw));
    putChunk(file, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}
