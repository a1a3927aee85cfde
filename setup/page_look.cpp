// What the four pages share: the banner painted behind their controls, the green-on-dark-blue
// colours of their edit boxes and labels, and the cancel confirmation.
#include "setupvara_resource.h"
#include "wizard_pages.h"
#include "wizard_state.h"

constexpr COLORREF pageBlue = RGB(0, 0, 136);
constexpr COLORREF pageTextGreen = RGB(0, 255, 0);

const char notEnoughSpaceText[] =
    "You do not have enough Free disk space on this drive for installation. Change the drive or "
    "remove some other program-s to free more disk space.";

void loadBanner() {
    if (wizard.banner == nullptr) {
        wizard.banner = LoadBitmapA(programInstance, MAKEINTRESOURCEA(IDB_BANNER));
    }
    BITMAP info = {};
    if (wizard.banner != nullptr && GetObjectA(wizard.banner, sizeof info, &info) != 0) {
        wizard.bannerWidthPx = info.bmWidth;
        wizard.bannerHeightPx = info.bmHeight;
    }
    if (wizard.pageBrush == nullptr) {
        wizard.pageBrush = CreateSolidBrush(pageBlue);
    }
}

INT_PTR paintBanner(HWND page) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(page, &paint);
    if (wizard.banner != nullptr) {
        HDC memoryDc = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memoryDc, wizard.banner);
        BitBlt(dc, 0, 0, wizard.bannerWidthPx, wizard.bannerHeightPx, memoryDc, 0, 0, SRCCOPY);
        SelectObject(memoryDc, old);
        DeleteDC(memoryDc);
    }
    EndPaint(page, &paint);
    return TRUE;
}

INT_PTR colourPageControl(HDC dc) {
    SetTextColor(dc, pageTextGreen);
    SetBkColor(dc, pageBlue);
    return reinterpret_cast<INT_PTR>(wizard.pageBrush);
}

bool confirmCancelSetup(HWND page) {
    return MessageBoxA(page, "Are you sure you want to cancel the setup?", setupCaption,
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}
