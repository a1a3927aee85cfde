// The uninstaller's backdrop: the blue gradient, brightest at the bottom, one level darker every
// H div 255 + 1 rows, with the title drawn at the first paint.
#include "background_window.h"
#include "uninstall_resource.h"
#include "uninstall_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Observed {
    int widthPx = 0, heightPx = 0;
    std::vector<BYTE> firstColumn;  // bottom row first
    COLORREF titlePixelColour = 0;
    bool titleHasShadowColour = false;
};
Observed observed;

void inspectAndEnd(HWND window) {
    UpdateWindow(window);  // the first paint draws the title
    HBITMAP bitmap = backdropBitmap();
    DIBSECTION section = {};
    ASSERT_NE(bitmap, nullptr);
    ASSERT_NE(GetObjectA(bitmap, sizeof section, &section), 0);
    observed.widthPx = section.dsBm.bmWidth;
    observed.heightPx = section.dsBm.bmHeight;
    const BYTE* bits = static_cast<const BYTE*>(section.dsBm.bmBits);
    for (int row = 0; row < observed.heightPx; ++row) {
        observed.firstColumn.push_back(
            bits[static_cast<size_t>(row) * section.dsBm.bmWidthBytes + observed.widthPx - 1]);
    }
    // Somewhere in the title's band (top left) a pixel of palette index 128 (the shadow).
    for (int y = 0; y < 60 && !observed.titleHasShadowColour; ++y) {
        const BYTE* row = bits + static_cast<size_t>(observed.heightPx - 1 - y) * section.dsBm.bmWidthBytes;
        for (int x = 0; x < 300; ++x) {
            if (row[x] == 128) {
                observed.titleHasShadowColour = true;
                break;
            }
        }
    }
    DestroyWindow(window);
}

TEST(GradientBackdrop, BrightBlueAtTheBottomDarkerUpwardsWithTheTitle) {
    const BackgroundParameters parameters = uninstallBackgroundParameters(inspectAndEnd);
    EXPECT_EQ(runBackgroundProgram(GetModuleHandleA(nullptr), parameters), 0);
    ASSERT_EQ(observed.widthPx, GetSystemMetrics(SM_CXSCREEN));
    ASSERT_EQ(observed.heightPx, GetSystemMetrics(SM_CYSCREEN));
    const int rowsPerLevel = observed.heightPx / 255 + 1;
    for (int row = 0; row < observed.heightPx; ++row) {
        const int expected = 255 - row / rowsPerLevel;
        ASSERT_EQ(observed.firstColumn[row], expected < 0 ? 0 : expected) << "row " << row;
    }
    EXPECT_TRUE(observed.titleHasShadowColour) << "the title's shadow, RGB(0, 0, 128)";
}

}  // namespace
