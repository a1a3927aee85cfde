// The record stream of the setup archive: what the packer writes, the installer reads back; every
// malformed stream is refused before a byte is written.
#include "gunzip_stream.h"
#include "record_stream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A temporary file holding the bytes, positioned at its start; closed by the caller.
std::FILE* streamOf(const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) {
        return nullptr;
    }
    if (!bytes.empty()) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    }
    std::rewind(file);
    return file;
}

// The scan of a stream in a file and of the same bytes in memory (as the installer holds them)
// must agree; the file's outcome is returned.
RecordStreamStatus scanBytes(const std::vector<uint8_t>& bytes) {
    std::FILE* file = streamOf(bytes);
    if (file == nullptr) {
        ADD_FAILURE() << "tmpfile";
        return recordStreamUnreadable;
    }
    const RecordStreamStatus status = scanRecordStream(file);
    std::fclose(file);
    EXPECT_EQ(scanRecordBytes(bytes.data(), bytes.size(), archiveMostDataBytes), status) << "held in memory";
    return status;
}

// The records of a shipped archive in their order.
const char* const shippedNames[] = {"selvara.exe", "panim.dat", "places.dat", "readme.wri", "selvara-tray.exe", "uninstall.exe"};
static_assert(sizeof shippedNames / sizeof shippedNames[0] == archiveRecordCount, "one name per record");

// The records of a shipped archive, with small contents.
std::vector<uint8_t> shippedRecordStream() {
    std::vector<uint8_t> stream;
    for (const char* name : shippedNames) {
        const std::vector<uint8_t> data = bytesOf(std::string("content of ") + name);
        EXPECT_TRUE(appendRecord(stream, name, data.data(), data.size()));
    }
    return stream;
}

// A record written by hand, so that the writer's own checks do not stop hostile names.
void appendRaw(std::vector<uint8_t>& stream, const std::string& name, uint32_t sizeField, size_t dataBytes) {
    stream.push_back(static_cast<uint8_t>(name.size()));
    stream.insert(stream.end(), name.begin(), name.end());
    for (int shift = 0; shift < 32; shift += 8) {
        stream.push_back(static_cast<uint8_t>(sizeField >> shift));
    }
    stream.insert(stream.end(), dataBytes, uint8_t{0x5A});
}

TEST(RecordStream, WriterProducesTheDocumentedLayoutByteForByte) {
    std::vector<uint8_t> stream;
    const uint8_t data[3] = {0x01, 0x02, 0xFF};
    ASSERT_TRUE(appendRecord(stream, "a\\b.txt", data, sizeof data));
    const std::vector<uint8_t> expected = {7,    'a',  '\\', 'b',  '.',  't',  'x', 't',
                                           0x03, 0x00, 0x00, 0x00, 0x01, 0x02, 0xFF};
    EXPECT_EQ(stream, expected);
}

TEST(RecordStream, RoundTripOfTheShippedRecordsThroughTheReader) {
    const std::vector<uint8_t> stream = shippedRecordStream();
    std::FILE* file = streamOf(stream);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(scanRecordStream(file), recordStreamOk);
    const char* const* names = shippedNames;
    for (int i = 0; i < archiveRecordCount; ++i) {
        ArchiveRecordHeader header;
        ASSERT_EQ(readRecordHeader(file, header), recordStreamOk);
        EXPECT_STREQ(header.name, names[i]);
        EXPECT_EQ(header.nameBytes, std::strlen(names[i]));
        std::string data(header.dataBytes, '\0');
        ASSERT_EQ(std::fread(&data[0], 1, data.size(), file), data.size());
        EXPECT_EQ(data, std::string("content of ") + names[i]);
    }
    ArchiveRecordHeader after;
    EXPECT_EQ(readRecordHeader(file, after), recordStreamTooFewRecords);
    std::fclose(file);

    size_t offset = 0;
    for (int i = 0; i < archiveRecordCount; ++i) {
        ArchiveRecordHeader header;
        ASSERT_EQ(readRecordHeaderAt(stream.data(), stream.size(), offset, header), recordStreamOk);
        EXPECT_STREQ(header.name, names[i]);
        ASSERT_LE(header.dataBytes, stream.size() - offset);
        EXPECT_EQ(std::string(stream.begin() + offset, stream.begin() + offset + header.dataBytes),
                  std::string("content of ") + names[i]);
        offset += header.dataBytes;
    }
    EXPECT_EQ(offset, stream.size());
    EXPECT_EQ(readRecordHeaderAt(stream.data(), stream.size(), offset, after), recordStreamTooFewRecords);
}

