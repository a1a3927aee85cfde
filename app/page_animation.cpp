// The animation page: the prayer list, the picture area drawn from the frame buffer, the
// recitation and meaning boxes, and the playback timer that advances the step rules.
#include "page_animation.h"

#include "animation_win32.h"
#include "app.h"
#include "selvara_resource.h"
#include "step_rules.h"

#include <cstdio>
#include <cstring>

// The runs of spaces line the columns up in the list's font.
const char prayerRows[prayerRowCount][prayerRowTextSize] = {
    "1) Fajr             2 rakats    obligatori            morning",
    "1) Fajr             2 rakats    non-obligatori     morning",
    "2) Zuhr           4 rakats    obligatori            afternoon",
    "2) Zuhr           4 rakats    non-obligatori     afternoon",
    "2) Zuhr           2 rakats    non-obligatori     afternoon",
    "3) Asr             4 rakats    obligatori            beetwen afternoon and evening",
    "3) Asr             4 rakats    non-obligatori     beetwen afternoon and evening",
    "4) Maghrib      3 rakats    obligatory          evening",
    "4) Maghrib      2 rakats    non-obligatory   evening",
    "5) Isha            4 rakats    obligatori           night",
    "5) Isha            4 rakats    non-obligatori    night",
    "5) Isha-Witr     3 rakats    obligatori           night",
};

// Where the three pictures stand in the frame buffer (all on its top row).
static const int32_t figureColumn = 10;
static const int32_t manColumn = 260;
static const int32_t womanColumn = 410;
static const int32_t pictureRow = 0;

static const char pauseText[] = "Pause";
static const char resumeText[] = "Resume";

static const size_t stringBufferSize = 4096;  // one recitation or meaning string
static const size_t periodTextSize = 16;

// A box's text for the current moment: strings firstTextId .. firstTextId + textCount - 1 (never
// past lastShownTextId: 1017 for the prayer's texts, the Qunut alone) plus `offset`, each followed
// by a line break. Missing and empty strings are skipped; a string that would not fit ends the
// text.
static void joinTexts(int32_t firstId, int32_t count, int offset, char (&text)[animationTextChars + 1]) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    static const char lineBreak[] = "\r\n";
    const size_t lineBreakChars = sizeof lineBreak - 1;
    size_t length = 0;
    text[0] = '\0';
    const int64_t lastId = lastShownTextId(firstId);
    for (int64_t id = firstId; id < int64_t{firstId} + count && id <= lastId; ++id) {
        char piece[stringBufferSize];
        const int pieceChars = LoadStringA(instance, static_cast<UINT>(id + offset), piece, sizeof piece);
        if (pieceChars <= 0) {
            continue;
        }
        const size_t pieceLength = std::strlen(piece);
        if (length + pieceLength + lineBreakChars > animationTextChars) {
            break;
        }
        std::memcpy(text + length, piece, pieceLength);
        std::memcpy(text + length + pieceLength, lineBreak, lineBreakChars);
        length += pieceLength + lineBreakChars;
        text[length] = '\0';
    }
}

static void refreshTexts(HWND page) {
    static char text[animationTextChars + 1];
    joinTexts(animationState.firstTextId, animationState.textCount, 0, text);
    SetDlgItemTextA(page, IDC_RECITATION_TEXT, text);
    joinTexts(animationState.firstTextId, animationState.textCount, IDS_MEANING_OFFSET, text);
    SetDlgItemTextA(page, IDC_MEANING_TEXT, text);
    animationState.shownTextId = animationState.firstTextId;
}

// What the page keeps for drawing between ticks, from the first tick until the page is destroyed:
// the picture control's device context, and a memory device context with the frame buffer
// selected (and the animation palette realised in the control's context). Fetching and releasing
// them on every tick cost a round trip to the display server each under Wine.
struct PictureSurface {
    HWND page;
    HWND picture;
    HDC windowDc;
    HPALETTE windowPalette;  // the palette selected into windowDc, or null
    HPALETTE previousWindowPalette;
    HDC memoryDc;
    HBITMAP memoryBitmap;  // the frame buffer selected into memoryDc, or null
    HGDIOBJ previousMemoryBitmap;
};
static PictureSurface surface;

static void releasePictureSurface() {
    if (surface.memoryDc != nullptr) {
        if (surface.memoryBitmap != nullptr) {
            SelectObject(surface.memoryDc, surface.previousMemoryBitmap);
        }
        DeleteDC(surface.memoryDc);
    }
    if (surface.windowDc != nullptr) {
        if (surface.windowPalette != nullptr) {
            SelectPalette(surface.windowDc, surface.previousWindowPalette, FALSE);
        }
        ReleaseDC(surface.picture, surface.windowDc);
    }
    surface = PictureSurface{};
}

