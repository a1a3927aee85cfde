// The calendar page built from the real resources: cells rendered into a memory bitmap and read
// back pixel by pixel, the mode kept across tab switches, and a "today" outside the Hijri table.
#include "app_fixture.h"
#include "page_calendar.h"

#include <cstring>

namespace {

constexpr int calendarTab = 2;

SYSTEMTIME chosenToday;

void chosenLocalTime(SYSTEMTIME* localTime) {
    *localTime = chosenToday;
}

// Sets "today" for the pages, with its true weekday as the clock would report it.
void setToday(WORD year, WORD month, WORD day) {
    std::memset(&chosenToday, 0, sizeof chosenToday);
    chosenToday.wYear = year;
    chosenToday.wMonth = month;
    chosenToday.wDay = day;
    chosenToday.wHour = 12;
    chosenToday.wDayOfWeek =
        static_cast<WORD>(weekdayOfDayNumber(static_cast<int>(julianDay(year, month, day + 0.5))));
    readLocalTime = chosenLocalTime;
}

// One month cell drawn into a 32-bit memory bitmap of the cell's client size.
class CellPicture {
public:
    CellPicture(HWND page, int month) {
        HWND cell = GetDlgItem(page, IDC_MONTH_CELL_FIRST + month - 1);
        RECT client;
        GetClientRect(cell, &client);
        width = client.right;
        height = client.bottom;
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        drawMonthCell(cell, dc_, month);
    }
    ~CellPicture() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    // Pixels of one colour inside a rectangle.
    int count(COLORREF colour, int left, int top, int right, int bottom) const {
        int found = 0;
        for (int y = top; y < bottom && y < height; ++y) {
            for (int x = left; x < right && x < width; ++x) {
                found += at(x, y) == colour ? 1 : 0;
            }
        }
        return found;
    }
    // Text pixels of a day number in grid row t (1-6) and column j (0-6).
    int dayInk(COLORREF colour, int row, int column) const {
        return count(colour, 18 * column + 1, 12 * row + 6, 18 * column + 18, 12 * row + 16);
    }
    int width = 0;
    int height = 0;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

class CalendarPageTest : public MainWindowTest {
protected:
    void openCalendar() {
        createMainWindow();
        selectTab(calendarTab);
        ASSERT_NE(currentPage, nullptr);
    }
    void chooseMode(int radioId) { pressButton(radioId); }
};

const COLORREF currentHeader = RGB(192, 128, 192);
const COLORREF otherHeader = RGB(0, 164, 0);
const COLORREF red = RGB(255, 0, 0);

TEST_F(CalendarPageTest, OpensInHijriModeWithTodayMarked) {
    calendarMode = hijriCalendarMode;
    setToday(2026, 6, 15);  // 29 Thw al-Hijjah 1447
    openCalendar();
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_CALENDAR_HIJRI), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_CALENDAR_GREGORIAN), BST_UNCHECKED);
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST), "MuHarram");
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST + 11), "Thw al-Hijjah");
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1447");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2026");

    for (int month = 1; month <= 12; ++month) {
        CellPicture cell(currentPage, month);
        EXPECT_EQ(cell.at(2, 8), month == 12 ? currentHeader : otherHeader) << month;
    }
    // Day 29 of month 12 is red; 1447's last month has 29 days and starts on a Monday
    // (18 May 2026), so the 29th stands in row 5, column 1.
    CellPicture december(currentPage, 12);
    EXPECT_GT(december.dayInk(red, 5, 1), 3);
    EXPECT_EQ(december.count(red, 0, 17, december.width, december.height), december.dayInk(red, 5, 1));
}

TEST_F(CalendarPageTest, GridLinesHeadsAndNumbersStandAtTheirPixels) {
    calendarMode = gregorianCalendarMode;
    setToday(2026, 6, 15);
    openCalendar();
    CellPicture june(currentPage, 6);
    ASSERT_GE(june.width, 110);
    ASSERT_GE(june.height, 80);
    // Grid lines in the menu colour: columns every 18 pixels, rows every 15.
    for (int x = 18; x <= 108; x += 18) {
        EXPECT_EQ(june.at(x, 16), menuColour) << x;
        EXPECT_EQ(june.at(x, june.height - 1), menuColour) << x;
    }
    for (int y = 15; y <= 90 && y < june.height; y += 15) {
        EXPECT_EQ(june.at(17, y), menuColour) << y;
        EXPECT_EQ(june.at(june.width - 1, y), menuColour) << y;
    }
    // Body in the light colour, header in the current-month colour.
    EXPECT_EQ(june.at(2, 20), lightColour);
    EXPECT_EQ(june.at(2, 8), currentHeader);
    // The seven weekday letters in the highlight colour, each in its own column; the fourth two
    // pixels left of the others' pattern.
    for (int i = 0; i < 7; ++i) {
        const int x = i == 3 ? 58 : 6 + 18 * i;
        EXPECT_GT(june.count(highlightColour, x, 2, x + 8, 14), 0) << i;
    }
    // June 2026 starts on a Monday: day 1 in row 1, column 1; nothing in column 0 of row 1.
    EXPECT_GT(june.dayInk(darkShadowColour, 1, 1), 3);
    EXPECT_EQ(june.dayInk(darkShadowColour, 1, 0), 0);
    // Today, the 15th, in red at row 3, column 1.
    EXPECT_GT(june.dayInk(red, 3, 1), 3);
    EXPECT_EQ(june.dayInk(darkShadowColour, 3, 1), 0);
}

