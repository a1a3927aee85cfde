// Every text the guide shows alone while the figure holds a position, measured in the real boxes
// of the animation page: the edit control wraps it with its own font, and all its lines must fit
// the box's formatting rectangle, so that nothing is hidden below the last visible line. Longer
// texts (the standing recitation, the calls, the Qunut, the remembrance after the prayer) are
// read while they scroll and are not held to this.
#include "animation_page_fixture.h"

#include <string>

namespace {

struct HeldText {
    int id;
    int boxId;
};

// The recitations shown alone and their meanings: the prostration, rising from the bow, the bow,
// the sitting between the prostrations, the greeting, Allah u Akbar and the middle sitting's
// testimony; the supplication after the blessing.
const HeldText heldTexts[] = {
    {1000, IDC_RECITATION_TEXT}, {1001, IDC_RECITATION_TEXT}, {1002, IDC_RECITATION_TEXT},
    {1003, IDC_RECITATION_TEXT}, {1004, IDC_RECITATION_TEXT}, {1007, IDC_RECITATION_TEXT},
    {1012, IDC_RECITATION_TEXT}, {1014, IDC_RECITATION_TEXT}, {1018, IDC_RECITATION_TEXT},
    {2000, IDC_MEANING_TEXT},    {2001, IDC_MEANING_TEXT},    {2002, IDC_MEANING_TEXT},
    {2003, IDC_MEANING_TEXT},    {2004, IDC_MEANING_TEXT},    {2007, IDC_MEANING_TEXT},
    {2012, IDC_MEANING_TEXT},    {2014, IDC_MEANING_TEXT},    {2018, IDC_MEANING_TEXT},
};

// The lines the box shows at once: its formatting rectangle over the height of a line of its font.
int visibleLines(HWND box) {
    RECT format = {};
    SendMessageA(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    HDC dc = GetDC(box);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    return metrics.tmHeight > 0 ? (format.bottom - format.top) / metrics.tmHeight : 0;
}

class TextBoxesTest : public AnimationPageTest {};

TEST_F(TextBoxesTest, EveryHeldTextShowsAllItsLinesInItsBox) {
    writeTestFrames();
    openAnimationPage();
    for (const HeldText& held : heldTexts) {
        char text[4096] = {};
        ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(held.id), text, sizeof text), 0)
            << held.id;
        HWND box = GetDlgItem(currentPage, held.boxId);
        ASSERT_NE(box, nullptr);
        // As the page shows a text: the string and a line break (see joinedTexts).
        const std::string shown = std::string(text) + "\r\n";
        SetWindowTextA(box, shown.c_str());
        // The last line the break opens is empty: the text's own lines are one fewer.
        const int textLines = static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0)) - 1;
        const int lines = visibleLines(box);
        ASSERT_GE(lines, 3) << "the box shows at least three lines";
        EXPECT_LE(textLines, lines) << held.id << " wraps into " << textLines << " lines in a box of " << lines
                                    << ":\n"
                                    << text;
    }
}

}  // namespace
