// The calculation settings: the dialog, the zone field with minutes, "Get" with and without the
// daylight box, daylight time from this computer's rule, selvara.ini across a restart and hostile
// files. Expected timetables come from the engine's own writer for the same options, and for
// daylight days from two fixed-zone tables spliced at the change of clock (the days taken from
// tzdata), so nothing here restates the page's code.
#include "app_fixture.h"
#include "calculation_settings.h"
#include "dialog_calculation_settings.h"
#include "timetable.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

const int timetableHeaderLines = 5;

// The engine's bytes for a request, through a scratch file.
std::string engineBytes(const std::string& directory, const TimetableRequest& request) {
    const std::string path = directory + "\\expected.txt";
    EXPECT_TRUE(writeTimetableRequest(path.c_str(), request));
    const std::string bytes = readWholeFile(path);
    DeleteFileA(path.c_str());
    return bytes;
}

TimetableRequest monthRequest(double latitude, double longitude, int zoneMinutes, int year, int month) {
    TimetableRequest request;
    request.latitudeDeg = latitude;
    request.longitudeDeg = longitude;
    request.zoneMinutes = zoneMinutes;
    request.year = year;
    request.month = month;
    return request;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        const size_t stop = end == std::string::npos ? text.size() : end + 2;
        result.push_back(text.substr(start, stop - start));
        start = stop;
    }
    return result;
}

// The header and days before `firstDayOfSecond` from the first table, the rest from the second.
std::string splice(const std::string& first, const std::string& second, int firstDayOfSecond) {
    const std::vector<std::string> a = lines(first);
    const std::vector<std::string> b = lines(second);
    EXPECT_EQ(a.size(), b.size());
    std::string result;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int day = static_cast<int>(i) - timetableHeaderLines + 1;
        result += day >= firstDayOfSecond ? b[i] : a[i];
    }
    return result;
}

SYSTEMTIME transition(WORD month, WORD dayOfWeek, WORD occurrence, WORD hour) {
    SYSTEMTIME date = {};
    date.wMonth = month;
    date.wDayOfWeek = dayOfWeek;
    date.wDay = occurrence;
    date.wHour = hour;
    return date;
}

// Drives the modal settings dialog from a second thread: waits for it, lets `fill` set its
// controls, then presses OK.
class SettingsDialogDriver {
public:
    typedef void (*Fill)(HWND dialog);
    explicit SettingsDialogDriver(Fill fill) : fill_(fill) {
        thread_ = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    ~SettingsDialogDriver() { wait(); }
    bool wait() {
        if (thread_ != nullptr) {
            WaitForSingleObject(thread_, 10000);
            CloseHandle(thread_);
            thread_ = nullptr;
        }
        return found_;
    }

private:
    static DWORD WINAPI run(void* self) {
        SettingsDialogDriver* driver = static_cast<SettingsDialogDriver*>(self);
        for (int attempt = 0; attempt < 500; ++attempt) {
            HWND dialog = FindWindowA("#32770", "Calculation settings");
            DWORD owner = 0;
            GetWindowThreadProcessId(dialog, &owner);
            if (dialog != nullptr && owner == GetCurrentProcessId() && IsWindowVisible(dialog) &&
                GetDlgItem(dialog, IDC_METHOD) != nullptr) {
                driver->found_ = true;
                driver->fill_(dialog);
                PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                return 0;
            }
            Sleep(10);
        }
        return 0;
    }
    Fill fill_;
    HANDLE thread_ = nullptr;
    bool found_ = false;
};

void selectMethod(HWND dialog, const char* name) {
    HWND list = GetDlgItem(dialog, IDC_METHOD);
    const LRESULT index =
        SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    SendMessageA(list, CB_SETCURSEL, index, 0);
}

void chooseKarachiHanafi(HWND dialog) {
    selectMethod(dialog, "karachi");
    SendDlgItemMessageA(dialog, IDC_ASR_STANDARD, BM_SETCHECK, BST_UNCHECKED, 0);
    SendDlgItemMessageA(dialog, IDC_ASR_HANAFI, BM_SETCHECK, BST_CHECKED, 0);
    SetDlgItemTextA(dialog, IDC_ADJUST_FIRST + 4, "2");  // Maghrib two minutes later
}

class CalculationSettingsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        useZone(0, 0, 0, TIME_ZONE_ID_UNKNOWN);  // this computer: UTC, no daylight time
    }
    void TearDown() override {
        if (dialog_ != nullptr && IsWindow(dialog_)) {
            DestroyWindow(dialog_);
        }
        MainWindowTest::TearDown();
    }
    // The dialog created modeless over the main window, so that the test keeps control.
    HWND openDialog() {
        dialog_ =
            CreateDialogParamA(GetModuleHandleA(nullptr), IDD_PT_METHOD, window, calculationSettingsProc, 0);
        EXPECT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
        pumpMessages();
        return dialog_;
    }
    void pressDialogButton(int controlId) {
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, controlId)));
        pumpMessages();
    }
    std::string selectedMethod() const {
        HWND list = GetDlgItem(dialog_, IDC_METHOD);
        char text[64] = {};
        SendMessageA(list, CB_GETLBTEXT, SendMessageA(list, CB_GETCURSEL, 0, 0),
                     reinterpret_cast<LPARAM>(text));
        return text;
    }
    std::string iniPath() const { return directory + "\\selvara.ini"; }
    // Create with the page's fields as they are, for month and year item `monthIndex`, `yearIndex`.
    void create(int monthIndex, int yearIndex) {
        SendMessageA(GetDlgItem(currentPage, IDC_MONTH), CB_SETCURSEL, monthIndex, 0);
        SendMessageA(GetDlgItem(currentPage, IDC_YEAR), CB_SETCURSEL, yearIndex, 0);
        pressButton(IDC_CREATE);
    }
    std::string shownTimetable() const { return dialogItemText(currentPage, IDC_TIMETABLE_TEXT); }

    HWND dialog_ = nullptr;
};

