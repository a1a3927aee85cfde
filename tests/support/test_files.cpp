#include "test_files.h"

#include <cstdio>

std::string readWholeFile(const std::string& path, bool* opened) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (opened != nullptr) {
        *opened = file != nullptr;
    }
    if (file == nullptr) {
        return bytes;
    }
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, count);
    }
    std::fclose(file);
    return bytes;
}
