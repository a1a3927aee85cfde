// Timing of one animation tick on the real page: advancing the step rules, copying the three
// pictures into the frame buffer and putting the buffer on the picture control's device context.
// Not a test: prints microseconds per tick. tools/bench-animation.sh runs it under Wine.
//
//   animation_tick_bench [ticks]     (panim.dat is read from the current directory)
#include "animation_win32.h"
#include "app.h"
#include "page_animation.h"
#include "selvara_resource.h"
#include "settings.h"
#include "step_rules.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

static double secondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

static void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Plays row 2 (four units, every kind of step) from its start, over and over.
static void keepPlaying() {
    if (animationState.step == 100) {
        rewindAnimation(animationState);
    }
}

int main(int argc, char** argv) {
    const int ticks = argc >= 2 ? std::atoi(argv[1]) : 20000;
    if (ticks <= 0) {
        std::fprintf(stderr, "usage: animation_tick_bench [ticks]\n");
        return 2;
    }
    GetCurrentDirectoryA(sizeof programDirectory, programDirectory);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    HWND host = CreateWindowExA(0, "Static", "animation tick", WS_POPUP | WS_VISIBLE, 0, 0, 680, 420, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    mainWindow = host;
    HWND page = createPageFromTemplate(host, IDD_PT_ANIMATION, animationPageProc);
    if (host == nullptr || page == nullptr || frameBuffer == nullptr) {
        std::fprintf(stderr, "cannot create the page or its frame buffer (is DISPLAY set?)\n");
        return 1;
    }
    int loaded = 0;
    for (const AnimationFrame& frame : animationFrames) {
        loaded += frame.pixels.empty() ? 0 : 1;
    }
    std::printf("pictures loaded: %d of %d\n", loaded, animationFrameCount);
    pump();

    animationState.selectedRow = 2;
    rewindAnimation(animationState);

    // The whole tick as the timer runs it.
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) {
        keepPlaying();
        drawAnimation(page, nullptr, true);
    }
    GdiFlush();
    const double tickUs = 1e6 * secondsSince(start) / ticks;

    // Its parts: the step rules with the three copies, and the buffer onto the control.
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) {
        keepPlaying();
        advanceAnimation();
        blitFrame(10, 0, animationState.figureFrame);
        blitFrame(260, 0, animationState.manFrame);
        blitFrame(410, 0, animationState.womanFrame);
    }
    const double copyUs = 1e6 * secondsSince(start) / ticks;

    HWND picture = GetDlgItem(page, IDC_ANIMATION_PICTURE);
    HDC dc = GetDC(picture);
    const BITMAPINFO* info = static_cast<const BITMAPINFO*>(GlobalLock(frameBufferInfo));
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) {
        SetDIBits(dc, frameBuffer, 0, frameBufferHeight, frameBufferPixels, info, DIB_RGB_COLORS);
    }
    const double setBitsUs = 1e6 * secondsSince(start) / ticks;
    GlobalUnlock(frameBufferInfo);

    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, frameBuffer);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < ticks; ++i) {
        BitBlt(dc, 0, 0, frameBufferWidth, frameBufferHeight, memory, 0, 0, SRCCOPY);
    }
    GdiFlush();
    const double blitUs = 1e6 * secondsSince(start) / ticks;
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(picture, dc);

    std::printf("%d ticks\n", ticks);
    std::printf("whole tick (advance, 3 pictures, DIB to the control, texts when they change): %.2f us\n",
                tickUs);
    std::printf("  advance + 3 picture copies:  %.2f us\n", copyUs);
    std::printf("  pixels written into the bitmap (SetDIBits):  %.2f us\n", setBitsUs);
    std::printf("  600 x 120 buffer to the control's device context: %.2f us\n", blitUs);

    DestroyWindow(page);
    DestroyWindow(host);
    return 0;
}
