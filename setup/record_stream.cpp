// Reading and writing the record stream of the setup archive (see record_stream.h).
#include "record_stream.h"

#include <cstring>

static bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

static char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The names Windows gives to devices in every folder: CON, PRN, AUX, NUL, COM1-COM9 and LPT1-LPT9,
// in any case. An element is one of them when what comes before its first dot, with trailing
// spaces dropped as Windows drops them, is such a name ("con", "Nul.txt", "com1 .log").
static bool isDeviceName(const char* element, size_t elementBytes) {
    size_t baseBytes = 0;
    while (baseBytes < elementBytes && element[baseBytes] != '.') {
        ++baseBytes;
    }
    while (baseBytes > 0 && element[baseBytes - 1] == ' ') {
        --baseBytes;
    }
    static const char* const threeLetterDevices[] = {"CON", "PRN", "AUX", "NUL"};
    static const char* const numberedDevices[] = {"COM", "LPT"};
    char base[4] = {};
    if (baseBytes == 3 || baseBytes == 4) {
        for (size_t i = 0; i < 3; ++i) {
            base[i] = upperAscii(element[i]);
        }
    }
    if (baseBytes == 3) {
        for (const char* device : threeLetterDevices) {
            if (std::memcmp(base, device, 3) == 0) {
                return true;
            }
        }
    }
    // COM and LPT take the digits 1-9 and, in the ANSI code page, the superscripts 1, 2 and 3.
    const unsigned char number = baseBytes == 4 ? static_cast<unsigned char>(element[3]) : 0;
    const bool deviceNumber =
        (number >= '1' && number <= '9') || number == 0xB9 || number == 0xB2 || number == 0xB3;
    if (deviceNumber) {
        for (const char* device : numberedDevices) {
            if (std::memcmp(base, device, 3) == 0) {
                return true;
            }
        }
    }
    return false;
}

bool isSafeRecordName(const char* name, size_t nameBytes) {
    if (name == nullptr || nameBytes == 0 || nameBytes > recordNameMaxBytes) {
        return false;
    }
    if (isSeparator(name[0])) {
        return false;
    }
    size_t elementStart = 0;
    for (size_t i = 0; i <= nameBytes; ++i) {
        if (i < nameBytes) {
            const char c = name[i];
            if (c == '\0' || c == ':') {
                return false;
            }
            if (!isSeparator(c)) {
                continue;
            }
        }
        const size_t elementBytes = i - elementStart;
        if (elementBytes == 0) {
            return false;  // "a\\\\b" or a trailing separator
        }
        // ".", "..", and anything else made only of dots and spaces: Windows drops trailing dots
        // and spaces from a path element, so ".. " or "..." could still climb out of the folder.
        bool onlyDotsAndSpaces = true;
        for (size_t j = elementStart; j < i; ++j) {
            onlyDotsAndSpaces = onlyDotsAndSpaces && (name[j] == '.' || name[j] == ' ');
        }
        if (onlyDotsAndSpaces || isDeviceName(name + elementStart, elementBytes)) {
            return false;
        }
        elementStart = i + 1;
    }
    return true;
}

RecordStreamStatus readRecordHeader(std::FILE* stream, ArchiveRecordHeader& header) {
    std::memset(header.name, 0, sizeof header.name);
    header.nameBytes = 0;
    header.dataBytes = 0;
    const int lengthByte = std::fgetc(stream);
    if (lengthByte == EOF) {
        return recordStreamTooFewRecords;
    }
    const size_t nameBytes = static_cast<size_t>(lengthByte);
    header.nameBytes = nameBytes;
    if (nameBytes > 0 && std::fread(header.name, 1, nameBytes, stream) != nameBytes) {
        return recordStreamTruncated;
    }
    uint8_t size[recordSizeFieldBytes];
    if (std::fread(size, 1, sizeof size, stream) != sizeof size) {
        return recordStreamTruncated;
    }
    header.dataBytes = static_cast<uint32_t>(size[0]) | static_cast<uint32_t>(size[1]) << 8 |
                       static_cast<uint32_t>(size[2]) << 16 | static_cast<uint32_t>(size[3]) << 24;
    return recordStreamOk;
}

RecordStreamStatus scanRecordStream(std::FILE* stream) {
    return scanRecordStream(stream, archiveMostDataBytes);
}

