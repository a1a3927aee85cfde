// gunzipFile and gunzipFileToMemory: open the files and run the decompression loops of
// gunzip_stream.h, reporting every failure.
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

static const char* failureReason(const GunzipResult& result) {
    switch (result.status) {
        case gunzipReadFailed: return result.gzipErrorText;
        case gunzipTooLarge: return "more data than setup files can hold";
        case gunzipNoMemory: return "not enough memory";
        case gunzipWriteFailed:
        case gunzipOk: break;
    }
    return "failed fwrite";
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
        reportFailure(failureReason(copied));
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

// zlib's input buffer: large, so that the compressed file is read in a few calls.
constexpr unsigned gzipInputBufferBytes = 256 * 1024;

bool gunzipFileToMemory(std::vector<uint8_t>& plain, const char* sourcePath, size_t sizeHintBytes) {
    gzFile source = gzopen(sourcePath, "rb");
    if (source == nullptr) {
        char text[messageBytes];
        std::snprintf(text, sizeof text, "Can't open file %s\n", sourcePath);
        report(text);
        return false;
    }
    gzbuffer(source, gzipInputBufferBytes);
    const GunzipResult result = gunzipToMemory(source, plain, archiveMostStreamBytes, sizeHintBytes);
    if (result.status != gunzipOk) {
        reportFailure(failureReason(result));
        gzclose(source);
        return false;
    }
    if (gzclose(source) != Z_OK) {
        reportFailure("failed gzclose");
        plain.clear();
        return false;
    }
    return true;
}
