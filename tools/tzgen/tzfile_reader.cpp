#include "tzfile_reader.h"

namespace {

constexpr std::size_t headerSize = 44;
constexpr std::size_t mostTypes = 256;
constexpr std::size_t mostFooterBytes = 256;
// Far more than any zone has (a few hundred); keeps a hostile count from asking for gigabytes.
constexpr uint32_t mostChanges = 100000;
constexpr uint32_t mostLeapRecords = 10000;
constexpr uint32_t mostAbbreviationBytes = 65536;

uint32_t bigEndian32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
}

int64_t bigEndian64(const unsigned char* p) {
    const uint64_t high = bigEndian32(p);
    const uint64_t low = bigEndian32(p + 4);
    return static_cast<int64_t>((high << 32) | low);
}

struct Header {
    char version;
    uint32_t isUtCount;
    uint32_t isStdCount;
    uint32_t leapCount;
    uint32_t timeCount;
    uint32_t typeCount;
    uint32_t charCount;
};

TzFileError readHeader(const unsigned char* bytes, std::size_t size, Header& header) {
    if (size < headerSize)
        return TzFileError::tooShort;
    if (bytes[0] != 'T' || bytes[1] != 'Z' || bytes[2] != 'i' || bytes[3] != 'f')
        return TzFileError::badMagic;
    header.version = static_cast<char>(bytes[4]);
    header.isUtCount = bigEndian32(bytes + 20);
    header.isStdCount = bigEndian32(bytes + 24);
    header.leapCount = bigEndian32(bytes + 28);
    header.timeCount = bigEndian32(bytes + 32);
    header.typeCount = bigEndian32(bytes + 36);
    header.charCount = bigEndian32(bytes + 40);
    if (header.typeCount == 0 || header.typeCount > mostTypes || header.timeCount > mostChanges ||
        header.leapCount > mostLeapRecords || header.charCount > mostAbbreviationBytes ||
        (header.isUtCount != 0 && header.isUtCount != header.typeCount) ||
        (header.isStdCount != 0 && header.isStdCount != header.typeCount))
        return TzFileError::badCounts;
    return TzFileError::none;
}

// Bytes of the data block after a header; timeSize is 4 (version 1 data) or 8.
std::size_t dataSize(const Header& h, std::size_t timeSize) {
    return std::size_t(h.timeCount) * timeSize + h.timeCount + std::size_t(h.typeCount) * 6 + h.charCount +
           std::size_t(h.leapCount) * (timeSize + 4) + h.isStdCount + h.isUtCount;
}

TzFileError readData(const unsigned char* p, const Header& h, std::size_t timeSize, TzFile& file) {
    file.changeSeconds.resize(h.timeCount);
    for (uint32_t i = 0; i < h.timeCount; ++i) {
        file.changeSeconds[i] =
            timeSize == 8 ? bigEndian64(p + i * 8) : static_cast<int32_t>(bigEndian32(p + i * 4));
        if (i > 0 && file.changeSeconds[i] <= file.changeSeconds[i - 1])
            return TzFileError::unorderedTimes;
    }
    p += std::size_t(h.timeCount) * timeSize;
    file.changeTypes.assign(p, p + h.timeCount);
    for (uint8_t type : file.changeTypes) {
        if (type >= h.typeCount)
            return TzFileError::badTypeIndex;
    }
    p += h.timeCount;
    file.types.resize(h.typeCount);
    for (uint32_t i = 0; i < h.typeCount; ++i) {
        file.types[i].offsetSeconds = static_cast<int32_t>(bigEndian32(p + i * 6));
        file.types[i].daylight = p[i * 6 + 4] != 0;
    }
    return TzFileError::none;
}

// The footer: a new line, the TZ string of printable characters, a new line.
TzFileError readFooter(const unsigned char* p, std::size_t size, std::string& footer) {
    if (size < 2)
        return TzFileError::tooShort;
    if (p[0] != '\n')
        return TzFileError::badFooter;
    for (std::size_t i = 1; i < size && i <= mostFooterBytes + 1; ++i) {
        if (p[i] == '\n') {
            footer.assign(reinterpret_cast<const char*>(p + 1), i - 1);
            return TzFileError::none;
        }
        if (p[i] < 0x20 || p[i] > 0x7e)
            return TzFileError::badFooter;
    }
    return TzFileError::badFooter;
}

}  // namespace

TzFileError readTzFile(const unsigned char* bytes, std::size_t size, TzFile& file) {
    file = TzFile{};
    Header first;
    TzFileError error = readHeader(bytes, size, first);
    if (error != TzFileError::none)
        return error;
    const std::size_t firstData = dataSize(first, 4);
    if (size - headerSize < firstData)
        return TzFileError::tooShort;
    if (first.version == '\0')
        return readData(bytes + headerSize, first, 4, file);

    // Version 2 and later: a second header and 64-bit data follow, then the footer.
    const std::size_t secondStart = headerSize + firstData;
    Header second;
    error = readHeader(bytes + secondStart, size - secondStart, second);
    if (error != TzFileError::none)
        return error;
    const std::size_t secondData = dataSize(second, 8);
    const std::size_t dataStart = secondStart + headerSize;
    if (size - dataStart < secondData)
        return TzFileError::tooShort;
    error = readData(bytes + dataStart, second, 8, file);
    if (error != TzFileError::none)
        return error;
    const std::size_t footerStart = dataStart + secondData;
    return readFooter(bytes + footerStart, size - footerStart, file.footer);
}

const char* tzFileErrorText(TzFileError error) {
    switch (error) {
        case TzFileError::none: return "no error";
        case TzFileError::tooShort: return "the file ends too early";
        case TzFileError::badMagic: return "not a compiled zone file";
        case TzFileError::badCounts: return "impossible counts in the header";
        case TzFileError::badTypeIndex: return "a change names a type that does not exist";
        case TzFileError::unorderedTimes: return "the changes are not in time order";
        case TzFileError::badFooter: return "the rule at the end is not well formed";
    }
    return "unknown error";
}