TEST_F(CalculationSettingsTest, MethodListHoldsEveryMethodAndTheDialogShowsTheChoices) {
    const char* const methodNames[] = {"selvara", "mwl",    "isna",    "egypt",        "karachi", "makkah",
                                       "gulf",    "kuwait", "qatar",   "singapore",    "turkey",  "tehran",
                                       "jafari",  "france", "russia",  "moonsighting", "dubai",   "morocco",
                                       "uk",      "jakim",  "kemenag", "algeria",      "tunisia", "jordan",
                                       "oman",    "iacad"};
    createMainWindow();
    Calculation.methodIndex = findCalculationMethod("tehran");
    Calculation.asrShadowFactor = 2;
    Calculation.adjustmentsMinutes[0] = -5;
    Calculation.adjustmentsMinutes[5] = 120;
    openDialog();
    HWND list = GetDlgItem(dialog_, IDC_METHOD);
    EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(sizeof methodNames / sizeof *methodNames));
    for (const char* name : methodNames) {
        EXPECT_NE(
            SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name)),
            CB_ERR)
            << name;
    }
    EXPECT_EQ(selectedMethod(), "tehran");
    EXPECT_EQ(dialogItemText(dialog_, IDC_METHOD_DETAILS), "Fajr 17.7\xB0, Isha 14\xB0, Maghrib 4.5\xB0");
    EXPECT_EQ(dialogItemText(dialog_, IDC_METHOD_AUTHORITY),
              calculationMethods[findCalculationMethod("tehran")].authority);
    EXPECT_EQ(IsDlgButtonChecked(dialog_, IDC_ASR_HANAFI), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog_, IDC_ASR_STANDARD), BST_UNCHECKED);
    const char* const shown[prayerTimeCount] = {"-5", "0", "0", "0", "0", "120"};
    for (int i = 0; i < prayerTimeCount; ++i) {
        EXPECT_EQ(dialogItemText(dialog_, IDC_ADJUST_FIRST + i), shown[i]) << i;
    }
}