TEST(RecordStream, EmptyDataAndNamesOfTheFullLengthAreKept) {
    std::vector<uint8_t> stream;
    const std::string longName(recordNameMaxBytes, 'n');
    ASSERT_TRUE(appendRecord(stream, longName.c_str(), nullptr, 0));
    ASSERT_TRUE(appendRecord(stream, "empty.dat", nullptr, 0));
    ASSERT_TRUE(appendRecord(stream, "sub\\deeper\\file.bin", nullptr, 0));
    ASSERT_TRUE(appendRecord(stream, "z", nullptr, 0));
    ASSERT_TRUE(appendRecord(stream, "y", nullptr, 0));
    ASSERT_TRUE(appendRecord(stream, "x", nullptr, 0));
    EXPECT_EQ(scanBytes(stream), recordStreamOk);
    std::FILE* file = streamOf(stream);
    ArchiveRecordHeader header;
    ASSERT_EQ(readRecordHeader(file, header), recordStreamOk);
    EXPECT_EQ(std::string(header.name), longName);
    EXPECT_EQ(header.name[recordNameMaxBytes], '\0');
    EXPECT_EQ(header.dataBytes, 0u);
    std::fclose(file);
    EXPECT_FALSE(appendRecord(stream, (longName + "x").c_str(), nullptr, 0));
}

TEST(RecordStream, BytesAfterTheLastRecordAreIgnored) {
    std::vector<uint8_t> stream = shippedRecordStream();
    appendRaw(stream, "..\\fifth", 1000000, 3);
    EXPECT_EQ(scanBytes(stream), recordStreamOk);
}

TEST(RecordStreamHostile, EveryTruncationOfAValidStreamIsRefused) {
    const std::vector<uint8_t> stream = shippedRecordStream();
    for (size_t length = 0; length < stream.size(); ++length) {
        const std::vector<uint8_t> cut(stream.begin(), stream.begin() + length);
        const RecordStreamStatus status = scanBytes(cut);
        EXPECT_TRUE(status == recordStreamTruncated || status == recordStreamTooFewRecords)
            << "prefix of " << length << " bytes gave status " << static_cast<int>(status);
    }
}

TEST(RecordStreamHostile, FewerRecordsThanShippedAreRefused) {
    for (int count = 0; count < archiveRecordCount; ++count) {
        std::vector<uint8_t> stream;
        for (int i = 0; i < count; ++i) {
            appendRaw(stream, "file" + std::to_string(i), 2, 2);
        }
        EXPECT_EQ(scanBytes(stream), recordStreamTooFewRecords) << count << " records";
    }
    // The four records of an archive made before the place list was added.
    std::vector<uint8_t> withoutPlaces;
    for (const char* name : {"selvara.exe", "panim.dat", "readme.wri", "uninstall.exe"}) {
        appendRaw(withoutPlaces, name, 2, 2);
    }
    EXPECT_EQ(scanBytes(withoutPlaces), recordStreamTooFewRecords);
    // The five records of an archive made before the reminder was added.
    std::vector<uint8_t> withoutReminder;
    for (const char* name : {"selvara.exe", "panim.dat", "places.dat", "readme.wri", "uninstall.exe"}) {
        appendRaw(withoutReminder, name, 2, 2);
    }
    EXPECT_EQ(scanBytes(withoutReminder), recordStreamTooFewRecords);
}

