// What the product's programs and tests rely on when they run under Wine from ctest: resources linked
// into the executable, windows and dialogs on a display, the fonts of the dialogs, a writable
// HKEY_LOCAL_MACHINE and real shell folders.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "platform_probe.h"

namespace {

const char probeClassName[] = "SelvaraPlatformProbe";
const char probeRegistryKey[] = "SOFTWARE\\SelvaraPlatformProbe";

LRESULT CALLBACK probeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

struct ProbeDialogState {
    bool initialised;
    char editTextAtInit[64];
};

INT_PTR CALLBACK probeDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ProbeDialogState* state = reinterpret_cast<ProbeDialogState*>(lParam);
        state->initialised = true;
        SetDlgItemTextA(dialog, IDC_PROBE_EDIT, "initial text");
        GetDlgItemTextA(dialog, IDC_PROBE_EDIT, state->editTextAtInit, sizeof state->editTextAtInit);
        return TRUE;
    }
    return FALSE;
}

// Face name Windows actually selects for a requested face.
void selectedFaceName(const char* requested, char* face, int faceSize) {
    face[0] = '\0';
    LOGFONTA logFont;
    std::memset(&logFont, 0, sizeof logFont);
    logFont.lfHeight = -11;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, requested, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&logFont);
    ASSERT_NE(font, nullptr);
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    GetTextFaceA(screen, faceSize, face);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    DeleteObject(font);
}

bool isDirectory(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

TEST(WineResources, RcListedWithTheExecutableIsFound) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(RCDATA_PLATFORM_PROBE), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(nullptr, found);
    ASSERT_NE(loaded, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    ASSERT_NE(bytes, nullptr);
    const char expected[] = "selvara-probe";
    ASSERT_EQ(SizeofResource(nullptr, found), sizeof expected);
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof expected), 0);
}

TEST(WineWindows, TopLevelWindowIsCreatedAndDestroyed) {
    WNDCLASSA windowClass;
    std::memset(&windowClass, 0, sizeof windowClass);
    windowClass.lpfnWndProc = probeWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = probeClassName;
    ASSERT_NE(RegisterClassA(&windowClass), 0) << "error " << GetLastError();

    HWND window = CreateWindowExA(0, probeClassName, "probe", WS_OVERLAPPEDWINDOW, 10, 10, 320, 200, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr) << "no display? error " << GetLastError();
    ShowWindow(window, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT client;
    ASSERT_TRUE(GetClientRect(window, &client));
    EXPECT_GT(client.right, 0);
    EXPECT_GT(client.bottom, 0);
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
    UnregisterClassA(probeClassName, windowClass.hInstance);
}

TEST(WineWindows, DialogFromTemplateRunsInitDialogAndHasItsControls) {
    ProbeDialogState state;
    std::memset(&state, 0, sizeof state);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PLATFORM_PROBE), nullptr,
                                     probeDialogProc, reinterpret_cast<LPARAM>(&state));
    ASSERT_NE(dialog, nullptr) << "no display? error " << GetLastError();
    EXPECT_TRUE(state.initialised);
    EXPECT_STREQ(state.editTextAtInit, "initial text");
    EXPECT_NE(GetDlgItem(dialog, IDC_PROBE_EDIT), nullptr);
    EXPECT_NE(GetDlgItem(dialog, IDC_PROBE_OK), nullptr);

    char caption[64] = "";
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Platform probe");
    EXPECT_TRUE(DestroyWindow(dialog));
}

TEST(WineFonts, DialogFontsAreTheRealOnesNotFallbacks) {
    const char* const faces[] = {"MS Sans Serif", "Tahoma", "Marlett", "Small Fonts"};
    for (const char* requested : faces) {
        char face[LF_FACESIZE];
        selectedFaceName(requested, face, sizeof face);
        EXPECT_STREQ(face, requested) << requested << " falls back to another font";
    }

    char fontPath[MAX_PATH];
    UINT length = GetWindowsDirectoryA(fontPath, MAX_PATH);
    ASSERT_GT(length, 0u);
    ASSERT_LT(length + sizeof "\\Fonts\\tahoma.ttf", sizeof fontPath);
    std::snprintf(fontPath + length, sizeof fontPath - length, "\\Fonts\\tahoma.ttf");
    EXPECT_NE(GetFileAttributesA(fontPath), INVALID_FILE_ATTRIBUTES) << fontPath;
}

TEST(WineRegistry, LocalMachineIsWritableAndScratchKeyIsRemoved) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, probeRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    const char value[] = "C:\\Program Files\\Probe";
    EXPECT_EQ(RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value),
              ERROR_SUCCESS);
    char readBack[64] = "";
    DWORD readSize = sizeof readBack;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, &type, reinterpret_cast<BYTE*>(readBack), &readSize),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(readBack, value);
    RegCloseKey(key);

    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, probeRegistryKey), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, probeRegistryKey, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST(WineShellFolders, UserAndCommonFoldersExist) {
    const int folders[] = {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_COMMON_PROGRAMS,
                           CSIDL_COMMON_DESKTOPDIRECTORY};
    for (int folder : folders) {
        char path[MAX_PATH] = "";
        ASSERT_EQ(SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path), S_OK) << folder;
        EXPECT_TRUE(isDirectory(path)) << path;
        EXPECT_EQ(std::strncmp(path, "C:\\", 3), 0) << path;
    }
}
