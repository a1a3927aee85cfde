#include "app_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

void fixedLocalTime(SYSTEMTIME* localTime) {
    std::memset(localTime, 0, sizeof *localTime);
    localTime->wYear = fixedYear;
    localTime->wMonth = fixedMonth;
    localTime->wDay = fixedDay;
    localTime->wDayOfWeek = fixedDayOfWeek;
    localTime->wHour = 12;
}

// This computer's zone in every test unless a test sets its own: UTC without daylight time, so
// that the daylight box never finds the test machine's rules.
DWORD utcWithoutDaylightTime(TIME_ZONE_INFORMATION* information) {
    std::memset(information, 0, sizeof *information);
    return TIME_ZONE_ID_UNKNOWN;
}

void removeTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

void writeFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

static std::string hostPathToWindowsPath(const std::string& path) {
    std::string windowsPath = path[0] == '/' ? "Z:" + path : path;
    for (char& c : windowsPath) {
        c = c == '/' ? '\\' : c;
    }
    return windowsPath;
}

std::string consoleTimetableBytes(const std::string& directory, const char* arguments) {
    const std::string out = directory + "\\console.txt";
    char commandLine[1024];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" timetable %s --out \"%s\"",
                  hostPathToWindowsPath(SELVARA_CLI_EXE).c_str(), arguments, out.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        ADD_FAILURE() << "cannot start " << commandLine;
        return std::string();
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u) << commandLine;
    const std::string bytes = readWholeFile(out);
    DeleteFileA(out.c_str());
    return bytes;
}

std::string windowText(HWND window) {
    const int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::string dialogItemText(HWND dialog, int controlId) {
    return windowText(GetDlgItem(dialog, controlId));
}

// A visible top-level dialog of this process after `after`, or NULL.
static HWND nextShownDialog(HWND after) {
    const DWORD process = GetCurrentProcessId();
    HWND box = after;
    while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner == process && IsWindowVisible(box)) {
            return box;
        }
    }
    return nullptr;
}

MessageBoxWatcher::MessageBoxWatcher() {
    for (HWND box = nextShownDialog(nullptr); box != nullptr; box = nextShownDialog(box)) {
        shownBefore_.push_back(box);
    }
    thread_ = CreateThread(nullptr, 0, watch, this, 0, nullptr);
}

MessageBoxWatcher::~MessageBoxWatcher() {
    result();
}

MessageBoxSeen MessageBoxWatcher::result() {
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    return seen_;
}

struct StaticTexts {
    std::string joined;
};

static BOOL CALLBACK collectStaticText(HWND child, LPARAM data) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        const std::string text = windowText(child);
        if (!text.empty()) {
            reinterpret_cast<StaticTexts*>(data)->joined += text;
        }
    }
    return TRUE;
}

DWORD WINAPI MessageBoxWatcher::watch(void* self) {
    MessageBoxWatcher* watcher = static_cast<MessageBoxWatcher*>(self);
    for (int attempt = 0; attempt < 300; ++attempt) {
        HWND box = nextShownDialog(nullptr);
        while (box != nullptr && std::find(watcher->shownBefore_.begin(), watcher->shownBefore_.end(), box) !=
                                     watcher->shownBefore_.end()) {
            box = nextShownDialog(box);
        }
        if (box != nullptr) {
            watcher->seen_.shown = true;
            watcher->seen_.caption = windowText(box);
            StaticTexts texts;
            EnumChildWindows(box, collectStaticText, reinterpret_cast<LPARAM>(&texts));
            watcher->seen_.text = texts.joined;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(10);
    }
    return 0;
}

void MainWindowTest::SetUp() {
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    char name[64];
    std::snprintf(name, sizeof name, "\\app_test_%lu_%s", GetCurrentProcessId(),
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    directory = std::string(current) + name;
    removeTree(directory);
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr)) << directory;

    std::snprintf(programDirectory, sizeof programDirectory, "%s", directory.c_str());
    formTimetablePath();
    Settings = defaultSettings();
    Calculation = defaultCalculationSettings();
    readLocalTime = fixedLocalTime;
    zoneSourceBefore_ = readTimeZoneInformation;
    readTimeZoneInformation = utcWithoutDaylightTime;

    static bool started = false;
    if (!started) {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        loadProductCaption(GetModuleHandleA(nullptr));
        ASSERT_TRUE(registerMainWindowClass(GetModuleHandleA(nullptr)));
        started = true;
    }
}

TIME_ZONE_INFORMATION fakeZone;
static DWORD fakeZoneResult;

static DWORD fakeTimeZoneInformation(TIME_ZONE_INFORMATION* information) {
    *information = fakeZone;
    return fakeZoneResult;
}

void MainWindowTest::useZone(LONG bias, LONG standardBias, LONG daylightBias, DWORD result) {
    fakeZone = TIME_ZONE_INFORMATION();
    fakeZone.Bias = bias;
    fakeZone.StandardBias = standardBias;
    fakeZone.DaylightBias = daylightBias;
    fakeZoneResult = result;
    readTimeZoneInformation = fakeTimeZoneInformation;
}

void MainWindowTest::TearDown() {
    if (window != nullptr && IsWindow(window)) {
        DestroyWindow(window);
    }
    pumpMessages();
    window = nullptr;
    currentPage = nullptr;
    readTimeZoneInformation = zoneSourceBefore_;
    removeTree(directory);
}

void MainWindowTest::createMainWindow() {
    // Modeless, so that the test keeps control; the template, class and procedure are the real
    // ones, and EndDialog on closing hides the window instead of ending a modal loop.
    window = CreateDialogParamA(GetModuleHandleA(nullptr), IDD_PT, nullptr, mainWindowProc, 0);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    pumpMessages();
    ASSERT_EQ(mainWindow, window);
    ASSERT_NE(currentPage, nullptr);
}

void MainWindowTest::closeMainWindow() {
    SendMessageA(window, WM_CLOSE, 0, 0);
    pumpMessages();
}

int MainWindowTest::selectedTab() const {
    return static_cast<int>(SendMessageA(tabs(), TCM_GETCURSEL, 0, 0));
}

void MainWindowTest::selectTab(int index) {
    SendMessageA(tabs(), TCM_SETCURSEL, index, 0);
    NMHDR header = {tabs(), IDC_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(window, WM_NOTIFY, IDC_TABS, reinterpret_cast<LPARAM>(&header));
    pumpMessages();
}

void MainWindowTest::pressButton(int controlId) {
    HWND page = currentPage;
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, controlId)));
    pumpMessages();
}

void MainWindowTest::setField(int controlId, const char* text) {
    SetDlgItemTextA(currentPage, controlId, text);
}

void MainWindowTest::pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