RecordStreamStatus scanRecordStream(std::FILE* stream, uint64_t mostDataBytes) {
    if (std::fseek(stream, 0, SEEK_END) != 0) {
        return recordStreamUnreadable;
    }
    const long streamBytes = std::ftell(stream);
    if (streamBytes < 0 || std::fseek(stream, 0, SEEK_SET) != 0) {
        return recordStreamUnreadable;
    }
    RecordStreamStatus status = recordStreamOk;
    uint64_t totalDataBytes = 0;
    for (int record = 0; record < archiveRecordCount && status == recordStreamOk; ++record) {
        ArchiveRecordHeader header;
        status = readRecordHeader(stream, header);
        if (status != recordStreamOk) {
            break;
        }
        const long dataStart = std::ftell(stream);
        if (dataStart < 0) {
            status = recordStreamUnreadable;
            break;
        }
        if (!isSafeRecordName(header.name, header.nameBytes)) {
            status = recordStreamUnsafeName;
            break;
        }
        if (header.dataBytes > static_cast<uint64_t>(streamBytes - dataStart)) {
            status = recordStreamTruncated;
            break;
        }
        totalDataBytes += header.dataBytes;
        if (totalDataBytes > mostDataBytes || totalDataBytes > archiveMostDataBytes) {
            status = recordStreamTooLarge;
            break;
        }
        if (std::fseek(stream, dataStart + static_cast<long>(header.dataBytes), SEEK_SET) != 0) {
            status = recordStreamUnreadable;
        }
    }
    if (std::fseek(stream, 0, SEEK_SET) != 0 && status == recordStreamOk) {
        status = recordStreamUnreadable;
    }
    return status;
}

RecordStreamStatus readRecordHeaderAt(const uint8_t* bytes, size_t byteCount, size_t& offset,
                                      ArchiveRecordHeader& header) {
    std::memset(header.name, 0, sizeof header.name);
    header.nameBytes = 0;
    header.dataBytes = 0;
    if (offset >= byteCount) {
        return recordStreamTooFewRecords;
    }
    const size_t nameBytes = bytes[offset];
    header.nameBytes = nameBytes;
    const size_t remaining = byteCount - offset - 1;
    if (remaining < nameBytes + recordSizeFieldBytes) {
        return recordStreamTruncated;
    }
    const uint8_t* name = bytes + offset + 1;
    std::memcpy(header.name, name, nameBytes);
    const uint8_t* size = name + nameBytes;
    header.dataBytes = static_cast<uint32_t>(size[0]) | static_cast<uint32_t>(size[1]) << 8 |
                       static_cast<uint32_t>(size[2]) << 16 | static_cast<uint32_t>(size[3]) << 24;
    offset += 1 + nameBytes + recordSizeFieldBytes;
    return recordStreamOk;
}

RecordStreamStatus scanRecordBytes(const uint8_t* bytes, size_t byteCount, uint64_t mostDataBytes) {
    size_t offset = 0;
    uint64_t totalDataBytes = 0;
    for (int record = 0; record < archiveRecordCount; ++record) {
        ArchiveRecordHeader header;
        const RecordStreamStatus status = readRecordHeaderAt(bytes, byteCount, offset, header);
        if (status != recordStreamOk) {
            return status;
        }
        if (!isSafeRecordName(header.name, header.nameBytes)) {
            return recordStreamUnsafeName;
        }
        if (header.dataBytes > byteCount - offset) {
            return recordStreamTruncated;
        }
        totalDataBytes += header.dataBytes;
        if (totalDataBytes > mostDataBytes || totalDataBytes > archiveMostDataBytes) {
            return recordStreamTooLarge;
        }
        offset += header.dataBytes;
    }
    return recordStreamOk;
}

bool appendRecord(std::vector<uint8_t>& stream, const char* name, const uint8_t* data, size_t dataBytes) {
    const size_t nameBytes = std::strlen(name);
    if (!isSafeRecordName(name, nameBytes) || dataBytes > 0xFFFFFFFFu) {
        return false;
    }
    stream.push_back(static_cast<uint8_t>(nameBytes));
    stream.insert(stream.end(), name, name + nameBytes);
    const uint32_t size = static_cast<uint32_t>(dataBytes);
    for (int shift = 0; shift < 32; shift += 8) {
        stream.push_back(static_cast<uint8_t>(size >> shift));
    }
    if (dataBytes > 0) {
        stream.insert(stream.end(), data, data + dataBytes);
    }
    return true;
}