TEST(RecordStreamHostile, AHugeSizeIsRefusedWithoutReadingIt) {
    for (uint32_t size : {0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu, 11u}) {
        std::vector<uint8_t> stream;
        appendRaw(stream, "selvara.exe", 4, 4);
        appendRaw(stream, "panim.dat", size, 10);
        appendRaw(stream, "places.dat", 0, 0);
        appendRaw(stream, "readme.wri", 0, 0);
        appendRaw(stream, "selvara-tray.exe", 0, 0);
        appendRaw(stream, "uninstall.exe", 0, 0);
        EXPECT_EQ(scanBytes(stream), recordStreamTruncated) << "size " << size;
    }
}

TEST(RecordStreamHostile, NamesThatLeaveTheInstallationDirectoryAreRefused) {
    const std::string unsafe[] = {
        "",
        "..",
        "..\\x.exe",
        "a\\..\\..\\x",
        "a\\..",
        "\\windows\\x.dll",
        "/etc/x",
        "C:\\x.exe",
        "C:x.exe",
        "x:",
        "a\\\\b",
        "dir\\",
        ".",
        "a\\.\\b",
        "../x",
        "a/../x",
        "\\\\server\\share\\x",
        std::string("a\0b", 3),
        // Windows drops trailing dots and spaces from a path element: ".. " would climb out.
        ".. ",
        "...",
        ". ",
        " ",
        "a\\.. \\..\\x",
    };
    for (const std::string& name : unsafe) {
        EXPECT_FALSE(isSafeRecordName(name.data(), name.size())) << "[" << name << "]";
        for (int position = 0; position < archiveRecordCount; ++position) {
            std::vector<uint8_t> stream;
            for (int i = 0; i < archiveRecordCount; ++i) {
                appendRaw(stream, i == position ? name : "f" + std::to_string(i), 1, 1);
            }
            EXPECT_EQ(scanBytes(stream), recordStreamUnsafeName) << "[" << name << "] as record " << position;
        }
        std::vector<uint8_t> refused;
        if (name.find('\0') == std::string::npos) {
            EXPECT_FALSE(appendRecord(refused, name.c_str(), nullptr, 0)) << "[" << name << "]";
        }
    }
    const std::string safe[] = {"selvara.exe", "sub\\file.txt", "a\\b\\c.d", "..x",
                                "x..",         ".x.",           "a.b.c",     "name with blanks.txt"};
    for (const std::string& name : safe) {
        EXPECT_TRUE(isSafeRecordName(name.data(), name.size())) << "[" << name << "]";
    }
}

TEST(RecordStreamHostile, DeviceNamesAreRefusedInEveryElement) {
    // The device names Windows reserves in every folder, as its documentation of file names lists
    // them; an extension or trailing spaces do not make them ordinary files.
    const std::string devices[] = {
        "CON",        "con",      "Con.txt",       "nul.tar.gz", "PRN ",        "aux",
        "COM1",       "com9.log", "LPT1",          "lpt9",       "CON .txt",    "sub\\AUX",
        "aux\\x.txt", "a/NUL",    "a\\b\\PrN.doc", "COM\xB9",    "lpt\xB2.txt", "Com\xB3",
    };
    for (const std::string& name : devices) {
        EXPECT_FALSE(isSafeRecordName(name.data(), name.size())) << "[" << name << "]";
        std::vector<uint8_t> stream = shippedRecordStream();
        std::vector<uint8_t> withDevice;
        appendRaw(withDevice, name, 1, 1);
        withDevice.insert(withDevice.end(), stream.begin(), stream.end());
        EXPECT_EQ(scanBytes(withDevice), recordStreamUnsafeName) << "[" << name << "]";
    }
    const std::string ordinary[] = {"CONSOLE",       "con1",  "COM10",    "LPT",  "xnul",        "nul_",
                                    "auxiliary.txt", "a.con", "prn2.txt", "COMA", "sub\\conx\\f"};
    for (const std::string& name : ordinary) {
        EXPECT_TRUE(isSafeRecordName(name.data(), name.size())) << "[" << name << "]";
    }
}