std::string selectedText(HWND dialog, int controlId) {
    HWND list = GetDlgItem(dialog, controlId);
    char text[64] = {};
    SendMessageA(list, CB_GETLBTEXT, SendMessageA(list, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
    return text;
}

// The rule where the twilight does not end, the elevation and its box: shown as Calculation holds
// them, stored by OK, refused out of range, and the authority line and the elevation note follow
// the method.
TEST_F(CalculationSettingsTest, HighLatitudeRuleAndElevation) {
    createMainWindow();
    Calculation.highLatitudeRule = HighLatitudeRule::seventhOfNight;
    Calculation.elevationM = 406;
    openDialog();
    HWND rules = GetDlgItem(dialog_, IDC_HIGH_LATITUDE);
    EXPECT_EQ(SendMessageA(rules, CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(selectedText(dialog_, IDC_HIGH_LATITUDE), "One seventh of the night");
    EXPECT_EQ(dialogItemText(dialog_, IDC_ELEVATION), "406");
    EXPECT_EQ(IsDlgButtonChecked(dialog_, IDC_USE_ELEVATION), BST_UNCHECKED);
    const struct {
        const char* method;
        const char* note;
    } notes[] = {
        {"morocco", "This method's authority lowers sunrise and sunset for it."},
        {"turkey", "This method takes it only with the box checked."},
        {"selvara", "The program's own method keeps its fixed horizon heights."},
    };
    for (const auto& n : notes) {
        selectMethod(dialog_, n.method);
        SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(IDC_METHOD, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_, IDC_METHOD)));
        EXPECT_EQ(dialogItemText(dialog_, IDC_METHOD_AUTHORITY),
                  calculationMethods[findCalculationMethod(n.method)].authority)
            << n.method;
        EXPECT_EQ(dialogItemText(dialog_, IDC_ELEVATION_NOTE), n.note) << n.method;
    }

    for (const char* text : {"9001", "-501", "12.5", "", "high"}) {
        SetDlgItemTextA(dialog_, IDC_ELEVATION, text);
        MessageBoxWatcher watcher;
        pressDialogButton(IDOK);
        const MessageBoxSeen seen = watcher.result();
        EXPECT_EQ(seen.text, "The elevation must be a whole number of metres from -500 to 9000.") << text;
        EXPECT_TRUE(IsWindowVisible(dialog_)) << text;
        EXPECT_EQ(Calculation.elevationM, 406) << text;
    }
    SetDlgItemTextA(dialog_, IDC_ELEVATION, "-233");
    CheckDlgButton(dialog_, IDC_USE_ELEVATION, BST_CHECKED);
    SendMessageA(rules, CB_SETCURSEL, 4, 0);
    pressDialogButton(IDOK);
    EXPECT_EQ(Calculation.elevationM, -233);
    EXPECT_EQ(Calculation.useElevation, 1);
    EXPECT_EQ(Calculation.highLatitudeRule, HighLatitudeRule::none);
    EXPECT_STREQ(methodNameOf(Calculation), "selvara");
}

TEST_F(CalculationSettingsTest, OkStoresTheChoicesAndCancelKeepsThem) {
    createMainWindow();
    openDialog();
    EXPECT_EQ(selectedMethod(), "selvara");
    selectMethod(dialog_, "isna");
    CheckRadioButton(dialog_, IDC_ASR_STANDARD, IDC_ASR_HANAFI, IDC_ASR_HANAFI);
    const char* const typed[prayerTimeCount] = {"1", "-2", " 3", "+4", "-120", "120"};
    for (int i = 0; i < prayerTimeCount; ++i) {
        SetDlgItemTextA(dialog_, IDC_ADJUST_FIRST + i, typed[i]);
    }
    pressDialogButton(IDCANCEL);
    EXPECT_STREQ(methodNameOf(Calculation), "selvara");
    EXPECT_EQ(Calculation.asrShadowFactor, 1);

    openDialog();
    selectMethod(dialog_, "isna");
    CheckRadioButton(dialog_, IDC_ASR_STANDARD, IDC_ASR_HANAFI, IDC_ASR_HANAFI);
    for (int i = 0; i < prayerTimeCount; ++i) {
        SetDlgItemTextA(dialog_, IDC_ADJUST_FIRST + i, typed[i]);
    }
    pressDialogButton(IDOK);
    EXPECT_STREQ(methodNameOf(Calculation), "isna");
    EXPECT_EQ(Calculation.asrShadowFactor, 2);
    const int32_t stored[prayerTimeCount] = {1, -2, 3, 4, -120, 120};
    for (int i = 0; i < prayerTimeCount; ++i) {
        EXPECT_EQ(Calculation.adjustmentsMinutes[i], stored[i]) << i;
    }
}

TEST_F(CalculationSettingsTest, MinutesOutOfRangeKeepTheDialogOpen) {
    createMainWindow();
    const char* const refused[] = {"121", "-121", "abc", "", "1.5", "99999999"};
    for (const char* text : refused) {
        openDialog();
        selectMethod(dialog_, "mwl");
        SetDlgItemTextA(dialog_, IDC_ADJUST_FIRST + 3, text);
        MessageBoxWatcher watcher;
        pressDialogButton(IDOK);
        const MessageBoxSeen seen = watcher.result();
        EXPECT_TRUE(seen.shown) << text;
        EXPECT_EQ(seen.caption, "Selvara");
        EXPECT_EQ(seen.text, "The minutes added to a time must be a whole number from -120 to 120.");
        EXPECT_TRUE(IsWindowVisible(dialog_)) << "the dialog stays for a correction";
        EXPECT_STREQ(methodNameOf(Calculation), "selvara") << "nothing is stored";
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
}

TEST_F(CalculationSettingsTest, UnknownZoneNameKeepsTheDialogOpen) {
    createMainWindow();
    openDialog();
    SetDlgItemTextA(dialog_, IDC_ZONE_NAME, "Mars/Olympus_Mons");
    MessageBoxWatcher watcher;
    pressDialogButton(IDOK);
    const MessageBoxSeen seen = watcher.result();
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "Unknown time zone name. Choose one from the list, or leave the field empty.");
    EXPECT_TRUE(IsWindowVisible(dialog_));
    EXPECT_STREQ(Calculation.zoneName, "");
}

TEST_F(CalculationSettingsTest, ButtonOpensTheDialogAndCreateUsesKarachiAndHanafi) {
    createMainWindow();
    EXPECT_EQ(field(IDC_METHOD_SUMMARY), "Method: selvara;  Asr: standard");
    {
        SettingsDialogDriver driver(chooseKarachiHanafi);
        pressButton(IDC_CALCULATION_SETTINGS);
        ASSERT_TRUE(driver.wait()) << "the dialog opened";
    }
    pumpMessages();
    EXPECT_EQ(field(IDC_METHOD_SUMMARY), "Method: karachi;  Asr: Hanafi;  minutes added");
    setField(IDC_LATITUDE, "24.86");
    setField(IDC_LONGITUDE, "67.01");
    setField(IDC_TOWN, "Karachi");
    setField(IDC_TIME_ZONE, "5");
    create(0, 1);  // January of next year

    TimetableRequest request = monthRequest(24.86, 67.01, 300, fixedYear + 1, 1);
    request.options.methodIndex = findCalculationMethod("karachi");
    request.options.asrShadowFactor = 2;
    request.options.adjustMinutes[4] = 2;
    const std::string expected = engineBytes(directory, request);
    EXPECT_EQ(selectedTab(), 1);
    EXPECT_EQ(shownTimetable(), expected);
    EXPECT_EQ(readWholeFile(timetablePath), expected);
    // Not the default method's table: the choice made a difference.
    EXPECT_NE(expected, engineBytes(directory, monthRequest(24.86, 67.01, 300, fixedYear + 1, 1)));
}

TEST_F(CalculationSettingsTest, ZoneFieldTakesMinutes) {
    const struct {
        const char* typed;
        int32_t hours;        // praytime.cfg
        int32_t zoneMinutes;  // used for the table
        const char* shownAfter;
    } cases[] = {
        {"5:30", 6, 330, "5:30"},  {"5.5", 6, 330, "5:30"}, {"-3:30", -4, -210, "-3:30"},
        {"+5:45", 6, 345, "5:45"}, {"3.5", 4, 210, "3:30"}, {"5:60", 5, 300, "5"},
        {"2", 2, 120, "2"},
    };
    createMainWindow();
    for (const auto& c : cases) {
        selectTab(0);
        setField(IDC_LATITUDE, "28.61");
        setField(IDC_LONGITUDE, "77.20");
        setField(IDC_TIME_ZONE, c.typed);
        create(fixedMonth - 1, 0);
        EXPECT_EQ(Settings.timeZone, c.hours) << c.typed;
        EXPECT_EQ(shownTimetable(),
                  engineBytes(directory, monthRequest(28.61, 77.20, c.zoneMinutes, fixedYear, fixedMonth)))
            << c.typed;
        selectTab(0);
        EXPECT_EQ(field(IDC_TIME_ZONE), c.shownAfter) << c.typed;
    }
}

TEST_F(CalculationSettingsTest, WholeHourZonesWriteWhatTheyAlwaysWrote) {
    createMainWindow();
    setField(IDC_TIME_ZONE, "1");
    CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
    create(fixedMonth - 1, 0);
    const std::string path = directory + "\\old.txt";
    ASSERT_TRUE(writeTimetable(path.c_str(), 1.0, 15.59, 45.49, fixedYear, fixedMonth, 1, 0));
    EXPECT_EQ(shownTimetable(), readWholeFile(path));
    DeleteFileA(path.c_str());
}

TEST_F(CalculationSettingsTest, GetGivesTheStandardZoneWithTheDaylightBoxAndTheClockWithout) {
    const struct {
        LONG bias, daylightBias;
        DWORD id;
        const char* checked;
        const char* unchecked;
    } cases[] = {
        {300, -60, TIME_ZONE_ID_DAYLIGHT, "-5", "-4"},        // New York in summer
        {-60, -60, TIME_ZONE_ID_DAYLIGHT, "1", "2"},          // Zagreb in summer
        {-60, -60, TIME_ZONE_ID_STANDARD, "1", "1"},          // Zagreb in winter
        {-330, 0, TIME_ZONE_ID_UNKNOWN, "5:30", "5:30"},      // Delhi
        {-210, 0, TIME_ZONE_ID_UNKNOWN, "3:30", "3:30"},      // Tehran
        {210, -60, TIME_ZONE_ID_DAYLIGHT, "-3:30", "-2:30"},  // St. John's in summer
        {-570, -60, TIME_ZONE_ID_DAYLIGHT, "9:30", "10:30"},  // Adelaide in summer
    };
    createMainWindow();
    for (const auto& c : cases) {
        useZone(c.bias, 0, c.daylightBias, c.id);
        CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_CHECKED);
        pressButton(IDC_GET_ZONE);
        EXPECT_EQ(field(IDC_TIME_ZONE), c.checked) << c.bias;
        CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
        pressButton(IDC_GET_ZONE);
        EXPECT_EQ(field(IDC_TIME_ZONE), c.unchecked) << c.bias;
    }
}

TEST_F(CalculationSettingsTest, DaylightBoxFollowsThisComputersRule) {
    // Central Europe: from the last Sunday of March 2:00 to the last Sunday of October 3:00; in
    // 2027 (tzdata) daylight time starts on 28 March and ends on 31 October.
    useZone(-60, 0, -60, TIME_ZONE_ID_STANDARD);
    fakeZone.DaylightDate = transition(3, 0, 5, 2);
    fakeZone.StandardDate = transition(10, 0, 5, 3);
    const struct {
        int month;
        const char* zone;
        bool box;
        int standardMinutes, daylightMinutes, firstDaylightDay;
    } cases[] = {
        {3, "1", true, 60, 120, 28},   // the change of clock inside the month
        {10, "1", true, 120, 60, 31},  // and back
        {6, "1", true, 120, 120, 1},   // all summer
        {3, "1", false, 60, 60, 1},    // box unchecked: the fixed zone, as always
        {3, "2", true, 120, 120, 1},   // not this computer's zone: the fixed zone
    };
    createMainWindow();
    for (const auto& c : cases) {
        selectTab(0);
        setField(IDC_TIME_ZONE, c.zone);
        CheckDlgButton(currentPage, IDC_DAYLIGHT, c.box ? BST_CHECKED : BST_UNCHECKED);
        create(c.month - 1, 1);
        const int year = fixedYear + 1;
        const std::string expected =
            splice(engineBytes(directory, monthRequest(45.49, 15.59, c.standardMinutes, year, c.month)),
                   engineBytes(directory, monthRequest(45.49, 15.59, c.daylightMinutes, year, c.month)),
                   c.firstDaylightDay);
        EXPECT_EQ(shownTimetable(), expected) << c.month << " " << c.zone << " " << c.box;
    }
}

TEST_F(CalculationSettingsTest, DaylightBoxSouthOfTheEquator) {
    // Sydney: daylight time ends on the first Sunday of April (4 April 2027, tzdata).
    useZone(-600, 0, -60, TIME_ZONE_ID_DAYLIGHT);
    fakeZone.DaylightDate = transition(10, 0, 1, 2);
    fakeZone.StandardDate = transition(4, 0, 1, 3);
    createMainWindow();
    setField(IDC_LATITUDE, "-33.86");
    setField(IDC_LONGITUDE, "151.2");
    setField(IDC_TIME_ZONE, "10");
    create(3, 1);
    const int year = fixedYear + 1;
    const std::string expected = splice(engineBytes(directory, monthRequest(-33.86, 151.2, 660, year, 4)),
                                        engineBytes(directory, monthRequest(-33.86, 151.2, 600, year, 4)), 4);
    EXPECT_EQ(shownTimetable(), expected);
}

TEST_F(CalculationSettingsTest, DaylightBoxFollowsTheNamedZone) {
    // New York: daylight time starts on 14 March 2027 (tzdata).
    createMainWindow();
    openDialog();
    SetDlgItemTextA(dialog_, IDC_ZONE_NAME, "america/new_york");
    pressDialogButton(IDOK);
    EXPECT_STREQ(Calculation.zoneName, "America/New_York") << "stored as the zone table spells it";
    const int year = fixedYear + 1;
    const std::string standard = engineBytes(directory, monthRequest(40.71, -74.0, -300, year, 3));
    const std::string daylight = engineBytes(directory, monthRequest(40.71, -74.0, -240, year, 3));
    const struct {
        const char* zone;
        bool box;
        std::string expected;
    } cases[] = {
        {"-5", true, splice(standard, daylight, 14)},
        {"3", true, splice(standard, daylight, 14)},  // the zone's rules, whatever the field says
        {"-5", false, standard},                      // box unchecked: the fixed zone
    };
    for (const auto& c : cases) {
        selectTab(0);
        setField(IDC_LATITUDE, "40.71");
        setField(IDC_LONGITUDE, "-74.0");
        setField(IDC_TIME_ZONE, c.zone);
        CheckDlgButton(currentPage, IDC_DAYLIGHT, c.box ? BST_CHECKED : BST_UNCHECKED);
        create(2, 1);
        EXPECT_EQ(shownTimetable(), c.expected) << c.zone << " " << c.box;
    }
    selectTab(0);
    EXPECT_EQ(field(IDC_METHOD_SUMMARY), "Method: selvara;  Asr: standard;  zone America/New_York");
}

TEST_F(CalculationSettingsTest, ChoicesSurviveARestart) {
    createMainWindow();
    {
        SettingsDialogDriver driver(chooseKarachiHanafi);
        pressButton(IDC_CALCULATION_SETTINGS);
        ASSERT_TRUE(driver.wait());
    }
    pumpMessages();
    setField(IDC_TIME_ZONE, "5:30");
    CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
    create(0, 0);
    closeMainWindow();
    EXPECT_EQ(readWholeFile(settingsPath()).size(), 280u) << "praytime.cfg keeps its layout";
    EXPECT_EQ(readWholeFile(settingsPath()).substr(276), std::string("\x06\0\0\0", 4)) << "whole hours";
    const CalculationSettings saved = Calculation;

    DestroyWindow(window);
    pumpMessages();
    Settings = defaultSettings();
    Calculation = defaultCalculationSettings();
    createMainWindow();
    EXPECT_EQ(std::memcmp(&Calculation, &saved, sizeof saved), 0);
    EXPECT_STREQ(methodNameOf(Calculation), "karachi");
    EXPECT_EQ(Calculation.asrShadowFactor, 2);
    EXPECT_EQ(Calculation.adjustmentsMinutes[4], 2);
    EXPECT_EQ(field(IDC_TIME_ZONE), "5:30");
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_DAYLIGHT), BST_UNCHECKED) << "the box is remembered";
    EXPECT_EQ(field(IDC_METHOD_SUMMARY), "Method: karachi;  Asr: Hanafi;  minutes added");
}

