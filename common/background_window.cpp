// The background window's class, creation, painting and message loop (see background_window.h).
#include "background_window.h"

#include "backdrop.h"
#include "dispatch.h"

#include <cstring>

HINSTANCE programInstance = nullptr;
char startupDirectory[setupPathBytes] = "";
BackdropState backdrop = {};

static const BackgroundParameters* activeParameters = nullptr;
static char className[32] = "";

constexpr int startupDirectoryMaxChars = 500;
constexpr int rootPathChars = 3;  // "C:\"

HBITMAP backdropBitmap() {
    return backdrop.bitmap;
}

static void rememberStartupDirectory() {
    std::memset(startupDirectory, 0, sizeof startupDirectory);
    GetCurrentDirectoryA(startupDirectoryMaxChars, startupDirectory);
    if (std::strlen(startupDirectory) < rootPathChars + 1) {
        startupDirectory[2] = '\0';  // "C:\" becomes "C:"
    }
}

static LRESULT onCreate(HWND window, UINT, WPARAM, LPARAM) {
    const BackgroundParameters& p = *activeParameters;
    HDC dc = GetDC(window);
    backdrop.screenWidthPx = GetDeviceCaps(dc, HORZRES);
    backdrop.screenHeightPx = GetDeviceCaps(dc, VERTRES);
    if (p.backdrop == backdropDimmedSnapshot) {
        backdrop.colourBits = GetDeviceCaps(dc, BITSPIXEL);
    }
    ReleaseDC(window, dc);

    if (p.backdrop == backdropDimmedSnapshot) {
        backdrop.titleFont =
            CreateFontA(72, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_STROKE_PRECIS,
                        CLIP_STROKE_PRECIS, DRAFT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial Black");
        buildSnapshotBackdrop(window, p.paintedTitle);
        SetWindowPos(window, nullptr, 0, 0, backdrop.screenWidthPx, backdrop.screenHeightPx,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        rememberStartupDirectory();
    } else {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, backdrop.screenWidthPx, backdrop.screenHeightPx,
                     SWP_NOACTIVATE);
        buildGradientBackdrop(window);
        backdrop.titlePending = true;
        backdrop.titleFont =
            CreateFontA(42, 20, 0, 0, FW_HEAVY, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_ROMAN, "");
    }
    PostMessageA(window, WM_COMMAND, p.startCommand, 0);
    return 0;
}

static void paintBackdrop(HDC paintDc) {
    HDC memoryDc = CreateCompatibleDC(paintDc);
    HPALETTE oldPaintPalette = nullptr;
    HPALETTE oldMemoryPalette = nullptr;
    if (backdrop.palette != nullptr) {
        oldPaintPalette = SelectPalette(paintDc, backdrop.palette, TRUE);
        RealizePalette(paintDc);
        oldMemoryPalette = SelectPalette(memoryDc, backdrop.palette, TRUE);
    }
    HGDIOBJ oldBitmap = SelectObject(memoryDc, backdrop.bitmap);
    SetStretchBltMode(paintDc, COLORONCOLOR);
    BitBlt(paintDc, 0, 0, backdrop.screenWidthPx, backdrop.screenHeightPx, memoryDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, oldBitmap);
    if (backdrop.palette != nullptr) {
        SelectPalette(memoryDc, oldMemoryPalette, TRUE);
        SelectPalette(paintDc, oldPaintPalette, TRUE);
    }
    DeleteDC(memoryDc);
}

static LRESULT onPaint(HWND window, UINT, WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (backdrop.bitmap != nullptr) {
        if (backdrop.titlePending) {
            backdrop.titlePending = false;
            drawGradientTitle(activeParameters->paintedTitle);
        }
        paintBackdrop(dc);
    }
    EndPaint(window, &paint);
    return 0;
}

static LRESULT onDestroy(HWND, UINT, WPARAM, LPARAM) {
    PostQuitMessage(0);
    return 0;
}

static LRESULT onStartCommand(HWND window, WORD commandId, WORD, HWND) {
    if (commandId == activeParameters->startCommand && activeParameters->runFlow != nullptr) {
        activeParameters->runFlow(window);
    }
    return 0;
}

static const CommandEntry backgroundCommandEntries[] = {
    {4444, onStartCommand},  // installer's start command
    {4443, onStartCommand},  // uninstaller's start command
};
static const CommandMap backgroundCommands = {entryCount(backgroundCommandEntries), backgroundCommandEntries,
                                              fallbackDefWindowProc};

static LRESULT onCommand(HWND window, UINT, WPARAM wParam, LPARAM lParam) {
    return dispatchCommandMap(backgroundCommands, window, wParam, lParam);
}

static const MessageEntry backgroundMessageEntries[] = {
    {WM_CREATE, onCreate},
    {WM_COMMAND, onCommand},
    {WM_DESTROY, onDestroy},
    {WM_PAINT, onPaint},
};
static const MessageMap backgroundMessages = {entryCount(backgroundMessageEntries), backgroundMessageEntries,
                                              fallbackDefWindowProc};

static LRESULT CALLBACK backgroundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return dispatchMessageMap(backgroundMessages, window, message, wParam, lParam);
}

int runBackgroundProgram(HINSTANCE instance, const BackgroundParameters& parameters) {
    programInstance = instance;
    activeParameters = &parameters;
    int nameChars = parameters.classNameChars;
    if (nameChars > static_cast<int>(sizeof className)) {
        nameChars = sizeof className;
    }
    LoadStringA(instance, parameters.classStringId, className, nameChars);

    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = backgroundWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(parameters.classIconId));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENUTEXT + 1));
    windowClass.lpszMenuName = className;
    windowClass.lpszClassName = className;
    if (RegisterClassA(&windowClass) == 0 && RegisterClassA(&windowClass) == 0) {
        return 0;
    }
    HWND window = CreateWindowExA(0, className, className, parameters.windowStyle, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, nullptr);
    if (window == nullptr) {
        return 0;
    }
    UpdateWindow(window);
    HACCEL accelerators = LoadAcceleratorsA(instance, className);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators == nullptr || !TranslateAcceleratorA(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