// A stream whose second record holds `secondBytes` bytes, written as a sparse file: the scan only
// seeks over the data, so 64 MiB cost nothing.
std::FILE* streamWithLargeRecord(uint32_t secondBytes) {
    std::vector<uint8_t> head;
    appendRaw(head, "a", 1, 1);
    appendRaw(head, "b", secondBytes, 0);
    std::FILE* file = std::tmpfile();
    if (file == nullptr)
        return nullptr;
    std::fwrite(head.data(), 1, head.size(), file);
    std::fseek(file, static_cast<long>(secondBytes), SEEK_CUR);
    std::vector<uint8_t> tail;
    appendRaw(tail, "c", 1, 1);
    appendRaw(tail, "d", 1, 1);
    appendRaw(tail, "e", 1, 1);
    appendRaw(tail, "f", 0, 0);
    std::fwrite(tail.data(), 1, tail.size(), file);
    std::rewind(file);
    return file;
}

TEST(RecordStreamHostile, RecordsAddingUpToMoreThan64MiBAreRefused) {
    const uint32_t mostBytes = 64u * 1024 * 1024;
    struct Case {
        uint32_t secondBytes;  // the other records hold four bytes in all
        RecordStreamStatus expected;
    };
    const Case cases[] = {
        {mostBytes - 4, recordStreamOk},
        {mostBytes - 3, recordStreamTooLarge},
        {mostBytes, recordStreamTooLarge},
    };
    for (const Case& c : cases) {
        std::FILE* file = streamWithLargeRecord(c.secondBytes);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(scanRecordStream(file), c.expected) << c.secondBytes;
        std::rewind(file);
        EXPECT_EQ(scanRecordStream(file, uint64_t{1} << 40), c.expected)
            << "a larger room does not lift the limit";
        std::fclose(file);
    }
}

TEST(RecordStreamHostile, RecordsAddingUpToMoreThanTheRoomGivenAreRefused) {
    std::vector<uint8_t> stream;
    appendRaw(stream, "a", 400, 400);
    appendRaw(stream, "b", 300, 300);
    appendRaw(stream, "c", 150, 150);
    appendRaw(stream, "d", 100, 100);
    appendRaw(stream, "e", 50, 50);
    appendRaw(stream, "f", 0, 0);  // 1,000 bytes of data
    for (uint64_t room : {uint64_t{1000}, uint64_t{999}, uint64_t{0}}) {
        std::FILE* file = streamOf(stream);
        ASSERT_NE(file, nullptr);
        const RecordStreamStatus expected = room >= 1000 ? recordStreamOk : recordStreamTooLarge;
        EXPECT_EQ(scanRecordStream(file, room), expected) << room;
        EXPECT_EQ(scanRecordBytes(stream.data(), stream.size(), room), expected) << room << " in memory";
        std::fclose(file);
    }
}

TEST(GunzipStream, StopsOnceMoreThanTheMostBytesComeOut) {
    const char path[] = "selvara-gunzip-test.gz";  // in the test's working folder, on both systems
    const std::vector<uint8_t> plain(100000, uint8_t{'z'});
    gzFile out = gzopen(path, "wb");
    ASSERT_NE(out, nullptr);
    gzwrite(out, plain.data(), static_cast<unsigned>(plain.size()));
    gzclose(out);
    for (uint64_t most : {uint64_t{100000}, uint64_t{99999}, uint64_t{0}}) {
        gzFile in = gzopen(path, "rb");
        ASSERT_NE(in, nullptr);
        std::FILE* destination = std::tmpfile();
        ASSERT_NE(destination, nullptr);
        const GunzipResult result = gunzipStream(in, destination, most);
        EXPECT_EQ(result.status, most >= 100000 ? gunzipOk : gunzipTooLarge) << most;
        EXPECT_LE(static_cast<uint64_t>(std::ftell(destination)), most + 16384) << "stops within one buffer";
        std::fclose(destination);
        gzclose(in);
    }
    std::remove(path);
}

