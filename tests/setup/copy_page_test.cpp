// The copy page in this process: the real archive resource unpacked byte for byte, cancel while
// the third record is written, and damaged or hostile archives (given to the page through the
// archive-module seam) refused without a byte written.
#include "dialog_driver.h"
#include "in_process.h"
#include "install_checks.h"
#include "progress_bar.h"
#include "record_stream.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The shipped archive's records and where the build made each of them.
const char* const archiveNames[] = {"selvara.exe", "panim.dat", "places.dat", "readme.wri", "selvara-tray.exe", "uninstall.exe"};
const char* const builtPaths[] = {SELVARA_EXE, PANIM_DAT, PLACES_DAT, README_WRI, TRAY_EXE, UNINSTALL_EXE};
constexpr unsigned long freeSpaceForTestsKB = 5000;  // units of 1000 bytes: 5,000,000 bytes

std::string tempFile(const char* name) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

class CopyPage : public ::testing::Test {
public:
    static const std::string missingArchive;

protected:
    void SetUp() override {
        programInstance = GetModuleHandleA(nullptr);
        archiveModule = nullptr;
        folder = makeScratchFolder("selvara-copy");
        lstrcpynA(wizard.installDirectory, folder.c_str(), sizeof wizard.installDirectory);
        // What the directory page found on the drive: room for the shipped archive, less than
        // the product's limit.
        wizard.freeSpaceKB = freeSpaceForTestsKB;
    }
    void TearDown() override {
        archiveModule = nullptr;
        if (dataModule != nullptr)
            FreeLibrary(dataModule);
        if (!modulePath.empty())
            DeleteFileA(modulePath.c_str());
        removeScratchFolder(folder);
        RemoveDirectoryA("C:\\selvara-escaped");
    }

