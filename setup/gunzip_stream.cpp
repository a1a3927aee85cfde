// gunzipStream: the decompression loop of the installer through a 16 KB buffer.
#include "gunzip_stream.h"

constexpr unsigned gunzipBufferBytes = 16384;

GunzipResult gunzipStream(gzFile source, std::FILE* destination) {
    static unsigned char buffer[gunzipBufferBytes];
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
        if (std::fwrite(buffer, 1, static_cast<size_t>(count), destination) != static_cast<size_t>(count)) {
            return {gunzipWriteFailed, ""};
        }
    }
}
