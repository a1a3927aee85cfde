// Packs the installer's archive: reads the files named on the command line, writes them as one
// record stream, compresses it with zlib's gzip writer (no file name, modification time 0) and
// writes the result, ready to be embedded as the installer's archive resource.
//
//   packer OUTPUT.gz NAME=FILE [NAME=FILE ...]
//
// NAME is the path the installer gives the file under the installation directory. The records
// are written in the order given; the installer expects exactly four.
#include "record_stream.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool readWholeFile(const char* path, std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    bytes.clear();
    uint8_t buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + count);
    }
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool writeGzip(const char* path, const std::vector<uint8_t>& stream) {
    gzFile out = gzopen(path, "wb9");
    if (out == nullptr) {
        return false;
    }
    size_t written = 0;
    bool ok = true;
    while (ok && written < stream.size()) {
        const size_t chunk = std::min<size_t>(stream.size() - written, 1u << 20);
        ok = gzwrite(out, stream.data() + written, static_cast<unsigned>(chunk)) == static_cast<int>(chunk);
        written += chunk;
    }
    return gzclose(out) == Z_OK && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: packer OUTPUT.gz NAME=FILE [NAME=FILE ...]\n");
        return 2;
    }
    std::vector<uint8_t> stream;
    std::vector<uint8_t> data;
    for (int i = 2; i < argc; ++i) {
        const char* equals = std::strchr(argv[i], '=');
        if (equals == nullptr || equals == argv[i]) {
            std::fprintf(stderr, "packer: expected NAME=FILE, got %s\n", argv[i]);
            return 2;
        }
        char name[recordNameBufferBytes] = {};
        const size_t nameBytes = static_cast<size_t>(equals - argv[i]);
        if (nameBytes > recordNameMaxBytes) {
            std::fprintf(stderr, "packer: record name too long: %s\n", argv[i]);
            return 1;
        }
        std::memcpy(name, argv[i], nameBytes);
        if (!readWholeFile(equals + 1, data)) {
            std::fprintf(stderr, "packer: cannot read %s\n", equals + 1);
            return 1;
        }
        if (!appendRecord(stream, name, data.data(), data.size())) {
            std::fprintf(stderr, "packer: cannot store %s as \"%s\"\n", equals + 1, name);
            return 1;
        }
        std::printf("packer: %-14s %10zu bytes\n", name, data.size());
    }
    if (!writeGzip(argv[1], stream)) {
        std::fprintf(stderr, "packer: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("packer: %zu bytes of records into %s\n", stream.size(), argv[1]);
    return 0;
}