TEST_F(CalculationSettingsTest, HostileFilesStartWithTheDefaults) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    const std::string hugeValues =
        "[Calculation]\r\nMethod=karachi99999999999\r\nAsrSchool=hanafi99\r\nFajrMinutes=99999999999999999999\r\n"
        "IshaMinutes=-2147483648\r\n[Zone]\r\nDaylightChanges=99999999999\r\nName=../../../../etc/passwd\r\n"
        "Minutes=99999999999\r\n[Calendar]\r\nHijriAdjustment=-99999999999999\r\n";
    const std::string megabyteLine = "[Calculation]\r\nMethod=" + std::string(1 << 20, 'k') + "\r\n";
    std::string megabyteOfKeys;
    while (megabyteOfKeys.size() < (1u << 20)) {
        megabyteOfKeys += "[Calculation]\r\nFajrMinutes=5x\r\n[Zone]\r\nDaylightChanges=maybe\r\n";
    }
    const std::string nulBytes("[Calculation]\r\nMethod=\0karachi\r\nSunriseMinutes=\0"
                               "7\r\n",
                               45);
    const struct {
        const char* name;
        const std::string* bytes;
    } files[] = {{"garbage", &garbage},
                 {"huge values", &hugeValues},
                 {"one line of 1 MB", &megabyteLine},
                 {"1 MB of bad keys", &megabyteOfKeys},
                 {"NUL bytes", &nulBytes}};
    const CalculationSettings defaults = defaultCalculationSettings();
    for (const auto& file : files) {
        writeFileBytes(iniPath(), *file.bytes);
        Settings = defaultSettings();
        Settings.daylightChanges = 0;
        Calculation = defaultCalculationSettings();
        Calculation.methodIndex = findCalculationMethod("mwl");
        createMainWindow();
        EXPECT_EQ(std::memcmp(&Calculation, &defaults, sizeof defaults), 0) << file.name;
        EXPECT_EQ(Settings.daylightChanges, 1) << file.name;
        EXPECT_EQ(field(IDC_METHOD_SUMMARY), "Method: selvara;  Asr: standard") << file.name;
        EXPECT_EQ(field(IDC_TIME_ZONE), "1") << file.name;
        DestroyWindow(window);
        pumpMessages();
    }
}

