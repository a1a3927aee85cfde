// Packs the installer's archive: reads the files named on the command line, writes them as one
// record stream, compresses it with zlib's gzip writer (no file name, modification time 0) and
// writes the result, ready to be embedded as the installer's archive resource.
//
//   packer OUTPUT.gz NAME=FILE [NAME=FILE ...]
//   packer OUTPUT.gz --from FOLDER [FOLDER ...]
//
// NAME is the path the installer gives the file under the installation directory. The records
// are written in the order given. With --from, the records are the install manifest's files
// (install_manifest.h), in its order, each read from the first FOLDER that holds it: this is how
// the build packs the installer, so that the manifest alone says what is installed.
#include "install_manifest.h"
#include "record_stream.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
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

// Appends one file as a record; prints the error and returns false when it cannot.
bool packFile(std::vector<uint8_t>& stream, const char* name, const char* path) {
    std::vector<uint8_t> data;
    if (!readWholeFile(path, data)) {
        std::fprintf(stderr, "packer: cannot read %s\n", path);
        return false;
    }
    if (!appendRecord(stream, name, data.data(), data.size())) {
        std::fprintf(stderr, "packer: cannot store %s as \"%s\"\n", path, name);
        return false;
    }
    std::printf("packer: %-14s %10zu bytes\n", name, data.size());
    return true;
}

bool fileExists(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

// The manifest's files, each from the first of the folders that holds it. 0, 1 (a file cannot be
// read or stored) or 2 (a manifest file is in none of the folders).
int packManifest(std::vector<uint8_t>& stream, char** folders, int folderCount) {
    for (const char* name : installedFiles) {
        std::string path;
        for (int f = 0; f < folderCount && path.empty(); ++f) {
            const std::string candidate = std::string(folders[f]) + "/" + name;
            if (fileExists(candidate)) {
                path = candidate;
            }
        }
        if (path.empty()) {
            std::fprintf(stderr, "packer: %s is in none of the --from folders\n", name);
            return 2;
        }
        if (!packFile(stream, name, path.c_str())) {
            return 1;
        }
    }
    return 0;
}

// The NAME=FILE arguments in order: 0, 1 (a file cannot be read or stored) or 2 (bad argument).
int packNamedFiles(std::vector<uint8_t>& stream, char** arguments, int argumentCount) {
    for (int i = 0; i < argumentCount; ++i) {
        const char* argument = arguments[i];
        const char* equals = std::strchr(argument, '=');
        if (equals == nullptr || equals == argument) {
            std::fprintf(stderr, "packer: expected NAME=FILE, got %s\n", argument);
            return 2;
        }
        char name[recordNameBufferBytes] = {};
        const size_t nameBytes = static_cast<size_t>(equals - argument);
        if (nameBytes > recordNameMaxBytes) {
            std::fprintf(stderr, "packer: record name too long: %s\n", argument);
            return 1;
        }
        std::memcpy(name, argument, nameBytes);
        if (!packFile(stream, name, equals + 1)) {
            return 1;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool fromFolders = argc >= 3 && std::strcmp(argv[2], "--from") == 0;
    if (argc < 3 || (fromFolders && argc < 4)) {
        std::fprintf(stderr, "usage: packer OUTPUT.gz NAME=FILE [NAME=FILE ...]\n"
                             "       packer OUTPUT.gz --from FOLDER [FOLDER ...]\n");
        return 2;
    }
    std::vector<uint8_t> stream;
    const int status =
        fromFolders ? packManifest(stream, argv + 3, argc - 3) : packNamedFiles(stream, argv + 2, argc - 2);
    if (status != 0) {
        return status;
    }
    if (!writeGzip(argv[1], stream)) {
        std::fprintf(stderr, "packer: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("packer: %zu bytes of records into %s\n", stream.size(), argv[1]);
    return 0;
}
