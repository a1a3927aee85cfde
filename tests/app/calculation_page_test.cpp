// The calculation page: fields, lists, "Get" and "Create Praying Times".
#include "app_fixture.h"
#include "timetable.h"

#include <cstdio>
#include <string>

namespace {

std::vector<std::string> listItems(HWND list) {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[32] = {};
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// The bytes the engine writes for a month, read back from a scratch file.
std::string engineTimetable(const std::string& directory, double zone, double longitude, double latitude,
                            int year, int month) {
    const std::string path = directory + "\\expected.txt";
    EXPECT_TRUE(writeTimetable(path.c_str(), zone, longitude, latitude, year, month, 1, 0));
    const std::string bytes = readWholeFile(path);
    DeleteFileA(path.c_str());
    return bytes;
}

using CalculationPageTest = MainWindowTest;

TEST_F(CalculationPageTest, FirstRunFields) {
    createMainWindow();
    EXPECT_EQ(field(IDC_LATITUDE), "45.49");
    EXPECT_EQ(field(IDC_LONGITUDE), "15.59");
    EXPECT_EQ(field(IDC_TOWN), "Zagreb");
    EXPECT_EQ(field(IDC_TIME_ZONE), "1");
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_DAYLIGHT), BST_CHECKED);

    HWND months = GetDlgItem(currentPage, IDC_MONTH);
    const std::vector<std::string> monthItems = listItems(months);
    ASSERT_EQ(monthItems.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(monthItems[i], std::to_string(i + 1));
        EXPECT_EQ(SendMessageA(months, CB_GETITEMDATA, i, 0), i);
    }
    EXPECT_EQ(SendMessageA(months, CB_GETCURSEL, 0, 0), fixedMonth - 1);

    HWND years = GetDlgItem(currentPage, IDC_YEAR);
    const std::vector<std::string> yearItems = listItems(years);
    ASSERT_EQ(yearItems.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(yearItems[i], std::to_string(fixedYear + i));
        EXPECT_EQ(SendMessageA(years, CB_GETITEMDATA, i, 0), i);
    }
    EXPECT_EQ(SendMessageA(years, CB_GETCURSEL, 0, 0), 0);
}

TEST_F(CalculationPageTest, CoordinatesShowFiveCharacters) {
    const struct {
        double degrees;
        const char* shown;
    } cases[] = {{45.49, "45.49"}, {-33.87, "-33.8"},  {120.15, "120.1"},    {0.0, "0.000"},
                 {7.0, "7.000"},   {-179.99, "-179."}, {12345678.0, "12345"}};
    for (const auto& c : cases) {
        Settings.latitude = c.degrees;
        Settings.longitude = -c.degrees;
        createMainWindow();
        EXPECT_EQ(field(IDC_LATITUDE), c.shown) << c.degrees;
        char negative[16];
        std::snprintf(negative, sizeof negative, "%f", -c.degrees);
        negative[5] = '\0';
        EXPECT_EQ(field(IDC_LONGITUDE), negative) << -c.degrees;
        DestroyWindow(window);
        pumpMessages();
    }
}

TEST_F(CalculationPageTest, ShownLongitudeIsStoredAsShown) {
    Settings.longitude = 120.15;
    createMainWindow();
    EXPECT_EQ(field(IDC_LONGITUDE), "120.1");
    pressButton(IDC_CREATE);
    EXPECT_EQ(Settings.longitude, 120.1);
}

TEST_F(CalculationPageTest, FieldsAreReadWithTheirLimits) {
    createMainWindow();
    setField(IDC_LATITUDE, "45.4912345");
    setField(IDC_LONGITUDE, "abc");
    setField(IDC_TIME_ZONE, "x7");
    const std::string longTown(120, 'T');
    setField(IDC_TOWN, longTown.c_str());
    CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
    pressButton(IDC_CREATE);
    EXPECT_EQ(Settings.latitude, 45.491234);
    EXPECT_EQ(Settings.longitude, 0.0);
    EXPECT_EQ(Settings.timeZone, 0);
    EXPECT_EQ(std::string(Settings.townName), longTown.substr(0, 99));
    EXPECT_EQ(Settings.daylightChanges, 0);
}