    // A copy of a small program with `archive` as its archive resource, loaded as data.
    // Without a resource when `archive` is missingArchive.
    void useArchive(const std::string& archive) {
        modulePath = tempFile("selvara-archive-module.exe");
        ASSERT_TRUE(CopyFileA(hostPathToWindows(UNINSTALL_EXE).c_str(), modulePath.c_str(), FALSE));
        if (archive != missingArchive) {
            addArchiveResource(archive);
        }
        dataModule = LoadLibraryExA(modulePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(dataModule, nullptr);
        archiveModule = dataModule;
    }
    void addArchiveResource(const std::string& archive) {
        HANDLE update = BeginUpdateResourceA(modulePath.c_str(), FALSE);
        ASSERT_NE(update, nullptr);
        ASSERT_TRUE(UpdateResourceA(update, MAKEINTRESOURCEA(10), MAKEINTRESOURCEA(RCDATA_SETUP_ARCHIVE),
                                    MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                    const_cast<char*>(archive.data()), static_cast<DWORD>(archive.size())));
        ASSERT_TRUE(EndUpdateResourceA(update, FALSE));
    }

    std::string folder;
    std::string modulePath;
    HMODULE dataModule = nullptr;
};

const std::string CopyPage::missingArchive = "(no archive resource)";

std::string gzipped(const std::vector<uint8_t>& stream) {
    const std::string path = tempFile("selvara-test-stream.gz");
    gzFile out = gzopen(path.c_str(), "wb");
    if (!stream.empty())
        gzwrite(out, stream.data(), static_cast<unsigned>(stream.size()));
    gzclose(out);
    const std::string bytes = readWholeFile(path);
    DeleteFileA(path.c_str());
    return bytes;
}

void appendRaw(std::vector<uint8_t>& stream, const std::string& name, uint32_t sizeField, size_t dataBytes) {
    stream.push_back(static_cast<uint8_t>(name.size()));
    stream.insert(stream.end(), name.begin(), name.end());
    for (int shift = 0; shift < 32; shift += 8)
        stream.push_back(static_cast<uint8_t>(sizeField >> shift));
    stream.insert(stream.end(), dataBytes, uint8_t{'x'});
}

TEST_F(CopyPage, UnpacksEveryRecordByteForByteAndDeletesTheTemporaryFiles) {
    EXPECT_EQ(showCopyPage(nullptr), 0);
    for (size_t i = 0; i < std::size(archiveNames); ++i) {
        const std::string installed = readWholeFile(folder + "\\" + archiveNames[i]);
        EXPECT_FALSE(installed.empty()) << archiveNames[i];
        EXPECT_TRUE(installed == readWholeFile(hostPathToWindows(builtPaths[i]))) << archiveNames[i];
    }
    EXPECT_EQ(filesIn(folder).size(), std::size(archiveNames));
    EXPECT_FALSE(fileExists(tempFile("filesdata.gz")));
    EXPECT_FALSE(fileExists(tempFile("filesdata.dat")));
    EXPECT_EQ(progressArithmetic().labelStep, 7) << "the labels 16, 33, 50, 66, 83 and 100 were drawn";
    EXPECT_GE(progressArithmetic().fillRightPx, progressArithmetic().widthPx - 1);
    EXPECT_GT(progressArithmetic().widthPx, 0);
}

// Where the compressed archive lies while "Decompressing setup files" shows.
std::string compressedFileWhileDecompressing;
bool compressedFileSeen = false;

LRESULT CALLBACK watchDecompressing(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && GetDlgCtrlID(call->hwnd) == IDC_COPY_STATUS &&
        call->lParam != 0 &&
        std::strcmp(reinterpret_cast<const char*>(call->lParam), "Decompressing setup files") == 0)
        compressedFileSeen = fileExists(compressedFileWhileDecompressing);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(CopyPage, WithoutATemporaryPathTheStartUpDirectoryIsUsed) {
    // A TMP and TEMP longer than the 260-character buffer: the system cannot give the path.
    char savedTmp[MAX_PATH] = "";
    char savedTemp[MAX_PATH] = "";
    GetEnvironmentVariableA("TMP", savedTmp, sizeof savedTmp);
    GetEnvironmentVariableA("TEMP", savedTemp, sizeof savedTemp);
    const std::string tooLong = "C:\\" + std::string(300, 't');
    SetEnvironmentVariableA("TMP", tooLong.c_str());
    SetEnvironmentVariableA("TEMP", tooLong.c_str());
    const std::string startup = makeScratchFolder("selvara-startup");
    lstrcpynA(startupDirectory, startup.c_str(), sizeof startupDirectory);
    compressedFileWhileDecompressing = startup + "\\filesdata.gz";
    compressedFileSeen = false;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, watchDecompressing, nullptr, GetCurrentThreadId());
    const INT_PTR result = showCopyPage(nullptr);
    UnhookWindowsHookEx(hook);
    SetEnvironmentVariableA("TMP", savedTmp[0] != '\0' ? savedTmp : nullptr);
    SetEnvironmentVariableA("TEMP", savedTemp[0] != '\0' ? savedTemp : nullptr);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(compressedFileSeen) << "the archive was written into " << startup;
    EXPECT_TRUE(filesIn(startup).empty()) << "and removed again";
    EXPECT_EQ(filesIn(folder).size(), std::size(archiveNames));
    removeScratchFolder(startup);
}

