// The installer's archive as it arrives: any bytes decompressed as gzip into memory, as the
// installer does, and into a scratch file (the two must agree), the result scanned as a record
// stream and, when accepted, read record by record as the extraction reads it (without writing
// the files out).
#include "gunzip_stream.h"
#include "record_stream.h"

#include <sys/mman.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
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

// The stream decompressed into memory equals the file's bytes, and scans the same.
void compareWithMemory(const uint8_t* data, size_t size, std::FILE* plain, GunzipStatus fileStatus) {
    gzFile source = openCompressed(data, size);
    if (source == nullptr)
        std::abort();
    std::vector<uint8_t> inMemory;
    // A size expected as the installer takes it from the trailer, right or wrong (its low 16 bits,
    // so that a run does not reserve megabytes).
    const size_t hint = size >= 4 ? static_cast<size_t>(data[size - 4] | data[size - 3] << 8) : 0;
    const GunzipResult result = gunzipToMemory(source, inMemory, archiveMostStreamBytes, hint);
    gzclose(source);
    // Reading in larger blocks, the memory route may meet damage past the limit before it has
    // counted the bytes beyond the limit; either refusal is right there.
    const bool bothRefuseOverLimit = (result.status == gunzipTooLarge && fileStatus == gunzipReadFailed) ||
                                     (result.status == gunzipReadFailed && fileStatus == gunzipTooLarge);
    if (result.status != fileStatus && !bothRefuseOverLimit)
        std::abort();
    if (result.status != gunzipOk)
        return;
    std::vector<uint8_t> fromFile(inMemory.size() + 1);
    std::rewind(plain);
    if (std::fread(fromFile.data(), 1, fromFile.size(), plain) != inMemory.size() ||
        !std::equal(inMemory.begin(), inMemory.end(), fromFile.begin()))
        std::abort();
    if (scanRecordBytes(inMemory.data(), inMemory.size(), archiveMostDataBytes) != scanRecordStream(plain))
        std::abort();
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
    if (std::fflush(plain) != 0)
        std::abort();
    compareWithMemory(data, size, plain, result.status);
    if (result.status == gunzipOk)
        readRecords(plain);
    std::fclose(plain);
    return 0;
}