TEST_F(CalendarPageTest, ThirtyOneDayMonthStartingSaturdayUsesSixRows) {
    calendarMode = gregorianCalendarMode;
    setToday(2026, 6, 15);
    openCalendar();
    CellPicture august(currentPage, 8);  // 1 August 2026 is a Saturday
    EXPECT_GT(august.dayInk(darkShadowColour, 1, 6), 3);
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(august.dayInk(darkShadowColour, 1, column), 0) << column;
    }
    EXPECT_GT(august.dayInk(darkShadowColour, 6, 0), 3);  // 30
    EXPECT_GT(august.dayInk(darkShadowColour, 6, 1), 3);  // 31
    EXPECT_EQ(august.dayInk(darkShadowColour, 6, 2), 0);
    EXPECT_EQ(august.at(2, 8), otherHeader);
}

TEST_F(CalendarPageTest, LeapYearFebruaryAndTheWeekdayShiftAfterIt) {
    calendarMode = gregorianCalendarMode;
    setToday(2024, 1, 10);  // 2024 and 2018 both start on a Monday
    openCalendar();
    const int leapStarts[13] = {0, 1, 4, 5, 1, 3, 6, 1, 4, 0, 2, 5, 0};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(gregorianMonthStart[month], leapStarts[month]) << month;
    }
    // February 2024 starts on Thursday: the 29th is in row 5, column 4.
    CellPicture february(currentPage, 2);
    EXPECT_GT(february.dayInk(darkShadowColour, 5, 4), 3);
    EXPECT_EQ(february.dayInk(darkShadowColour, 5, 5), 0);

    selectTab(0);
    setToday(2018, 1, 10);
    selectTab(calendarTab);
    EXPECT_EQ(gregorianMonthStart[2], 4);
    for (int month = 3; month <= 12; ++month) {
        EXPECT_EQ(gregorianMonthStart[month], (leapStarts[month] + 6) % 7) << month;
    }
    CellPicture commonFebruary(currentPage, 2);
    EXPECT_EQ(commonFebruary.dayInk(darkShadowColour, 5, 4), 0);  // no 29th
}

TEST_F(CalendarPageTest, HijriMonthLengthsComeFromTheTable) {
    calendarMode = hijriCalendarMode;
    setToday(2026, 6, 20);  // 1448: months 29 30 29 30 30 29 30 30 29 30 29 30
    openCalendar();
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1448");
    for (int month = 1; month <= 12; ++month) {
        CellPicture cell(currentPage, month);
        int first = weekdayOfDayNumber(static_cast<int>(hijriToDayNumber(1448, month, 1)));
        // Day 30 stands at index first + 29 of the grid.
        const int index = first + 29;
        const int ink = cell.dayInk(darkShadowColour, 1 + index / 7, index % 7) +
                        cell.dayInk(red, 1 + index / 7, index % 7);
        if (hijriMonthLength(1448, month) == 30) {
            EXPECT_GT(ink, 3) << month;
        } else {
            EXPECT_EQ(ink, 0) << month;
        }
    }
}

TEST_F(CalendarPageTest, ModeOutlivesThePageAndYearsStayInTheirFields) {
    calendarMode = hijriCalendarMode;
    setToday(2026, 6, 15);
    openCalendar();
    chooseMode(IDC_CALENDAR_GREGORIAN);
    EXPECT_EQ(calendarMode, gregorianCalendarMode);
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST), "January");
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1447");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2026");

    selectTab(0);
    selectTab(calendarTab);
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_CALENDAR_GREGORIAN), BST_CHECKED);
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST + 8), "September");
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1447");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2026");

    chooseMode(IDC_CALENDAR_HIJRI);
    selectTab(1);
    selectTab(calendarTab);
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_CALENDAR_HIJRI), BST_CHECKED);
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST + 8), "RamaDHaan");
}

TEST_F(CalendarPageTest, TodayOutsideTheHijriTableStaysUsable) {
    calendarMode = hijriCalendarMode;
    setToday(2030, 3, 1);
    openCalendar();
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "----");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2030");
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST), "MuHarram");
    for (int month = 1; month <= 12; ++month) {
        CellPicture cell(currentPage, month);
        EXPECT_EQ(cell.at(2, 8), otherHeader);                            // no month is today's
        EXPECT_GT(cell.count(highlightColour, 0, 0, cell.width, 14), 0);  // heads drawn
        EXPECT_EQ(cell.count(darkShadowColour, 0, 17, cell.width, cell.height), 0) << month;
        EXPECT_EQ(cell.count(red, 0, 0, cell.width, cell.height), 0) << month;
    }
    chooseMode(IDC_CALENDAR_GREGORIAN);
    CellPicture march(currentPage, 3);  // 1 March 2030 is a Friday, today
    EXPECT_EQ(march.at(2, 8), currentHeader);
    EXPECT_GT(march.dayInk(red, 1, 5), 3);
}

}  // namespace
