// Measures the copy page's extraction of the real archive resource under Wine (a tool for
// tools/bench-setup.sh, not a test), each figure the median of several runs, in milliseconds:
//   - the whole page (resource to file, decompression, records), each run into an empty folder
//     as a first installation finds it;
//   - its parts alone: the same page opened and closed without extracting (what creating, showing
//     and hiding a dialog costs under Wine), the extraction on the shown page without those, the
//     decompression into memory as the page does it and into a file as it used to, and the five
//     records written from memory.
#include "extract_archive.h"
#include "gunzip.h"
#include "install_manifest.h"
#include "record_stream.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double nowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void removeInstalledFiles(const std::string& folder) {
    for (const char* name : installedFiles) {
        DeleteFileA((folder + "\\" + name).c_str());
    }
}

// The copy page's template and drawing with a procedure that times the extraction alone: from the
// command the page posts itself once shown to the end of extractArchive (status lines, progress,
// message drains, decompression and file writes; not Wine's making and unmaking of the window).
double extractionMs = 0.0;

INT_PTR CALLBACK timedCopyProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: PostMessageA(page, WM_COMMAND, CMD_EXTRACT_ARCHIVE, 0); return TRUE;
        case WM_PAINT: return paintBanner(page);
        case WM_CTLCOLOREDIT: return colourPageControl(reinterpret_cast<HDC>(wParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == CMD_EXTRACT_ARCHIVE) {
                const double start = nowMs();
                extractArchive(page);
                extractionMs = nowMs() - start;
                return TRUE;
            }
            break;
    }
    return FALSE;
}

// The copy page's template with a procedure that ends it where the extraction would start.
INT_PTR CALLBACK endAtOnceProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        PostMessageA(page, WM_COMMAND, CMD_EXTRACT_ARCHIVE, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == CMD_EXTRACT_ARCHIVE) {
        EndDialog(page, 0);
        return TRUE;
    }
    return FALSE;
}

bool timePages(int runs, const std::string& folder, std::vector<double>& pageMs, std::vector<double>& emptyMs,
               std::vector<double>& extractMs) {
    for (int run = 0; run < runs; ++run) {
        removeInstalledFiles(folder);
        const double start = nowMs();
        if (showCopyPage(nullptr) != 0) {
            std::fprintf(stderr, "setup_bench: the copy page failed\n");
            return false;
        }
        pageMs.push_back(nowMs() - start);
    }
    for (int run = 0; run < runs; ++run) {
        const double start = nowMs();
        DialogBoxParamA(programInstance, IDD_COPY, nullptr, endAtOnceProc, 0);
        emptyMs.push_back(nowMs() - start);
    }
    for (int run = 0; run < runs; ++run) {
        removeInstalledFiles(folder);
        if (DialogBoxParamA(programInstance, IDD_COPY, nullptr, timedCopyProc, 0) != 0) {
            std::fprintf(stderr, "setup_bench: the timed copy page failed\n");
            return false;
        }
        extractMs.push_back(extractionMs);
    }
    return true;
}

// The records of the decompressed stream into the folder, each in one write, as the page writes
// them.
void writeRecords(const std::vector<uint8_t>& plain, const std::string& folder) {
    size_t offset = 0;
    for (int record = 0; record < archiveRecordCount; ++record) {
        ArchiveRecordHeader header;
        if (readRecordHeaderAt(plain.data(), plain.size(), offset, header) != recordStreamOk) {
            return;
        }
        const std::string path = folder + "\\" + header.name;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, plain.data() + offset, header.dataBytes, &written, nullptr);
        CloseHandle(file);
        offset += header.dataBytes;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    programInstance = GetModuleHandleA(nullptr);
    const std::string folder = "C:\\selvara-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    lstrcpynA(wizard.installDirectory, folder.c_str(), sizeof wizard.installDirectory);
    // The copy page refuses an archive larger than the free space the directory page found; the
    // benchmark skips that page, so it states a drive with room to spare.
    wizard.freeSpaceKB = 0xFFFFFFFFul;

    std::vector<double> pageMs, emptyPageMs, extractMs, gunzipMs, memoryMs, writeMs;
    if (!timePages(runs, folder, pageMs, emptyPageMs, extractMs)) {
        return 1;
    }
    // The parts alone, from the same resource bytes written to a file first.
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string gz = std::string(temp) + "selvara-bench.gz";
    const std::string dat = std::string(temp) + "selvara-bench.dat";
    HRSRC found = FindResourceA(programInstance, MAKEINTRESOURCEA(RCDATA_SETUP_ARCHIVE), RT_RCDATA);
    const void* bytes = LockResource(LoadResource(programInstance, found));
    const DWORD size = SizeofResource(programInstance, found);
    std::FILE* file = std::fopen(gz.c_str(), "wb");
    std::fwrite(bytes, 1, size, file);
    std::fclose(file);
    std::vector<uint8_t> plain;
    for (int run = 0; run < runs; ++run) {
        double start = nowMs();
        gunzipFile(dat.c_str(), gz.c_str());
        gunzipMs.push_back(nowMs() - start);
        start = nowMs();
        gunzipFileToMemory(plain, gz.c_str(), plain.size());
        memoryMs.push_back(nowMs() - start);
        removeInstalledFiles(folder);
        start = nowMs();
        writeRecords(plain, folder);
        writeMs.push_back(nowMs() - start);
    }
    std::printf("archive resource: %lu bytes, %zu bytes of records\n", static_cast<unsigned long>(size),
                plain.size());
    std::printf("copy page (resource, gunzip, records): median %.1f ms of %d runs\n", median(pageMs), runs);
    std::printf("  the page opened and closed alone: median %.1f ms\n", median(emptyPageMs));
    std::printf("  the extraction on the shown page: median %.1f ms\n", median(extractMs));
    std::printf("  gunzipFileToMemory alone: median %.1f ms\n", median(memoryMs));
    std::printf("  the records written alone: median %.1f ms\n", median(writeMs));
    std::printf("gunzipFile (into a file, as the page used to) alone: median %.1f ms\n", median(gunzipMs));

    DeleteFileA(gz.c_str());
    DeleteFileA(dat.c_str());
    removeInstalledFiles(folder);
    RemoveDirectoryA(folder.c_str());
    return 0;
}