TEST_F(CalculationPageTest, ZoneIsAWholeSignedNumber) {
    const struct {
        const char* typed;
        int32_t stored;
    } cases[] = {{"-5", -5},
                 {"+3", 3},
                 {" 4", 4},
                 {"12abc", 12},
                 {"", 0},
                 {"99999999999", 2147483647},
                 {"-99999999999", -2147483647 - 1}};
    createMainWindow();
    for (const auto& c : cases) {
        selectTab(0);
        setField(IDC_TIME_ZONE, c.typed);
        pressButton(IDC_CREATE);
        EXPECT_EQ(Settings.timeZone, c.stored) << "typed " << c.typed;
    }
}

TEST_F(CalculationPageTest, CreateWritesTheChosenMonthAndShowsItOnTabOne) {
    createMainWindow();
    setField(IDC_LATITUDE, "21.42");
    setField(IDC_LONGITUDE, "39.83");
    setField(IDC_TIME_ZONE, "3");
    SendMessageA(GetDlgItem(currentPage, IDC_MONTH), CB_SETCURSEL, 1, 0);  // February
    SendMessageA(GetDlgItem(currentPage, IDC_YEAR), CB_SETCURSEL, 1, 0);   // next year
    pressButton(IDC_CREATE);

    const std::string expected = engineTimetable(directory, 3, 39.83, 21.42, fixedYear + 1, 2);
    ASSERT_FALSE(expected.empty());
    EXPECT_NE(expected.find("February  2027"), std::string::npos);
    EXPECT_EQ(readWholeFile(timetablePath), expected);

    EXPECT_EQ(selectedTab(), 1);
    ASSERT_NE(currentPage, nullptr);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), expected);
    // Leaving and coming back reads the file again.
    selectTab(2);
    selectTab(1);
    EXPECT_EQ(dialogItemText(currentPage, IDC_TIMETABLE_TEXT), expected);
}

TEST_F(CalculationPageTest, UnsavedEditsAreLostOnSwitching) {
    createMainWindow();
    setField(IDC_LATITUDE, "10.5");
    setField(IDC_TOWN, "Elsewhere");
    CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
    SendMessageA(GetDlgItem(currentPage, IDC_MONTH), CB_SETCURSEL, 0, 0);
    selectTab(4);
    selectTab(0);
    EXPECT_EQ(field(IDC_LATITUDE), "45.49");
    EXPECT_EQ(field(IDC_TOWN), "Zagreb");
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_DAYLIGHT), BST_CHECKED);
    EXPECT_EQ(SendMessageA(GetDlgItem(currentPage, IDC_MONTH), CB_GETCURSEL, 0, 0), fixedMonth - 1);
}

TEST_F(CalculationPageTest, GetStoresTheZoneAtOnceAndItSurvivesSwitching) {
    useZone(300, 0, -60, TIME_ZONE_ID_DAYLIGHT);  // UTC-5, in daylight time now: UTC-4
    createMainWindow();
    setField(IDC_LATITUDE, "1.5");
    // Without daylight changes "Get" takes the offset the clock keeps now (with them, the standard
    // one: calculation_settings_test.cpp).
    CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
    pressButton(IDC_GET_ZONE);
    EXPECT_EQ(field(IDC_TIME_ZONE), "-4");
    EXPECT_EQ(Settings.timeZone, -4);
    EXPECT_EQ(Settings.latitude, 45.49) << "Get touches only the zone";
    selectTab(1);
    selectTab(0);
    EXPECT_EQ(field(IDC_TIME_ZONE), "-4");
    EXPECT_EQ(field(IDC_LATITUDE), "45.49");
    closeMainWindow();
    const std::string bytes = readWholeFile(settingsPath());
    ASSERT_EQ(bytes.size(), 280u);
    EXPECT_EQ(bytes.substr(276), std::string("\xFC\xFF\xFF\xFF", 4));
}

TEST_F(CalculationPageTest, GetWithoutTimeZoneInformationSaysSo) {
    useZone(0, 0, 0, TIME_ZONE_ID_INVALID);
    createMainWindow();
    MessageBoxWatcher watcher;
    pressButton(IDC_GET_ZONE);
    const MessageBoxSeen seen = watcher.result();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Selvara");
    EXPECT_EQ(seen.text, "Can get time zone");
    EXPECT_EQ(field(IDC_TIME_ZONE), "1");
    EXPECT_EQ(Settings.timeZone, 1);
}

