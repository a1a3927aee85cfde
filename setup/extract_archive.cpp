// extractArchive: unpacks the setup archive on the copy page (see extract_archive.h).
//
// The archive is decompressed into memory, not into a second temporary file that would be
// written and read back: the records go from that one block straight into their files, each in
// one write. The decompressed record stream is checked whole (every record, complete, with names
// that stay inside the installation directory, adding up to no more than the free space the
// directory page found and the product's limit) before the first file is written, so a damaged or
// hostile archive writes nothing and ends like a failed decompression.
#include "extract_archive.h"

#include "gunzip.h"
#include "message_pump.h"
#include "progress_bar.h"
#include "record_stream.h"
#include "setupvara_resource.h"
#include "wizard_state.h"

#include <cstdio>
#include <cstring>
#include <vector>

constexpr int tempPathChars = 260;
static char tempDirectory[tempPathChars + 1];
static int recordCounter = 0;
static int cancelFlag = 0;
static HWND copyPageWindow = nullptr;

void cancelExtraction() {
    cancelFlag = 1;
}

static void setStatus(const char* text) {
    SetDlgItemTextA(copyPageWindow, IDC_COPY_STATUS, text);
}

static void chooseTempDirectory() {
    std::memset(tempDirectory, 0, sizeof tempDirectory);
    const DWORD chars = GetTempPathA(tempPathChars, tempDirectory);
    if (chars == 0 || chars > tempPathChars) {
        lstrcpynA(tempDirectory, startupDirectory, sizeof tempDirectory);
    }
    const size_t length = std::strlen(tempDirectory);
    if (length > 0 && tempDirectory[length - 1] == '\\') {
        tempDirectory[length - 1] = '\0';
    }
}

// The size a gzip member's trailer gives for its content (the last four bytes, little-endian);
// 0 when the bytes are too few to hold a member.
static size_t gzipTrailerSize(const BYTE* bytes, DWORD byteCount) {
    constexpr DWORD smallestMemberBytes = 18;  // header 10, empty deflate 0 or more, trailer 8
    if (byteCount < smallestMemberBytes) {
        return 0;
    }
    const BYTE* size = bytes + byteCount - 4;
    return static_cast<size_t>(size[0]) | static_cast<size_t>(size[1]) << 8 |
           static_cast<size_t>(size[2]) << 16 | static_cast<size_t>(size[3]) << 24;
}

// The archive resource into the compressed file; false if the resource fails, or the file cannot
// be created or fully written. plainBytesHint: the decompressed size the archive announces.
static bool writeArchiveResource(const char* compressedPath, size_t& plainBytesHint) {
    HMODULE module = archiveModule != nullptr ? archiveModule : programInstance;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(RCDATA_SETUP_ARCHIVE), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return false;
    }
    const DWORD size = SizeofResource(module, found);
    plainBytesHint = gzipTrailerSize(static_cast<const BYTE*>(bytes), size);
    std::FILE* file = std::fopen(compressedPath, "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// One installed file, in one write. A file that cannot be created is skipped; one that cannot be
// written whole (a full disk) is removed again, so that no cut-off program is left behind, and
// skipped too.
static void writeInstalledFile(const char* path, const BYTE* data, uint32_t dataBytes) {
    HANDLE output = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    const bool whole =
        dataBytes == 0 || (WriteFile(output, data, dataBytes, &written, nullptr) && written == dataBytes);
    if (!CloseHandle(output) || !whole) {
        DeleteFileA(path);
    }
}

// The free space of the installation drive as the directory page found it (units of 1000 bytes).
static uint64_t freeSpaceBytes() {
    return static_cast<uint64_t>(wizard.freeSpaceKB) * 1000;
}

// Creates every directory named by the record name's prefixes that end at a backslash.
static void createRecordDirectories(const char* name) {
    char directory[setupPathBytes];
    for (size_t i = 1; name[i] != '\0'; ++i) {
        if (name[i] != '\\') {
            continue;
        }
        const int written = std::snprintf(directory, sizeof directory, "%s\\%.*s", wizard.installDirectory,
                                          static_cast<int>(i), name);
        if (written > 0 && static_cast<size_t>(written) < sizeof directory) {
            CreateDirectoryA(directory, nullptr);
        }
    }
}

// One record at `offset` of the decompressed stream: name, directories, status line, progress,
// data into its file; offset moves to the next record. False when the stream breaks off (which
// the scan has excluded).
static bool extractRecord(const std::vector<uint8_t>& records, size_t& offset) {
    ArchiveRecordHeader header;
    if (readRecordHeaderAt(records.data(), records.size(), offset, header) != recordStreamOk ||
        header.dataBytes > records.size() - offset) {
        return false;
    }
    createRecordDirectories(header.name);
    char outputPath[setupPathBytes];
    const int written =
        std::snprintf(outputPath, sizeof outputPath, "%s\\%s", wizard.installDirectory, header.name);
    const bool pathFits = written > 0 && static_cast<size_t>(written) < sizeof outputPath;
    setStatus(outputPath);
    progressStep();
    if (pathFits) {
        writeInstalledFile(outputPath, records.data() + offset, header.dataBytes);
    }
    offset += header.dataBytes;
    return true;
}

void extractArchive(HWND copyPage) {
    copyPageWindow = copyPage;
    chooseTempDirectory();
    recordCounter = 0;
    cancelFlag = 0;
    progressBegin(GetDlgItem(copyPage, IDC_COPY_PROGRESS), archiveRecordCount, progressStyleFill);
    progressStep();
    setStatus("Preparing to decompress setup files");

    char compressedPath[setupPathBytes];
    std::snprintf(compressedPath, sizeof compressedPath, "%s\\filesdata.gz", tempDirectory);
    size_t plainBytesHint = 0;
    if (!writeArchiveResource(compressedPath, plainBytesHint)) {
        cancelFlag = 1;
    }
    std::vector<uint8_t> records;
    if (cancelFlag == 0) {
        setStatus("Decompressing setup files");
        if (!gunzipFileToMemory(records, compressedPath, plainBytesHint)) {
            cancelFlag = 1;
        }
    }
    if (cancelFlag == 1 ||
        scanRecordBytes(records.data(), records.size(), freeSpaceBytes()) != recordStreamOk) {
        MessageBoxA(copyPage, "Can't decompress setup files", nullptr, MB_OK | MB_ICONERROR);
        cancelFlag = 1;
    } else {
        size_t offset = 0;
        while (cancelFlag == 0 && recordCounter < archiveRecordCount) {
            if (!extractRecord(records, offset)) {
                MessageBoxA(copyPage, "Can't decompress setup files", nullptr, MB_OK | MB_ICONERROR);
                cancelFlag = 1;
                break;
            }
            recordCounter += 1;
            if (cancelFlag == 0) {
                drainMessages(copyPageWindow, cancelFlag);
            }
        }
    }
    setStatus("Deleting temproary files");
    DeleteFileA(compressedPath);
    progressEnd();
    EndDialog(copyPage, cancelFlag);
}
