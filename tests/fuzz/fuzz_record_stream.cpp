// The installer's record stream (the decompressed archive): any bytes scanned as the installer
// scans them, and when the scan accepts them, the records read one by one as the extraction does.
// The scan of the bytes in a file and in memory (as the installer holds them) must agree, and the
// records read from memory must be the ones read from the file.
#include "record_stream.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;  // fmemopen refuses an empty block
    isSafeRecordName(reinterpret_cast<const char*>(data), size);
    std::FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (stream == nullptr)
        return -1;
    const RecordStreamStatus status = scanRecordStream(stream);
    if (scanRecordBytes(data, size, archiveMostDataBytes) != status)
        std::abort();
    if (status == recordStreamOk) {
        std::vector<uint8_t> block;
        size_t offset = 0;
        for (int record = 0; record < archiveRecordCount; ++record) {
            ArchiveRecordHeader header;
            if (readRecordHeader(stream, header) != recordStreamOk)
                std::abort();  // the scan promised complete records
            if (!isSafeRecordName(header.name, header.nameBytes))
                std::abort();
            block.resize(header.dataBytes);
            if (std::fread(block.data(), 1, header.dataBytes, stream) != header.dataBytes)
                std::abort();
            ArchiveRecordHeader inMemory;
            if (readRecordHeaderAt(data, size, offset, inMemory) != recordStreamOk ||
                inMemory.nameBytes != header.nameBytes || inMemory.dataBytes != header.dataBytes ||
                std::memcmp(inMemory.name, header.name, sizeof header.name) != 0 ||
                header.dataBytes > size - offset ||
                (header.dataBytes > 0 && std::memcmp(data + offset, block.data(), header.dataBytes) != 0))
                std::abort();
            offset += header.dataBytes;
        }
    }
    std::fclose(stream);
    return 0;
}
