// gunzipStream: the decompression loop of the installer through a 16 KB buffer.
#include "gunzip_stream.h"

constexpr unsigned gunzipBufferBytes = 16384;

GunzipResult gunzipStream(gzFile source, std::FILE* destination, uint64_t mostBytes) {
    static unsigned char buffer[gunzipBufferBytes];
    uint64_t totalBytes = 0;
    for (;;) {
        const int count = gzread(source, buffer, gunzipBufferBytes);
        if (count < 0) {
            int code = 0;
            const char* text = gzerror(source, &code);
            return {gunzipReadFailed, text != nullptr ? text : ""};
        }
        if (count == 0) {
            return {gunzipOk, ""};
        }
        totalBytes += static_cast<uint64_t>(count);
        if (totalBytes > mostBytes) {
            return {gunzipTooLarge, ""};
        }
        if (std::fwrite(buffer, 1, static_cast<size_t>(count), destination) != static_cast<size_t>(count)) {
            return {gunzipWriteFailed, ""};
        }
    }
}
