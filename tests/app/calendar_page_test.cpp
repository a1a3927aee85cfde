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
    setToday(2080, 3, 1);
    openCalendar();
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "----");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2080");
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST), "MuHarram");
    for (int month = 1; month <= 12; ++month) {
        CellPicture cell(currentPage, month);
        EXPECT_EQ(cell.at(2, 8), otherHeader);                            // no month is today's
        EXPECT_GT(cell.count(highlightColour, 0, 0, cell.width, 14), 0);  // heads drawn
        EXPECT_EQ(cell.count(darkShadowColour, 0, 17, cell.width, cell.height), 0) << month;
        EXPECT_EQ(cell.count(red, 0, 0, cell.width, cell.height), 0) << month;
    }
    chooseMode(IDC_CALENDAR_GREGORIAN);
    CellPicture march(currentPage, 3);  // 1 March 2080 is a Friday, today
    EXPECT_EQ(march.at(2, 8), currentHeader);
    EXPECT_GT(march.dayInk(red, 1, 5), 3);
}

// Red ink anywhere in the twelve cells.
int redInkOfYear(HWND page) {
    int ink = 0;
    for (int month = 1; month <= 12; ++month) {
        CellPicture cell(page, month);
        ink += cell.count(red, 0, 0, cell.width, cell.height);
    }
    return ink;
}

int currentHeaders(HWND page) {
    int headers = 0;
    for (int month = 1; month <= 12; ++month) {
        headers += CellPicture(page, month).at(2, 8) == currentHeader ? 1 : 0;
    }
    return headers;
}

// RamaDHaan 1460 looked up from 29 Thw al-Hijjah 1447: thirteen years on, the month starts on
// Thursday 30 September 2038 and has 29 days; nothing is marked as today.
TEST_F(CalendarPageTest, NextYearButtonsBrowseToHijri1460) {
    calendarMode = hijriCalendarMode;
    setToday(2026, 6, 15);
    openCalendar();
    for (int i = 0; i < 13; ++i) {
        pressButton(IDC_CALENDAR_NEXT_YEAR);
    }
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1460");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2039");  // 29 Thw al-Hijjah 1460 is 24 January 2039
    EXPECT_EQ(field(IDC_MONTH_TITLE_FIRST + 8), "RamaDHaan");
    CellPicture ramadan(currentPage, 9);
    EXPECT_EQ(ramadan.dayInk(darkShadowColour, 1, 3), 0);
    EXPECT_GT(ramadan.dayInk(darkShadowColour, 1, 4), 3);  // day 1 on Thursday
    EXPECT_GT(ramadan.dayInk(darkShadowColour, 5, 4), 3);  // day 29
    EXPECT_EQ(ramadan.dayInk(darkShadowColour, 5, 5), 0);  // no day 30
    EXPECT_EQ(currentHeaders(currentPage), 0);
    EXPECT_EQ(redInkOfYear(currentPage), 0);

    pressButton(IDC_CALENDAR_THIS_YEAR);
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1447");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2026");
    CellPicture december(currentPage, 12);
    EXPECT_EQ(december.at(2, 8), currentHeader);
    EXPECT_GT(december.dayInk(red, 5, 1), 3);
}

// Gregorian 2040, a leap year beginning on a Sunday: February starts on Wednesday and has a 29th.
TEST_F(CalendarPageTest, GregorianModeBrowsesGregorianYears) {
    calendarMode = gregorianCalendarMode;
    setToday(2026, 6, 15);
    openCalendar();
    for (int i = 0; i < 15; ++i) {
        pressButton(IDC_CALENDAR_NEXT_YEAR);
    }
    pressButton(IDC_CALENDAR_PREVIOUS_YEAR);
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2040");
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1462");  // 15 June 2040 is 5 Jumaada al-THaany 1462
    CellPicture january(currentPage, 1);
    EXPECT_GT(january.dayInk(darkShadowColour, 1, 0), 3);
    CellPicture february(currentPage, 2);
    EXPECT_EQ(february.dayInk(darkShadowColour, 1, 2), 0);
    EXPECT_GT(february.dayInk(darkShadowColour, 1, 3), 3);
    EXPECT_GT(february.dayInk(darkShadowColour, 5, 3), 3);  // the 29th
    EXPECT_EQ(currentHeaders(currentPage), 0);
    EXPECT_EQ(redInkOfYear(currentPage), 0);

    // Back in today's year by the buttons alone, today is marked again.
    for (int i = 0; i < 14; ++i) {
        pressButton(IDC_CALENDAR_PREVIOUS_YEAR);
    }
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2026");
    EXPECT_EQ(currentHeaders(currentPage), 1);
    CellPicture june(currentPage, 6);
    EXPECT_GT(june.dayInk(red, 3, 1), 3);
}