TEST(ZoneFromSystem, WholeHoursEastOfGreenwich) {
    const struct {
        LONG bias, standardBias, daylightBias;
        DWORD id;
        int hours;
    } cases[] = {
        // clang-format off
        {-60, 0, -60, TIME_ZONE_ID_STANDARD, 1},   // Central Europe, winter
        {-60, 0, -60, TIME_ZONE_ID_DAYLIGHT, 2},   // Central Europe, summer
        {300, 0, -60, TIME_ZONE_ID_STANDARD, -5},  // New York, winter
        {300, 0, -60, TIME_ZONE_ID_DAYLIGHT, -4},
        {0, 0, 0, TIME_ZONE_ID_UNKNOWN, 0},         // UTC, no daylight time
        {-180, 0, 0, TIME_ZONE_ID_UNKNOWN, 3},      // Makkah
        {-330, 0, 0, TIME_ZONE_ID_UNKNOWN, 6},      // India, +5:30: halves away from zero
        {210, 0, -60, TIME_ZONE_ID_STANDARD, -4},   // Newfoundland, -3:30
        {210, 0, -60, TIME_ZONE_ID_DAYLIGHT, -3},   // -2:30
        {-345, 0, 0, TIME_ZONE_ID_UNKNOWN, 6},      // Nepal, +5:45
        {-570, 0, -60, TIME_ZONE_ID_DAYLIGHT, 11},  // Adelaide, summer +10:30
        {-60, 30, -60, TIME_ZONE_ID_STANDARD, 1},   // a standard bias is applied too: +0:30
        // clang-format on
    };
    for (const auto& c : cases) {
        TIME_ZONE_INFORMATION information = {};
        information.Bias = c.bias;
        information.StandardBias = c.standardBias;
        information.DaylightBias = c.daylightBias;
        EXPECT_EQ(zoneHoursFromTimeZone(c.id, information), c.hours) << "bias " << c.bias << " id " << c.id;
    }
}

TEST_F(CalculationPageTest, UnwritableTimetableSaysSoAndStays) {
    // A folder where the timetable file should be: the file cannot be created.
    ASSERT_TRUE(CreateDirectoryA(timetablePath, nullptr));
    createMainWindow();
    setField(IDC_TOWN, "Kept");
    HWND page = currentPage;
    MessageBoxWatcher watcher;
    pressButton(IDC_CREATE);
    const MessageBoxSeen seen = watcher.result();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Selvara");
    EXPECT_EQ(seen.text, std::string("Can not open file: ") + timetablePath);
    EXPECT_EQ(selectedTab(), 0);
    EXPECT_EQ(currentPage, page);
    EXPECT_TRUE(IsWindow(page));
    closeMainWindow();
    const std::string bytes = readWholeFile(settingsPath());
    ASSERT_EQ(bytes.size(), 280u) << "settings are still saved";
    EXPECT_EQ(bytes.substr(16, 5), std::string("Kept\0", 5));
    RemoveDirectoryA(timetablePath);
}

TEST_F(CalculationPageTest, ADirectoryWithNoRoomForTheFileNameIsNamedInTheMessage) {
    // 243 to 259 characters leave no room for "\PrayingTimes.txt" in a 260-byte path: the message
    // still names the folder and the file that could not be made.
    for (size_t length : {243u, 250u, 259u}) {
        const std::string longDirectory = "C:\\" + std::string(length - 3, 'd');
        std::snprintf(programDirectory, sizeof programDirectory, "%s", longDirectory.c_str());
        formTimetablePath();
        ASSERT_STREQ(timetablePath, "");
        createMainWindow();
        MessageBoxWatcher watcher;
        pressButton(IDC_CREATE);
        const MessageBoxSeen seen = watcher.result();
        EXPECT_TRUE(seen.shown) << length;
        EXPECT_EQ(seen.text, "Can not open file: " + longDirectory + "\\PrayingTimes.txt") << length;
        closeMainWindow();
        DestroyWindow(window);
        window = nullptr;
    }
    std::snprintf(programDirectory, sizeof programDirectory, "%s", directory.c_str());
    formTimetablePath();
}

}  // namespace