// The control's kept device context, fetched on first use; null when none can be had.
static HDC keptPictureDc(HWND page) {
    if (surface.windowDc != nullptr && surface.page == page) {
        return surface.windowDc;  // no GetDlgItem either: under Wine it asks the server
    }
    releasePictureSurface();
    HWND picture = GetDlgItem(page, IDC_ANIMATION_PICTURE);
    if (picture == nullptr) {
        return nullptr;
    }
    surface.windowDc = GetDC(picture);
    if (surface.windowDc != nullptr) {
        surface.page = page;
        surface.picture = picture;
        surface.memoryDc = CreateCompatibleDC(surface.windowDc);
    }
    return surface.windowDc;
}

// The kept memory context with the current frame buffer selected (it is selected again when the
// buffer has been remade); null without one.
static HDC keptMemoryDc() {
    if (surface.memoryDc == nullptr) {
        return nullptr;
    }
    if (surface.memoryBitmap != frameBuffer) {
        HGDIOBJ previous = SelectObject(surface.memoryDc, frameBuffer);
        if (surface.memoryBitmap == nullptr) {
            surface.previousMemoryBitmap = previous;
        }
        surface.memoryBitmap = frameBuffer;
    }
    return surface.memoryDc;
}

static void blitFrameBuffer(HDC dc, HDC memory) {
    BitBlt(dc, 0, 0, frameBufferWidth, frameBufferHeight, memory, 0, 0, SRCCOPY);
}

// The frame buffer onto the kept context, the palette realised once for as long as it stays the
// same.
static void showOnKeptDc() {
    if (animationPalette != nullptr && surface.windowPalette != animationPalette) {
        HPALETTE previous = SelectPalette(surface.windowDc, animationPalette, FALSE);
        if (surface.windowPalette == nullptr) {
            surface.previousWindowPalette = previous;
        }
        surface.windowPalette = animationPalette;
        RealizePalette(surface.windowDc);
    }
    HDC memory = keptMemoryDc();
    if (memory != nullptr) {
        blitFrameBuffer(surface.windowDc, memory);
    }
}

// The frame buffer onto a context the caller gave (a paint request, a test's bitmap) at (0, 0),
// with the animation palette realised when there is one. A bitmap can be selected into one memory
// context at a time: the kept one is used when the page has it.
static void showOnGivenDc(HDC dc) {
    HPALETTE previousPalette = nullptr;
    if (animationPalette != nullptr) {
        previousPalette = SelectPalette(dc, animationPalette, FALSE);
        RealizePalette(dc);
    }
    HDC kept = keptMemoryDc();
    if (kept != nullptr) {
        blitFrameBuffer(dc, kept);
    } else {
        HDC memory = CreateCompatibleDC(dc);
        if (memory != nullptr) {
            HGDIOBJ previousBitmap = SelectObject(memory, frameBuffer);
            blitFrameBuffer(dc, memory);
            SelectObject(memory, previousBitmap);
            DeleteDC(memory);
        }
    }
    if (previousPalette != nullptr) {
        SelectPalette(dc, previousPalette, FALSE);
    }
}

// The body of drawAnimation, between setting and clearing the drawing flag.
static bool drawAnimationOnce(HWND page, HDC givenDc, bool advance) {
    if (frameBuffer == nullptr || frameBufferPixels == nullptr || frameBufferInfo == nullptr) {
        return false;
    }
    HDC dc = givenDc != nullptr ? givenDc : keptPictureDc(page);
    if (dc == nullptr) {
        return false;
    }
    const BITMAPINFO* info = static_cast<const BITMAPINFO*>(GlobalLock(frameBufferInfo));
    if (info == nullptr) {
        return false;
    }

    if (advance) {
        advanceAnimation();
    }
    // No GdiFlush before the pictures are written into the section's memory: the only GDI calls
    // that touch the section (SetDIBits and the BitBlt out of it) are not batched and have run
    // to the end when they return, and under Wine a flush pushes the window to the display server.
    blitFrame(figureColumn, pictureRow, animationState.figureFrame);
    blitFrame(manColumn, pictureRow, animationState.manFrame);
    blitFrame(womanColumn, pictureRow, animationState.womanFrame);
    SetDIBits(dc, frameBuffer, 0, frameBufferHeight, frameBufferPixels, info, DIB_RGB_COLORS);
    GlobalUnlock(frameBufferInfo);

    if (animationState.firstTextId != animationState.shownTextId) {
        refreshTexts(page);
    }
    if (givenDc != nullptr) {
        showOnGivenDc(givenDc);
    } else {
        showOnKeptDc();
    }
    return true;
}

bool drawAnimation(HWND page, HDC dc, bool advance) {
    if (animationState.drawing != 0) {
        return false;
    }
    animationState.drawing = 1;
    const bool drawn = drawAnimationOnce(page, dc, advance);
    animationState.drawing = 0;
    return drawn;
}

static void startTimer(HWND page) {
    animationState.playTimer = static_cast<int32_t>(
        SetTimer(page, animationTimerId, static_cast<UINT>(animationState.periodMs), nullptr));
}

static void stopTimer(HWND page) {
    KillTimer(page, static_cast<UINT_PTR>(animationState.playTimer));
    animationState.playTimer = 0;
}

