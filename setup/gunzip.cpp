// gunzipFile: opens the two files and streams the gzip member into the destination (gunzip_stream.h).
#include "gunzip.h"

#include "gunzip_stream.h"
#include "record_stream.h"

#include <windows.h>
#include <zlib.h>

#include <cstdio>

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
    // The archive is the only thing decompressed: more than its records may hold is refused before
    // it fills the temporary folder.
    const GunzipResult copied = gunzipStream(source, destination, archiveMostStreamBytes);
    if (copied.status != gunzipOk) {
        const char* reason = copied.status == gunzipReadFailed ? copied.gzipErrorText
                             : copied.status == gunzipTooLarge ? "more data than setup files can hold"
                                                               : "failed fwrite";
        reportFailure(reason);
        std::fclose(destination);
        gzclose(source);
        return false;
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
