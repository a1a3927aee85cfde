// The installer's record stream (the decompressed archive): any bytes scanned as the installer
// scans them, and when the scan accepts them, the records read one by one as the extraction does.
#include "record_stream.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;  // fmemopen refuses an empty block
    isSafeRecordName(reinterpret_cast<const char*>(data), size);
    std::FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (stream == nullptr)
        return -1;
    if (scanRecordStream(stream) == recordStreamOk) {
        std::vector<uint8_t> block;
        for (int record = 0; record < archiveRecordCount; ++record) {
            ArchiveRecordHeader header;
            if (readRecordHeader(stream, header) != recordStreamOk)
                std::abort();  // the scan promised complete records
            if (!isSafeRecordName(header.name, header.nameBytes))
                std::abort();
            block.resize(header.dataBytes);
            if (std::fread(block.data(), 1, header.dataBytes, stream) != header.dataBytes)
                std::abort();
        }
    }
    std::fclose(stream);
    return 0;
}