// Into memory, the bytes come out whole and in order whatever size the caller expected (the
// trailer's size, a wrong one or none), and the most allowed is kept to as by gunzipStream.
TEST(GunzipStream, IntoMemoryWholeWhateverTheSizeExpected) {
    const char path[] = "selvara-gunzip-memory-test.gz";
    std::vector<uint8_t> plain(2500000);  // more than the block grows by at a time
    for (size_t i = 0; i < plain.size(); ++i) {
        plain[i] = static_cast<uint8_t>((i * 7919) >> 9);
    }
    gzFile out = gzopen(path, "wb");
    ASSERT_NE(out, nullptr);
    gzwrite(out, plain.data(), static_cast<unsigned>(plain.size()));
    gzclose(out);
    const size_t size = plain.size();
    struct Case {
        uint64_t mostBytes;
        size_t sizeHintBytes;
        GunzipStatus expected;
    };
    const Case cases[] = {
        {size, size, gunzipOk},
        {size, 0, gunzipOk},
        {size, size - 1, gunzipOk},
        {size, 10, gunzipOk},
        {size, size_t{1} << 40, gunzipOk},
        {size - 1, size, gunzipTooLarge},
        {0, 0, gunzipTooLarge},
    };
    for (const Case& c : cases) {
        gzFile in = gzopen(path, "rb");
        ASSERT_NE(in, nullptr);
        std::vector<uint8_t> out = {1, 2, 3};
        const GunzipResult result = gunzipToMemory(in, out, c.mostBytes, c.sizeHintBytes);
        gzclose(in);
        EXPECT_EQ(result.status, c.expected) << c.mostBytes << " " << c.sizeHintBytes;
        if (c.expected == gunzipOk) {
            EXPECT_TRUE(out == plain) << "hint " << c.sizeHintBytes;
        } else {
            EXPECT_TRUE(out.empty());
        }
    }
    std::remove(path);
}

#ifdef PACKER_PROGRAM
// The packer as the build runs it: its output is one gzip member with no file name and a zero
// modification time, whose content reads back as the records in the order given.
TEST(Packer, PacksTheShippedFilesThatReadBackInOrder) {
    const std::string folder = ::testing::TempDir();
    const char* const* names = shippedNames;
    std::string contents[archiveRecordCount];
    std::string command = std::string(PACKER_PROGRAM) + " " + folder + "packed.gz";
    for (int i = 0; i < archiveRecordCount; ++i) {
        contents[i].assign(1000 + 7919 * i, '\0');
        for (size_t k = 0; k < contents[i].size(); ++k) {
            contents[i][k] = static_cast<char>((k * 31 + i) % 251);
        }
        const std::string path = folder + "packer_input_" + std::to_string(i);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(contents[i].data(), 1, contents[i].size(), file);
        std::fclose(file);
        command += std::string(" ") + names[i] + "=" + path;
    }
    command += " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    std::FILE* packed = std::fopen((folder + "packed.gz").c_str(), "rb");
    ASSERT_NE(packed, nullptr);
    uint8_t header[10] = {};
    ASSERT_EQ(std::fread(header, 1, sizeof header, packed), sizeof header);
    std::fclose(packed);
    EXPECT_EQ(header[0], 0x1F);
    EXPECT_EQ(header[1], 0x8B);
    EXPECT_EQ(header[2], 8) << "deflate";
    EXPECT_EQ(header[3], 0) << "no file name, comment or extra field";
    EXPECT_EQ(header[4] | header[5] | header[6] | header[7], 0) << "modification time 0";

    gzFile in = gzopen((folder + "packed.gz").c_str(), "rb");
    ASSERT_NE(in, nullptr);
    std::vector<uint8_t> stream;
    uint8_t buffer[16384];
    int count;
    while ((count = gzread(in, buffer, sizeof buffer)) > 0) {
        stream.insert(stream.end(), buffer, buffer + count);
    }
    EXPECT_EQ(count, 0);
    gzclose(in);

    std::FILE* file = streamOf(stream);
    ASSERT_EQ(scanRecordStream(file), recordStreamOk);
    for (int i = 0; i < archiveRecordCount; ++i) {
        ArchiveRecordHeader record;
        ASSERT_EQ(readRecordHeader(file, record), recordStreamOk);
        EXPECT_STREQ(record.name, names[i]);
        std::string data(record.dataBytes, '\0');
        ASSERT_EQ(std::fread(&data[0], 1, data.size(), file), data.size());
        EXPECT_EQ(data, contents[i]) << names[i];
    }
    EXPECT_EQ(std::fgetc(file), EOF);
    std::fclose(file);
    for (int i = 0; i < archiveRecordCount; ++i) {
        std::remove((folder + "packer_input_" + std::to_string(i)).c_str());
    }
    std::remove((folder + "packed.gz").c_str());
}