void restartAnimation(HWND page) {
    rewindAnimation(animationState);
    if (animationState.playTimer != 0) {
        KillTimer(page, static_cast<UINT_PTR>(animationState.playTimer));
    }
    advanceAnimation();  // the first step is taken now; the first tick draws the second
    startTimer(page);
    SetDlgItemTextA(page, IDC_PAUSE, pauseText);
}

static void togglePause(HWND page) {
    if (animationState.playTimer != 0) {
        stopTimer(page);
        SetDlgItemTextA(page, IDC_PAUSE, resumeText);
        return;
    }
    startTimer(page);
    if (animationState.playTimer != 0) {
        SetDlgItemTextA(page, IDC_PAUSE, pauseText);
    }
}

// The period typed in the edit, clamped to 10-1000 ms (a text that is not a number counts as 0).
// The edit keeps what was typed. A running timer is started again with the new period.
static void applyPeriod(HWND page) {
    BOOL isNumber = FALSE;
    const UINT typedMs = GetDlgItemInt(page, IDC_PERIOD, &isNumber, FALSE);
    UINT periodMs = isNumber ? typedMs : 0;
    if (periodMs < static_cast<UINT>(minimumPeriodMs)) {
        periodMs = minimumPeriodMs;
    }
    if (periodMs > static_cast<UINT>(maximumPeriodMs)) {
        periodMs = maximumPeriodMs;
    }
    animationState.periodMs = static_cast<int32_t>(periodMs);
    if (animationState.playTimer != 0) {
        KillTimer(page, static_cast<UINT_PTR>(animationState.playTimer));
        startTimer(page);
        if (animationState.playTimer != 0) {
            SetDlgItemTextA(page, IDC_PAUSE, pauseText);
        }
    }
}

// The introduction (RCDATA_ISLAM, text without a terminator) into the recitation box.
static void showIntroduction(HWND page) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, RCDATA_ISLAM, RT_RCDATA);
    if (resource == nullptr) {
        return;
    }
    HGLOBAL loaded = LoadResource(module, resource);
    const char* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) {
        return;
    }
    const DWORD sizeBytes = SizeofResource(module, resource);
    HLOCAL text = LocalAlloc(LMEM_FIXED, static_cast<SIZE_T>(sizeBytes) + 1);
    if (text == nullptr) {
        return;
    }
    char* terminated = static_cast<char*>(text);
    std::memcpy(terminated, bytes, sizeBytes);
    terminated[sizeBytes] = '\0';
    SetDlgItemTextA(page, IDC_RECITATION_TEXT, terminated);
    LocalFree(text);
}

static void onInitDialog(HWND page) {
    placePage(page);
    HWND list = GetDlgItem(page, IDC_PRAYER_LIST);
    for (int row = 0; row < prayerRowCount; ++row) {
        const LRESULT index = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(prayerRows[row]));
        if (index >= 0) {
            SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(index), row);
        }
    }
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(animationState.selectedRow), 0);

    char periodText[periodTextSize];
    std::snprintf(periodText, sizeof periodText, "%u", static_cast<unsigned>(animationState.periodMs));
    SetDlgItemTextA(page, IDC_PERIOD, periodText);

    loadAnimationFrames(mainWindow);
    createFrameBuffer(mainWindow, RCDATA_PALETTE);
    showIntroduction(page);
}

static BOOL onCommand(HWND page, int controlId, int notification) {
    switch (controlId) {
        case IDC_PRAYER_LIST:
            if (notification == CBN_SELENDOK) {
                const LRESULT selection = SendDlgItemMessageA(page, IDC_PRAYER_LIST, CB_GETCURSEL, 0, 0);
                if (selection == CB_ERR) {
                    animationState.selectedRow = 0;
                } else {
                    animationState.selectedRow = static_cast<int32_t>(selection);
                    restartAnimation(page);
                }
            }
            return TRUE;
        case IDC_RESTART: restartAnimation(page); return FALSE;
        case IDC_PAUSE: togglePause(page); return TRUE;
        case IDC_APPLY_PERIOD: applyPeriod(page); return TRUE;
        default:  // the picture, the two boxes, the period edit, and ids of other pages
            return FALSE;
    }
}

INT_PTR CALLBACK animationPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: onInitDialog(page); return TRUE;
        case WM_COMMAND: return onCommand(page, LOWORD(wParam), HIWORD(wParam));
        case WM_TIMER:
            if (wParam == animationTimerId) {
                drawAnimation(page, nullptr, true);
            }
            return TRUE;
        case WM_DRAWITEM: {
            const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item != nullptr && item->CtlID == IDC_ANIMATION_PICTURE) {
                drawAnimation(page, item->hDC, false);
            }
            return TRUE;
        }
        case WM_CLOSE: PostMessageA(page, WM_COMMAND, IDCANCEL, 0); return TRUE;
        case WM_DESTROY:
            // The timer dies with the window: record playback as stopped, so that the pause button
            // resumes at the first press when the page is opened again; give back the kept device
            // contexts. Not reported as handled.
            animationState.playTimer = 0;
            releasePictureSurface();
            return FALSE;
        default: return FALSE;
    }
}