TEST_F(CalculationSettingsTest, MissingOrEmptyFileGivesTheDefaultsAndClosingWritesThem) {
    writeFileBytes(iniPath(), "");
    createMainWindow();
    EXPECT_EQ(IsDlgButtonChecked(currentPage, IDC_DAYLIGHT), BST_CHECKED);
    closeMainWindow();
    char text[64] = {};
    GetPrivateProfileStringA("Calculation", "Method", "", text, sizeof text, iniPath().c_str());
    EXPECT_STREQ(text, "selvara");
    GetPrivateProfileStringA("Calculation", "AsrSchool", "", text, sizeof text, iniPath().c_str());
    EXPECT_STREQ(text, "standard");
    GetPrivateProfileStringA("Zone", "DaylightChanges", "", text, sizeof text, iniPath().c_str());
    EXPECT_STREQ(text, "1");
    GetPrivateProfileStringA("Zone", "Minutes", "none", text, sizeof text, iniPath().c_str());
    EXPECT_STREQ(text, "none") << "a whole-hour zone writes no minutes";
}

// The rule where the twilight does not end and the elevation for every method reach the window's
// timetable as --high-lat and --elevation reach the console's: Oslo in June, where the twilight
// of 18 degrees lasts all night.
TEST_F(CalculationSettingsTest, HighLatitudeRuleAndElevationGiveTheConsolesTimetable) {
    const struct {
        HighLatitudeRule rule;
        int32_t elevationM;
        int32_t useElevation;
        const char* console;
    } cases[] = {
        {HighLatitudeRule::methodDefault, 0, 0, "--method mwl"},
        {HighLatitudeRule::seventhOfNight, 0, 0, "--method mwl --high-lat seventh"},
        {HighLatitudeRule::middleOfNight, 23, 1, "--method mwl --high-lat middle --elevation 23"},
        {HighLatitudeRule::none, 0, 0, "--method mwl --high-lat none"},
    };
    createMainWindow();
    std::vector<std::string> tables;
    for (const auto& c : cases) {
        selectTab(0);
        setField(IDC_LATITUDE, "59.91");
        setField(IDC_LONGITUDE, "10.75");
        setField(IDC_TIME_ZONE, "2");
        CheckDlgButton(currentPage, IDC_DAYLIGHT, BST_UNCHECKED);
        Calculation.methodIndex = findCalculationMethod("mwl");
        Calculation.highLatitudeRule = c.rule;
        Calculation.elevationM = c.elevationM;
        Calculation.useElevation = c.useElevation;
        create(5, 0);  // June of this year
        char arguments[256];
        std::snprintf(arguments, sizeof arguments, "--lat 59.91 --lon 10.75 --zone 2 --year %d --month 6 %s",
                      fixedYear, c.console);
        EXPECT_EQ(shownTimetable(), consoleTimetableBytes(directory, arguments)) << c.console;
        tables.push_back(shownTimetable());
    }
    for (size_t i = 1; i < tables.size(); ++i) {
        EXPECT_NE(tables[i], tables[i - 1]) << cases[i].console;
    }
}

