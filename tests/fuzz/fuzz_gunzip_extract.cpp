// The installer's archive as it arrives: any bytes decompressed as gzip into a scratch file, the
// result scanned as a record stream and, when accepted, read record by record as the extraction
// reads it (without writing the files out).
#include "gunzip_stream.h"
#include "record_stream.h"

#include <sys/mman.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Writes the input to an anonymous memory file and opens it with zlib's reader.
gzFile openCompressed(const uint8_t* data, size_t size) {
    const int descriptor = memfd_create("selvara-fuzz-archive", 0);
    if (descriptor < 0)
        std::abort();
    size_t written = 0;
    while (written < size) {
        const ssize_t count = write(descriptor, data + written, size - written);
        if (count <= 0)
            std::abort();
        written += static_cast<size_t>(count);
    }
    lseek(descriptor, 0, SEEK_SET);
    gzFile source = gzdopen(descriptor, "rb");
    if (source == nullptr)
        close(descriptor);
    return source;
}

void readRecords(std::FILE* stream) {
    if (scanRecordStream(stream) != recordStreamOk)
        return;
    std::vector<uint8_t> block;
    for (int record = 0; record < archiveRecordCount; ++record) {
        ArchiveRecordHeader header;
        if (readRecordHeader(stream, header) != recordStreamOk ||
            !isSafeRecordName(header.name, header.nameBytes))
            std::abort();
        block.resize(header.dataBytes);
        if (std::fread(block.data(), 1, header.dataBytes, stream) != header.dataBytes)
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    gzFile source = openCompressed(data, size);
    if (source == nullptr)
        return 0;
    std::FILE* plain = std::tmpfile();
    if (plain == nullptr)
        std::abort();
    const GunzipResult result = gunzipStream(source, plain, archiveMostStreamBytes);
    gzclose(source);
    if (result.status == gunzipOk && std::fflush(plain) == 0)
        readRecords(plain);
    std::fclose(plain);
    return 0;
}