// Cancel pressed while the third record (the place list) is written: its status line is the cue.
LRESULT CALLBACK cancelAtThirdRecord(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && GetDlgCtrlID(call->hwnd) == IDC_COPY_STATUS &&
        call->lParam != 0) {
        const char* text = reinterpret_cast<const char*>(call->lParam);
        const size_t length = std::strlen(text);
        if (length > 11 && std::strcmp(text + length - 11, "\\places.dat") == 0) {
            PostMessageA(GetParent(call->hwnd), WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(CopyPage, CancelDuringTheThirdRecordCompletesItAndStops) {
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, cancelAtThirdRecord, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const INT_PTR result = showCopyPage(nullptr);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(fileExists(folder + "\\selvara.exe"));
    EXPECT_TRUE(fileExists(folder + "\\panim.dat"));
    EXPECT_TRUE(readWholeFile(folder + "\\places.dat") == readWholeFile(hostPathToWindows(PLACES_DAT)))
        << "the third file is completed";
    EXPECT_FALSE(fileExists(folder + "\\readme.wri")) << "the fourth is not written";
    EXPECT_FALSE(fileExists(folder + "\\uninstall.exe")) << "nor the fifth";
    EXPECT_FALSE(fileExists(tempFile("filesdata.gz")));
    EXPECT_FALSE(fileExists(tempFile("filesdata.dat")));
}

TEST_F(CopyPage, NestedRecordNamesCreateTheirDirectoriesAndEmptyRecordsGiveEmptyFiles) {
    std::vector<uint8_t> stream;
    appendRecord(stream, "one.txt", reinterpret_cast<const uint8_t*>("1"), 1);
    appendRecord(stream, "sub\\deeper\\two.txt", reinterpret_cast<const uint8_t*>("22"), 2);
    appendRecord(stream, "sub\\three.txt", nullptr, 0);
    appendRecord(stream, "four.txt", reinterpret_cast<const uint8_t*>("4444"), 4);
    appendRecord(stream, "five.txt", reinterpret_cast<const uint8_t*>("55555"), 5);
    appendRecord(stream, "six.txt", reinterpret_cast<const uint8_t*>("666666"), 6);
    useArchive(gzipped(stream));
    EXPECT_EQ(showCopyPage(nullptr), 0);
    EXPECT_EQ(readWholeFile(folder + "\\one.txt"), "1");
    EXPECT_EQ(readWholeFile(folder + "\\sub\\deeper\\two.txt"), "22");
    EXPECT_TRUE(fileExists(folder + "\\sub\\three.txt"));
    EXPECT_EQ(readWholeFile(folder + "\\sub\\three.txt"), "");
    EXPECT_EQ(readWholeFile(folder + "\\four.txt"), "4444");
    EXPECT_EQ(readWholeFile(folder + "\\five.txt"), "55555");
    EXPECT_EQ(readWholeFile(folder + "\\six.txt"), "666666");
}

struct HostileCase {
    const char* what;
    std::string archive;
};

std::vector<HostileCase> hostileCases() {
    std::vector<HostileCase> cases;
    // A whole archive's count of records, one of them with a bad name.
    auto five = [](const std::string& badName, int position) {
        std::vector<uint8_t> stream;
        for (int i = 0; i < archiveRecordCount; ++i)
            appendRaw(stream, i == position ? badName : "ok" + std::to_string(i), 3, 3);
        return stream;
    };
    cases.push_back({"parent folder name", gzipped(five("..\\selvara-escaped\\x.exe", 1))});
    cases.push_back({"drive name", gzipped(five("C:\\selvara-escaped.txt", 0))});
    cases.push_back({"absolute name", gzipped(five("\\selvara-escaped.txt", 3))});
    cases.push_back({"empty name", gzipped(five("", 2))});
    cases.push_back({"device name with an extension", gzipped(five("CON.txt", 2))});
    cases.push_back({"device name in a folder", gzipped(five("sub\\nul", 1))});
    cases.push_back({"device name as a folder", gzipped(five("Com1\\x.txt", 0))});
    cases.push_back({"parent folder name as the fifth record", gzipped(five("..\\selvara-escaped.txt", 4))});
    std::vector<uint8_t> beyondFreeSpace;
    appendRaw(beyondFreeSpace, "a", 1, 1);
    appendRaw(beyondFreeSpace, "b", 4999997, 4999997);
    appendRaw(beyondFreeSpace, "c", 1, 1);
    appendRaw(beyondFreeSpace, "d", 1, 1);
    appendRaw(beyondFreeSpace, "e", 1, 1);
    appendRaw(beyondFreeSpace, "f", 1, 1);  // 5,000,002 bytes in all
    cases.push_back({"records add up to more than the free space", gzipped(beyondFreeSpace)});
    std::vector<uint8_t> three;
    for (int i = 0; i < 3; ++i)
        appendRaw(three, "f" + std::to_string(i), 1, 1);
    cases.push_back({"three records", gzipped(three)});
    // An archive made before the place list was added: its four records are one too few.
    std::vector<uint8_t> withoutPlaces;
    for (const char* name : {"selvara.exe", "panim.dat", "readme.wri", "uninstall.exe"})
        appendRaw(withoutPlaces, name, 7, 7);
    cases.push_back({"the four records of an archive without the place list", gzipped(withoutPlaces)});
    // An archive made before the reminder was added: its five records are one too few.
    std::vector<uint8_t> withoutReminder;
    for (const char* name : {"selvara.exe", "panim.dat", "places.dat", "readme.wri", "uninstall.exe"})
        appendRaw(withoutReminder, name, 7, 7);
    cases.push_back({"the five records of an archive without the reminder", gzipped(withoutReminder)});
    std::vector<uint8_t> huge;
    appendRaw(huge, "a", 1, 1);
    appendRaw(huge, "b", 0xFFFFFFF0u, 10);
    appendRaw(huge, "c", 1, 1);
    appendRaw(huge, "d", 1, 1);
    appendRaw(huge, "e", 1, 1);
    appendRaw(huge, "f", 1, 1);
    cases.push_back({"huge size", gzipped(huge)});
    std::vector<uint8_t> whole;
    for (int i = 0; i < archiveRecordCount; ++i)
        appendRaw(whole, "w" + std::to_string(i), 50, 50);
    std::vector<uint8_t> cut(whole.begin(), whole.end() - 20);
    cases.push_back({"stream ends inside the last record", gzipped(cut)});
    const std::string gz = gzipped(whole);
    cases.push_back({"truncated gzip member", gz.substr(0, gz.size() / 2)});
    cases.push_back({"not compressed at all", std::string("plain text, no archive")});
    cases.push_back({"no archive resource", CopyPage::missingArchive});
    cases.push_back({"a single byte", std::string("\x1f", 1)});
    return cases;
}

TEST_F(CopyPage, DamagedOrHostileArchivesAreRefusedWithoutWritingAnything) {
    for (const HostileCase& hostile : hostileCases()) {
        SCOPED_TRACE(hostile.what);
        useArchive(hostile.archive);
        MessageBoxAnswerer answers{IDOK, {}, {}};
        EXPECT_EQ(runAnsweringMessageBoxes([] { return showCopyPage(nullptr); }, answers), 1);
        ASSERT_FALSE(answers.texts.empty());
        EXPECT_EQ(answers.texts.back(), "Can't decompress setup files");
        EXPECT_EQ(answers.captions.back(), "Error");
        EXPECT_TRUE(filesIn(folder).empty());
        EXPECT_FALSE(directoryExists("C:\\selvara-escaped"));
        EXPECT_FALSE(fileExists("C:\\selvara-escaped.txt"));
        EXPECT_FALSE(fileExists(tempFile("filesdata.gz")));
        EXPECT_FALSE(fileExists(tempFile("filesdata.dat")));
        archiveModule = nullptr;
        FreeLibrary(dataModule);
        dataModule = nullptr;
        DeleteFileA(modulePath.c_str());
    }
}

TEST_F(CopyPage, RecordsAddingUpToTheFreeSpaceAreWritten) {
    std::vector<uint8_t> stream;
    appendRaw(stream, "a", 1, 1);
    appendRaw(stream, "b", 4999996, 4999996);
    appendRaw(stream, "c", 1, 1);
    appendRaw(stream, "d", 1, 1);
    appendRaw(stream, "e", 1, 1);
    appendRaw(stream, "f", 0, 0);  // exactly 5,000,000 bytes
    useArchive(gzipped(stream));
    EXPECT_EQ(showCopyPage(nullptr), 0);
    EXPECT_EQ(readWholeFile(folder + "\\b").size(), 4999996u);
}

TEST_F(CopyPage, MoreThan64MiBIsRefusedWhateverTheFreeSpace) {
    wizard.freeSpaceKB = 0xFFFFFFFFul;  // a drive of 4 TB free
    const uint32_t mebibyte = 1024 * 1024;
    struct Case {
        const char* what;
        uint32_t secondRecordBytes;
        size_t trailingBytes;  // after the last record, which the reader ignores
        size_t messages;       // gunzip's own message before "Can't decompress setup files"
    };
    const Case cases[] = {
        {"records of 64 MiB and one byte", 64 * mebibyte - 3, 0, 1},
        {"a stream of more than 65 MiB", 1, 65 * mebibyte, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> stream;
        appendRaw(stream, "a", 1, 1);
        appendRaw(stream, "b", c.secondRecordBytes, c.secondRecordBytes);
        appendRaw(stream, "c", 1, 1);
        appendRaw(stream, "d", 1, 1);
        appendRaw(stream, "e", 1, 1);
        appendRaw(stream, "f", 0, 0);
        stream.insert(stream.end(), c.trailingBytes, uint8_t{0});
        useArchive(gzipped(stream));
        MessageBoxAnswerer answers{IDOK, {}, {}};
        EXPECT_EQ(runAnsweringMessageBoxes([] { return showCopyPage(nullptr); }, answers), 1);
        ASSERT_EQ(answers.texts.size(), c.messages);
        EXPECT_EQ(answers.texts.back(), "Can't decompress setup files");
        EXPECT_TRUE(filesIn(folder).empty());
        EXPECT_FALSE(fileExists(tempFile("filesdata.dat")));
        archiveModule = nullptr;
        FreeLibrary(dataModule);
        dataModule = nullptr;
        DeleteFileA(modulePath.c_str());
    }
}

}  // namespace
