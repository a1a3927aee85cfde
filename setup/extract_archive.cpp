// extractArchive: unpacks the setup archive on the copy page (see extract_archive.h).
//
// The decompressed record stream is checked whole (every record, complete, with names that stay
// inside the installation directory, adding up to no more than the free space the directory page
// found and the product's limit) before the first file is written, so a damaged or hostile archive
// writes nothing and ends like a failed decompression.
#include "extract_archive.h"

#include "gunzip.h"
#include "message_pump.h"
#include "progress_bar.h"
#include "record_stream.h"
#include "setupvara_resource.h"
#include "wizard_state.h"

#include <cstdio>
#include <cstring>

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

// The archive resource into the compressed file; false if the resource fails, or the file cannot
// be created or fully written.
static bool writeArchiveResource(const char* compressedPath) {
    HMODULE module = archiveModule != nullptr ? archiveModule : programInstance;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(RCDATA_SETUP_ARCHIVE), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return false;
    }
    const DWORD size = SizeofResource(module, found);
    std::FILE* file = std::fopen(compressedPath, "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

// One installed file. A file that cannot be created is skipped; one that cannot be written whole
// (a full disk) is removed again, so that no cut-off program is left behind, and skipped too.
static void writeInstalledFile(const char* path, const BYTE* data, size_t dataBytes) {
    std::FILE* output = std::fopen(path, "wb");
    if (output == nullptr) {
        return;
    }
    const bool written = dataBytes == 0 || std::fwrite(data, 1, dataBytes, output) == dataBytes;
    if (std::fclose(output) != 0 || !written) {
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

// One record: name, directories, status line, progress, data into its file. False when the
// stream breaks off (which the scan has excluded) or memory runs out.
static bool extractRecord(std::FILE* stream) {
    ArchiveRecordHeader header;
    if (readRecordHeader(stream, header) != recordStreamOk) {
        return false;
    }
    createRecordDirectories(header.name);
    char outputPath[setupPathBytes];
    const int written =
        std::snprintf(outputPath, sizeof outputPath, "%s\\%s", wizard.installDirectory, header.name);
    const bool pathFits = written > 0 && static_cast<size_t>(written) < sizeof outputPath;
    setStatus(outputPath);
    progressStep();

    HGLOBAL block = GlobalAlloc(GPTR, header.dataBytes > 0 ? header.dataBytes : 1);
    if (block == nullptr) {
        return false;
    }
    BYTE* data = static_cast<BYTE*>(static_cast<void*>(block));
    const size_t read = std::fread(data, 1, header.dataBytes, stream);
    if (read == header.dataBytes && pathFits) {
        writeInstalledFile(outputPath, data, header.dataBytes);
    }
    GlobalFree(block);
    return read == header.dataBytes;
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
    char decompressedPath[setupPathBytes];
    std::snprintf(compressedPath, sizeof compressedPath, "%s\\filesdata.gz", tempDirectory);
    std::snprintf(decompressedPath, sizeof decompressedPath, "%s\\filesdata.dat", tempDirectory);
    if (!writeArchiveResource(compressedPath)) {
        cancelFlag = 1;
    }
    if (cancelFlag == 0) {
        setStatus("Decompressing setup files");
        if (!gunzipFile(decompressedPath, compressedPath)) {
            cancelFlag = 1;
        }
    }
    std::FILE* stream = cancelFlag == 0 ? std::fopen(decompressedPath, "rb") : nullptr;
    if (stream != nullptr && scanRecordStream(stream, freeSpaceBytes()) != recordStreamOk) {
        std::fclose(stream);
        stream = nullptr;
    }
    if (stream == nullptr) {
        MessageBoxA(copyPage, "Can't decompress setup files", nullptr, MB_OK | MB_ICONERROR);
        cancelFlag = 1;
    } else {
        while (cancelFlag == 0 && recordCounter < archiveRecordCount) {
            if (!extractRecord(stream)) {
                MessageBoxA(copyPage, "Can't decompress setup files", nullptr, MB_OK | MB_ICONERROR);
                cancelFlag = 1;
                break;
            }
            recordCounter += 1;
            if (cancelFlag == 0) {
                drainMessages(copyPageWindow, cancelFlag);
            }
        }
        std::fclose(stream);
    }
    setStatus("Deleting temproary files");
    DeleteFileA(compressedPath);
    DeleteFileA(decompressedPath);
    progressEnd();
    EndDialog(copyPage, cancelFlag);
}
