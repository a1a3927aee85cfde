// The "Find town" dialog, modal as the page opens it, driven from a second thread as a user would:
// keystrokes into the edit box, the list read back, a row chosen, OK or Cancel.
#include "app_fixture.h"
#include "find_place_dialog.h"

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
    void installPlaces() { writeFileBytes(directory + "\\places.dat", readFileBytes(SELVARA_PLACES_DAT)); }

    FoundPlace found;
};

TEST_F(FindPlaceDialogTest, ListFollowsEachKeystrokeAndOkTakesThePlace) {
    installPlaces();
    std::vector<std::string> firstRows;
    std::vector<int> rowCounts;
    std::string karachiRow;
    std::string status;
    FindDialogDriver driver([&](HWND dialog) {
        for (const char* typed : {"K", "Kar", "Karaj", "Kar"}) {
            type(dialog, typed);
            firstRows.push_back(rowCount(dialog) > 0 ? cell(dialog, 0, 0) : std::string());
            rowCounts.push_back(rowCount(dialog));
        }
        karachiRow = cell(dialog, 0, 0) + "|" + cell(dialog, 0, 1) + "|" + cell(dialog, 0, 2) + "|" +
                     cell(dialog, 0, 3) + "|" + cell(dialog, 0, 4);
        status = dialogItemText(dialog, IDC_FIND_STATUS);
        press(dialog, IDOK);
    });
    ASSERT_TRUE(runFindPlaceDialog(nullptr, found));
    ASSERT_TRUE(driver.found());
    // The largest place of each prefix first; one letter has more matches than the list shows.
    EXPECT_EQ(firstRows, (std::vector<std::string>{"Karachi", "Karachi", "Karaj", "Karachi"}));
    EXPECT_EQ(rowCounts, (std::vector<int>{findPlaceMostRows, 98, 1, 98}));
    EXPECT_EQ(karachiRow, "Karachi|PK|24.8608|67.0104|Asia/Karachi  +5:00");
    EXPECT_EQ(status, "98 towns");
    EXPECT_STREQ(found.townName, "Karachi");
    EXPECT_STREQ(found.zoneName, "Asia/Karachi");
    EXPECT_DOUBLE_EQ(found.latitudeDeg, 24.8608);
    EXPECT_DOUBLE_EQ(found.longitudeDeg, 67.0104);
    EXPECT_EQ(found.standardOffsetMinutes, 5 * 60);
}

TEST_F(FindPlaceDialogTest, AccentsAndTodaysDaylightOffset) {
    installPlaces();
    std::string zurich;
    std::string kolkata;
    FindDialogDriver driver([&](HWND dialog) {
        type(dialog, "ZURICH");
        zurich = cell(dialog, 0, 0) + "|" + cell(dialog, 0, 4);
        type(dialog, "Kolk");
        kolkata = cell(dialog, 0, 0) + "|" + cell(dialog, 0, 4);
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