// The day after the old table's end: the Hijri month is still marked.
TEST_F(CalendarPageTest, TodayAfterMay2029KeepsItsHijriMonth) {
    calendarMode = hijriCalendarMode;
    setToday(2029, 5, 14);  // 1 MuHarram 1451, a Monday
    openCalendar();
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1451");
    CellPicture muharram(currentPage, 1);
    EXPECT_EQ(muharram.at(2, 8), currentHeader);
    EXPECT_GT(muharram.dayInk(red, 1, 1), 3);
    EXPECT_EQ(currentHeaders(currentPage), 1);
}

// At the ends of the table the buttons leave the year as it is.
TEST_F(CalendarPageTest, BrowsingStopsAtTheEndsOfTheHijriTable) {
    calendarMode = hijriCalendarMode;
    setToday(2077, 1, 1);
    openCalendar();
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1500");
    pressButton(IDC_CALENDAR_NEXT_YEAR);
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1500");
    EXPECT_EQ(field(IDC_GREGORIAN_YEAR), "2077");
    for (int i = 0; i < 185; ++i) {
        pressButton(IDC_CALENDAR_PREVIOUS_YEAR);
    }
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1318");
    CellPicture muharram(currentPage, 1);  // 1 MuHarram 1318 is Monday 30 April 1900
    EXPECT_GT(muharram.dayInk(darkShadowColour, 1, 1), 3);
    EXPECT_EQ(muharram.dayInk(darkShadowColour, 1, 0), 0);
}

// 10 March 2024 is 29 SHa`baan 1445 in the table, the last day of the month. +2 makes it
// 2 RamaDHaan, whose first day moves to Saturday 9 March; -2 makes it 27 SHa`baan, whose first
// day moves from Sunday 11 to Tuesday 13 February.
TEST_F(CalendarPageTest, AdjustmentMovesTheMonthsAcrossAMonthEnd) {
    calendarMode = hijriCalendarMode;
    setToday(2024, 3, 10);
    createMainWindow();  // reads the settings: the adjustments below come after it
    Calculation.hijriAdjustmentDays = 2;
    selectTab(calendarTab);
    EXPECT_EQ(field(IDC_HIJRI_YEAR), "1445");
    CellPicture ramadan(currentPage, 9);
    EXPECT_EQ(ramadan.at(2, 8), currentHeader);
    EXPECT_GT(ramadan.dayInk(darkShadowColour, 1, 6), 3);  // day 1 on Saturday
    EXPECT_GT(ramadan.dayInk(red, 2, 0), 3);               // today, day 2, on Sunday
    EXPECT_EQ(redInkOfYear(currentPage), ramadan.dayInk(red, 2, 0));

    selectTab(0);
    Calculation.hijriAdjustmentDays = -2;
    selectTab(calendarTab);
    CellPicture adjustedShaban(currentPage, 8);
    EXPECT_EQ(adjustedShaban.at(2, 8), currentHeader);
    EXPECT_EQ(adjustedShaban.dayInk(darkShadowColour, 1, 1), 0);
    EXPECT_GT(adjustedShaban.dayInk(darkShadowColour, 1, 2), 3);  // day 1 on Tuesday
    EXPECT_GT(adjustedShaban.dayInk(red, 5, 0), 3);               // today, day 27, on Sunday
    EXPECT_EQ(CellPicture(currentPage, 9).at(2, 8), otherHeader);

    Calculation.hijriAdjustmentDays = 0;
    selectTab(0);
    selectTab(calendarTab);  // no adjustment: 29 SHa`baan
    CellPicture shaban(currentPage, 8);
    EXPECT_GT(shaban.dayInk(darkShadowColour, 1, 0), 3);  // day 1 on Sunday
    EXPECT_GT(shaban.dayInk(red, 5, 0), 3);               // 29 on Sunday: index 28, row 5
}

}  // namespace
