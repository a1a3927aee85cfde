// The timetable page shows the file byte for byte, or nothing.
#include "app_fixture.h"

namespace {

class TimetablePageTest : public MainWindowTest {};

TEST_F(TimetablePageTest, EmptyWithoutAFile) {
    createMainWindow();
    selectTab(1);
    ASSERT_NE(currentPage, nullptr);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), "");
}

TEST_F(TimetablePageTest, EmptyFileShowsNothing) {
    writeFileBytes(timetablePath, "");
    createMainWindow();
    selectTab(1);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), "");
}

TEST_F(TimetablePageTest, ShowsTheFileExactly) {
    std::string bytes = "line one\r\n  Zagreb \xE8\xE6 \xFF\r\n\tend without break";
    for (int i = 0; i < 200; ++i) {
        bytes += "\r\n 1   Thu      05:45     07:37     12:01     14:07     16:24     17:54     ";
    }
    writeFileBytes(timetablePath, bytes);
    createMainWindow();
    selectTab(1);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), bytes);
}

TEST_F(TimetablePageTest, ANulByteEndsTheText) {
    writeFileBytes(timetablePath, std::string("before\r\nhalf\0after", 18));
    createMainWindow();
    selectTab(1);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), "before\r\nhalf");
}

TEST_F(TimetablePageTest, UsesTheFixedPitchFontAndIsReadOnly) {
    createMainWindow();
    selectTab(1);
    HWND text = GetDlgItem(currentPage, IDC_TIMETABLE_TEXT);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(text, WM_GETFONT, 0, 0)),
              GetStockObject(SYSTEM_FIXED_FONT));
    const LONG style = GetWindowLongA(text, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & WS_VSCROLL);
}

TEST_F(TimetablePageTest, FileChangedOutsideIsReadAnewOnEachVisit) {
    writeFileBytes(timetablePath, "first");
    createMainWindow();
    selectTab(1);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), "first");
    writeFileBytes(timetablePath, "second");
    selectTab(0);
    selectTab(1);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), "second");
}

}  // namespace
