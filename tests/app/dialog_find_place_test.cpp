// The "Find town" dialog, modal as the page opens it, driven from a second thread as a user would:
// keystrokes into the edit box, the list read back, a row chosen, OK or Cancel.
#include "app_fixture.h"
#include "dialog_find_place.h"
#include "calculation_method.h"
#include "calculation_settings.h"
#include "test_files.h"

#include <cstring>
#include <functional>

namespace {

// Waits for the dialog of this process, runs the steps on it from this thread, and ends.
class FindDialogDriver {
public:
    explicit FindDialogDriver(std::function<void(HWND)> steps) : steps_(std::move(steps)) {
        thread_ = CreateThread(nullptr, 0, drive, this, 0, nullptr);
    }
    ~FindDialogDriver() {
        WaitForSingleObject(thread_, 20000);
        CloseHandle(thread_);
    }
    bool found() const { return found_; }

private:
    static DWORD WINAPI drive(void* self) {
        FindDialogDriver* driver = static_cast<FindDialogDriver*>(self);
        for (int attempt = 0; attempt < 1000 && !driver->found_; ++attempt) {
            HWND dialog = FindWindowA("#32770", "Find town");
            DWORD owner = 0;
            GetWindowThreadProcessId(dialog, &owner);
            if (dialog != nullptr && owner == GetCurrentProcessId() && IsWindowVisible(dialog)) {
                driver->found_ = true;
                driver->steps_(dialog);
                break;
            }
            Sleep(10);
        }
        return 0;
    }
    std::function<void(HWND)> steps_;
    HANDLE thread_;
    bool found_ = false;
};

void type(HWND dialog, const char* text) {
    SendMessageA(GetDlgItem(dialog, IDC_FIND_TEXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

int rowCount(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_FIND_LIST, LVM_GETITEMCOUNT, 0, 0));
}

std::string cell(HWND dialog, int row, int column) {
    char text[128] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(dialog, IDC_FIND_LIST, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

void selectRow(HWND dialog, int row) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(dialog, IDC_FIND_LIST, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The authority the method table names for a method (its wording is the table's to choose).
std::string authorityOf(const char* method) {
    const int index = findCalculationMethod(method);
    EXPECT_GE(index, 0) << method;
    return index >= 0 ? calculationMethods[index].authority : "";
}

void press(HWND dialog, int buttonId) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

class FindPlaceDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        forgetPlaceList();
        std::memset(&found, 0, sizeof found);
        lstrcpynA(found.townName, "untouched", sizeof found.townName);
    }
    void TearDown() override {
        forgetPlaceList();
        MainWindowTest::TearDown();
    }
    void installPlaces() { writeFileBytes(directory + "\\places.dat", readWholeFile(SELVARA_PLACES_DAT)); }

    FoundPlace found;
};

TEST_F(FindPlaceDialogTest, ListFollowsEachKeystrokeAndOkTakesThePlace) {
    installPlaces();
    std::vector<std::string> firstRows;
    std::vector<int> rowCounts;
    std::string karachiRow;
    std::string status;
    std::string offer;
    UINT offerChecked = BST_UNCHECKED;
    found.takeCustomaryMethod = true;
    FindDialogDriver driver([&](HWND dialog) {
        for (const char* typed : {"K", "Kar", "Karaj", "Kar"}) {
            type(dialog, typed);
            firstRows.push_back(rowCount(dialog) > 0 ? cell(dialog, 0, 0) : std::string());
            rowCounts.push_back(rowCount(dialog));
        }
        karachiRow = cell(dialog, 0, 0) + "|" + cell(dialog, 0, 1) + "|" + cell(dialog, 0, 2) + "|" +
                     cell(dialog, 0, 3) + "|" + cell(dialog, 0, 4) + "|" + cell(dialog, 0, 5);
        status = dialogItemText(dialog, IDC_FIND_STATUS);
        offer = dialogItemText(dialog, IDC_FIND_METHOD);
        offerChecked = IsDlgButtonChecked(dialog, IDC_FIND_TAKE_METHOD);
        press(dialog, IDOK);
    });
    ASSERT_TRUE(runFindPlaceDialog(nullptr, found));
    ASSERT_TRUE(driver.found());
    // The largest place of each prefix first; one letter has more matches than the list shows.
    EXPECT_EQ(firstRows, (std::vector<std::string>{"Karachi", "Karachi", "Karaj", "Karachi"}));
    EXPECT_EQ(rowCounts, (std::vector<int>{findPlaceMostRows, 98, 1, 98}));
    EXPECT_EQ(karachiRow, "Karachi|PK|24.8608|67.0104|8 m|Asia/Karachi  +5:00");
    EXPECT_EQ(status, "98 towns");
    EXPECT_EQ(offer, "PK: karachi, " + authorityOf("karachi") + ";  Asr Hanafi");
    EXPECT_EQ(offerChecked, static_cast<UINT>(BST_CHECKED));
    EXPECT_STREQ(found.townName, "Karachi");
    EXPECT_STREQ(found.zoneName, "Asia/Karachi");
    EXPECT_DOUBLE_EQ(found.latitudeDeg, 24.8608);
    EXPECT_DOUBLE_EQ(found.longitudeDeg, 67.0104);
    EXPECT_EQ(found.standardOffsetMinutes, 5 * 60);
    EXPECT_EQ(found.elevationM, 8);
    EXPECT_STREQ(found.countryCode, "PK");
    EXPECT_TRUE(found.takeCustomaryMethod);
}

// The offer follows the selected row; the box comes as the caller left it and goes back as the
// user left it.
TEST_F(FindPlaceDialogTest, OfferFollowsTheRowAndTheBoxIsTheUsers) {
    installPlaces();
    std::vector<std::string> offers;
    found.takeCustomaryMethod = false;
    UINT firstState = BST_CHECKED;
    FindDialogDriver driver([&](HWND dialog) {
        firstState = IsDlgButtonChecked(dialog, IDC_FIND_TAKE_METHOD);
        for (const char* typed : {"Ankara", "Casablanca", "Berlin", "xqzv"}) {
            type(dialog, typed);
            offers.push_back(dialogItemText(dialog, IDC_FIND_METHOD));
        }
        type(dialog, "Ifrane");
        selectRow(dialog, 0);
        press(dialog, IDOK);
    });
    ASSERT_TRUE(runFindPlaceDialog(nullptr, found));
    EXPECT_EQ(firstState, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(offers, (std::vector<std::string>{"TR: turkey, " + authorityOf("turkey") + ";  Asr standard",
                                                "MA: morocco, " + authorityOf("morocco") + ";  Asr standard",
                                                "DE: mwl, " + authorityOf("mwl") + ";  Asr standard", ""}));
    EXPECT_FALSE(found.takeCustomaryMethod);
    EXPECT_STREQ(found.townName, "Ifrane");
    EXPECT_EQ(found.elevationM, 1336);  // the height the Habous ministry computes Ifrane at
}

TEST_F(FindPlaceDialogTest, AccentsAndTodaysDaylightOffset) {
    installPlaces();
    std::string zurich;
    std::string kolkata;
    FindDialogDriver driver([&](HWND dialog) {
        type(dialog, "ZURICH");
        zurich = cell(dialog, 0, 0) + "|" + cell(dialog, 0, 5);
        type(dialog, "Kolk");
        kolkata = cell(dialog, 0, 0) + "|" + cell(dialog, 0, 5);
        selectRow(dialog, 0);
        press(dialog, IDOK);
    });
    ASSERT_TRUE(runFindPlaceDialog(nullptr, found));
    // 15 June: Zurich keeps summer time (UTC+2); India is 5:30 all year.
    EXPECT_EQ(zurich, "Z\xFCrich|Europe/Zurich  +2:00");
    EXPECT_EQ(kolkata, "Kolkata|Asia/Kolkata  +5:30");
    EXPECT_EQ(found.standardOffsetMinutes, 5 * 60 + 30);
}

TEST_F(FindPlaceDialogTest, CancelChangesNothing) {
    installPlaces();
    FindDialogDriver driver([&](HWND dialog) {
        type(dialog, "Kar");
        press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(runFindPlaceDialog(nullptr, found));
    EXPECT_STREQ(found.townName, "untouched");
    EXPECT_STREQ(found.zoneName, "");
}

struct MissingCase {
    const char* what;
    const char* fileBytes;  // null: no places.dat at all
    const char* status;
};

TEST_F(FindPlaceDialogTest, WithoutAGoodListSaysWhyAndPicksNothing) {
    const MissingCase cases[] = {
        {"missing", nullptr, "no places: places.dat is missing"},
        {"garbage", "not a place list at all, just text", "no places: places.dat is not a place list"},
        {"cut", "SVPLACES\x01\x00\x01\x00", "no places: places.dat is not a place list"},
    };
    for (const MissingCase& c : cases) {
        forgetPlaceList();
        DeleteFileA((directory + "\\places.dat").c_str());
        if (c.fileBytes != nullptr) {
            writeFileBytes(directory + "\\places.dat", c.fileBytes);
        }
        std::string status;
        int rows = -1;
        BOOL okEnabled = TRUE;
        FindDialogDriver driver([&](HWND dialog) {
            type(dialog, "Kar");
            status = dialogItemText(dialog, IDC_FIND_STATUS);
            rows = rowCount(dialog);
            okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK));
            press(dialog, IDOK);  // nothing to take: the dialog stays
            press(dialog, IDCANCEL);
        });
        EXPECT_FALSE(runFindPlaceDialog(nullptr, found)) << c.what;
        EXPECT_EQ(status, c.status) << c.what;
        EXPECT_EQ(rows, 0) << c.what;
        EXPECT_FALSE(okEnabled) << c.what;
        EXPECT_STREQ(found.townName, "untouched") << c.what;
    }
}

}  // namespace

namespace {

// The console tool's timetable for a place found by name, with further arguments (the method
// options) where given.
std::string consoleTimetable(const std::string& directory, const char* place, int year, int month,
                             const char* moreArguments = "") {
    char arguments[512];
    std::snprintf(arguments, sizeof arguments, "--place \"%s\" --year %d --month %d %s", place, year, month,
                  moreArguments);
    return consoleTimetableBytes(directory, arguments);
}

class FindOnCalculationPageTest : public FindPlaceDialogTest {
protected:
    // Presses "Find...", types `typed`, sets the box that takes the country's usual method, and
    // takes the first row (OK) or cancels.
    void findPlace(const char* typed, bool accept, bool takeMethod = true) {
        FindDialogDriver driver([&](HWND dialog) {
            type(dialog, typed);
            CheckDlgButton(dialog, IDC_FIND_TAKE_METHOD, takeMethod ? BST_CHECKED : BST_UNCHECKED);
            press(dialog, accept ? IDOK : IDCANCEL);
        });
        pressButton(IDC_FIND_PLACE);
        ASSERT_TRUE(driver.found());
    }
};

struct PickCase {
    const char* typed;
    bool takeMethod;  // the Find dialog's box
    const char* consoleQuery;
    const char* consoleMethod;  // the console tool's method options for the same table
    const char* latitude;
    const char* longitude;
    const char* town;
    const char* zoneField;
    const char* zoneName;
    const char* summary;
};

// Karachi keeps UTC+5 all year; London's June is on summer time, which the page's daylight box
// (checked on a first run) takes from the zone's rules, as --place does. Each town brings its
// country's usual method and Asr school unless the box is cleared, and its elevation, which
// morocco uses for sunrise and sunset (Fes, 305 m; Ifrane, 1336 m: the ministry's own points and
// heights for its towns, Ankara at Diyanet's point); the console tool gives the
// same table named by the method or by --method auto.
const PickCase pickCases[] = {
    {"Kar", false, "Karachi", "", "24.8608", "67.0104", "Karachi", "5", "Asia/Karachi",
     "Method: selvara;  Asr: standard;  8 m;  zone Asia/Karachi"},
    {"Kar", true, "Karachi", "--method auto", "24.8608", "67.0104", "Karachi", "5", "Asia/Karachi",
     "Method: karachi;  Asr: Hanafi;  8 m;  zone Asia/Karachi"},
    {"london", true, "London", "--method moonsighting", "51.5085", "-0.1257", "London", "0", "Europe/London",
     "Method: moonsighting;  Asr: standard;  25 m;  zone Europe/London"},
    {"kolk", true, "Kolkata", "--method karachi --asr hanafi", "22.5626", "88.3630", "Kolkata", "5:30",
     "Asia/Kolkata", "Method: karachi;  Asr: Hanafi;  11 m;  zone Asia/Kolkata"},
    {"F\xE8s", true, "Fes", "--method morocco", "34.0500", "-5.0081", "F\xE8s", "1", "Africa/Casablanca",
     "Method: morocco;  Asr: standard;  305 m;  zone Africa/Casablanca"},
    {"Ifrane", true, "Ifrane, MA", "--method auto", "33.5333", "-5.0992", "Ifrane", "1", "Africa/Casablanca",
     "Method: morocco;  Asr: standard;  1336 m;  zone Africa/Casablanca"},
    {"Ankara", true, "Ankara", "--method turkey", "39.9380", "32.8480", "Ankara", "3", "Europe/Istanbul",
     "Method: turkey;  Asr: standard;  874 m;  zone Europe/Istanbul"},
};

TEST_F(FindOnCalculationPageTest, PickFillsThePageAndCreateWritesTheConsoleToolsTimetable) {
    installPlaces();
    for (const PickCase& c : pickCases) {
        createMainWindow();
        ASSERT_EQ(IsDlgButtonChecked(currentPage, IDC_DAYLIGHT), BST_CHECKED);
        findPlace(c.typed, true, c.takeMethod);
        EXPECT_EQ(field(IDC_LATITUDE), c.latitude) << c.typed;
        EXPECT_EQ(field(IDC_LONGITUDE), c.longitude) << c.typed;
        EXPECT_EQ(field(IDC_TOWN), c.town) << c.typed;
        EXPECT_EQ(field(IDC_TIME_ZONE), c.zoneField) << c.typed;
        EXPECT_STREQ(Calculation.zoneName, c.zoneName) << c.typed;
        EXPECT_EQ(field(IDC_METHOD_SUMMARY), c.summary) << c.typed;
        EXPECT_EQ(Calculation.takeCustomaryMethod, c.takeMethod ? 1 : 0) << c.typed;

        pressButton(IDC_CREATE);
        EXPECT_EQ(selectedTab(), 1);
        const std::string written = readWholeFile(timetablePath);
        ASSERT_FALSE(written.empty());
        EXPECT_EQ(written,
                  consoleTimetable(directory, c.consoleQuery, fixedYear, fixedMonth, c.consoleMethod))
            << c.typed;
        closeMainWindow();
        DestroyWindow(window);
        window = nullptr;
        Calculation = defaultCalculationSettings();
        Settings = defaultSettings();
        DeleteFileA((directory + "\\selvara.ini").c_str());
    }
}

// Ifrane's table is computed 1336 m up: morocco lowers its sunrise and sunset for that, which the sea-level table
// does not; with the settings' box every method takes it, as --elevation does on the console.
TEST_F(FindOnCalculationPageTest, TheTownsElevationReachesTheTimetable) {
    installPlaces();
    createMainWindow();
    findPlace("Ifrane", true);
    pressButton(IDC_CREATE);
    const std::string morocco = readWholeFile(timetablePath);
    EXPECT_EQ(morocco, consoleTimetable(directory, "Ifrane, MA", fixedYear, fixedMonth, "--method morocco"));
    EXPECT_NE(morocco, consoleTimetable(directory, "Ifrane, MA", fixedYear, fixedMonth,
                                        "--method morocco --elevation 0"));

    selectTab(0);
    Calculation.methodIndex = findCalculationMethod("mwl");
    pressButton(IDC_CREATE);
    const std::string mwl = readWholeFile(timetablePath);
    EXPECT_EQ(mwl, consoleTimetable(directory, "Ifrane, MA", fixedYear, fixedMonth, "--method mwl"));
    selectTab(0);
    Calculation.useElevation = 1;
    pressButton(IDC_CREATE);
    const std::string everyMethod = readWholeFile(timetablePath);
    EXPECT_EQ(everyMethod, consoleTimetable(directory, "Ifrane, MA", fixedYear, fixedMonth,
                                            "--method mwl --elevation 1336"));
    EXPECT_NE(everyMethod, mwl);
}

TEST_F(FindOnCalculationPageTest, CoordinatesTypedByHandForgetTheZoneName) {
    installPlaces();
    createMainWindow();
    findPlace("Kar", true);
    ASSERT_STREQ(Calculation.zoneName, "Asia/Karachi");
    setField(IDC_TOWN, "My street");  // the town name is not the place
    EXPECT_STREQ(Calculation.zoneName, "Asia/Karachi");
    setField(IDC_LATITUDE, "24.9");
    EXPECT_STREQ(Calculation.zoneName, "");
    EXPECT_EQ(Calculation.elevationM, 0) << "the town's elevation goes with it";

    findPlace("Kar", true);
    ASSERT_STREQ(Calculation.zoneName, "Asia/Karachi");
    setField(IDC_LONGITUDE, "67.1");
    EXPECT_STREQ(Calculation.zoneName, "");
}

TEST_F(FindOnCalculationPageTest, CancelLeavesThePageAsItWas) {
    installPlaces();
    createMainWindow();
    const std::string before[] = {field(IDC_LATITUDE), field(IDC_LONGITUDE), field(IDC_TOWN),
                                  field(IDC_TIME_ZONE)};
    const SettingsRecord settingsBefore = Settings;
    findPlace("Kar", false);
    const std::string after[] = {field(IDC_LATITUDE), field(IDC_LONGITUDE), field(IDC_TOWN),
                                 field(IDC_TIME_ZONE)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i], before[i]);
    }
    EXPECT_EQ(std::memcmp(&Settings, &settingsBefore, sizeof Settings), 0);
    EXPECT_STREQ(Calculation.zoneName, "");
}

}  // namespace
