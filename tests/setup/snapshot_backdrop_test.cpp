// The installer's backdrop: a snapshot of the screen at start, every pixel with x + y even
// (counted from the bottom row) made black, the rest kept, with the title painted on it; the
// window covers the screen and repaints from the stored picture.
#include "background_window.h"
#include "setupvara_resource.h"
#include "wizard_pages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF coverColour = RGB(200, 180, 40);

struct Observed {
    int widthPx = 0, heightPx = 0;
    std::vector<COLORREF> rowFromBottom0, rowFromBottom1;
    bool titleLavenderSeen = false;
    RECT windowRect = {};
    char startupDirectory[512] = "";
};
Observed observed;

COLORREF pixelAt(const std::vector<BYTE>& bits, int stride, int x, int rowFromBottom) {
    const BYTE* p = &bits[static_cast<size_t>(rowFromBottom) * stride + 3 * x];
    return RGB(p[2], p[1], p[0]);
}

void inspectAndEnd(HWND window) {
    GetWindowRect(window, &observed.windowRect);
    lstrcpynA(observed.startupDirectory, startupDirectory, sizeof observed.startupDirectory);
    HBITMAP bitmap = backdropBitmap();
    ASSERT_NE(bitmap, nullptr);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    observed.widthPx = info.bmWidth;
    observed.heightPx = info.bmHeight;
    BITMAPINFO header = {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    const int stride = ((24 * info.bmWidth + 31) & ~31) / 8;
    std::vector<BYTE> bits(static_cast<size_t>(stride) * info.bmHeight);
    HDC dc = GetDC(window);
    GetDIBits(dc, bitmap, 0, info.bmHeight, bits.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(window, dc);
    for (int x = 0; x < 64; ++x) {
        observed.rowFromBottom0.push_back(pixelAt(bits, stride, x, 0));
        observed.rowFromBottom1.push_back(pixelAt(bits, stride, x, 1));
    }
    for (int y = 16; y < 90 && !observed.titleLavenderSeen; ++y) {
        for (int x = 16; x < 400; ++x) {
            if (pixelAt(bits, stride, x, info.bmHeight - 1 - y) == RGB(192, 128, 255)) {
                observed.titleLavenderSeen = true;
                break;
            }
        }
    }
    DestroyWindow(window);
}

TEST(SnapshotBackdrop, CheckerboardOverWhatTheScreenShowedWithTheTitle) {
    // Something to take a picture of: a window of one colour over the whole screen.
    WNDCLASSA cover = {};
    cover.lpfnWndProc = DefWindowProcA;
    cover.hInstance = GetModuleHandleA(nullptr);
    cover.hbrBackground = CreateSolidBrush(coverColour);
    cover.lpszClassName = "SelvaraTestCover";
    ASSERT_NE(RegisterClassA(&cover), 0);
    HWND coverWindow = CreateWindowExA(WS_EX_TOPMOST, "SelvaraTestCover", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                       GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                       nullptr, cover.hInstance, nullptr);
    ASSERT_NE(coverWindow, nullptr);
    UpdateWindow(coverWindow);
    GdiFlush();
    Sleep(200);

    char current[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof current, current);
    SetCurrentDirectoryA("C:\\");
    const BackgroundParameters parameters = setupBackgroundParameters(inspectAndEnd);
    const int exitCode = runBackgroundProgram(GetModuleHandleA(nullptr), parameters);
    SetCurrentDirectoryA(current);
    DestroyWindow(coverWindow);

    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(observed.widthPx, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(observed.heightPx, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(observed.windowRect.right - observed.windowRect.left, observed.widthPx);
    EXPECT_EQ(observed.windowRect.bottom - observed.windowRect.top, observed.heightPx);
    EXPECT_STREQ(observed.startupDirectory, "C:") << "a drive root is kept as \"C:\"";
    for (int x = 0; x < 64; ++x) {
        EXPECT_EQ(observed.rowFromBottom0[x], x % 2 == 0 ? RGB(0, 0, 0) : coverColour) << x;
        EXPECT_EQ(observed.rowFromBottom1[x], x % 2 == 1 ? RGB(0, 0, 0) : coverColour) << x;
    }
    EXPECT_TRUE(observed.titleLavenderSeen);
}

}  // namespace