TEST(Packer, RefusesAnUnsafeNameAndAMissingFile) {
    const std::string folder = ::testing::TempDir();
    const std::string out = folder + "refused.gz";
    std::string command = std::string(PACKER_PROGRAM) + " " + out + " ..\\\\x=/dev/null 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    command = std::string(PACKER_PROGRAM) + " " + out + " x=" + folder + "no-such-file 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
    std::remove(out.c_str());
}

void writeFile(const std::string& path, const std::string& content) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
}

// As the build packs the installer: the manifest's files, each from the first folder holding it.
TEST(Packer, PacksTheManifestFromTheFirstFolderHoldingEachFile) {
    const std::string first = ::testing::TempDir() + "packer_first";
    const std::string second = ::testing::TempDir() + "packer_second";
    ASSERT_EQ(std::system(("mkdir -p " + first + " " + second).c_str()), 0);
    for (const char* name : installedFiles) {
        writeFile(second + "/" + name, std::string("second ") + name);
    }
    writeFile(first + "/" + installedFiles[1], "first");
    const std::string out = ::testing::TempDir() + "manifest.gz";
    const std::string command =
        std::string(PACKER_PROGRAM) + " " + out + " --from " + first + " " + second + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    gzFile in = gzopen(out.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    std::vector<uint8_t> stream(1 << 16);
    const int count = gzread(in, stream.data(), static_cast<unsigned>(stream.size()));
    gzclose(in);
    ASSERT_GT(count, 0);
    stream.resize(static_cast<size_t>(count));
    std::FILE* file = streamOf(stream);
    for (int i = 0; i < installedFileCount; ++i) {
        ArchiveRecordHeader record;
        ASSERT_EQ(readRecordHeader(file, record), recordStreamOk);
        EXPECT_STREQ(record.name, installedFiles[i]);
        std::string data(record.dataBytes, '\0');
        ASSERT_EQ(std::fread(&data[0], 1, data.size(), file), data.size());
        EXPECT_EQ(data, i == 1 ? std::string("first") : std::string("second ") + installedFiles[i]);
    }
    EXPECT_EQ(std::fgetc(file), EOF);
    std::fclose(file);

    // A manifest file that no folder holds stops the build's packing step.
    std::remove((second + "/" + installedFiles[uninstallerFile]).c_str());
    EXPECT_NE(std::system((std::string(PACKER_PROGRAM) + " " + out + " --from " + first + " " + second +
                           " > /dev/null 2>&1")
                              .c_str()),
              0);
    std::system(("rm -rf " + first + " " + second + " " + out).c_str());
}
#endif

}  // namespace
