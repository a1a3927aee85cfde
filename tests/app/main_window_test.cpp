// The main window built from the real resources: tabs, icons, page switching, closing.
#include "app_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const char* const tabCaptions[tabCount] = {"Praying times calculation", "Praying times view",
                                           "Hijri / Gregorian calendar", "Praying animation", "Author"};

TEST_F(MainWindowTest, FiveTabsWithCaptionsAndOneIconEach) {
    createMainWindow();
    ASSERT_EQ(SendMessageA(tabs(), TCM_GETITEMCOUNT, 0, 0), tabCount);
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(tabs(), TCM_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), tabCount);
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    for (int i = 0; i < tabCount; ++i) {
        char caption[64] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = caption;
        item.cchTextMax = sizeof caption;
        ASSERT_TRUE(SendMessageA(tabs(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item)));
        EXPECT_STREQ(caption, tabCaptions[i]);
        EXPECT_EQ(item.iImage, i);
    }
    EXPECT_EQ(selectedTab(), 0);
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Selvara");
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "Selvara");
    EXPECT_STREQ(productCaption, "Selvara");
}

TEST_F(MainWindowTest, PageIsAChildOfTheTabsAtTwelveTwentyEight) {
    createMainWindow();
    EXPECT_EQ(GetParent(currentPage), tabs());
    RECT rect;
    GetWindowRect(currentPage, &rect);
    MapWindowPoints(nullptr, tabs(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 12);
    EXPECT_EQ(rect.top, 28);
    EXPECT_NE(GetDlgItem(currentPage, IDC_CREATE), nullptr);
}

TEST_F(MainWindowTest, EachSelectionBuildsAFreshPageAndDestroysTheOld) {
    createMainWindow();
    const int expectedControl[tabCount] = {IDC_CREATE, IDC_TIMETABLE_TEXT, 0, 0, 0};
    for (int round = 0; round < 2; ++round) {
        for (int tab = 0; tab < tabCount; ++tab) {
            HWND before = currentPage;
            selectTab(tab);
            ASSERT_NE(currentPage, nullptr) << "tab " << tab;
            EXPECT_NE(currentPage, before) << "tab " << tab;
            EXPECT_FALSE(IsWindow(before)) << "tab " << tab;
            if (expectedControl[tab] != 0) {
                EXPECT_NE(GetDlgItem(currentPage, expectedControl[tab]), nullptr) << "tab " << tab;
            }
            int children = 0;
            for (HWND child = GetWindow(tabs(), GW_CHILD); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                char className[32] = {};
                GetClassNameA(child, className, sizeof className);
                children += std::strcmp(className, "#32770") == 0 ? 1 : 0;
            }
            EXPECT_EQ(children, 1) << "exactly one page exists";
        }
    }
}

TEST_F(MainWindowTest, NoSelectionOrMissingTemplateShowsNoPage) {
    createMainWindow();
    selectTab(-1);
    EXPECT_EQ(currentPage, nullptr);
    EXPECT_EQ(createPageFromTemplate(tabs(), "IDD_NO_SUCH_PAGE", timetablePageProc), nullptr);
    selectTab(1);
    EXPECT_NE(currentPage, nullptr) << "the window goes on working";
}

TEST_F(MainWindowTest, CloseBoxSavesSettings) {
    createMainWindow();
    setField(IDC_TIME_ZONE, "-5");
    setField(IDC_TOWN, "Lima");
    pressButton(IDC_CREATE);
    closeMainWindow();
    EXPECT_FALSE(IsWindowVisible(window)) << "the dialog ended";
    const std::string bytes = readWholeFile(settingsPath());
    ASSERT_EQ(bytes.size(), 280u);
    EXPECT_EQ(bytes.substr(276), std::string("\xFB\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.substr(16, 5), std::string("Lima\0", 5));
}

TEST_F(MainWindowTest, EscapeSavesSettings) {
    createMainWindow();
    Settings.timeZone = -5;
    HWND focus = GetDlgItem(currentPage, IDC_LATITUDE);
    SetFocus(focus);
    // What the modal loop does with a key press: the dialog manager turns Escape into IDCANCEL.
    MSG escape = {focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001, GetTickCount(), {0, 0}};
    IsDialogMessageA(window, &escape);
    pumpMessages();
    EXPECT_FALSE(IsWindowVisible(window));
    const std::string bytes = readWholeFile(settingsPath());
    ASSERT_EQ(bytes.size(), 280u);
    EXPECT_EQ(bytes.substr(276), std::string("\xFB\xFF\xFF\xFF", 4));
}

TEST_F(MainWindowTest, SwitchingTabsDoesNotSave) {
    createMainWindow();
    selectTab(1);
    selectTab(0);
    EXPECT_EQ(GetFileAttributesA(settingsPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowTest, SettingsFileIsLoadedWhenTheWindowOpens) {
    SettingsRecord stored = defaultSettings();
    stored.latitude = 21.42;
    stored.longitude = 39.83;
    std::snprintf(stored.townName, sizeof stored.townName, "%s", "Makkah");
    stored.timeZone = 3;
    unsigned char bytes[settingsFileSize];
    encodeSettings(stored, bytes);
    writeFileBytes(settingsPath(), std::string(reinterpret_cast<char*>(bytes), sizeof bytes));
    createMainWindow();
    EXPECT_EQ(field(IDC_LATITUDE), "21.42");
    EXPECT_EQ(field(IDC_LONGITUDE), "39.83");
    EXPECT_EQ(field(IDC_TOWN), "Makkah");
    EXPECT_EQ(field(IDC_TIME_ZONE), "3");
}

TEST_F(MainWindowTest, ShortLongAndGarbageSettingsFilesOpenTheWindow) {
    struct Case {
        std::string bytes;
        const char* latitude;
        std::string town;
        const char* zone;
    };
    std::string garbage(280, '\xFF');
    std::string longFile(600, 'A');
    const Case cases[] = {
        {std::string(8, '\0'), "0.000", "", "1"},  // latitude 0, town cleared
        {std::string(), "45.49", "", "1"},         // empty file
        {garbage, "", std::string(259, '\xFF'), "-1"},
        {longFile, "", std::string(259, 'A'), "1094795585"},
    };
    for (const Case& c : cases) {
        Settings = defaultSettings();
        writeFileBytes(settingsPath(), c.bytes);
        createMainWindow();
        if (c.latitude[0] != '\0') {
            EXPECT_EQ(field(IDC_LATITUDE), c.latitude);
        }
        EXPECT_LE(field(IDC_LATITUDE).size(), 5u);
        EXPECT_LE(field(IDC_LONGITUDE).size(), 5u);
        EXPECT_EQ(field(IDC_TOWN), c.town);
        EXPECT_EQ(field(IDC_TIME_ZONE), c.zone);
        DestroyWindow(window);
        pumpMessages();
    }
}

// The icons must be drawings: partly transparent, partly opaque, several colours, and
// different from each other.
TEST(ProgramIcons, LoadAtBothSizesAndLookLikeDrawings) {
    const int ids[] = {IDI_APPICON,      IDI_TAB_CALCULATE, IDI_TAB_TEXT,
                       IDI_TAB_CALENDAR, IDI_TAB_ANIMATION, IDI_TAB_AUTHOR};
    std::vector<std::vector<DWORD>> drawn;
    for (int id : ids) {
        for (int size : {16, 32}) {
            HICON icon = static_cast<HICON>(
                LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << id;
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = size;
            info.bmiHeader.biHeight = -size;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            void* bits = nullptr;
            HDC dc = CreateCompatibleDC(nullptr);
            HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
            HGDIOBJ old = SelectObject(dc, bitmap);
            RECT all = {0, 0, size, size};
            HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
            FillRect(dc, &all, magenta);
            DeleteObject(magenta);
            DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
            GdiFlush();
            std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + size * size);
            SelectObject(dc, old);
            DeleteObject(bitmap);
            DeleteDC(dc);
            DestroyIcon(icon);

            int background = 0;
            std::vector<DWORD> colours;
            for (DWORD pixel : pixels) {
                pixel &= 0xFFFFFF;
                if (pixel == 0xFF00FF) {
                    ++background;
                } else if (std::find(colours.begin(), colours.end(), pixel) == colours.end()) {
                    colours.push_back(pixel);
                }
            }
            EXPECT_GT(background, 0) << "icon " << id << " at " << size << " has a transparent edge";
            EXPECT_GT(size * size - background, size * size / 4) << "icon " << id << " is drawn";
            EXPECT_GE(colours.size(), 3u) << "icon " << id << " has several colours";
            if (size == 16) {
                drawn.push_back(pixels);
            }
        }
    }
    for (size_t i = 0; i < drawn.size(); ++i) {
        for (size_t j = i + 1; j < drawn.size(); ++j) {
            EXPECT_NE(drawn[i], drawn[j]) << "icons " << i << " and " << j << " differ";
        }
    }
}

}  // namespace
