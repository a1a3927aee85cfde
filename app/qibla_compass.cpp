// The Qibla line and compass of the calculation page (see qibla_compass.h).
#include "qibla_compass.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;
constexpr char degreeSign = '\xB0';  // code page 1252
constexpr COLORREF ringColour = RGB(96, 96, 96);
constexpr COLORREF northColour = RGB(192, 0, 0);
constexpr int needleWidthPixels = 2;
constexpr int centreDotPixels = 2;
constexpr int ringMarginPixels = 2;

// 20015 as "20,015": whole kilometres with a comma between thousands.
void formatKilometres(double distanceKm, char* text, size_t size) {
    const long km = static_cast<long>(std::floor(distanceKm + 0.5));
    if (km >= 1000)
        std::snprintf(text, size, "%ld,%03ld", km / 1000, km % 1000);
    else
        std::snprintf(text, size, "%ld", km);
}

}  // namespace

void formatQiblaLine(const Qibla& qibla, char* text, size_t size) {
    if (size == 0)
        return;
    char distance[16];
    formatKilometres(qibla.distanceKm, distance, sizeof distance);
    if (qibla.place == qiblaAtKaaba) {
        std::snprintf(text, size, "Qibla: at the Kaaba");
        return;
    }
    if (qibla.place == qiblaAtAntipode) {
        std::snprintf(text, size, "Qibla: every direction (antipode of the Kaaba), %s km", distance);
        return;
    }
    // One decimal as shown; 359.96 shows as 0.0, the same direction.
    double shownDeg = std::floor(qibla.bearingDeg * 10.0 + 0.5) / 10.0;
    if (shownDeg >= 360.0)
        shownDeg = 0.0;
    std::snprintf(text, size, "Qibla %.1f%c (%s), %s km", shownDeg, degreeSign, compassPoint(shownDeg), distance);
}

POINT compassNeedleTip(int centreX, int centreY, int radius, double bearingDeg) {
    const double angle = bearingDeg * radiansPerDegree;
    POINT tip;
    tip.x = centreX + static_cast<LONG>(std::lround(radius * std::sin(angle)));
    tip.y = centreY - static_cast<LONG>(std::lround(radius * std::cos(angle)));
    return tip;
}

void drawQiblaCompass(HDC hdc, const RECT& rect, const Qibla& qibla) {
    FillRect(hdc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int radius = (width < height ? width : height) / 2 - ringMarginPixels;
    if (radius <= 4)
        return;
    const int centreX = rect.left + width / 2;
    const int centreY = rect.top + height / 2;

    HPEN ringPen = CreatePen(PS_SOLID, 1, ringColour);
    HPEN needlePen = CreatePen(PS_SOLID, needleWidthPixels, compassNeedleColour);
    HBRUSH needleBrush = CreateSolidBrush(compassNeedleColour);
    HGDIOBJ oldPen = SelectObject(hdc, ringPen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    Ellipse(hdc, centreX - radius, centreY - radius, centreX + radius + 1, centreY + radius + 1);

    // North: a short red tick at the top of the ring, and the letter inside it.
    HPEN northPen = CreatePen(PS_SOLID, needleWidthPixels, northColour);
    SelectObject(hdc, northPen);
    MoveToEx(hdc, centreX, centreY - radius, nullptr);
    LineTo(hdc, centreX, centreY - radius + radius / 4);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(hdc, northColour);
    RECT northRect = {centreX - radius, centreY - radius + radius / 4, centreX + radius, centreY};
    DrawTextA(hdc, "N", 1, &northRect, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(hdc, oldColour);
    SetBkMode(hdc, oldMode);

    if (qibla.place == qiblaBearing) {
        SelectObject(hdc, needlePen);
        const POINT tip = compassNeedleTip(centreX, centreY, radius - 2, qibla.bearingDeg);
        MoveToEx(hdc, centreX, centreY, nullptr);
        LineTo(hdc, tip.x, tip.y);
    }
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SelectObject(hdc, needleBrush);
    Ellipse(hdc, centreX - centreDotPixels, centreY - centreDotPixels, centreX + centreDotPixels + 1,
            centreY + centreDotPixels + 1);

    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(northPen);
    DeleteObject(needleBrush);
    DeleteObject(needlePen);
    DeleteObject(ringPen);
}
