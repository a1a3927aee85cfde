#include "tzfile_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

void put32(std::vector<unsigned char>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void put64(std::vector<unsigned char>& out, int64_t value) {
    put32(out, static_cast<uint32_t>(static_cast<uint64_t>(value) >> 32));
    put32(out, static_cast<uint32_t>(value));
}

void header(std::vector<unsigned char>& out, char version, uint32_t timeCount, uint32_t typeCount,
            uint32_t charCount) {
    out.insert(out.end(), {'T', 'Z', 'i', 'f', static_cast<unsigned char>(version)});
    out.insert(out.end(), 15, 0);
    put32(out, 0);  // isut
    put32(out, 0);  // isstd
    put32(out, 0);  // leap
    put32(out, timeCount);
    put32(out, typeCount);
    put32(out, charCount);
}

// A version 2 file in the layout of RFC 8536: London's change to summer time 2026 and back.
std::vector<unsigned char> sampleFile() {
    std::vector<unsigned char> out;
    header(out, '2', 0, 1, 4);  // an empty version 1 block with one type
    put32(out, 0);
    out.insert(out.end(), {0, 0, 'G', 'M', 'T', 0});
    header(out, '2', 2, 2, 8);
    put64(out, 1774746000);  // 2026-03-29 01:00 UTC
    put64(out, 1792890000);  // 2026-10-25 01:00 UTC
    out.insert(out.end(), {1, 0});
    put32(out, 0);
    out.insert(out.end(), {0, 0});
    put32(out, 3600);
    out.insert(out.end(), {1, 4});
    out.insert(out.end(), {'G', 'M', 'T', 0, 'B', 'S', 'T', 0});
    const std::string footer = "\nGMT0BST,M3.5.0/1,M10.5.0\n";
    out.insert(out.end(), footer.begin(), footer.end());
    return out;
}

TEST(TzFileReader, ReadsChangesTypesAndFooter) {
    const std::vector<unsigned char> bytes = sampleFile();
    TzFile file;
    ASSERT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::none);
    ASSERT_EQ(file.changeSeconds.size(), 2u);
    EXPECT_EQ(file.changeSeconds[1], 1792890000);
    EXPECT_EQ(file.types[file.changeTypes[0]].offsetSeconds, 3600);
    EXPECT_TRUE(file.types[file.changeTypes[0]].daylight);
    EXPECT_EQ(file.footer, "GMT0BST,M3.5.0/1,M10.5.0");
}

TEST(TzFileReader, RefusesEveryDamagedFileWithItsReason) {
    const std::vector<unsigned char> good = sampleFile();
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        TzFile file;
        EXPECT_NE(readTzFile(good.data(), cut, file), TzFileError::none) << cut;
    }
    std::vector<unsigned char> bytes = good;
    bytes[0] = 'X';
    TzFile file;
    EXPECT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::badMagic);

    bytes = good;
    bytes[39] = 0;  // version 1 header: no type
    EXPECT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::badCounts);

    const std::size_t second = 44 + 6 + 4;  // after the version 1 block: one type, four characters
    bytes = good;
    bytes[second + 44 + 16] = 7;  // the first change names type 7 of 2
    EXPECT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::badTypeIndex);

    bytes = good;
    for (int i = 0; i < 8; ++i)
        bytes[second + 44 + 8 + i] = bytes[second + 44 + i];  // the second change at the first's time
    EXPECT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::unorderedTimes);

    bytes = good;
    bytes[bytes.size() - 5] = '\x01';
    EXPECT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::badFooter);

    bytes = good;
    bytes[second + 32] = 0x7f;  // a huge change count
    EXPECT_EQ(readTzFile(bytes.data(), bytes.size(), file), TzFileError::badCounts);
}

}  // namespace
