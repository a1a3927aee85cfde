// gunzipFile: streams the gzip member through a 16 KB buffer into the destination file.
#include "gunzip.h"

#include <windows.h>
#include <zlib.h>

#include <cstdio>

constexpr unsigned gunzipBufferBytes = 16384;
constexpr size_t messageBytes = 1100;
static const char gunzipPlace[] = "gunzip";

static void report(const char* text) {
    MessageBoxA(nullptr, text, nullptr, MB_OK);
}

static void reportFailure(const char* reason) {
    char text[messageBytes];
    std::snprintf(text, sizeof text, "%s: %s\n", gunzipPlace, reason);
    report(text);
}

bool gunzipFile(const char* destinationPath, const char* sourcePath) {
    char text[messageBytes];
    gzFile source = gzopen(sourcePath, "rb");
    if (source == nullptr) {
        std::snprintf(text, sizeof text, "Can't open file %s\n", sourcePath);
        report(text);
        return false;
    }
    std::FILE* destination = std::fopen(destinationPath, "wb");
    if (destination == nullptr) {
        std::snprintf(text, sizeof text, "Can't create file %s\n", destinationPath);
        report(text);
        gzclose(source);
        return false;
    }
    static unsigned char buffer[gunzipBufferBytes];
    for (;;) {
        const int count = gzread(source, buffer, gunzipBufferBytes);
        if (count < 0) {
            int code = 0;
            reportFailure(gzerror(source, &code));
            std::fclose(destination);
            gzclose(source);
            return false;
        }
        if (count == 0) {
            break;
        }
        if (std::fwrite(buffer, 1, static_cast<size_t>(count), destination) != static_cast<size_t>(count)) {
            reportFailure("failed fwrite");
            std::fclose(destination);
            gzclose(source);
            return false;
        }
    }
    bool ok = true;
    if (std::fclose(destination) != 0) {
        reportFailure("failed fclose");
        ok = false;
    }
    if (gzclose(source) != Z_OK) {
        reportFailure("failed gzclose");
        ok = false;
    }
    return ok;
}