// A selvara.ini as the program wrote it before the high-latitude rule and the elevation had keys:
// read as it always was, the new choices at their defaults, the timetable the one its choices gave
// then, and written back without keys it did not have.
TEST_F(CalculationSettingsTest, AnOlderFileKeepsWorking) {
    writeFileBytes(
        iniPath(),
        "[Calculation]\r\nMethod=turkey\r\nAsrSchool=hanafi\r\nFajrMinutes=0\r\nSunriseMinutes=0\r\n"
        "DhuhrMinutes=1\r\nAsrMinutes=0\r\nMaghribMinutes=0\r\nIshaMinutes=-2\r\n"
        "[Zone]\r\nDaylightChanges=0\r\nName=\r\n[Calendar]\r\nHijriAdjustment=0\r\n");
    createMainWindow();
    EXPECT_STREQ(methodNameOf(Calculation), "turkey");
    EXPECT_EQ(Calculation.asrShadowFactor, 2);
    EXPECT_EQ(Calculation.adjustmentsMinutes[2], 1);
    EXPECT_EQ(Calculation.adjustmentsMinutes[5], -2);
    EXPECT_EQ(Calculation.highLatitudeRule, HighLatitudeRule::methodDefault);
    EXPECT_EQ(Calculation.elevationM, 0);
    EXPECT_EQ(Calculation.useElevation, 0);
    EXPECT_EQ(Calculation.takeCustomaryMethod, 1);
    EXPECT_EQ(field(IDC_METHOD_SUMMARY), "Method: turkey;  Asr: Hanafi;  minutes added");
    setField(IDC_LATITUDE, "39.92");
    setField(IDC_LONGITUDE, "32.85");
    setField(IDC_TIME_ZONE, "3");
    create(0, 1);
    TimetableRequest request = monthRequest(39.92, 32.85, 180, fixedYear + 1, 1);
    request.options.methodIndex = findCalculationMethod("turkey");
    request.options.asrShadowFactor = 2;
    request.options.adjustMinutes[2] = 1;
    request.options.adjustMinutes[5] = -2;
    EXPECT_EQ(shownTimetable(), engineBytes(directory, request));
    closeMainWindow();
    const std::string written = readWholeFile(iniPath());
    EXPECT_NE(written.find("Method=turkey"), std::string::npos);
    // Choices at their defaults add nothing to the file: it keeps the keys it had.
    for (const char* key : {"HighLatitude", "UseElevation", "Elevation", "TownMethod", "[Place]"}) {
        EXPECT_EQ(written.find(key), std::string::npos) << key;
    }
}

// The Hijri adjustment: listed from -2 to +2 with the current one selected, stored by OK, written
// to selvara.ini when the window closes and read back at the next start.
TEST_F(CalculationSettingsTest, HijriAdjustmentIsChosenStoredAndKept) {
    createMainWindow();
    Calculation.hijriAdjustmentDays = -1;
    openDialog();
    HWND list = GetDlgItem(dialog_, IDC_HIJRI_ADJUSTMENT);
    const char* const items[] = {"-2", "-1", "0", "+1", "+2"};
    ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 5);
    for (int i = 0; i < 5; ++i) {
        char text[16] = {};
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, items[i]) << i;
    }
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
    SendMessageA(list, CB_SETCURSEL, 4, 0);
    pressDialogButton(IDCANCEL);
    EXPECT_EQ(Calculation.hijriAdjustmentDays, -1);

    openDialog();
    SendMessageA(GetDlgItem(dialog_, IDC_HIJRI_ADJUSTMENT), CB_SETCURSEL, 4, 0);
    pressDialogButton(IDOK);
    EXPECT_EQ(Calculation.hijriAdjustmentDays, 2);
    closeMainWindow();
    EXPECT_NE(readWholeFile(iniPath()).find("HijriAdjustment=2"), std::string::npos);

    DestroyWindow(window);
    pumpMessages();
    Calculation = defaultCalculationSettings();
    createMainWindow();
    EXPECT_EQ(Calculation.hijriAdjustmentDays, 2);
    Calculation.hijriAdjustmentDays = 0;
}

}  // namespace
